// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleMessages.h"
#include "JobMessages.h"
#include "TransferStates.h"

#include <QtTest>

Q_DECLARE_METATYPE(ConsoleJob)
Q_DECLARE_METATYPE(JobStep)
Q_DECLARE_METATYPE(WindowEvent)
Q_DECLARE_METATYPE(ConsoleSession::Operation)

namespace {

// "Senden", "Lesen", "Version des Quorex", "Werkeinstellungen", tree as "10101": 1 usable.
ControlStates States(const char *flags) {
  return {flags[0] == '1', flags[1] == '1', flags[2] == '1', flags[3] == '1', flags[4] == '1'};
}

QByteArray Flags(const ControlStates &s) {
  QByteArray flags;
  for (bool on : {s.senden, s.lesen, s.version, s.werkeinstellungen, s.tree}) flags += on ? '1' : '0';
  return flags;
}

}  // namespace

// The button table, row by row, against states that tell its rules apart: the states when the
// job began (before) and as they stand now.
class TestTransferStates : public QObject {
  Q_OBJECT

 private slots:
  void jobs_data();
  void jobs();
  void windowEvents_data();
  void windowEvents();
  void undo_data();
  void undo();
  void texts_data();
  void texts();
  void cancelled_data();
  void cancelled();
  void reasons();
};

void TestTransferStates::jobs_data() {
  QTest::addColumn<ConsoleJob>("job");
  QTest::addColumn<JobStep>("step");
  QTest::addColumn<QByteArray>("before");
  QTest::addColumn<QByteArray>("now");
  QTest::addColumn<QByteArray>("after");
  using J = ConsoleJob;
  using S = JobStep;
  const auto row = [](const char *name, J job, S step, const char *before, const char *now,
                      const char *after) {
    QTest::newRow(name) << job << step << QByteArray(before) << QByteArray(now) << QByteArray(after);
  };
  // Start: only "Lesen" and "Werkeinstellungen".
  row("read pressed at start", J::Read, S::Started, "01010", "01010", "00000");
  row("read pressed, sensible settings", J::Read, S::Started, "11111", "11111", "00000");
  row("read pressed, Version without Senden stays", J::Read, S::Started, "01110", "01110",
      "00100");
  row("read, port fails at start", J::Read, S::PortFailed, "01010", "01010", "01010");
  row("read, port fails after a file: Version comes with Senden", J::Read, S::PortFailed,
      "11011", "11011", "11111");
  row("read released", J::Read, S::Released, "01010", "00000", "11111");
  row("read failed at start: Senden stays away", J::Read, S::Failed, "01010", "00000", "01010");
  row("read failed after a file", J::Read, S::Failed, "10011", "00000", "11111");
  row("write pressed: the tree stays", J::Write, S::Started, "11111", "11111", "00001");
  row("backup read pressed", J::Backup, S::Started, "11111", "11111", "00000");
  row("backup read done: the tree back, the write follows", J::Backup, S::Released, "11111",
      "00000", "00001");
  row("backup read failed: as for a write", J::Backup, S::Failed, "11111", "00000", "11111");
  row("write, port fails", J::Write, S::PortFailed, "11111", "11111", "11111");
  row("write released", J::Write, S::Released, "11111", "00001", "11111");
  row("write released, tree kept as it stands", J::Write, S::Released, "11111", "00000", "11110");
  row("write failed", J::Write, S::Failed, "11111", "00001", "11111");
  row("write released before its check", J::WriteAndCheck, S::Released, "11111", "00001",
      "00001");
  row("write before its check failed", J::WriteAndCheck, S::Failed, "11111", "00001", "11111");
  row("reset asked", J::Reset, S::Asked, "01010", "01010", "00000");
  row("reset cancelled gives all four", J::Reset, S::Cancelled, "01010", "00000", "11110");
  row("reset started takes the tree", J::Reset, S::Started, "11111", "00001", "00000");
  row("reset, port fails", J::Reset, S::PortFailed, "11011", "00000", "11111");
  row("reset released after its read", J::Reset, S::Released, "01010", "00000", "11111");
  row("reset's read failed", J::Reset, S::Failed, "11011", "00000", "11011");
  row("compare started", J::Compare, S::Started, "11111", "11111", "00000");
  row("compare, port fails", J::Compare, S::PortFailed, "11011", "11011", "11011");
  row("compare released", J::Compare, S::Released, "11011", "00000", "11011");
  row("compare failed", J::Compare, S::Failed, "11111", "00000", "11111");
  row("check started", J::Check, S::Started, "00001", "00001", "00000");
  row("check released gives what the write would have", J::Check, S::Released, "00001", "00000",
      "11111");
  row("check failed", J::Check, S::Failed, "00000", "00000", "11110");
  row("check, port fails", J::Check, S::PortFailed, "00001", "00001", "11111");
}

void TestTransferStates::jobs() {
  QFETCH(ConsoleJob, job);
  QFETCH(JobStep, step);
  QFETCH(QByteArray, before);
  QFETCH(QByteArray, now);
  QFETCH(QByteArray, after);
  QCOMPARE(Flags(TransferStates::After(job, step, States(now), States(before))), after);
}

void TestTransferStates::windowEvents_data() {
  QTest::addColumn<WindowEvent>("event");
  QTest::addColumn<QByteArray>("now");
  QTest::addColumn<QByteArray>("after");
  QTest::newRow("file opened at start") << WindowEvent::FileOpened << QByteArray("01010")
                                        << QByteArray("11011");
  QTest::newRow("about box with Escape") << WindowEvent::AboutClosedWithoutOk
                                         << QByteArray("01010") << QByteArray("01011");
}

void TestTransferStates::windowEvents() {
  QFETCH(WindowEvent, event);
  QFETCH(QByteArray, now);
  QFETCH(QByteArray, after);
  QCOMPARE(Flags(TransferStates::After(event, States(now))), after);
}

void TestTransferStates::undo_data() {
  QTest::addColumn<ConsoleJob>("job");
  QTest::addColumn<JobStep>("step");
  QTest::addColumn<bool>("now");
  QTest::addColumn<bool>("after");
  using J = ConsoleJob;
  using S = JobStep;
  QTest::newRow("read running") << J::Read << S::Started << true << false;
  QTest::newRow("read taken") << J::Read << S::Released << false << true;
  QTest::newRow("read failed") << J::Read << S::Failed << false << true;
  QTest::newRow("write sending") << J::Write << S::Started << true << false;
  QTest::newRow("write sent") << J::Write << S::Released << false << true;
  QTest::newRow("write, port fails") << J::Write << S::PortFailed << false << true;
  QTest::newRow("write sent, its check to come") << J::WriteAndCheck << S::Released << false
                                                 << true;
  QTest::newRow("check reading") << J::Check << S::Started << true << false;
  QTest::newRow("backup read, the write follows") << J::Backup << S::Released << false << false;
  QTest::newRow("reset asked") << J::Reset << S::Asked << true << true;
  QTest::newRow("reset's read running") << J::Reset << S::Started << true << false;
  QTest::newRow("comparing") << J::Compare << S::Started << true << false;
  QTest::newRow("compared") << J::Compare << S::Released << false << true;
}

// Undo and redo stay away while a job needs the registers as they stand, whatever the buttons.
void TestTransferStates::undo() {
  QFETCH(ConsoleJob, job);
  QFETCH(JobStep, step);
  QFETCH(bool, now);
  QFETCH(bool, after);
  ControlStates states = States("00000");
  states.undo = now;
  QCOMPARE(TransferStates::After(job, step, states, States("11111")).undo, after);
}

// What the log, the progress bar and the status line say of each job.
void TestTransferStates::texts_data() {
  QTest::addColumn<ConsoleJob>("job");
  QTest::addColumn<QStringList>("said");  // log name, bar, status when done, failure prefix
  QTest::newRow("read") << ConsoleJob::Read
                        << QStringList{"read", "Lesen", "Gelesen: %1 an %2, %3",
                                       "Fehler beim Lesen: "};
  QTest::newRow("write and check")
      << ConsoleJob::WriteAndCheck
      << QStringList{"write", "Senden", "Gesendet: %1 Register an %2, %3", "Fehler beim Senden: "};
  QTest::newRow("reset") << ConsoleJob::Reset
                         << QStringList{"reset", "Lesen", "Zurückgesetzt und gelesen: %1 an %2, %3",
                                        "Fehler beim Zurücksetzen: "};
  QTest::newRow("compare") << ConsoleJob::Compare
                           << QStringList{"compare", "Lesen", "", "Fehler beim Vergleichen: "};
  QTest::newRow("check") << ConsoleJob::Check
                         << QStringList{"verify", "Prüfen", "", "Fehler beim Prüfen: "};
  QTest::newRow("backup") << ConsoleJob::Backup
                          << QStringList{"backup", "Sichern", "", "Fehler beim Sichern: "};
}

void TestTransferStates::texts() {
  QFETCH(ConsoleJob, job);
  QFETCH(QStringList, said);
  const JobTexts texts = TransferStates::Texts(job);
  QCOMPARE((QStringList{texts.operation, texts.progress, texts.done, texts.failurePrefix}), said);
}

// What the console holds after a job was cut off, told apart by how far it had come.
void TestTransferStates::cancelled_data() {
  using Operation = ConsoleSession::Operation;
  QTest::addColumn<Operation>("operation");
  QTest::addColumn<int>("sent");
  QTest::addColumn<bool>("confirmed");
  QTest::addColumn<bool>("resetSent");
  QTest::addColumn<QString>("said");
  QTest::newRow("write, nothing sent")
      << Operation::Write << 0 << false << false
      << "Die Übertragung zum Quorex wurde abgebrochen, bevor ein Register gesendet war. Der "
         "Quorex enthält weiter seine bisherigen Einstellungen.";
  for (const int sent : {1, 199})
    QTest::addRow("write, %d sent", sent)
        << Operation::Write << sent << false << false
        << QStringLiteral("Die Übertragung zum Quorex wurde abgebrochen, nachdem %1 von 200 "
                          "Registern gesendet waren. Der Quorex enthält jetzt teils alte, teils "
                          "neue Einstellungen. Bitte senden Sie die Einstellungen erneut.")
               .arg(sent);
  QTest::newRow("write, all sent, not confirmed")
      << Operation::Write << 200 << false << false
      << "Die Übertragung zum Quorex wurde abgebrochen, nachdem alle 200 Register gesendet "
         "waren; der Quorex hat den Empfang aber nicht mehr bestätigt.\nBitte prüfen Sie die "
         "Einstellungen mit \"quorex-cli verify\".";
  QTest::newRow("write, confirmed")
      << Operation::Write << 200 << true << false
      << "Der Quorex hat den Empfang aller 200 Register bestätigt; die Übertragung ist "
         "vollständig.";
  QTest::newRow("reset, command not out")
      << Operation::Reset << 0 << false << false
      << "Das Zurücksetzen wurde abgebrochen, während der Befehl dazu gesendet wurde. Ob der "
         "Quorex auf Werkeinstellungen steht, zeigt erst ein erneutes Lesen.";
  QTest::newRow("reset, command out")
      << Operation::Reset << 0 << false << true
      << "Der Quorex wurde auf Werkeinstellungen zurückgesetzt; das Lesen danach wurde "
         "abgebrochen.";
  QTest::newRow("read") << Operation::Read << 0 << false << false
                        << "Das Lesen des Quorex wurde abgebrochen.";
}

void TestTransferStates::cancelled() {
  QFETCH(ConsoleSession::Operation, operation);
  QFETCH(int, sent);
  QFETCH(bool, confirmed);
  QFETCH(bool, resetSent);
  QFETCH(QString, said);
  QCOMPARE(JobMessages::Cancelled(operation, sent, confirmed, resetSent), said);
}

// The status line names the system's reason in place of the general text on ports; the log
// adds it on a line of its own; one differing setting is counted in the singular.
void TestTransferStates::reasons() {
  const QString general = ConsoleMessages::OpenFailed();
  const QString missing = QStringLiteral("Der Port /dev/ttyUSB7 existiert nicht.");
  QCOMPARE(JobMessages::StatusReason("Fehler beim Lesen: " + general, missing),
           "Fehler beim Lesen: " + missing);
  QCOMPARE(JobMessages::StatusReason(QStringLiteral("Keine Antwort."), missing),
           "Keine Antwort. " + missing);
  QCOMPARE(JobMessages::StatusReason(QStringLiteral("Keine Antwort."), QString()),
           QStringLiteral("Keine Antwort."));
  QCOMPARE(JobMessages::WithDetail(QStringLiteral("Fehler."), missing),
           "Fehler.\nDetails: " + missing);
  QCOMPARE(JobMessages::WithDetail(QStringLiteral("Fehler."), QString()),
           QStringLiteral("Fehler."));
  QCOMPARE(JobMessages::Differing(1),
           QStringLiteral("1 Einstellung im Quorex weicht von der Datei ab."));
  QCOMPARE(JobMessages::Differing(3),
           QStringLiteral("3 Einstellungen im Quorex weichen von der Datei ab."));
}

QTEST_APPLESS_MAIN(TestTransferStates)
#include "tst_transferstates.moc"
