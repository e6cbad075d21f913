#include "BackupStore.h"
#include "BackupsDialog.h"
#include "CompareDialog.h"
#include "LogDialog.h"
#include "ProgrammingLog.h"
#include "ScriptedDialogs.h"
#include "WidgetDriver.h"

#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// "Sicherungen ..." and "Protokoll ..." on their own, driven by keyboard and buttons.

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

 private:
  // Two backups an hour apart, described by the lines that made them.
  std::vector<BackupStore::Backup> TwoBackups();

  QTemporaryDir dir_;
  QString folder_;
};

void TestJournalDialogs::init() {
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
                        "/home/technik/leitstelle.rquorex", "fehlgeschlagen"}));
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
  QCOMPARE(dialogs.Last().text, QStringLiteral("gespeichert in: ") + path);

  exportButton->click();
  QCOMPARE(dialogs.Last().caption, QStringLiteral("Fehler"));
  QVERIFY(dialogs.Last().text.contains(QStringLiteral("konnte nicht gespeichert werden")));
  QCOMPARE(dialogs.csvDialogs, 2);
}

QTEST_MAIN(TestJournalDialogs)
#include "tst_journaldialogs.moc"
