#include "CQuorexApp.h"
#include "CommandLine.h"
#include "GermanTranslation.h"
#include "QuorexVersion.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("quorex"));
  // QSettings needs both names; the choices the window remembers go to quorex/quorex.conf.
  QCoreApplication::setOrganizationName(QStringLiteral("quorex"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kQuorexVersion));

  {
    // --help and --version are answered before any window system is asked for, so they work
    // without a display. Whatever else the line holds is judged below, once Qt has taken its
    // own options (-platform, -style, ...) out of it.
    QCoreApplication core(argc, argv);
    InstallGermanTranslation(core);
    CommandLine commandLine;
    const CommandLine::Request request = commandLine.Parse(QCoreApplication::arguments());
    if (request == CommandLine::Request::Help) commandLine.ShowHelp();
    if (request == CommandLine::Request::Version) commandLine.ShowVersion();
  }

  CQuorexApp app(argc, argv);
  CommandLine commandLine;
  if (commandLine.Parse(QCoreApplication::arguments()) == CommandLine::Request::Error) {
    std::fprintf(stderr, "quorex: %s\n%s\n", qPrintable(commandLine.ErrorText()),
                 qPrintable(CommandLine::tr("Aufrufhilfe: quorex --help")));
    return 2;
  }
  return app.Run(commandLine.FilePath());
}
