// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupStore.h"
#include "BackupsDialog.h"
#include "CompareDialog.h"
#include "LogDialog.h"
#include "ConsoleMessages.h"
#include "LogIndex.h"
#include "LogTableModel.h"
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
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

QStringList Row(const QAbstractItemModel *model, int row) {
  QStringList cells;
  for (int column = 0; column < model->columnCount(); ++column)
    cells << model->index(row, column).data().toString();
  return cells;
}

QStringList Row(QTableView *table, int row) { return Row(table->model(), row); }

// Each row's cells and its message, as a person and a screen reader meet them.
QStringList Rows(const QAbstractItemModel *model) {
  QStringList rows;
  for (int row = 0; row < model->rowCount(); ++row)
    rows << Row(model, row).join(QLatin1Char('|')) + QLatin1Char('#') +
                model->index(row, 0).data(Qt::ToolTipRole).toString();
  return rows;
}

QStringList Rows(QTableView *table) { return Rows(table->model()); }

// The log as the window keeps it: one line each, in the order given.
QString WriteLog(const QString &path, const QByteArrayList &lines) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
  file.write(lines.join('\n') + '\n');
  return path;
}

std::unique_ptr<LogIndex> Loaded(const QString &path) {
  auto index = std::make_unique<LogIndex>(path);
  if (!index->Load()) qFatal("cannot read %s", qPrintable(path));
  return index;
}

QByteArrayList Lines(const std::vector<LogEntry> &entries) {
  QByteArrayList lines;
  for (const LogEntry &entry : entries) lines << ProgrammingLog::JsonLine(entry);
  return lines;
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
  void logAsRead_data();
  void logAsRead();
  void logNotAFile_data();
  void logNotAFile();
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
  auto *table = Child<QTableView>(&dialog, QStringLiteral("backupsTable"));
  QCOMPARE(table->model()->rowCount(), 2);
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
  auto *table = Child<QTableView>(&dialog, QStringLiteral("backupsTable"));
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
  const QString path = WriteLog(dir_.filePath(QStringLiteral("table.jsonl")),
                                Lines({read}) << "{\"time\":\"2026-12-09T08:1" << Lines({write}));
  LogDialog dialog(Loaded(path));
  auto *table = Child<QTableView>(&dialog, QStringLiteral("logTable"));
  QCOMPARE(Row(table, 0),
           QStringList({"09.12.2026 08:16:00", "Senden", "Quorex V 1.07 SN 4711", "/dev/ttyUSB0",
                        QDir::toNativeSeparators(write.file), "fehlgeschlagen"}));
  QCOMPARE(Row(table, 1), QStringList({"09.12.2026 08:15:00", "Lesen", "Quorex V 1.07 SN 4711",
                                       "/dev/ttyUSB0", "", "erfolgreich"}));
  for (int column = 0; column < table->model()->columnCount(); ++column) {
    QCOMPARE(table->model()->index(0, column).data(Qt::ToolTipRole).toString(), write.message);
    QCOMPARE(table->model()->index(0, column).data(Qt::AccessibleDescriptionRole).toString(),
             write.message);
  }
  QCOMPARE(table->model()->index(1, 0).data(Qt::ToolTipRole).toString(), QString());
  QCOMPARE(table->model()->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Ergebnis"));
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
  LogDialog dialog(
      Loaded(WriteLog(dir_.filePath(QStringLiteral("filter.jsonl")), Lines({read, write, reset}))));
  ShowActive(&dialog);
  // The filter has the keyboard when the dialog opens.
  auto *field = Child<QLineEdit>(&dialog, QStringLiteral("filterLineEdit"));
  QCOMPARE(QApplication::focusWidget(), field);
  QTest::keyClicks(field, filter);
  QStringList shown;
  for (const QString &row : Rows(Child<QTableView>(&dialog, QStringLiteral("logTable"))))
    shown << row.section(QLatin1Char('|'), 1, 1);
  QCOMPARE(shown, operations);
  QCOMPARE(Child<QLabel>(&dialog, QStringLiteral("countLabel"))->text(), count);
  QCOMPARE(Child<QPushButton>(&dialog, QStringLiteral("exportButton"))->isEnabled(),
           !operations.isEmpty());
}

void TestJournalDialogs::logAsRead_data() {
  QTest::addColumn<QString>("filter");
  QTest::addColumn<int>("copies");  // of the log's lines: a long log is read in stretches
  QTest::addColumn<int>("newest");  // bytes read before the dialog opens; 0: all
  for (const char *filter : {"", "lesen", "LESEN", "sÜd", "Straße", "STRASSE", "ſenden",
                             "09.12.2026", "2026 14:0", "com", "fehl", "ERFOLG", "unbekannt",
                             ":", "\\", "\"", "unterbrochen.\nBitte", "SN 4711/dev",
                             "backup", "quorex-cli", "200", "\u00e4", "ä"})
    QTest::newRow(filter) << QString::fromUtf8(filter) << 1 << 0;
  QTest::newRow("long log, Kreis 2") << QStringLiteral("Kreis 2") << 400 << 0;
  QTest::newRow("long log, newest first, Kreis 2") << QStringLiteral("Kreis 2") << 400 << 100000;
  QTest::newRow("long log, newest first") << QString() << 400 << 100000;
}

// The table read as needed shows what the table of every entry showed: the same rows in the
// same order, the same damaged lines, the same rows for any filter. The log holds what other
// writers and hands may leave: escapes, blanks, CR LF, other time zones, unknown words, lines
// cut short, something that is not an object, a last line without its line end.
void TestJournalDialogs::logAsRead() {
  QFETCH(QString, filter);
  QFETCH(int, copies);
  QFETCH(int, newest);
  // A zone that changes its clock, where the system lets a program choose it.
  const QByteArray zone = qgetenv("TZ");
  qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
  const auto restoreZone = qScopeGuard([zone] {
    if (zone.isNull())
      qunsetenv("TZ");
    else
      qputenv("TZ", zone);
  });
  std::vector<LogEntry> entries;
  const char *words[][2] = {{"read", "ok"},       {"write", "failed"},   {"verify", "ok"},
                            {"compare", "cancelled"}, {"reset", "ok"},   {"fly", "maybe"}};
  for (int i = 0; i < 30; ++i) {
    LogEntry entry = Entry(QString::fromLatin1(words[i % 6][0]),
                           QString::fromLatin1(words[i % 6][1]), kMorning.addSecs(i * 3607));
    entry.program = i % 4 ? QStringLiteral("quorex") : QStringLiteral("quorex-cli");
    entry.port = i % 3 ? QStringLiteral("COM%1").arg(i) : QStringLiteral("/dev/ttyUSB%1").arg(i);
    entry.file = QStringLiteral("C:\\Wache Süd\\Kreis %1.rquorex").arg(i);
    if (i % 5 == 0) entry.message = QStringLiteral("Die Verbindung wurde unterbrochen.\nBitte Straße prüfen.");
    if (i % 7 == 0) entry.backup = QStringLiteral("2026-12-09_08-15-%1_Q.rquorex").arg(i, 2, 10, QLatin1Char('0'));
    entry.differences = i % 2 ? std::optional<int>(i) : std::nullopt;
    entries.push_back(entry);
  }
  QByteArrayList lines = Lines(entries);
  lines.insert(3, "");
  lines.insert(5, "   \t");
  lines.insert(7, "{\"time\":\"2026-12-09T08:1");
  lines.insert(9, "[1,2,3]");
  lines.insert(11, "{\"time\":\"gestern\",\"operation\":\"read\"}");
  lines.insert(13, "{\"operation\":\"read\"}");
  lines.insert(15, "{ \"time\" : \"2026-06-01T23:30:00+05:30\", \"operation\": \"read\", "
                   "\"console\": \"Quorex \\u00e4\\\"x\\\\y\", \"backup\" : \"a.rquorex\" }\r");
  lines.insert(17, "{\"time\":\"2026-03-29T00:59:59Z\",\"operation\":\"write\",\"result\":\"ok\","
                   "\"message\":\"kein backup\",\"\\u0062ackup\":\"b.rquorex\"}");
  lines.insert(19, "{\"time\":\"2026-10-25T01:30:00+00:00\",\"port\":\"com\\u0000x\"}");
  static int run = 0;
  const QString path = dir_.filePath(QStringLiteral("log-%1.jsonl").arg(++run));
  QByteArrayList all;
  for (int copy = 0; copy < copies; ++copy) all << lines;
  WriteLog(path, all);
  QFile::resize(path, QFileInfo(path).size() - 1);

  std::vector<LogEntry> today;
  int damaged = -1;
  QVERIFY(ProgrammingLog(path).ReadAll(&today, &damaged));
  QStringList expected;
  for (auto entry = today.rbegin(); entry != today.rend(); ++entry)
    if (ProgrammingLog::Matches(*entry, filter.trimmed()))
      expected << QStringList{ProgrammingLog::TimeText(entry->time),
                              ProgrammingLog::OperationText(entry->operation), entry->console,
                              entry->port, QDir::toNativeSeparators(entry->file),
                              ProgrammingLog::ResultText(entry->result)}
                          .join(QLatin1Char('|')) +
                      QLatin1Char('#') + entry->message;

  auto index = std::make_unique<LogIndex>(path);
  QVERIFY(newest ? index->LoadNewest(newest) : index->Load());
  LogDialog dialog(std::move(index));
  Child<QLineEdit>(&dialog, QStringLiteral("filterLineEdit"))->setText(filter);
  auto *table = Child<QTableView>(&dialog, QStringLiteral("logTable"));
  // The newest rows at once, the older ones below them as they come.
  const QStringList first = Rows(table);
  QCOMPARE(first, expected.mid(0, first.size()));
  auto *count = Child<QLabel>(&dialog, QStringLiteral("countLabel"));
  if (newest) {
    // Closed while the older lines are read: the reading stops, nothing is left behind.
    auto closed = std::make_unique<LogIndex>(path);
    QVERIFY(closed->LoadNewest(newest));
    delete new LogDialog(std::move(closed));
    QVERIFY(first.size() < expected.size());
    QVERIFY(count->text().endsWith(QStringLiteral("; ältere werden noch gelesen ...")));
    QVERIFY(!Child<QPushButton>(&dialog, QStringLiteral("exportButton"))->isEnabled());
  }
  auto *model = qobject_cast<LogTableModel *>(table->model());
  QTRY_VERIFY(model->IsComplete());
  QCOMPARE(Rows(table), expected);
  QCOMPARE(damaged, 4 * copies);
  QVERIFY(count->text().endsWith(QStringLiteral("; %1 beschädigte Zeilen übersprungen").arg(damaged)));
  // The backups list reads only the lines that name a backup, and finds each of them.
  std::vector<LogEntry> naming;
  for (const LogEntry &entry : today)
    if (!entry.backup.isEmpty()) naming.push_back(entry);
  QCOMPARE(LogIndex::BackupLines(path), naming);
}

void TestJournalDialogs::logNotAFile_data() {
  QTest::addColumn<QString>("log");   // what stands where the log belongs
  QTest::addColumn<QString>("lock");  // and where its lock file belongs
  QTest::newRow("log a folder") << "folder" << "";
#ifdef Q_OS_UNIX
  // Opening a pipe to read waits for a writer that never comes.
  QTest::newRow("log a pipe") << "pipe" << "";
  QTest::newRow("lock a pipe") << "file" << "pipe";
#endif
}

// Only a plain file is read as the log, and nothing waits for ever on what stands in its place
// or in its lock's; "Protokoll ..." says why it shows nothing.
void TestJournalDialogs::logNotAFile() {
  QFETCH(QString, log);
  QFETCH(QString, lock);
  WindowBench b;
  const QString path = b.Journal().LogPath();
  QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
  const auto make = [](const QString &what, const QString &at) {
    if (what == "folder") return QDir().mkpath(at);
    if (what == "file") return QFile::exists(WriteLog(at, Lines({Entry("read", "ok", kMorning)})));
#ifdef Q_OS_UNIX
    if (what == "pipe") return mkfifo(QFile::encodeName(at).constData(), 0600) == 0;
#endif
    return what.isEmpty();
  };
  QVERIFY(make(log, path));
  QVERIFY(make(lock, path + QStringLiteral(".lock")));
  b.Action("protokollAction")->trigger();
  if (log == "file") {
    QTRY_VERIFY(b.window.findChild<LogDialog *>());
    QCOMPARE(Child<QTableView>(b.window.findChild<LogDialog *>(), "logTable")->model()->rowCount(),
             1);
    return;
  }
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(b.dialogs.Last().text,
           QStringLiteral("Das Protokoll %1 kann nicht gelesen werden: Es ist keine gewöhnliche "
                          "Datei.")
               .arg(QDir::toNativeSeparators(path)));
  QVERIFY(LogIndex::BackupLines(path).empty());
}

// The rows shown, newest first, as the office file; a failed save says so and leaves no file.
void TestJournalDialogs::logExport() {
  ScriptedDialogs dialogs;
  const LogEntry read = Entry(QStringLiteral("read"), QStringLiteral("ok"), kMorning);
  const LogEntry write = Entry(QStringLiteral("write"), QStringLiteral("ok"), kMorning.addSecs(1));
  LogDialog dialog(
      Loaded(WriteLog(dir_.filePath(QStringLiteral("export.jsonl")), Lines({read, write}))));
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
#ifdef Q_OS_UNIX
  // A pipe chosen by mistake is refused and stays a pipe.
  const QString pipe = dir_.filePath(QStringLiteral("pipe.csv"));
  QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
  dialogs.csvNames = {pipe};
  exportButton->click();
  QVERIFY2(dialogs.Last().text.contains(QStringLiteral("eine Pipe")),
           qPrintable(dialogs.Last().text));
  QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
#endif
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
  QTest::addColumn<QString>("job");
  QTest::addColumn<QString>("status");  // how the status line begins
  QTest::addColumn<QString>("logged");  // the log line, where the log can be written
  for (const char *how : {"file", "read-only"}) {
    QTest::addRow("Lesen, %s", how) << how << "lesen" << "Sicherung fehlgeschlagen: "
                                    << "read ok 200 ---c";
    QTest::addRow("Senden, sichern, %s", how) << how << "senden" << "Fehler beim Sichern: "
                                              << "backup failed 200 ---c";
  }
}

// A read goes through whatever the backup folder does, and the status line says what failed.
// "Vor dem Senden sichern" asks for a way back: without it nothing is sent.
void TestJournalDialogs::backupNotStored() {
  QFETCH(QString, how);
  QFETCH(QString, job);
  QFETCH(QString, status);
  QFETCH(QString, logged);
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
  if (job == "senden") b.Action("sichernAction")->trigger();
  (job == "lesen" ? b.lesen : b.senden)->click();
  QTRY_VERIFY(b.Status().startsWith(status));
  QTRY_VERIFY(b.lesen->isEnabled() && b.senden->isEnabled());
  QCOMPARE(b.window.Image().AllTexts(), job == "lesen" ? Pattern("C") : Pattern("AB"));
  if (job == "senden") {
    QCOMPARE(b.dialogs.shown.size(), boxes + 1);
    const QString said =
        "Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde nichts gesendet.\n\n";
    // The reason follows.
    QVERIFY2(b.dialogs.Last().text.startsWith(said) && b.dialogs.Last().text.size() > said.size(),
             qPrintable(b.dialogs.Last().text));
    QVERIFY(!b.console.Received().contains("$P0"));
  } else {
    QCOMPARE(b.dialogs.shown.size(), boxes);
  }
  if (how == "file") QCOMPARE(LogLines(b), QStringList{logged});
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
    auto *table = Child<QTableView>(b.window.findChild<LogDialog *>(), "logTable");
    QCOMPARE(table->model()->rowCount(), 1);
    QCOMPARE(Row(table, 0).at(1), QStringLiteral("Lesen"));
    return;
  }
  QTRY_VERIFY(b.window.findChild<BackupsDialog *>());
  BackupsDialog *dialog = b.window.findChild<BackupsDialog *>();
  auto *table = Child<QTableView>(dialog, "backupsTable");
  QCOMPARE(table->model()->rowCount(), 1);
  QCOMPARE(Row(table, 0).at(3), QStringLiteral("Lesen"));
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
