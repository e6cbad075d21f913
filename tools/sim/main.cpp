// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// quorex-sim: a simulated console on a pseudo-terminal, for trying the program without one.
#include "QuorexVersion.h"
#include "SimulatedConsole.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quorex-sim"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kQuorexVersion));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Simulierte Quorex-Konsole an einem Pseudo-Terminal. Die erste Zeile der Ausgabe ist der\n"
      "Gerätepfad; geben Sie ihn im Programm unter \"Port:\" ein. Läuft, bis es beendet wird."));
  parser.addHelpOption();
  // Qt's version option has no room for the licence lines.
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Zeigt die Version und die Lizenz."));
  parser.addOption(version);
  const QCommandLineOption wireTime(QStringLiteral("wire-time"),
                                    QStringLiteral("Sendet und empfängt im Takt einer 9600-Baud-Leitung."));
  const QCommandLineOption file(QStringLiteral("file"),
                                QStringLiteral("Hält die Register in dieser Registerdatei (wird angelegt, "
                                               "wenn sie fehlt)."),
                                QStringLiteral("PATH"));
  const QCommandLineOption fault(
      QStringLiteral("fault"),
      QStringLiteral("Fehlverhalten: %1.").arg(SimulatedConsole::FaultNames().join(QStringLiteral(", "))),
      QStringLiteral("NAME"));
  const QCommandLineOption identification(
      QStringLiteral("identification"),
      QStringLiteral("Kennungszeile (Standard: %1).")
          .arg(QString::fromLatin1(SimulatedConsole::kDefaultIdentification)),
      QStringLiteral("TEXT"));
  const QCommandLineOption verbose(QStringLiteral("verbose"),
                                   QStringLiteral("Schreibt jeden empfangenen Befehl nach stderr."));
  parser.addOptions({wireTime, file, fault, identification, verbose});
  parser.process(app);
  if (parser.isSet(version)) {
    std::printf("%s %s\n%s", qUtf8Printable(QCoreApplication::applicationName()),
                qUtf8Printable(QCoreApplication::applicationVersion()), kQuorexLicenceNotice);
    return 0;
  }

  SimulatedConsole console(SimulatedConsole::Transport::PseudoTerminal);
  if (parser.isSet(fault)) {
    SimulatedConsole::Fault chosen;
    if (!SimulatedConsole::FaultFromName(parser.value(fault), &chosen)) {
      std::fprintf(stderr, "Unbekanntes Fehlverhalten \"%s\". Möglich: %s\n",
                   qPrintable(parser.value(fault)),
                   qPrintable(SimulatedConsole::FaultNames().join(QStringLiteral(", "))));
      return 2;
    }
    console.SetFault(chosen);
  }
  if (parser.isSet(identification)) console.SetIdentification(parser.value(identification).toLatin1());
  console.SetWireTime(parser.isSet(wireTime));
  if (parser.isSet(file) && !console.SetStorageFile(parser.value(file))) {
    std::fprintf(stderr, "%s\n", qPrintable(console.ErrorString()));
    return 1;
  }
  if (!console.Start()) {
    std::fprintf(stderr, "Pseudo-Terminal nicht verfügbar: %s\n", qPrintable(console.ErrorString()));
    return 1;
  }

  // Scripts look for the first line starting with /dev/, so it stands alone.
  std::printf("%s\n", qPrintable(console.DevicePath()));
  std::printf("Geben Sie diesen Pfad im Programm unter \"Port:\" ein.\n");
  std::fflush(stdout);

  if (parser.isSet(verbose)) {
    QObject::connect(&console, &SimulatedConsole::CommandReceived, &app, [](const QByteArray &command) {
      std::fprintf(stderr, "<- %s\n", command.trimmed().constData());
    });
    QObject::connect(&console, &SimulatedConsole::ProgramConnectionChanged, &app, [](bool open) {
      std::fprintf(stderr, open ? "Port geöffnet\n" : "Port geschlossen\n");
    });
  }
  // Written values would be lost at the next start: whoever runs the console must know.
  QObject::connect(&console, &SimulatedConsole::StorageFailed, &app, [](const QString &error) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
  });
  QObject::connect(&console, &SimulatedConsole::FactoryReset, &app,
                   [] { std::fprintf(stderr, "Werkeinstellungen wiederhergestellt\n"); });
  QObject::connect(&console, &SimulatedConsole::HungUp, &app, [&app] {
    std::fprintf(stderr, "Leitung aufgelegt; die simulierte Konsole endet.\n");
    app.exit(0);
  });
  return app.exec();
}
