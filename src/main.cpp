// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexApp.h"
#include "CommandLine.h"
#include "FontWarmUp.h"
#include "GermanTranslation.h"
#include "NativePath.h"
#include "Preferences.h"
#include "QuorexVersion.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

static int UsageError(const CommandLine &commandLine) {
  std::fprintf(stderr, "quorex: %s\n%s\n", qPrintable(commandLine.ErrorText()),
               qPrintable(CommandLine::tr("Aufrufhilfe: quorex --help")));
  return 2;
}

int main(int argc, char *argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("quorex"));
  // QSettings needs both names; the choices the window remembers go to quorex/quorex.conf.
  QCoreApplication::setOrganizationName(QStringLiteral("quorex"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kQuorexVersion));

  if (argc > 1) {
    // --help, --version and an unknown option are answered before any window system is asked
    // for, so they work without a display. Whatever else the line holds is judged below, once
    // Qt has taken its own options (-platform, -style, ...) out of it. Without arguments there
    // is nothing to answer, and the window comes sooner without this first application object.
    QCoreApplication core(argc, argv);
    InstallGermanTranslation(core);
    CommandLine commandLine;
    const CommandLine::Request request = commandLine.Parse(NativePath::Arguments(argc, argv));
    if (request == CommandLine::Request::Help) commandLine.ShowHelp();
    if (request == CommandLine::Request::Version) commandLine.ShowVersion();
    if (request == CommandLine::Request::Error && !commandLine.MayBeQtOption())
      return UsageError(commandLine);
  }

  FontWarmUp fonts;
  // Nothing the program remembers is worth a start that never ends.
  std::unique_ptr<QTemporaryDir> spareSettings;
  const QString oddSettings = Preferences::OddSettingsFile();
  if (!oddSettings.isEmpty()) {
    spareSettings = std::make_unique<QTemporaryDir>();
    Preferences::KeepSettingsIn(spareSettings->path());
    std::fprintf(stderr, "quorex: %s\n",
                 qPrintable(CommandLine::tr("Die Einstellungsdatei %1 ist keine gewöhnliche "
                                            "Datei und wird nicht gelesen.")
                                .arg(QDir::toNativeSeparators(oddSettings))));
  }

  CQuorexApp app(argc, argv);
  fonts.Wait();
  CommandLine commandLine;
  if (commandLine.Parse(NativePath::Arguments(argc, argv)) == CommandLine::Request::Error)
    return UsageError(commandLine);
  return app.Run(commandLine.FilePath(), commandLine.Port());
}
