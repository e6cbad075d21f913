// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupStore.h"
#include "ConsoleJournal.h"
#include "ProgrammingLog.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

// Backups and the programming log on real files: names, pruning, folders that refuse, and two
// programs logging at once.

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(14, 3, 12));
// Lines one child process appends when this program is run with kChildArgument.
constexpr int kChildLines = 150;
const char kChildArgument[] = "--append-log-lines";

QStringList Texts(char digit) { return QStringList(200, QString(8, QLatin1Char(digit))); }

LogEntry Entry(const QString &operation, const QString &message = QString()) {
  LogEntry entry;
  entry.time = kNow;
  entry.program = QStringLiteral("quorex");
  entry.operation = operation;
  entry.port = QStringLiteral("/dev/ttyUSB0");
  entry.console = QStringLiteral("Quorex V 1.07 SN 4711");
  entry.result = QStringLiteral("ok");
  entry.message = message;
  entry.registers = 200;
  return entry;
}

// The child's part of twoProcessesAppend: its lines, numbered, as fast as it can.
int AppendLines(const QString &path, const QString &program) {
  const ProgrammingLog log(path);
  for (int i = 0; i < kChildLines; ++i) {
    LogEntry entry = Entry(QStringLiteral("read"));
    entry.program = program;
    entry.registers = i;
    if (!log.Append(entry)) return 1;
  }
  return 0;
}

}  // namespace

class TestJournal : public QObject {
  Q_OBJECT

 private slots:
  void fileName_data();
  void fileName();
  void sameSecond();
  void prune_data();
  void prune();
  void keepsNewest2000();
  void folderRefuses_data();
  void folderRefuses();
  void describe();
  void logLine();
  void damagedLines();
  void twoProcessesAppend();
  void filters_data();
  void filters();
  void csv();
};

void TestJournal::fileName_data() {
  QTest::addColumn<QString>("versionText");
  QTest::addColumn<QString>("name");
  QTest::newRow("blanks") << "Quorex V 1.07 SN 4711"
                          << "2026-12-09_14-03-12_Quorex_V_1.07_SN_4711.rquorex";
  QTest::newRow("dot and dash kept, the rest _")
      << "Q-7.1/ä:\\*\r" << "2026-12-09_14-03-12_Q-7.1______.rquorex";
  QTest::newRow("no version text") << "" << "2026-12-09_14-03-12_.rquorex";
  QTest::newRow("a screenful is cut") << QString(300, QLatin1Char('x'))
                                      << "2026-12-09_14-03-12_" + QString(100, QLatin1Char('x')) +
                                             ".rquorex";
}

void TestJournal::fileName() {
  QFETCH(QString, versionText);
  QFETCH(QString, name);
  QTemporaryDir dir;
  const QString path = BackupStore(dir.path()).Store(Texts('A'), versionText, kNow);
  QCOMPARE(QFileInfo(path).fileName(), name);
  QCOMPARE(Contents(path), FileBytes(Texts('A')));
}

// Two consoles read in the same second (two ports, two programs) keep both backups.
void TestJournal::sameSecond() {
  QTemporaryDir dir;
  const BackupStore store(dir.filePath(QStringLiteral("Sicherungen")));
  QStringList names;
  for (char digit : {'1', '2', '3'})
    names << QFileInfo(store.Store(Texts(digit), QStringLiteral("Quorex V 1.07"), kNow))
                 .fileName();
  QCOMPARE(names, QStringList({"2026-12-09_14-03-12_Quorex_V_1.07.rquorex",
                               "2026-12-09_14-03-12_Quorex_V_1.07_2.rquorex",
                               "2026-12-09_14-03-12_Quorex_V_1.07_3.rquorex"}));
  QCOMPARE(Contents(store.Folder() + QStringLiteral("/") + names.at(1)), FileBytes(Texts('2')));
  // Newest first, the later one of a second before the earlier.
  QStringList listed;
  for (const BackupStore::Backup &backup : store.List()) listed << backup.fileName;
  QCOMPARE(listed, QStringList({names.at(2), names.at(1), names.at(0)}));
}

void TestJournal::prune_data() {
  QTest::addColumn<QStringList>("present");
  QTest::addColumn<QStringList>("removed");
  QTest::newRow("older than a year")
      << QStringList{"2025-12-09_14-03-11_Q.rquorex", "2025-12-09_14-03-12_Q.rquorex",
                     "2026-01-01_00-00-00_Q_2.rquorex"}
      << QStringList{"2025-12-09_14-03-11_Q.rquorex"};
  QTest::newRow("other names are never touched")
      << QStringList{"2020-01-01_00-00-00_Q.rquorex.bak", "alt.rquorex", "notiz.txt",
                     "2020-13-45_00-00-00_Q.rquorex", "2020-01-01_00-00-00_Q V.rquorex",
                     "x2020-01-01_00-00-00_Q.rquorex"}
      << QStringList();
}

void TestJournal::prune() {
  QFETCH(QStringList, present);
  QFETCH(QStringList, removed);
  QTemporaryDir dir;
  for (const QString &name : present) WriteFile(dir.filePath(name));
  // A folder that happens to carry a backup's name stays too.
  QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("2020-01-01_00-00-00_Ordner.rquorex")));
  const QString stored = BackupStore(dir.path()).Store(Texts('0'), QStringLiteral("Q"), kNow);
  QVERIFY(QFile::exists(stored));
  for (const QString &name : present)
    QCOMPARE(QFile::exists(dir.filePath(name)), !removed.contains(name));
  QVERIFY(QFileInfo(dir.filePath(QStringLiteral("2020-01-01_00-00-00_Ordner.rquorex"))).isDir());
}

void TestJournal::keepsNewest2000() {
  QTemporaryDir dir;
  // 2001 backups a minute apart, all within the year; the new one makes 2002.
  const QDateTime first = kNow.addDays(-30);
  for (int i = 0; i < 2001; ++i)
    WriteFile(dir.filePath(BackupStore::FileName(first.addSecs(60 * i), QStringLiteral("Q"))));
  WriteFile(dir.filePath(QStringLiteral("notiz.txt")));
  BackupStore(dir.path()).Store(Texts('0'), QStringLiteral("Q"), kNow);
  const std::vector<BackupStore::Backup> left = BackupStore(dir.path()).List();
  QCOMPARE(int(left.size()), BackupStore::kKeepCount);
  QCOMPARE(left.front().time, kNow);
  QCOMPARE(left.back().time, first.addSecs(120));
  QVERIFY(QFile::exists(dir.filePath(QStringLiteral("notiz.txt"))));
}

void TestJournal::folderRefuses_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("a file where the folder belongs") << "file";
#ifdef Q_OS_LINUX
  QTest::newRow("read-only file system") << "read-only";
  QTest::newRow("full disk") << "full";
#endif
}

// Neither a backup nor a log line that cannot be written ever throws or blocks: the caller gets
// one sentence to show and goes on.
void TestJournal::folderRefuses() {
  QFETCH(QString, how);
  QTemporaryDir dir;
  SmallDisk disk;
  QString dataFolder = dir.filePath(QStringLiteral("quorex"));
  if (how == QLatin1String("file")) {
    WriteFile(dataFolder);
  } else {
    if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
    dataFolder = disk.FilePath(QStringLiteral("quorex"));
    QVERIFY(QDir().mkpath(dataFolder + QStringLiteral("/Sicherungen")));
    if (how == QLatin1String("full")) QVERIFY(disk.Fill());
    if (how == QLatin1String("read-only")) QVERIFY(disk.MakeReadOnly());
  }
  const ConsoleJournal journal(QStringLiteral("quorex"), dataFolder);
  const ConsoleJournal::Backup backup = journal.BackUp(Texts('A'), QStringLiteral("Q"));
  QCOMPARE(backup.fileName, QString());
  QVERIFY2(backup.failure.startsWith(QStringLiteral("Sicherung fehlgeschlagen: ")),
           qPrintable(backup.failure));
  QVERIFY2(!backup.failure.contains(QLatin1Char('\n')), qPrintable(backup.failure));
  QVERIFY(journal.Backups().List().empty());
  const QString logged = journal.Record(Entry(QStringLiteral("read")));
  QVERIFY2(logged.startsWith(QStringLiteral("Protokoll fehlgeschlagen: ")), qPrintable(logged));
}

void TestJournal::describe() {
  std::vector<BackupStore::Backup> backups(3);
  backups[0].fileName = QStringLiteral("a.rquorex");
  backups[1].fileName = QStringLiteral("b.rquorex");
  backups[2].fileName = QStringLiteral("c.rquorex");
  backups[2].console = QStringLiteral("Kennung");
  LogEntry backupRead = Entry(QStringLiteral("backup"));
  backupRead.backup = QStringLiteral("a.rquorex");
  backupRead.port = QStringLiteral("COM3");
  LogEntry write = Entry(QStringLiteral("write"));
  write.backup = QStringLiteral("a.rquorex");
  write.port = QStringLiteral("COM4");
  LogEntry cli = Entry(QStringLiteral("verify"));
  cli.program = QStringLiteral("quorex-cli");
  cli.backup = QStringLiteral("b.rquorex");
  BackupStore::Describe(&backups, {backupRead, write, cli});
  QCOMPARE(backups[0].occasion, QStringLiteral("Vor dem Senden"));
  QCOMPARE(backups[0].port, QStringLiteral("COM3"));  // the line that made it
  QCOMPARE(backups[0].console, QStringLiteral("Quorex V 1.07 SN 4711"));
  QCOMPARE(backups[1].occasion, QStringLiteral("Kommandozeile"));
  QCOMPARE(backups[2].occasion, QString());
  QCOMPARE(backups[2].console, QStringLiteral("Kennung"));
}

void TestJournal::logLine() {
  QTemporaryDir dir;
  const ProgrammingLog log(dir.filePath(QStringLiteral("sub/protokoll.jsonl")));
  LogEntry first = Entry(QStringLiteral("write"), QStringLiteral("Zeile 1\nZeile \"2\""));
  first.differences = 3;
  first.time = QDateTime::currentDateTime().addSecs(-5);
  first.time = first.time.addMSecs(-first.time.time().msec());
  const LogEntry second = Entry(QStringLiteral("read"));
  QVERIFY(log.Append(first));
  QVERIFY(log.Append(second));
  const QList<QByteArray> lines = Contents(log.Path()).split('\n');
  QCOMPARE(lines.size(), 3);  // two lines, each ending in "\n"
  QVERIFY(lines.at(2).isEmpty());
  // Local time with its offset, the fields in the documented order, null where nothing is known.
  const QRegularExpression shape(QStringLiteral(
      "^\\{\"time\":\"\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d\",\"program\":"
      "\"quorex\",\"operation\":\"read\",\"port\":\"/dev/ttyUSB0\",\"console\":\"Quorex V 1.07 SN "
      "4711\",\"file\":\"\",\"backup\":\"\",\"result\":\"ok\",\"message\":\"\",\"registers\":200,"
      "\"differences\":null\\}$"));
  QVERIFY2(shape.match(QString::fromUtf8(lines.at(1))).hasMatch(), lines.at(1).constData());
  std::vector<LogEntry> read;
  QVERIFY(log.ReadAll(&read));
  QCOMPARE(int(read.size()), 2);
  QVERIFY(read[0] == first);
  QCOMPARE(read[0].time.toLocalTime(), first.time);
  QVERIFY(!read[1].differences);
}

void TestJournal::damagedLines() {
  QTemporaryDir dir;
  const ProgrammingLog log(dir.filePath(QStringLiteral("protokoll.jsonl")));
  QVERIFY(log.Append(Entry(QStringLiteral("read"))));
  // An editor's slip, a line without a time, and a line cut off by a crash at the end.
  QFile file(log.Path());
  QVERIFY(file.open(QIODevice::Append));
  file.write("kaputt\n{\"program\":\"quorex\"}\n\n{\"time\":\"2026-12-09T14:03:12+01:00\",\"prog");
  file.close();
  QVERIFY(log.Append(Entry(QStringLiteral("write"))));
  std::vector<LogEntry> read;
  int damaged = 0;
  QVERIFY(log.ReadAll(&read, &damaged));
  QCOMPARE(damaged, 3);
  QCOMPARE(int(read.size()), 2);
  QCOMPARE(read[1].operation, QStringLiteral("write"));
  // The damaged lines are still there: the log is only ever appended to.
  QVERIFY(Contents(log.Path()).contains("kaputt\n"));
}

// Both children append while the other does; each line arrives whole, none is lost.
void TestJournal::twoProcessesAppend() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("protokoll.jsonl"));
  QProcess children[2];
  QSignalSpy finished0(&children[0], &QProcess::finished);
  QSignalSpy finished1(&children[1], &QProcess::finished);
  for (int i = 0; i < 2; ++i)
    children[i].start(
        QCoreApplication::applicationFilePath(),
        {QString::fromLatin1(kChildArgument), path, QStringLiteral("child%1").arg(i)});
  QTRY_COMPARE_WITH_TIMEOUT(finished0.count() + finished1.count(), 2, 30000);
  for (QProcess &child : children) QCOMPARE(child.exitCode(), 0);
  std::vector<LogEntry> read;
  int damaged = 0;
  QVERIFY(ProgrammingLog(path).ReadAll(&read, &damaged));
  QCOMPARE(damaged, 0);
  QCOMPARE(int(read.size()), 2 * kChildLines);
  // Each child's lines are all there, in the order it wrote them.
  int next[2] = {0, 0};
  for (const LogEntry &entry : read) {
    const int child = entry.program == QLatin1String("child1") ? 1 : 0;
    QCOMPARE(entry.registers, next[child]++);
  }
  QCOMPARE(next[0], kChildLines);
  QCOMPARE(next[1], kChildLines);
}

void TestJournal::filters_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QDate>("since");
  QTest::addColumn<QStringList>("operations");
  QTest::newRow("everything") << QString() << QDate() << QStringList{"read", "write", "reset"};
  QTest::newRow("German operation name, any case")
      << "SENDEN" << QDate() << QStringList{"write"};
  QTest::newRow("German result") << "fehlgeschlagen" << QDate() << QStringList{"reset"};
  QTest::newRow("port") << "ttyUSB1" << QDate() << QStringList{"write"};
  QTest::newRow("message") << "Kabel" << QDate() << QStringList{"reset"};
  QTest::newRow("file") << "werkstatt.rquorex" << QDate() << QStringList{"write"};
  QTest::newRow("since the day itself") << QString() << QDate(2026, 12, 8)
                                        << QStringList{"write", "reset"};
}

void TestJournal::filters() {
  QFETCH(QString, text);
  QFETCH(QDate, since);
  QFETCH(QStringList, operations);
  LogEntry read = Entry(QStringLiteral("read"));
  read.time = kNow.addDays(-2);
  LogEntry write = Entry(QStringLiteral("write"));
  write.time = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 1));
  write.port = QStringLiteral("/dev/ttyUSB1");
  write.file = QStringLiteral("/home/technik/werkstatt.rquorex");
  LogEntry reset = Entry(QStringLiteral("reset"), QStringLiteral("Bitte prüfen Sie Kabel"));
  reset.result = QStringLiteral("failed");
  QStringList kept;
  for (const LogEntry &entry : ProgrammingLog::Since({read, write, reset}, since))
    if (ProgrammingLog::Matches(entry, text)) kept << entry.operation;
  QCOMPARE(kept, operations);
}

void TestJournal::csv() {
  LogEntry write = Entry(QStringLiteral("write"), QStringLiteral("Er sagte \"nein\"; dann\nEnde"));
  write.file = QStringLiteral("/home/technik/a;b.rquorex");
  write.differences = 2;
  LogEntry read = Entry(QStringLiteral("read"));
  read.console = QStringLiteral("=HYPERLINK(\"x\")");
  read.result = QStringLiteral("cancelled");
  const QByteArray csv = ProgrammingLog::Csv({write, read});
  QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
  const QString text = QString::fromUtf8(csv.mid(3));
  // The file as the system writes paths: backslashes on Windows.
  QCOMPARE(text,
           QStringLiteral(
               "Zeit;Programm;Vorgang;Port;Quorex;Datei;Sicherung;Ergebnis;Meldung;Register;"
               "Unterschiede\r\n"
               "09.12.2026 14:03:12;quorex;Senden;/dev/ttyUSB0;Quorex V 1.07 SN 4711;\"") +
               QDir::toNativeSeparators(write.file) +
               QStringLiteral(
                   "\";;erfolgreich;\"Er sagte \"\"nein\"\"; dann\nEnde\";"
                   "200;2\r\n"
                   "09.12.2026 14:03:12;quorex;Lesen;/dev/ttyUSB0;\"'=HYPERLINK(\"\"x\"\")\";;;"
                   "abgebrochen;;200;\r\n"));
}

int main(int argc, char *argv[]) {
  if (argc == 4 && std::strcmp(argv[1], kChildArgument) == 0) {
    QCoreApplication app(argc, argv);
    return AppendLines(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
  }
  QCoreApplication app(argc, argv);
  TestJournal test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_journal.moc"
