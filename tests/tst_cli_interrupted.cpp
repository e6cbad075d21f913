// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRunner.h"
#include "RegisterFixtures.h"
#include "SimulatedConsole.h"
#include "TestFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <signal.h>

// quorex-cli run as a process against a simulated console in this process, cut off by Ctrl+C,
// SIGTERM or SIGHUP part way through a transfer. Nothing here may block waiting for the
// process: the console answers from this test's event loop.

namespace {

// Only a pseudo-terminal reaches another process.
constexpr SimulatedConsole::Transport kLine = SimulatedConsole::Transport::PseudoTerminal;

}  // namespace

class TestCliInterrupted : public QObject, protected CliTestFolder {
  Q_OBJECT

 private slots:
  void initTestCase();
  void interrupted_data();
  void interrupted();
};

void TestCliInterrupted::initTestCase() {
  QVERIFY(dir_.isValid());
  QVERIFY(QFile::exists(QStringLiteral(QUOREX_CLI_PROGRAM)));
}

void TestCliInterrupted::interrupted_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<int>("signalNumber");
  QTest::addColumn<QByteArray>("reached");  // the signal once the console has received this
  QTest::addColumn<QString>("err");         // (\\d+) stands for the registers sent
  const QString brokenOff = QStringLiteral(
      "Die Übertragung zum Quorex wurde abgebrochen, nachdem (\\d+) von 200 "
      "Registern gesendet waren. Der Quorex enthält jetzt teils alte, teils "
      "neue Einstellungen. Bitte senden Sie die Einstellungen erneut.");
  QTest::newRow("write, Ctrl+C") << QStringLiteral("write") << SIGINT << QByteArray("$P050")
                                 << brokenOff;
  QTest::newRow("write, SIGTERM") << QStringLiteral("write") << SIGTERM << QByteArray("$P050")
                                  << brokenOff;
  QTest::newRow("write, SIGHUP") << QStringLiteral("write") << SIGHUP << QByteArray("$P050")
                                 << brokenOff;
  // The console has said "ENDE": only the wait for the buttons was left.
  QTest::newRow("write confirmed")
      << QStringLiteral("write") << SIGINT << QByteArray("$PROGENDE\r")
      << QStringLiteral("Der Quorex hat den Empfang aller 200 Register bestätigt; die "
                        "Übertragung ist vollständig.");
  QTest::newRow("read") << QStringLiteral("read") << SIGTERM << QByteArray("$R050")
                        << QStringLiteral("Das Lesen des Quorex wurde abgebrochen.");
  QTest::newRow("apply, its read") << QStringLiteral("apply") << SIGHUP << QByteArray("$R050")
                                   << QStringLiteral("Der Quorex konnte vor dem Senden nicht "
                                                     "gesichert werden. Es wurde nichts gesendet. "
                                                     "Das Lesen des Quorex wurde abgebrochen.");
  QTest::newRow("apply, its write") << QStringLiteral("apply") << SIGINT << QByteArray("$P050")
                                    << brokenOff;
}

// Ctrl+C part way through a transfer: the session is cut off, the technician told how far it
// got, and a broken-off read writes no file.
void TestCliInterrupted::interrupted() {
  QFETCH(QString, command);
  QFETCH(int, signalNumber);
  QFETCH(QByteArray, reached);
  QFETCH(QString, err);
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  console.SetWireTime(true);
  const QString file = Path(QStringLiteral("interrupted.rquorex"));
  QFile::remove(file);
  QStringList arguments{command, "--port", console.DevicePath()};
  if (command == QLatin1String("write"))
    arguments << WriteFile(QStringLiteral("interrupted.rquorex"), Pattern(QStringLiteral("12")));
  else if (command == QLatin1String("apply"))
    arguments << WriteFile(QStringLiteral("site.txt"), QByteArray("squelch.kreis2.sql = SQL aktiv high\n"));
  else
    arguments << QStringLiteral("-o") << file;
  CliRun run(arguments);
  QTRY_VERIFY_WITH_TIMEOUT(console.Received().contains(reached), 10000);
  // The port closes once "ENDE" is in; the write then only waits for the console's pause.
  if (reached == "$PROGENDE\r") QTRY_VERIFY(!console.IsProgramConnected());
  QVERIFY(run.IsRunning());
  QCOMPARE(::kill(pid_t(run.Pid()), signalNumber), 0);
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 128 + signalNumber, run.Said());
  QCOMPARE(run.Out(), QString());
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("^quorex-cli: ") + err + QStringLiteral("\n$"))
          .match(run.Err());
  QVERIFY2(match.hasMatch(), run.Said());
  if (command == QLatin1String("read")) {
    QVERIFY(!QFile::exists(file));
    return;
  }
  if (match.lastCapturedIndex() < 1) return;
  // 50 commands had arrived when Ctrl+C was pressed; one takes about 15 ms on the line.
  const int sent = match.captured(1).toInt();
  QVERIFY2(sent >= 48 && sent < 120, run.Said());
}

QTEST_GUILESS_MAIN(TestCliInterrupted)
#include "tst_cli_interrupted.moc"
