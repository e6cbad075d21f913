// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// quorex-data-bench: the window with years of data behind it. Makes a programming log of
// `lines` lines (about 300 bytes each, some of them damaged) and `backups` backups in a data
// folder of its own, then times, through the window's own menu entries: opening "Protokoll
// ..." until its table is painted, the filter, opening "Sicherungen ..."; and the pruning of
// the backups folder at a new backup. Prints the window's resident memory before, with the log
// open and after closing it, and what quorex-cli log takes in time and memory for the same log.
#include "BackupStore.h"
#include "BackupsDialog.h"
#include "CQuorexDlg.h"
#include "PrintingDialogs.h"
#include "LogDialog.h"
#include "LogIndex.h"
#include "LogTableModel.h"
#include "ProgrammingLog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(14, 0, 0));

QByteArray Register() {
  QByteArray file;
  for (int i = 0; i < 200; ++i) file += "0123ABCD\r\n";
  return file;
}

// Backups an hour apart up to now, and a log whose every `step`-th line made one of them.
bool MakeData(const QString &folder, int lines, int backups) {
  const BackupStore store(QDir(folder).filePath(QStringLiteral("Sicherungen")));
  if (!QDir().mkpath(store.Folder())) return false;
  const QString kennung = BackupStore::Kennung(QStringLiteral("Quorex V 1.07 SN 4711"));
  const QByteArray texts = Register();
  QStringList names;
  for (int i = backups; i >= 1; --i) {
    const QString name = BackupStore::FileName(kNow.addSecs(-3600LL * i), kennung);
    QFile file(QDir(store.Folder()).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(texts) != texts.size()) return false;
    names << name;
  }
  QFile log(QDir(folder).filePath(QStringLiteral("protokoll.jsonl")));
  if (!log.open(QIODevice::WriteOnly)) return false;
  const char *operations[] = {"read", "write", "verify", "compare", "version", "reset"};
  const char *results[] = {"ok", "ok", "ok", "failed", "cancelled"};
  const int step = std::max(1, lines / std::max(1, backups));
  QByteArray chunk;
  for (int i = 0; i < lines; ++i) {
    LogEntry entry;
    entry.time = kNow.addSecs(-3600LL * backups).addSecs(qint64(i) * 3600 * backups / lines);
    entry.program = i % 7 ? QStringLiteral("quorex") : QStringLiteral("quorex-cli");
    entry.operation = QString::fromLatin1(operations[i % 6]);
    entry.result = QString::fromLatin1(results[i % 5]);
    entry.port = i % 100 ? QStringLiteral("/dev/ttyUSB%1").arg(i % 4) : QStringLiteral("COM7");
    entry.console = QStringLiteral("Quorex V 1.07 SN %1").arg(4700 + i % 50);
    entry.file = QStringLiteral("/home/technik/Leitstellen/Wache Süd %1/Kreis %2.rquorex")
                     .arg(i % 30)
                     .arg(i % 4 + 1);
    if (i % step == 0 && i / step < names.size()) entry.backup = names.at(i / step);
    if (entry.result == QLatin1String("failed"))
      entry.message = QStringLiteral("Das Gerät antwortet nicht. Bitte prüfen Sie Kabel und Port.");
    entry.registers = 200;
    if (entry.operation == QLatin1String("verify")) entry.differences = i % 3;
    chunk += ProgrammingLog::JsonLine(entry) + '\n';
    // A line cut short now and then, as a crash would leave it.
    if (i % 20000 == 19999) chunk += "{\"time\":\"2026-12-09T14:0\n";
    if (chunk.size() > (1 << 20)) {
      if (log.write(chunk) != chunk.size()) return false;
      chunk.clear();
    }
  }
  return log.write(chunk) == chunk.size();
}

double ResidentMb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:"))
      return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
  return -1;
}

void Settle(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThread::msleep(10);
  }
}

// Ends a wait at the first paint of a view's rows.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// Milliseconds from triggering `action` until a dialog of type D is shown and its table
// painted; the dialog in *shown.
template <class D>
double TimeOpen(CQuorexDlg &window, const char *action, const char *table, D **shown) {
  QElapsedTimer clock;
  clock.start();
  window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
  PaintWatch watch;
  while (!*shown) {
    *shown = window.findChild<D *>();
    if (!*shown) QApplication::processEvents();
  }
  auto *view = (*shown)->template findChild<QAbstractItemView *>(QString::fromLatin1(table));
  view->viewport()->installEventFilter(&watch);
  while (!watch.painted && clock.elapsed() < 30000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  QApplication::processEvents();
  const double ms = clock.nsecsElapsed() / 1e6;
  view->viewport()->removeEventFilter(&watch);
  return ms;
}

void Close(QDialog *dialog) {
  dialog->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QApplication::processEvents();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int lines = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
  const int backups = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;
  const QTemporaryDir home;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath("settings"));
  const QString folder = home.filePath(QStringLiteral("data/quorex"));
  QElapsedTimer clock;
  clock.start();
  if (!MakeData(folder, lines, backups)) {
    std::fprintf(stderr, "quorex-data-bench: cannot write the data in %s\n", qPrintable(folder));
    return 1;
  }
  const qint64 logBytes = QFileInfo(QDir(folder).filePath(QStringLiteral("protokoll.jsonl"))).size();
  std::printf("quorex-data-bench: log of %d lines (%.1f MB), %d backups, made in %lld ms\n", lines,
              logBytes / 1048576.0, backups, clock.elapsed());
  std::printf("platform %s, %d processors, load average %s\n",
              qPrintable(QApplication::platformName()), QThread::idealThreadCount(),
              [] {
                QFile loadavg(QStringLiteral("/proc/loadavg"));
                return loadavg.open(QIODevice::ReadOnly) ? loadavg.readAll().trimmed()
                                                         : QByteArray("?");
              }()
                  .constData());

  PrintingDialogs dialogs;
  CQuorexDlg window;
  window.SetDataFolder(folder);
  window.show();
  Settle(1500);
  const double before = ResidentMb();

  LogDialog *log = nullptr;
  clock.restart();
  const double logOpen = TimeOpen(window, "protokollAction", "logTable", &log);
  const auto *model =
      qobject_cast<const LogTableModel *>(log->findChild<QAbstractItemView *>()->model());
  while (!model->IsComplete() && clock.elapsed() < 60000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  const double logComplete = clock.nsecsElapsed() / 1e6;
  const double withLog = ResidentMb();
  auto *filter = log->findChild<QLineEdit *>("filterLineEdit");
  std::vector<double> filterTimes;
  for (const char *text : {"COM7", "fehlgeschlagen", "Wache Süd 17", "xyz", ""}) {
    clock.restart();
    filter->setText(QString::fromUtf8(text));
    QApplication::processEvents();
    filterTimes.push_back(clock.nsecsElapsed() / 1e6);
  }
  Close(log);
  Settle(1000);
  const double afterLog = ResidentMb();

  BackupsDialog *list = nullptr;
  const double backupsOpen = TimeOpen(window, "sicherungenAction", "backupsTable", &list);
  Close(list);

  // The log alone, without the dialog around it.
  std::vector<double> indexTimes;
  for (int i = 0; i < 3; ++i) {
    clock.restart();
    LogIndex index(QDir(folder).filePath(QStringLiteral("protokoll.jsonl")));
    index.Load();
    indexTimes.push_back(clock.nsecsElapsed() / 1e6);
  }

  // A new backup each time, from the same second on: the folder holds one too many, which
  // pruning removes.
  const BackupStore store(QDir(folder).filePath(QStringLiteral("Sicherungen")));
  std::vector<double> storeTimes;
  std::vector<double> pruneTimes;
  const QStringList texts(200, QStringLiteral("0123ABCD"));
  for (int i = 0; i < 7; ++i) {
    clock.restart();
    store.Store(texts, QStringLiteral("Quorex V 1.07 SN 4711"), kNow.addSecs(i + 1));
    storeTimes.push_back(clock.nsecsElapsed() / 1e6);
    clock.restart();
    store.Prune(kNow.addSecs(i + 1));
    pruneTimes.push_back(clock.nsecsElapsed() / 1e6);
  }

  std::printf("log opened and painted: %.1f ms (goal: under 1000); the older rows in after "
              "%.1f ms; reading the whole log alone: median %.1f ms\n",
              logOpen, logComplete, Median(indexTimes));
  std::printf("filter COM7 %.1f ms, fehlgeschlagen %.1f ms, Wache Süd 17 %.1f ms, xyz %.1f ms, "
              "cleared %.1f ms (goal: under 200)\n",
              filterTimes[0], filterTimes[1], filterTimes[2], filterTimes[3], filterTimes[4]);
  std::printf("backups opened and painted: %.1f ms (goal: under 500)\n", backupsOpen);
  std::printf("new backup with pruning: median %.1f ms; pruning alone: median %.1f ms (goal: "
              "under 50)\n",
              Median(storeTimes), Median(pruneTimes));
  std::printf("window resident: %.1f MB before, %.1f MB with the log open, %.1f MB after closing "
              "it (goal: under 40)\n",
              before, withLog, afterLog);

  const QString data = home.filePath(QStringLiteral("data"));
#ifdef Q_OS_LINUX
  // Its own peak, taken from its own wait: the children's figure would be the window's.
  const QByteArray program = QUOREX_CLI_PROGRAM;
  const QByteArray dataHome = "XDG_DATA_HOME=" + QFile::encodeName(data);
  // Made before the fork: between fork and exec only calls that take no lock.
  std::vector<char *> variables;
  for (char **variable = environ; *variable; ++variable)
    if (std::strncmp(*variable, "XDG_DATA_HOME=", 14) != 0) variables.push_back(*variable);
  variables.push_back(const_cast<char *>(dataHome.constData()));
  variables.push_back(nullptr);
  char *const arguments[] = {const_cast<char *>(program.constData()), const_cast<char *>("log"),
                             nullptr};
  clock.restart();
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execve(program.constData(), arguments, variables.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid > 0 && wait4(pid, &status, 0, &usage) == pid)
    std::printf("quorex-cli log: %.0f ms, exit %d, at most %.1f MB resident\n",
                clock.nsecsElapsed() / 1e6, WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                usage.ru_maxrss / 1024.0);
#else
  QProcess cli;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
  cli.setProcessEnvironment(environment);
  cli.setStandardOutputFile(QProcess::nullDevice());
  cli.setStandardErrorFile(QProcess::nullDevice());
  clock.restart();
  cli.start(QStringLiteral(QUOREX_CLI_PROGRAM), {QStringLiteral("log")});
  if (cli.waitForFinished(120000))
    std::printf("quorex-cli log: %.0f ms, exit %d\n", clock.nsecsElapsed() / 1e6, cli.exitCode());
#endif
  return 0;
}
