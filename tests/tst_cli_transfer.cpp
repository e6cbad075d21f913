// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRunner.h"
#include "ConsoleScripts.h"
#include "RegisterFixtures.h"
#include "SimulatedConsole.h"
#include "TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// quorex-cli run as a process, as a workshop's script runs it, against a simulated console
// in this process. The CLI runs while this test's event loop turns, so that the console can
// answer: nothing here may block waiting for the process.
//
// Writes (with the check after them), apply and factory resets.

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

// quorex-cli is another process: only a pseudo-terminal reaches it, whatever line the other
// tests are given.
constexpr SimulatedConsole::Transport kLine = SimulatedConsole::Transport::PseudoTerminal;

}  // namespace

class TestCliTransfer : public QObject, protected CliTestFolder {
  Q_OBJECT

 private slots:
  void initTestCase();
  void write_data();
  void write();
  void apply_data();
  void apply();
  void reset_data();
  void reset();

};

void TestCliTransfer::initTestCase() {
  QVERIFY(dir_.isValid());
  QVERIFY(QFile::exists(QStringLiteral(QUOREX_CLI_PROGRAM)));
}

void TestCliTransfer::write_data() {
  QTest::addColumn<bool>("verify");
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<int>("exitCode");
  QTest::newRow("write") << false << Fault::None << 0;
  QTest::newRow("write --verify, console drops register 42") << true << Fault::DropWrite << 1;
}

void TestCliTransfer::write() {
  QFETCH(bool, verify);
  QFETCH(Fault, fault);
  QFETCH(int, exitCode);
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  console.SetFault(fault);
  // The console holds its factory values; the file switches Funkkreis 1 off and sets the tone
  // call of Kreis 2 (register 42).
  QStringList texts = FunkkreisOneOff();
  texts[42] = QStringLiteral("36000000");
  WriteFile(QStringLiteral("write.rquorex"), texts);
  QStringList arguments{"write", "--port", console.DevicePath(), "write.rquorex"};
  if (verify) arguments << QStringLiteral("--verify");
  CliRun run(arguments, dir_.path());
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == exitCode, run.Said());
  QCOMPARE(run.Err(), QStringLiteral("Die Einstellungen wurden zum Quorex gesendet.\n"));
  if (!verify) {
    QCOMPARE(console.Received(), WriteSession(texts));
    QCOMPARE(Registers(console), texts);
    QCOMPARE(run.Out(), QString());
    return;
  }
  // The whole write went out; the read-back finds the one register the console did not keep.
  QCOMPARE(console.Received(), WriteSession(texts) + ReadSession());
  QCOMPARE(console.RegisterText(0), texts.at(0));
  QCOMPARE(console.RegisterText(42), QStringLiteral("00000000"));
  QCOMPARE(run.Out(),
           QStringLiteral("Tonrufauswertung / Kreis 2 / Auszuwertender Tonruf (Register 42)\n"
                          "  write.rquorex: 1 und 2\n"
                          "  Quorex:        Keiner\n"
                          "\n"
                          "Tonrufauswertung / Kreis 2 / Funkkreisaktivierung (Register 42)\n"
                          "  write.rquorex: Nur wenn kein TX\n"
                          "  Quorex:        Keine Aktivierung\n"
                          "\n"
                          "Tonrufauswertung / Kreis 2 (Register 42)\n"
                          "  write.rquorex: Neuen Kreis zusätzlich an\n"
                          "  Quorex:        Nur neuen Kreis an\n"
                          "\n"
                          "3 Unterschiede.\n"));
}

void TestCliTransfer::apply_data() {
  QTest::addColumn<QByteArray>("text");
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("said");  // the end of stderr

  const QByteArray site = "# site\nsquelch.kreis2.sql = SQL aktiv high\nfms.ptt.fahrzeug = A0B2\n";
  QTest::newRow("laid over the console, checked")
      << site << Fault::None << 0
      << "Die Einstellungen wurden zum Quorex gesendet; geändert: squelch.kreis2.sql, "
         "tasten.ptt.fms_kennung\n";
  QTest::newRow("a console that says nothing gets nothing")
      << site << Fault::Silent << 3 << kSilent.mid(QStringLiteral("quorex-cli: ").size());
  QTest::newRow("a refused text opens no port")
      << QByteArray("squelch.kreis2.sql = SQL aktiv mittel\n") << Fault::None << 2
      << "Zeile 1: squelch.kreis2.sql: Den Wert \"SQL aktiv mittel\" gibt es hier nicht; "
         "möglich: \"SQL aktiv high\", \"SQL aktiv low\".\n";
}

// apply at the line's own speed: the console's other settings stay, the read before leaves a
// backup, the check passes and the log names what changed. A read that fails sends nothing.
void TestCliTransfer::apply() {
  QFETCH(QByteArray, text);
  QFETCH(Fault, fault);
  QFETCH(int, exitCode);
  QFETCH(QString, said);
  QTemporaryDir dataHome;
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  console.SetWireTime(true);
  console.SetFault(fault);
  QStringList before = FactoryValues();
  before[20] = QStringLiteral("6912A0B1");  // this console's own telegram
  before[13] = QStringLiteral("04500000");
  SetRegisters(console, before);
  WriteFile(QStringLiteral("site.txt"), text);
  CliRun run({"apply", "--port", console.DevicePath(), "site.txt", "--verify"}, dir_.path(),
             DataHome(dataHome.path()));
  QVERIFY(run.Finish(60000));
  QVERIFY2(run.ExitCode() == exitCode, run.Said());
  QVERIFY2(run.Err().endsWith(said), run.Said());
  const QList<QJsonObject> logged = LogLines(dataHome.path());
  if (exitCode == 2) {
    QCOMPARE(console.Received(), QByteArray());
    QVERIFY(logged.isEmpty());
    return;
  }
  if (exitCode != 0) {
    QCOMPARE(console.Received(), QByteArray("$PROGSTART\r"));
    QCOMPARE(Registers(console), before);
    QCOMPARE(logged.size(), 1);
    QCOMPARE(logged.at(0)["operation"].toString(), QStringLiteral("backup"));
    QCOMPARE(logged.at(0)["result"].toString(), QStringLiteral("failed"));
    QVERIFY(logged.at(0)["message"].toString().contains("Es wurde nichts gesendet."));
    return;
  }
  QStringList expected = before;
  expected[2][1] = QLatin1Char('1');  // Kreis 2's SQL
  expected[20] = QStringLiteral("6912A0B2");
  QCOMPARE(console.Received(), ReadSession() + WriteSession(expected) + ReadSession());
  QCOMPARE(Registers(console), expected);
  QCOMPARE(run.Out(), QStringLiteral("Keine Unterschiede.\n"));
  QCOMPARE(logged.size(), 3);
  const QString backup = logged.at(0)["backup"].toString();
  QVERIFY(QFile::exists(dataHome.filePath("quorex/Sicherungen/" + backup)));
  QCOMPARE(Contents(dataHome.filePath("quorex/Sicherungen/" + backup)), FileBytes(before));
  QCOMPARE(logged.at(1)["operation"].toString(), QStringLiteral("apply"));
  QCOMPARE(logged.at(1)["program"].toString(), QStringLiteral("quorex-cli"));
  QCOMPARE(logged.at(1)["backup"].toString(), backup);
  QCOMPARE(logged.at(1)["message"].toString(),
           QStringLiteral("Geändert: squelch.kreis2.sql, tasten.ptt.fms_kennung"));
  QCOMPARE(logged.at(2)["operation"].toString(), QStringLiteral("verify"));
  QCOMPARE(logged.at(2)["result"].toString(), QStringLiteral("ok"));
}

void TestCliTransfer::reset_data() {
  QTest::addColumn<bool>("yes");
  QTest::newRow("without --yes") << false;
  QTest::newRow("with --yes") << true;
}

void TestCliTransfer::reset() {
  QFETCH(bool, yes);
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  const QStringList before = Pattern(QStringLiteral("DE"));
  SetRegisters(console, before);
  QStringList arguments{"reset", "--port", console.DevicePath()};
  if (yes) arguments << QStringLiteral("--yes");
  CliRun run(arguments);
  QVERIFY(run.Finish());
  QCOMPARE(run.Out(), QString());
  if (!yes) {
    QVERIFY2(run.ExitCode() == 2, run.Said());
    QVERIFY2(run.Err().startsWith(
                 QStringLiteral("quorex-cli: Gerät auf Werkeinstellungen zurücksetzen?")),
             run.Said());
    QVERIFY2(run.Err().contains(QStringLiteral("--yes")), run.Said());
    QVERIFY(console.Received().isEmpty());
    QCOMPARE(Registers(console), before);
    return;
  }
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QCOMPARE(run.Err(), QStringLiteral("Der Quorex wurde auf Werkeinstellungen zurückgesetzt.\n"));
  QCOMPARE(console.Received(), "$PROGSTART\r$P99900000000\r$PROGENDE\r" + ReadSession());
  QCOMPARE(Registers(console), FactoryValues());
}

QTEST_GUILESS_MAIN(TestCliTransfer)
#include "tst_cli_transfer.moc"
