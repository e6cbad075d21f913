// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// quorex-startup-bench: how soon the window is there, and what it costs while it waits.
//
// Starts quorex and a minimal Qt Widgets program (one label) alternately, each `runs` times,
// and times each from the start of the process until its window is on the screen and painted:
// mapped, and the pixels where it lies no longer those of the empty screen. Prints both
// medians and their ratio. Then it leaves one window of each standing and counts the clock
// ticks of processor time each uses in `idle` seconds without any input, and their resident
// memory. Needs an X server without a window manager (xvfb-run).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <xcb/xcb.h>

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Screen {
  xcb_connection_t *connection = nullptr;
  xcb_window_t root = 0;
  int width = 0;
  int height = 0;
  // The empty screen, one 32-bit pixel each, taken before any program starts.
  std::vector<quint32> empty;
};

quint32 Pixel(xcb_connection_t *c, xcb_drawable_t drawable, int x, int y) {
  xcb_get_image_reply_t *reply = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, qint16(x), qint16(y), 1, 1, ~0u),
      nullptr);
  if (!reply) return 0;
  quint32 pixel = 0;
  const int length = xcb_get_image_data_length(reply);
  std::copy_n(xcb_get_image_data(reply), std::min<int>(length, 4),
              reinterpret_cast<uint8_t *>(&pixel));
  free(reply);
  return pixel & 0xFFFFFF;
}

bool OpenScreen(Screen *screen) {
  int number = 0;
  screen->connection = xcb_connect(nullptr, &number);
  if (xcb_connection_has_error(screen->connection)) return false;
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(screen->connection));
  for (int i = 0; i < number; ++i) xcb_screen_next(&it);
  screen->root = it.data->root;
  screen->width = it.data->width_in_pixels;
  screen->height = it.data->height_in_pixels;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(screen->connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(screen->connection);
  // The screen row by row: one request per row keeps each reply small.
  screen->empty.resize(size_t(screen->width) * size_t(screen->height));
  for (int y = 0; y < screen->height; ++y) {
    xcb_get_image_reply_t *reply = xcb_get_image_reply(
        screen->connection,
        xcb_get_image(screen->connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, qint16(y),
                      quint16(screen->width), 1, ~0u),
        nullptr);
    if (!reply) return false;
    const int length = xcb_get_image_data_length(reply);
    if (length >= screen->width * 4) {
      const auto *row = reinterpret_cast<const quint32 *>(xcb_get_image_data(reply));
      for (int x = 0; x < screen->width; ++x)
        screen->empty[size_t(y) * size_t(screen->width) + size_t(x)] = row[x] & 0xFFFFFF;
    }
    free(reply);
  }
  return true;
}

// The next MapNotify of an ordinary window, or 0 after `timeoutMs`.
xcb_window_t WaitForMap(Screen &screen, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  pollfd fd{xcb_get_file_descriptor(screen.connection), POLLIN, 0};
  while (clock.elapsed() < timeoutMs) {
    while (xcb_generic_event_t *event = xcb_poll_for_event(screen.connection)) {
      xcb_window_t mapped = 0;
      if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
        const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
        if (!map->override_redirect) mapped = map->window;
      }
      free(event);
      if (mapped) return mapped;
    }
    poll(&fd, 1, 10);
  }
  return 0;
}

void DrainEvents(Screen &screen) {
  while (xcb_generic_event_t *event = xcb_poll_for_event(screen.connection)) free(event);
}

// True once any of five points of `window` differs from the empty screen.
bool Painted(Screen &screen, xcb_window_t window) {
  xcb_connection_t *c = screen.connection;
  xcb_get_geometry_reply_t *geometry =
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  if (!geometry) return false;
  const int x0 = geometry->x, y0 = geometry->y, w = geometry->width, h = geometry->height;
  free(geometry);
  const int points[][2] = {{w / 2, h / 2}, {w / 4, h / 4}, {3 * w / 4, h / 4},
                           {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}};
  for (const auto &point : points) {
    const int sx = x0 + point[0], sy = y0 + point[1];
    if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
    if (Pixel(c, window, point[0], point[1]) !=
        screen.empty[size_t(sy) * size_t(screen.width) + size_t(sx)])
      return true;
  }
  return false;
}

QProcessEnvironment Environment(const QTemporaryDir &home) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  // Nothing remembered from the user's own runs, the same for every run.
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
  environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
  return environment;
}

// Starts `program`; answers the milliseconds until its window is painted, or -1.
double StartAndWait(Screen &screen, QProcess &process, const QString &program,
                    const QProcessEnvironment &environment) {
  DrainEvents(screen);
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process.setStandardOutputFile(QProcess::nullDevice());
  QElapsedTimer clock;
  clock.start();
  process.start(program, {});
  const xcb_window_t window = WaitForMap(screen, 20000);
  if (!window) return -1;
  while (!Painted(screen, window)) {
    if (clock.elapsed() > 20000) return -1;
    usleep(500);
  }
  return clock.nsecsElapsed() / 1e6;
}

void Stop(Screen &screen, QProcess &process) {
  process.terminate();
  if (!process.waitForFinished(5000)) {
    process.kill();
    process.waitForFinished(5000);
  }
  // The window's unmapping and destruction, so that the next run starts on an empty screen.
  QThread::msleep(100);
  xcb_flush(screen.connection);
  DrainEvents(screen);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// utime + stime of `pid` in clock ticks.
long long Ticks(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  // The command name may hold blanks; the fields count from its closing parenthesis.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

double ResidentMb(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  return -1;
}

QByteArray Load() {
  QFile loadavg(QStringLiteral("/proc/loadavg"));
  return loadavg.open(QIODevice::ReadOnly) ? loadavg.readAll().trimmed() : QByteArray("?");
}

}  // namespace

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 12;
  const int idleSeconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
  // Another build of the program may be set beside the minimal one.
  const QString quorex = qEnvironmentVariable("QUOREX_BENCH_PROGRAM", QStringLiteral(QUOREX_PROGRAM));
  const QString minimal = QStringLiteral(QUOREX_MINIMAL_PROGRAM);

  Screen screen;
  if (!OpenScreen(&screen)) {
    std::fprintf(stderr, "quorex-startup-bench: no X display (try: xvfb-run -a %s)\n", argv[0]);
    return 1;
  }
  const QTemporaryDir home;
  const QProcessEnvironment environment = Environment(home);
  std::printf("quorex-startup-bench: %d run(s) each, alternating; %s\n", runs, qPrintable(quorex));
  std::printf("load average before: %s; %d processors\n", Load().constData(),
              QThread::idealThreadCount());

  const QString programs[] = {minimal, quorex};
  std::vector<double> times[2];
  // One start of each first, untimed, so that both find their files in the page cache.
  for (int run = -1; run < runs; ++run) {
    for (int which = 0; which < 2; ++which) {
      QProcess process;
      const double ms = StartAndWait(screen, process, programs[which], environment);
      Stop(screen, process);
      if (ms < 0) {
        std::fprintf(stderr, "%s: no window within 20 s\n", qPrintable(programs[which]));
        return 1;
      }
      if (run >= 0) times[which].push_back(ms);
    }
  }
  const double minimalMedian = Median(times[0]);
  const double quorexMedian = Median(times[1]);
  std::printf("%-8s", "run");
  for (int run = 1; run <= runs; ++run) std::printf(" %6d", run);
  std::printf("\n");
  const char *names[] = {"minimal", "quorex"};
  for (int which = 0; which < 2; ++which) {
    std::printf("%-8s", names[which]);
    for (double ms : times[which]) std::printf(" %6.1f", ms);
    std::printf("\n");
  }
  std::printf("start-up median: quorex %.1f ms, minimal %.1f ms, ratio %.3f (goal: at most 1.15)\n",
              quorexMedian, minimalMedian, quorexMedian / minimalMedian);

  const long tick = sysconf(_SC_CLK_TCK);
  long long quorexTicks = 0;
  for (int which = 0; which < 2; ++which) {
    QProcess process;
    if (StartAndWait(screen, process, programs[which], environment) < 0) return 1;
    // Whatever follows the first paint (the port list) is over by then.
    QThread::sleep(2);
    const long long before = Ticks(process.processId());
    QThread::sleep(static_cast<unsigned long>(idleSeconds));
    const long long ticks = Ticks(process.processId()) - before;
    std::printf("idle %-8s %lld clock ticks in %d s (%ld per second), resident %.1f MB\n",
                names[which], ticks, idleSeconds, tick, ResidentMb(process.processId()));
    if (which == 1) quorexTicks = ticks;
    Stop(screen, process);
  }
  std::printf("idle goal: at most 2 ticks in 10 s\n");
  std::printf("load average after: %s\n", Load().constData());
  xcb_disconnect(screen.connection);
  return quorexMedian / minimalMedian <= 1.15 && quorexTicks * 10 <= 2 * idleSeconds ? 0 : 2;
}
