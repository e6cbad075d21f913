// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// quorex-bench: times a bulk read and a bulk write through the main window against a simulated
// console that keeps 9600-baud line time, from the button press until the buttons are usable
// again, and sets each beside the least time the console and the line allow.
#include "CQuorexDlg.h"
#include "PrintingDialogs.h"
#include "Protocol.h"
#include "Register.h"
#include "SimulatedConsole.h"
#include "Timing.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// Ends an event loop the moment a button becomes enabled.
class EnabledWatch : public QObject {
 public:
  EnabledWatch(QPushButton *button, QEventLoop *loop) : button_(button), loop_(loop) {
    button_->installEventFilter(this);
  }
  ~EnabledWatch() override { button_->removeEventFilter(this); }
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == button_ && event->type() == QEvent::EnabledChange && button_->isEnabled())
      loop_->quit();
    return false;
  }

 private:
  QPushButton *button_;
  QEventLoop *loop_;
};

// Milliseconds from the press of `press` until `until` is enabled again; -1 after 30 s.
double TimePress(QPushButton *press, QPushButton *until) {
  QEventLoop loop;
  EnabledWatch watch(until, &loop);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
  guard.start(30000);
  QElapsedTimer clock;
  clock.start();
  press->click();
  if (loop.exec() != 0) return -1;
  return clock.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The window remembers the port of each transfer; the simulated console's is nobody's to keep.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

  PrintingDialogs dialogs;
  SimulatedConsole console;
  if (!console.Start()) {
    std::fprintf(stderr, "simulated console: %s\n", qPrintable(console.ErrorString()));
    return 1;
  }
  console.SetWireTime(true);

  CQuorexDlg window;
  window.Controller().SetLineSource(
      [&console](const QString &portName) { return console.LineFor(portName); });
  window.show();
  window.findChild<QComboBox *>(QStringLiteral("portComboBox"))->setEditText(console.DevicePath());
  auto *lesen = window.findChild<QPushButton *>(QStringLiteral("lesenButton"));
  auto *senden = window.findChild<QPushButton *>(QStringLiteral("sendenButton"));

  const Timing timing = window.TransferTiming();
  const int registers = Register::kRegisterCount;
  const long long progStart = Protocol::ProgStart().size();
  const long long progEnde = Protocol::ProgEnde().size();
  const long long greeting = Protocol::kGreetingLength + 1;
  const long long request = Protocol::ReadRequest(0).size();
  const long long answerLine = 5 + Register::kRegisterLength + 2;
  const long long endMark = Protocol::EndMark().size();
  const long long writeBytes =
      registers * Protocol::WriteCommand(0, Register::kEmptyRegister).size() + progEnde;

  // Read: "$PROGSTART\r" out, 31 greeting characters back; 200 times a pause and a request;
  // the last request's answer and the end mark back; the pause before the buttons.
  const double readFloor = timing.beforeProgStartMs + timing.WireMs(progStart + greeting) +
                           registers * (timing.beforeRequestMs + timing.WireMs(request)) +
                           timing.WireMs(answerLine + endMark) + timing.afterTransferMs;
  // Write: "$PROGSTART\r" out, 31 greeting characters back, 200 commands and "$PROGENDE\r"
  // out, the pause before the buttons.
  const double writeFloor = timing.beforeProgStartMs + timing.WireMs(progStart + greeting) +
                            timing.WireMs(writeBytes) + timing.afterTransferMs;

  // The shortest pause between two read requests as they arrive: at least the 20 ms the
  // console needs after each one has left the line. Measured here rather than in the tests, as
  // a console on the same thread of a busy machine may take two requests in one chunk.
  QElapsedTimer sinceStart;
  sinceStart.start();
  qint64 lastRequestNs = -1;
  qint64 shortestGapNs = std::numeric_limits<qint64>::max();
  QObject::connect(&console, &SimulatedConsole::CommandReceived, &console,
                   [&](const QByteArray &command) {
                     const qint64 now = sinceStart.nsecsElapsed();
                     if (!command.startsWith("$R")) return;
                     if (!command.startsWith("$R000") && lastRequestNs >= 0)
                       shortestGapNs = std::min(shortestGapNs, now - lastRequestNs);
                     lastRequestNs = now;
                   });

  std::printf("quorex-bench: %d run(s) each, simulated console at 9600 baud on %s\n", runs,
              qPrintable(console.DevicePath()));
  std::printf("%-6s %4s %12s %12s %8s\n", "", "run", "measured ms", "floor ms", "ratio");
  double worst = 0;
  for (int run = 1; run <= runs; ++run) {
    const double read = TimePress(lesen, lesen);
    const double write = TimePress(senden, senden);
    if (read < 0 || write < 0 || dialogs.messages > 0) {
      std::fprintf(stderr, "transfer did not complete\n");
      return 1;
    }
    std::printf("%-6s %4d %12.1f %12.1f %8.4f\n", "read", run, read, readFloor, read / readFloor);
    std::printf("%-6s %4d %12.1f %12.1f %8.4f\n", "write", run, write, writeFloor,
                write / writeFloor);
    worst = std::max({worst, read / readFloor, write / writeFloor});
    // The write closes its port when the end mark arrives; the next read opens it afresh.
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();
  }
  std::printf("worst ratio %.4f (goal: at most 1.03)\n", worst);
  std::printf("shortest pause between read requests %.1f ms (goal: at least 19 ms)\n",
              shortestGapNs / 1e6);
  return worst <= 1.03 && shortestGapNs >= 19'000'000 ? 0 : 2;
}
