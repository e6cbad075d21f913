// quorex-cli: reads, writes and checks a Quorex from a shell; shows register files in words.
#include "CliApp.h"
#include "Commands.h"
#include "GermanTranslation.h"
#include "NativePath.h"
#include "QuorexVersion.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char *argv[]) {
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
