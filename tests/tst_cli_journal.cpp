// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRunner.h"
#include "ConsoleScripts.h"
#include "OddFiles.h"
#include "RegisterFixtures.h"
#include "SimulatedConsole.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <memory>

// quorex-cli run as a process, as a workshop's script runs it, against a simulated console
// in this process. The CLI runs while this test's event loop turns, so that the console can
// answer: nothing here may block waiting for the process.
//
// The backups and programming log lines the console jobs leave behind.

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

// quorex-cli is another process: only a pseudo-terminal reaches it, whatever line the other
// tests are given.
constexpr SimulatedConsole::Transport kLine = SimulatedConsole::Transport::PseudoTerminal;

// What the console holds before, what the file holds, and a fresh console's registers.
QMap<QString, QStringList> RegisterSets() {
  return {{"before", Pattern(QStringLiteral("B7"))},
          {"file", FunkkreisOneOff()},
          {"factory", FactoryValues()}};
}

// A row of journal(): its console, data folder and run, started with the row so that the
// rows' waits for their consoles overlap.
struct JournalRun {
  QTemporaryDir dataHome;
  SimulatedConsole console{kLine};
  bool started = false;
  QString file;
  std::unique_ptr<CliRun> run;
};

}  // namespace

class TestCliJournal : public QObject, protected CliTestFolder {
  Q_OBJECT

 private slots:
  void initTestCase();
  void journal_data();
  void journal();
  void backupReadFails();
  void journalFolderRefuses();
  void backupNotStored_data();
  void backupNotStored();
  void oddDataFolder_data();
  void oddDataFolder();

 private:
  std::map<QString, std::unique_ptr<JournalRun>> journalRuns_;
};

void TestCliJournal::initTestCase() {
  QVERIFY(dir_.isValid());
  QVERIFY(QFile::exists(QStringLiteral(QUOREX_CLI_PROGRAM)));
}

void TestCliJournal::journal_data() {
  QTest::addColumn<QStringList>("arguments");  // PORT: the console, FILE: a register file
  QTest::addColumn<QStringList>("lines");      // operation and result of each log line
  QTest::addColumn<QStringList>("backups");    // what each backup holds, oldest first
  const auto row = [this](const char *name, QStringList arguments, const QStringList &lines,
                          const QStringList &backups) {
    QTest::newRow(name) << arguments << lines << backups;
    auto &started = journalRuns_[QString::fromLatin1(name)];
    started = std::make_unique<JournalRun>();
    started->started = started->console.Start();
    SetRegisters(started->console, RegisterSets()["before"]);
    started->file = WriteFile(QStringLiteral("journal.rquorex"), RegisterSets()["file"]);
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^PORT$")),
                               started->console.DevicePath());
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^FILE$")), started->file);
    started->run = std::make_unique<CliRun>(arguments, dir_.path(),
                                            DataHome(started->dataHome.path()));
  };
  row("read", {"read", "--port", "PORT", "-o", "read.rquorex"}, {"read ok"}, {"before"});
  row("reset", {"reset", "--port", "PORT", "--yes"}, {"reset ok"}, {"factory"});
  row("write --backup --verify", {"write", "--port", "PORT", "FILE", "--backup", "--verify"},
      {"backup ok", "write ok", "verify ok"}, {"before", "file"});
}

// Every complete read leaves a backup holding the console's registers, every operation a line
// naming it; the bytes on the wire are the command's own plus, with --backup, one read first.
void TestCliJournal::journal() {
  QFETCH(QStringList, arguments);
  QFETCH(QStringList, lines);
  QFETCH(QStringList, backups);
  const JournalRun &started = *journalRuns_.at(QString::fromLatin1(QTest::currentDataTag()));
  const QTemporaryDir &dataHome = started.dataHome;
  const SimulatedConsole &console = started.console;
  QVERIFY(started.started);
  const QMap<QString, QStringList> contents = RegisterSets();
  const QString &file = started.file;
  CliRun &run = *started.run;
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QVERIFY2(!run.Err().contains(QStringLiteral("fehlgeschlagen")), run.Said());
  if (arguments.contains(QStringLiteral("--backup")))
    QCOMPARE(console.Received(),
             ReadSession() + WriteSession(contents["file"]) + ReadSession());

  const QDir folder(dataHome.filePath(QStringLiteral("quorex/Sicherungen")));
  const QStringList names = folder.entryList(QDir::Files, QDir::Name);
  QCOMPARE(names.size(), backups.size());
  for (int i = 0; i < names.size(); ++i) {
    QVERIFY2(QRegularExpression(QStringLiteral(
                 "^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d_Quorex_V_1.07(_\\d)?\\.rquorex$"))
                 .match(names.at(i))
                 .hasMatch(),
             qPrintable(names.at(i)));
    QCOMPARE(Contents(folder.filePath(names.at(i))), FileBytes(contents[backups.at(i)]));
  }

  const QList<QJsonObject> logged = LogLines(dataHome.path());
  QStringList shapes;
  for (const QJsonObject &line : logged) {
    shapes << line["operation"].toString() + QLatin1Char(' ') + line["result"].toString();
    QCOMPARE(line["program"].toString(), QStringLiteral("quorex-cli"));
    QCOMPARE(line["port"].toString(), console.DevicePath());
    QCOMPARE(line["registers"].toInt(), 200);
    // The backup a line names is one of those in the folder.
    QVERIFY(line["backup"].toString().isEmpty() || names.contains(line["backup"].toString()));
  }
  QCOMPARE(shapes, lines);
  if (lines.size() == 3) {
    // The write names the file it sent, the backup taken before it, and how many settings it
    // changed in the console.
    const QJsonObject write = logged.at(1);
    QCOMPARE(write["file"].toString(), file);
    QCOMPARE(write["backup"].toString(), names.at(0));
    QVERIFY(write["differences"].toInt() > 0);
    QCOMPARE(logged.at(2)["backup"].toString(), names.at(1));
    QCOMPARE(logged.at(2)["differences"].toInt(-1), 0);
  } else {
    QVERIFY(logged.at(0)["differences"].isNull());
    QCOMPARE(logged.at(0)["console"].toString(), QStringLiteral("Quorex V 1.07"));
  }
}

// A backup read that fails leaves the console untouched: no write command goes out.
void TestCliJournal::backupReadFails() {
  QTemporaryDir dataHome;
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  console.SetFault(Fault::Silent);
  const QString file = WriteFile(QStringLiteral("backup.rquorex"), FunkkreisOneOff());
  CliRun run({"write", "--port", console.DevicePath(), file, "--backup"}, dir_.path(),
             DataHome(dataHome.path()));
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 3, run.Said());
  // On the terminal on one line; in the log as the window shows it.
  QCOMPARE(run.Err(), QStringLiteral("quorex-cli: Der Quorex konnte vor dem Senden nicht gesichert "
                                     "werden. Es wurde nichts gesendet. ") +
                          kSilent.mid(QStringLiteral("quorex-cli: ").size()));
  QCOMPARE(console.Received(), QByteArray("$PROGSTART\r"));
  const QList<QJsonObject> logged = LogLines(dataHome.path());
  QCOMPARE(logged.size(), 1);
  QCOMPARE(logged.at(0)["operation"].toString(), QStringLiteral("backup"));
  QCOMPARE(logged.at(0)["result"].toString(), QStringLiteral("failed"));
  QCOMPARE(logged.at(0)["message"].toString(),
           QStringLiteral("Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde "
                          "nichts gesendet.\n\nDer Quorex antwortet nicht.\nBitte prüfen Sie, ob "
                          "das Gerät eingeschaltet und am gewählten Port angeschlossen ist."));
  QVERIFY(!QDir(dataHome.filePath(QStringLiteral("quorex/Sicherungen"))).exists());
}

// A data folder that cannot be made costs the backup and the log line, never the read.
void TestCliJournal::journalFolderRefuses() {
  QTemporaryDir dataHome;
  QFile blocker(dataHome.filePath(QStringLiteral("quorex")));
  QVERIFY(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  const QString file = Path(QStringLiteral("refused.rquorex"));
  CliRun run({"read", "--port", console.DevicePath(), "-o", file}, dir_.path(),
             DataHome(dataHome.path()));
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QCOMPARE(Contents(file), FileBytes(FactoryValues()));
  const QStringList said = run.Err().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QCOMPARE(said.size(), 3);
  QVERIFY2(said.at(0).startsWith(QStringLiteral("quorex-cli: Sicherung fehlgeschlagen: ")),
           run.Said());
  QVERIFY2(said.at(1).startsWith(QStringLiteral("quorex-cli: Protokoll fehlgeschlagen: ")),
           run.Said());
  QCOMPARE(said.at(2), QStringLiteral("gespeichert in: %1").arg(file));
}

void TestCliJournal::backupNotStored_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("reason");
  const QString notAFolder = QStringLiteral("/quorex/Sicherungen ist kein Ordner, sondern eine Datei");
  QTest::newRow("a file where the backups belong") << "write" << "file" << notAFolder;
  QTest::newRow("full data folder")
      << "write" << "full" << QStringLiteral("Kein freier Speicherplatz auf dem Datenträger");
  QTest::newRow("apply, a file where the backups belong") << "apply" << "file" << notAFolder;
  QTest::newRow("a link that leads nowhere where the backups belong")
      << "write" << "link to nowhere"
      << QStringLiteral("/quorex/Sicherungen ist kein Ordner, sondern ein symbolischer Link");
}

// "--backup" and apply ask for a way back: without a stored backup nothing is sent.
void TestCliJournal::backupNotStored() {
  QFETCH(QString, command);
  QFETCH(QString, how);
  QFETCH(QString, reason);
  QTemporaryDir home;
  SmallDisk disk;
  QString dataHome = home.path();
  if (how == QLatin1String("full")) {
    if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
    dataHome = disk.FilePath(QString());
  }
  QVERIFY(QDir().mkpath(dataHome + QStringLiteral("/quorex")));
  if (how == QLatin1String("full"))
    QVERIFY(disk.Fill());
  else
    QVERIFY(OddFiles::Make(dataHome + QStringLiteral("/quorex/Sicherungen"), how));
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  const QStringList arguments =
      command == QLatin1String("apply")
          ? QStringList{"apply", "--port", console.DevicePath(),
                        WriteFile(QStringLiteral("site.txt"), "squelch.kreis2.sql = SQL aktiv high\n")}
          : QStringList{"write", "--port", console.DevicePath(),
                        WriteFile(QStringLiteral("unsent.rquorex"), FunkkreisOneOff()), "--backup"};
  CliRun run(arguments, dir_.path(), DataHome(dataHome));
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 4, run.Said());
  QCOMPARE(console.Received(), ReadSession());
  QCOMPARE(Registers(console), FactoryValues());
  const QString said = QStringLiteral(
      "Der Quorex konnte vor dem Senden nicht gesichert werden. Es wurde nichts gesendet.");
  const QString first = run.Err().section(QLatin1Char('\n'), 0, 0);
  QVERIFY2(first.startsWith(QStringLiteral("quorex-cli: ") + said + QLatin1Char(' ')) &&
               first.contains(reason),
           run.Said());
  if (how == QLatin1String("full")) return;
  const QList<QJsonObject> logged = LogLines(dataHome);
  QCOMPARE(logged.size(), 1);
  QCOMPARE(logged.at(0)["result"].toString(), QStringLiteral("failed"));
  QVERIFY(logged.at(0)["message"].toString().startsWith(said + QStringLiteral("\n\n")));
}

void TestCliJournal::oddDataFolder_data() {
  QTest::addColumn<QString>("place");   // DATA: the data folder, LOG: the log, LOCK: its lock
  QTest::addColumn<QString>("kind");    // what is there: OddFiles::Make's, or a full disk
  QTest::addColumn<QString>("logged");  // why the log line failed (the system's words vary)
  QTest::addColumn<bool>("unreadable");  // whether "log" fails for it
  const QString pipe =
      QStringLiteral("Das Protokoll LOG ist keine gewöhnliche Datei, sondern eine Pipe.");
  const QString device =
      QStringLiteral("Das Protokoll LOG ist keine gewöhnliche Datei, sondern ein Gerät.");
  QTest::newRow("log is a pipe") << "LOG" << "pipe" << pipe << true;
  QTest::newRow("log is a link to a device") << "LOG" << "link to /dev/zero" << device << true;
  QTest::newRow("lock is a pipe")
      << "LOCK" << "pipe"
      << QStringLiteral("Die Sperrdatei LOCK ist keine gewöhnliche Datei, sondern eine Pipe.")
      << false;
  QTest::newRow("lock is a folder")
      << "LOCK" << "folder"
      << QStringLiteral("Die Sperrdatei LOCK ist keine gewöhnliche Datei, sondern ein Ordner.")
      << false;
  QTest::newRow("data folder is a file")
      << "DATA" << "file"
      << QStringLiteral("Der Ordner DATA konnte nicht angelegt werden: DATA ist kein Ordner, "
                        "sondern eine Datei")
      << false;
  QTest::newRow("full disk")
      << "DATA" << "full"
      << QStringLiteral("Das Protokoll LOG kann nicht gesperrt werden: Kein freier Speicherplatz "
                        "auf dem Datenträger")
      << false;
}

// Nothing waits on the log: a console command keeps its own outcome and says why its line is
// missing; "log" refuses at once what it cannot read. Each run is bounded by Finish's time.
void TestCliJournal::oddDataFolder() {
  QFETCH(QString, place);
  QFETCH(QString, kind);
  QFETCH(QString, logged);
  QFETCH(bool, unreadable);
  QTemporaryDir home;
  SmallDisk disk;
  QString dataHome = home.path();
  if (kind == QLatin1String("full")) {
    if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
    dataHome = disk.FilePath(QString());
  }
  const QString data = dataHome + QStringLiteral("/quorex");
  const QString log = data + QStringLiteral("/protokoll.jsonl");
  const QMap<QString, QString> places = {
      {"DATA", data}, {"LOG", log}, {"LOCK", log + QStringLiteral(".lock")}};
  if (place != QLatin1String("DATA") || kind == QLatin1String("full"))
    QVERIFY(QDir().mkpath(data));
  if (kind == QLatin1String("full"))
    QVERIFY(disk.Fill());
  else
    QVERIFY(OddFiles::Make(places[place], kind));
  for (auto it = places.begin(); it != places.end(); ++it) logged.replace(it.key(), it.value());
  const QString file = WriteFile(QStringLiteral("odd.rquorex"), FactoryValues());
  CliRun verify({"verify", "--port", kNoSuchPort, file, "--format", "json"}, QString(),
                DataHome(dataHome));
  CliRun listing({"log"}, QString(), DataHome(dataHome));
  QVERIFY(verify.Finish());
  QVERIFY(listing.Finish());

  // The port's failure is the command's; the log's stands on a line of its own beside it.
  QVERIFY2(verify.ExitCode() == 3, verify.Said());
  QCOMPARE(QJsonDocument::fromJson(verify.Out().toUtf8()).object(),
           (QJsonObject{{"error", kOpenFailed.mid(12).chopped(1)}, {"exit", 3}}));
  QVERIFY2(verify.Err().contains(QStringLiteral("\nquorex-cli: Protokoll fehlgeschlagen: ") +
                                 logged),
           verify.Said());
  QVERIFY2(listing.ExitCode() == (unreadable ? 4 : 0), listing.Said());
  QCOMPARE(listing.Err(), unreadable ? QStringLiteral("quorex-cli: ") + logged + '\n' : QString());
  QCOMPARE(listing.Out(), QString());
}

QTEST_GUILESS_MAIN(TestCliJournal)
#include "tst_cli_journal.moc"
