// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// quorex-cli: reads, writes and checks a Quorex from a shell; shows register files in words.
#include "CliApp.h"
#include "Commands.h"
#include "GermanTranslation.h"
#include "NativePath.h"
#include "QuorexVersion.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Windows' console and C library stand between our bytes and the user: text mode would turn
// the CR LF that CSV and register lines bring into CR CR LF, and the console's code page (850
// in a German cmd) would show UTF-8 umlauts as two signs each. Binary output and UTF-8 while
// we run give the same bytes as everywhere else; the user's code page comes back at the end.
class ConsoleBytes {
 public:
  ConsoleBytes() : codePage_(GetConsoleOutputCP()) {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (codePage_ != 0) SetConsoleOutputCP(CP_UTF8);
  }
  ~ConsoleBytes() {
    if (codePage_ != 0) SetConsoleOutputCP(codePage_);
  }
  ConsoleBytes(const ConsoleBytes &) = delete;
  ConsoleBytes &operator=(const ConsoleBytes &) = delete;

 private:
  UINT codePage_;
};
#else
struct ConsoleBytes {};
#endif

// Qt's own warnings are written for developers, in English and without our name: every fault
// a user must know of is said by the command itself, in German. Only a fatal one, which ends
// the program, is said before it does.
void QtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
  if (type != QtFatalMsg) return;
  std::fprintf(stderr, "quorex-cli: %s\n", qUtf8Printable(message));
  std::fflush(stderr);
}

}  // namespace

int main(int argc, char *argv[]) {
  [[maybe_unused]] const ConsoleBytes console;
  qInstallMessageHandler(QtMessages);
  QCoreApplication::setApplicationName(QStringLiteral("quorex-cli"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kQuorexVersion));

  Invocation invocation;
  {
    // The line is judged first: only then is it known whether the command needs fonts.
    QCoreApplication core(argc, argv);
    InstallGermanTranslation(core);
    CliApp cli;
    if (const std::optional<int> status = cli.Parse(NativePath::Arguments(argc, argv), &invocation))
      return *status;
  }

  if (!invocation.NeedsGui()) {
    QCoreApplication app(argc, argv);
    InstallGermanTranslation(app);
    return Commands(invocation).Run();
  }
  // The PDF report lays out text and so needs a QGuiApplication, but never a display: a
  // platform named in the environment (xcb in a desktop session, say) would abort the run
  // where there is none.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  InstallGermanTranslation(app);
  return Commands(invocation).Run();
}
