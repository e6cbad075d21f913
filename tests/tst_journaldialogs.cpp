// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupStore.h"
#include "BackupsDialog.h"
#include "CompareDialog.h"
#include "LogDialog.h"
#include "ConsoleMessages.h"
#include "ProgrammingLog.h"
#include "RegisterFile.h"
#include "ScriptedDialogs.h"
#include "SmallDisk.h"
#include "TemporarySettings.h"
#include "WidgetDriver.h"
#include "WindowBench.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// "Sicherungen ..." and "Protokoll ..." on their own, driven by keyboard and buttons; and the
// backups and log lines the window's console jobs leave behind.

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

const QDateTime kMorning(QDate(2026, 12, 9), QTime(8, 15, 0));

QStringList Texts(char digit) { return QStringList(200, QString(8, QLatin1Char(digit))); }

LogEntry Entry(const QString &operation, const QString &result, const QDateTime &time) {
  LogEntry entry;
  entry.time = time;
  entry.program = QStringLiteral("quorex");
  entry.operation = operation;
  entry.result = result;
  entry.port = QStringLiteral("/dev/ttyUSB0");
  entry.console = QStringLiteral("Quorex V 1.07 SN 4711");
  entry.registers = 200;
  return entry;
}

QStringList Row(QTableWidget *table, int row) {
  QStringList cells;
  for (int column = 0; column < table->columnCount(); ++column)
    cells << table->item(row, column)->text();
  return cells;
}

QStringList VisibleRows(QTableWidget *table) {
  QStringList rows;
  for (int row = 0; row < table->rowCount(); ++row)
    if (!table->isRowHidden(row)) rows << Row(table, row).join(QLatin1Char('|'));
  return rows;
}

// Stands in for the file manager: records the folders it was asked to show.
class FileManager : public QObject {
  Q_OBJECT

 public:
  FileManager() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Show"); }
  ~FileManager() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  QList<QUrl> shown;

 public slots:
  void Show(const QUrl &url) { shown << url; }
};

// The window's log, a line each: operation, result, registers, then d(ifferences), f(ile),
// b(ackup) and c(onsole) where the line has them, "-" where not.
QStringList LogLines(const WindowBench &b) {
  std::vector<LogEntry> entries;
  b.Journal().Log().ReadAll(&entries);
  QStringList lines;
  for (const LogEntry &e : entries)
    lines << QStringLiteral("%1 %2 %3 %4%5%6%7")
                 .arg(e.operation, e.result)
                 .arg(e.registers)
                 .arg(e.differences ? 'd' : '-')
                 .arg(e.file.isEmpty() ? '-' : 'f')
                 .arg(e.backup.isEmpty() ? '-' : 'b')
                 .arg(e.console.isEmpty() ? '-' : 'c');
  return lines;
}

// The window's backups newest first, each as "Anlass=whose", whose registers it holds: the
// console's before the job, the program's, or the factory values.
QStringList BackupLines(const WindowBench &b, const QStringList &console,
                        const QStringList &program) {
  std::vector<BackupStore::Backup> backups = b.Journal().Backups().List();
  std::vector<LogEntry> log;
  b.Journal().Log().ReadAll(&log);
  BackupStore::Describe(&backups, log);
  QStringList lines;
  for (const BackupStore::Backup &backup : backups) {
    QStringList texts;
    QString error;
    ReadRegisterFile(backup.path, &texts, &error);
    const QString whose = texts == console   ? QStringLiteral("console")
                          : texts == program ? QStringLiteral("program")
                          : texts == b.console.FactoryValues() ? QStringLiteral("factory")
                                                               : QStringLiteral("?");
    lines << backup.occasion + QLatin1Char('=') + whose;
  }
  return lines;
}

// The console holds Pattern("C"), the program Pattern("AB") from a file.
bool Prepare(WindowBench &b) {
  if (!b.Setup()) return false;
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, Pattern("C").at(reg));
  return b.Load(Pattern("AB"));
}

}  // namespace

class TestJournalDialogs : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void backupsListed();
  void enterOpensSelected();
  void compareWithProgram_data();
  void compareWithProgram();
  void showFolder();
  void noBackups();
  void logTable();
  void logFilter_data();
  void logFilter();
  void logExport();
  void windowJobs_data();
  void windowJobs();
  void backupReadFails_data();
  void backupReadFails();
  void backupNotStored_data();
  void backupNotStored();
  void extrasEntries_data();
  void extrasEntries();

 private:
  // Two backups an hour apart, described by the lines that made them.
  std::vector<BackupStore::Backup> TwoBackups();

  QTemporaryDir dir_;
  QString folder_;
  // "Vor dem Senden sichern" is remembered; kept away from the user's own settings.
  TemporarySettings settings_;
};

void TestJournalDialogs::init() {
  settings_.Clear();
  folder_ = dir_.filePath(QStringLiteral("Sicherungen-%1").arg(QTest::currentTestFunction()));
}

std::vector<BackupStore::Backup> TestJournalDialogs::TwoBackups() {
  const BackupStore store(folder_);
  const QString early = store.Store(Texts('1'), QStringLiteral("Quorex V 1.07 SN 4711"), kMorning);
  const QString late =
      store.Store(Texts('2'), QStringLiteral("Quorex V 1.07 SN 4712"), kMorning.addSecs(3600));
  LogEntry read = Entry(QStringLiteral("read"), QStringLiteral("ok"), kMorning);
  read.backup = QFileInfo(early).fileName();
  LogEntry backup = Entry(QStringLiteral("backup"), QStringLiteral("ok"), kMorning.addSecs(3600));
  backup.backup = QFileInfo(late).fileName();
  backup.console = QStringLiteral("Quorex V 1.07 SN 4712");
  backup.port = QStringLiteral("COM3");
  std::vector<BackupStore::Backup> backups = store.List();
  BackupStore::Describe(&backups, {read, backup});
  return backups;
}

void TestJournalDialogs::backupsListed() {
  BackupsDialog dialog(TwoBackups(), folder_, Texts('1'));
  auto *table = Child<QTableWidget>(&dialog, QStringLiteral("backupsTable"));
  QCOMPARE(table->rowCount(), 2);
  QCOMPARE(Row(table, 0), QStringList({"09.12.2026 09:15:00", "Quorex V 1.07 SN 4712", "COM3",
                                       "Vor dem Senden"}));
  QCOMPARE(Row(table, 1), QStringList({"09.12.2026 08:15:00", "Quorex V 1.07 SN 4711",
                                       "/dev/ttyUSB0", "Lesen"}));
  // The label names the list for the keyboard and a screen reader.
  QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("backupsLabel"))->buddy(), table);
}

// Arrow down to the older backup and Enter: the dialog closes with that file chosen.
void TestJournalDialogs::enterOpensSelected() {
  const std::vector<BackupStore::Backup> backups = TwoBackups();
  BackupsDialog dialog(backups, folder_, Texts('1'));
  ShowActive(&dialog);
  auto *table = Child<QTableWidget>(&dialog, QStringLiteral("backupsTable"));
  QCOMPARE(QApplication::focusWidget(), table);
  QTest::keyClick(table, Qt::Key_Down);
  QTest::keyClick(table, Qt::Key_Return);
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.ChosenFile(), backups.at(1).path);
}

void TestJournalDialogs::compareWithProgram_data() {
  QTest::addColumn<QString>("register0");  // the program's; the backup holds 22222222
  QTest::addColumn<bool>("differ");
  QTest::newRow("same settings") << "22222222" << false;
  QTest::newRow("Funkkreis 1 off in the program") << "02222222" << true;
}

// The newest backup, selected when the dialog opens, against the program's registers.
void TestJournalDialogs::compareWithProgram() {
  QFETCH(QString, register0);
  QFETCH(bool, differ);
  ScriptedDialogs dialogs;
  QStringList texts = Texts('2');
  texts[0] = register0;
  BackupsDialog dialog(TwoBackups(), folder_, texts);
  ShowActive(&dialog);
  Child<QPushButton>(&dialog, QStringLiteral("compareButton"))->click();
  if (!differ) {
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.Last().text, QStringLiteral("Keine Unterschiede."));
    QCOMPARE(dialogs.Last().caption, QStringLiteral("Vergleich mit Sicherung"));
    QVERIFY(!dialog.Comparison());
    return;
  }
  QVERIFY(dialogs.shown.isEmpty());
  CompareDialog *comparison = dialog.Comparison();
  QVERIFY(comparison);
  QVERIFY(comparison->isVisible());
  const QString copied = comparison->CopyText();
  QVERIFY2(copied.startsWith(QStringLiteral("Seite\tEinstellung\tIm Programm\tIn der Sicherung\n")),
           qPrintable(copied));
  QVERIFY2(copied.contains(QStringLiteral("\nFunkkreiskonfiguration\tFunkkreis 1 erlaubt\t")),
           qPrintable(copied));
}

void TestJournalDialogs::showFolder() {
  FileManager fileManager;
  BackupsDialog dialog({}, folder_, Texts('0'));
  Child<QPushButton>(&dialog, QStringLiteral("folderButton"))->click();
  QCOMPARE(fileManager.shown, QList<QUrl>{QUrl::fromLocalFile(folder_)});
  // Before the first backup the folder is made, so there is something to show.
  QVERIFY(QFileInfo(folder_).isDir());
}

void TestJournalDialogs::noBackups() {
  BackupsDialog dialog({}, folder_, Texts('0'));
  ShowActive(&dialog);
  QVERIFY(!Child<QPushButton>(&dialog, QStringLiteral("openButton"))->isEnabled());
  QVERIFY(!Child<QPushButton>(&dialog, QStringLiteral("compareButton"))->isEnabled());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(dialog.isVisible());
  QVERIFY(Child<QLabel>(&dialog, QStringLiteral("folderLabel"))
              ->text()
              .startsWith(QStringLiteral("Noch keine Sicherungen")));
}

void TestJournalDialogs::logTable() {
  LogEntry read = Entry(QStringLiteral("read"), QStringLiteral("ok"), kMorning);
  LogEntry write = Entry(QStringLiteral("write"), QStringLiteral("failed"), kMorning.addSecs(60));
  write.file = QStringLiteral("/home/technik/leitstelle.rquorex");
  write.message = QStringLiteral("Die Verbindung zum Quorex wurde unterbrochen.");
  LogDialog dialog({read, write}, 1);
  auto *table = Child<QTableWidget>(&dialog, QStringLiteral("logTable"));
  QCOMPARE(Row(table, 0),
           QStringList({"09.12.2026 08:16:00", "Senden", "Quorex V 1.07 SN 4711", "/dev/ttyUSB0",
                        QDir::toNativeSeparators(write.file), "fehlgeschlagen"}));
  QCOMPARE(Row(table, 1), QStringList({"09.12.2026 08:15:00", "Lesen", "Quorex V 1.07 SN 4711",
                                       "/dev/ttyUSB0", "", "erfolgreich"}));
  for (int column = 0; column < table->columnCount(); ++column)
    QCOMPARE(table->item(0, column)->toolTip(), write.message);
  QCOMPARE(table->item(1, 0)->toolTip(), QString());
  QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("countLabel"))->text(),
           QStringLiteral("2 Einträge; 1 beschädigte Zeilen übersprungen"));
}

void TestJournalDialogs::logFilter_data() {
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QStringList>("operations");
  QTest::addColumn<QString>("count");
  QTest::newRow("nothing typed") << "" << QStringList{"Werkeinstellungen", "Senden", "Lesen"}
                                 << "3 Einträge";
  QTest::newRow("operation, any case") << "senden" << QStringList{"Senden"} << "1 von 3 Einträgen";
  QTest::newRow("result") << "abgebrochen" << QStringList{"Werkeinstellungen"}
                          << "1 von 3 Einträgen";
  QTest::newRow("port") << "COM7" << QStringList{"Lesen"} << "1 von 3 Einträgen";
  QTest::newRow("no match") << "xyz" << QStringList{} << "0 von 3 Einträgen";
}

void TestJournalDialogs::logFilter() {
  QFETCH(QString, filter);
  QFETCH(QStringList, operations);
  QFETCH(QString, count);
  LogEntry read = Entry(QStringLiteral("read"), QStringLiteral("ok"), kMorning);
  read.port = QStringLiteral("COM7");
  const LogEntry write = Entry(QStringLiteral("write"), QStringLiteral("ok"), kMorning.addSecs(1));
  const LogEntry reset =
      Entry(QStringLiteral("reset"), QStringLiteral("cancelled"), kMorning.addSecs(2));
  LogDialog dialog({read, write, reset});
  ShowActive(&dialog);
  // The filter has the keyboard when the dialog opens.
  auto *field = Child<QLineEdit>(&dialog, QStringLiteral("filterLineEdit"));
  QCOMPARE(QApplication::focusWidget(), field);
  QTest::keyClicks(field, filter);
  QStringList shown;
  for (const QString &row : VisibleRows(Child<QTableWidget>(&dialog, QStringLiteral("logTable"))))
    shown << row.section(QLatin1Char('|'), 1, 1);
  QCOMPARE(shown, operations);
  QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("countLabel"))->text(), count);
  QCOMPARE(Child<QPushButton>(&dialog, QStringLiteral("exportButton"))->isEnabled(),
           !operations.isEmpty());
}

// The rows shown, newest first, as the office file; a failed save says so and leaves no file.
void TestJournalDialogs::logExport() {
  ScriptedDialogs dialogs;
  const LogEntry read = Entry(QStringLiteral("read"), QStringLiteral("ok"), kMorning);
  const LogEntry write = Entry(QStringLiteral("write"), QStringLiteral("ok"), kMorning.addSecs(1));
  LogDialog dialog({read, write});
  QTest::keyClicks(Child<QLineEdit>(&dialog, QStringLiteral("filterLineEdit")),
                   QStringLiteral("Lesen"));
  const QString path = dir_.filePath(QStringLiteral("protokoll.csv"));
  dialogs.csvNames = {path, dir_.filePath(QStringLiteral("kein-ordner/protokoll.csv"))};
  auto *exportButton = Child<QPushButton>(&dialog, QStringLiteral("exportButton"));
  exportButton->click();
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), ProgrammingLog::Csv({read}));
  QCOMPARE(dialogs.Last().text, QStringLiteral("gespeichert in: ") + QDir::toNativeSeparators(path));

  exportButton->click();
  QCOMPARE(dialogs.Last().caption, QStringLiteral("Fehler"));
  QVERIFY(dialogs.Last().text.contains(QStringLiteral("konnte nicht gespeichert werden")));
  QCOMPARE(dialogs.csvDialogs, 2);
}

void TestJournalDialogs::windowJobs_data() {
  QTest::addColumn<QString>("job");
  QTest::addColumn<QStringList>("choices");  // Extras entries turned on first
  QTest::addColumn<QStringList>("log");
  QTest::addColumn<QStringList>("backups");
  QTest::addColumn<QByteArray>("wire");  // all the console received, where known
  const QStringList none;
  const QByteArray read = ReadSession();
  const QByteArray write = WriteSession(Pattern("AB"));
  QTest::newRow("Lesen") << "lesen" << none << QStringList{"read ok 200 --bc"}
                         << QStringList{"Lesen=console"} << read;
  QTest::newRow("Werkeinstellungen") << "reset" << none << QStringList{"reset ok 200 --bc"}
                                     << QStringList{"Werkeinstellungen=factory"} << QByteArray();
  QTest::newRow("Mit Quorex vergleichen") << "compare" << none
                                          << QStringList{"compare ok 200 --bc"}
                                          << QStringList{"Vergleichen=console"} << read;
  QTest::newRow("Senden: the bytes as ever")
      << "senden" << none << QStringList{"write ok 200 -f--"} << none << write;
  QTest::newRow("Senden, prüfen")
      << "senden" << QStringList{"pruefenAction"}
      << QStringList{"write ok 200 -f--", "verify ok 200 dfbc"} << QStringList{"Prüfen=program"}
      << write + read;
  QTest::newRow("Senden, sichern")
      << "senden" << QStringList{"sichernAction"}
      << QStringList{"backup ok 200 --bc", "write ok 200 dfbc"}
      << QStringList{"Vor dem Senden=console"} << read + write;
  QTest::newRow("Senden, sichern, prüfen")
      << "senden" << QStringList{"sichernAction", "pruefenAction"}
      << QStringList{"backup ok 200 --bc", "write ok 200 dfbc", "verify ok 200 dfbc"}
      << QStringList{"Prüfen=program", "Vor dem Senden=console"} << read + write + read;
}

// Every complete read leaves one backup of what the console held, every job one log line.
void TestJournalDialogs::windowJobs() {
  QFETCH(QString, job);
  QFETCH(QStringList, choices);
  QFETCH(QStringList, log);
  QFETCH(QStringList, backups);
  QFETCH(QByteArray, wire);
  WindowBench b;
  QVERIFY(Prepare(b));
  for (const QString &choice : choices) b.Action(qPrintable(choice))->trigger();
  b.dialogs.answers << QMessageBox::Ok;  // the factory reset's question
  b.console.ClearReceived();
  if (job == "lesen") b.lesen->click();
  if (job == "reset") b.werkeinstellungen->click();
  if (job == "compare") b.Action("quorexVergleichenAction")->trigger();
  if (job == "senden") b.senden->click();
  QTRY_COMPARE(LogLines(b), log);
  QCOMPARE(BackupLines(b, Pattern("C"), Pattern("AB")), backups);
  QTRY_VERIFY(b.lesen->isEnabled());
  if (!wire.isEmpty()) QCOMPARE(b.console.Received(), wire);
}

void TestJournalDialogs::backupReadFails_data() {
  QTest::addColumn<Fault>("fault");  // None: the port does not open
  QTest::addColumn<QString>("reason");
  QTest::newRow("port") << Fault::None << ConsoleMessages::OpenFailed();
  QTest::newRow("silent") << Fault::Silent << ConsoleMessages::NoAnswer();
}

// Without a backup nothing is sent, and the message says both.
void TestJournalDialogs::backupReadFails() {
  QFETCH(Fault, fault);
  QFETCH(QString, reason);
  WindowBench b;
  QVERIFY(Prepare(b));
  b.Action("sichernAction")->trigger();
  if (fault == Fault::None)
    b.port->setEditText(b.Path(QStringLiteral("kein-port")));
  b.console.SetFault(fault);
  b.senden->click();
  QTRY_COMPARE(LogLines(b).join("|"), QStringLiteral("backup failed 0 ----"));
  QTRY_VERIFY(b.senden->isEnabled() && b.lesen->isEnabled());
  QCOMPARE(b.dialogs.Last().text,
           "Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde nichts "
           "gesendet.\n\n" + reason);
  QVERIFY(b.Status().startsWith("Fehler beim Sichern: "));
  QVERIFY(!b.console.Received().contains("$P0"));
}

void TestJournalDialogs::backupNotStored_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("a file where the folder belongs") << "file";
  QTest::newRow("read-only file system") << "read-only";
}

// The read goes through whatever the backup folder does; the status line says what failed.
void TestJournalDialogs::backupNotStored() {
  QFETCH(QString, how);
  WindowBench b;
  SmallDisk disk;
  QVERIFY(Prepare(b));
  if (how == "file") {
    QVERIFY(QDir().mkpath(b.Path(QStringLiteral("daten"))));
    QFile blocker(b.Journal().BackupFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
  } else {
    if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
    b.window.SetDataFolder(disk.FilePath(QStringLiteral("daten")));
    QVERIFY(QDir().mkpath(disk.FilePath(QStringLiteral("daten/Sicherungen"))));
    QVERIFY(disk.MakeReadOnly());
  }
  const int boxes = int(b.dialogs.shown.size());
  b.lesen->click();
  QTRY_VERIFY(b.Status().startsWith("Sicherung fehlgeschlagen: "));
  QCOMPARE(b.window.Image().AllTexts(), Pattern("C"));
  QCOMPARE(b.dialogs.shown.size(), boxes);
  if (how == "file") QCOMPARE(LogLines(b), QStringList{"read ok 200 ---c"});
}

void TestJournalDialogs::extrasEntries_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("press");
  QTest::addColumn<QMessageBox::StandardButton>("answer");  // to saving the read first
  QTest::addColumn<bool>("opened");
  QTest::newRow("Protokoll") << "protokollAction" << "" << QMessageBox::NoButton << false;
  QTest::newRow("Enter opens, edits dropped")
      << "sicherungenAction" << "enter" << QMessageBox::No << true;
  QTest::newRow("Enter, opening cancelled")
      << "sicherungenAction" << "enter" << QMessageBox::Cancel << false;
  QTest::newRow("Mit Programm vergleichen")
      << "sicherungenAction" << "compare" << QMessageBox::NoButton << false;
}

// After one read: the log lists it, the backups list holds it and opens a copy of it, asking
// first about the read not saved.
void TestJournalDialogs::extrasEntries() {
  QFETCH(QString, entry);
  QFETCH(QString, press);
  QFETCH(QMessageBox::StandardButton, answer);
  QFETCH(bool, opened);
  WindowBench b;
  QVERIFY(b.Setup());
  b.lesen->click();
  QTRY_COMPARE(LogLines(b).size(), 1);
  QTRY_VERIFY(b.lesen->isEnabled());
  b.Action(qPrintable(entry))->trigger();
  if (entry == "protokollAction") {
    QTRY_VERIFY(b.window.findChild<LogDialog *>());
    auto *table = Child<QTableWidget>(b.window.findChild<LogDialog *>(), "logTable");
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Lesen"));
    return;
  }
  QTRY_VERIFY(b.window.findChild<BackupsDialog *>());
  BackupsDialog *dialog = b.window.findChild<BackupsDialog *>();
  auto *table = Child<QTableWidget>(dialog, "backupsTable");
  QCOMPARE(table->rowCount(), 1);
  QCOMPARE(table->item(0, 3)->text(), QStringLiteral("Lesen"));
  const QString backup = b.Journal().Backups().List().front().path;
  const QString status = b.Status();
  const int boxes = int(b.dialogs.shown.size());
  if (press == "compare") {
    Child<QPushButton>(dialog, "compareButton")->click();
    QCOMPARE(b.dialogs.Last().text, QStringLiteral("Keine Unterschiede."));
    return;
  }
  b.dialogs.answers << answer;
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Return);
  QTRY_COMPARE(b.dialogs.shown.size(), boxes + 1);
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Änderungen Speichern"));
  // A copy, never the file "Speichern" writes to.
  QTRY_COMPARE(b.Status(), opened ? "Sicherung geöffnet: " + QFileInfo(backup).fileName() : status);
  QVERIFY(b.window.Image().FilePath().isEmpty());
}

QTEST_MAIN(TestJournalDialogs)
#include "tst_journaldialogs.moc"
