// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRunner.h"
#include "ConsoleScripts.h"
#include "OddFiles.h"
#include "QuorexVersion.h"
#include "RegisterFixtures.h"
#include "SimulatedConsole.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <memory>

// quorex-cli run as a process, as a workshop's script runs it, against a simulated console
// in this process. The CLI runs while this test's event loop turns, so that the console can
// answer: nothing here may block waiting for the process.
//
// The command line itself, files, reports, ports, the log, and reading and comparing the
// console; the writes and resets are in tst_cli_transfer, backups and log lines in
// tst_cli_journal (each at the console's real pace, so they run beside each other).

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

// quorex-cli is another process: only a pseudo-terminal reaches it, whatever line the other
// tests are given.
constexpr SimulatedConsole::Transport kLine = SimulatedConsole::Transport::PseudoTerminal;

// A pseudo-terminal to give the program as its stderr, as a technician's terminal would be.
class Terminal {
 public:
  Terminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ >= 0) fcntl(master_, F_SETFD, FD_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    path_ = QString::fromLocal8Bit(ptsname(master_));
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
      char buffer[4096];
      const ssize_t n = ::read(master_, buffer, sizeof buffer);
      if (n > 0)
        shown_.append(buffer, int(n));
      else if (n == 0 || errno != EAGAIN)
        notifier_->setEnabled(false);  // the program has closed its end
    });
  }
  ~Terminal() {
    notifier_.reset();
    if (master_ >= 0) ::close(master_);
  }
  QString Path() const { return path_; }
  // What the terminal shows, with the terminal's own "\r\n" for "\n" taken back.
  QString Shown() const {
    return QString::fromUtf8(shown_).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

 private:
  int master_ = -1;
  QString path_;
  QByteArray shown_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace

class TestCli : public QObject, protected CliTestFolder {
  Q_OBJECT

 private slots:
  void initTestCase();
  void usage_data();
  void usage();
  void read();
  void verify();
  void terminal();
  void consoleFailures_data();
  void consoleFailures();
  void fileFailures_data();
  void fileFailures();
  void reportText();
  void reportJson();
  void reportFiles_data();
  void reportFiles();
  void outputIsARegularFileOrNothing_data();
  void outputIsARegularFileOrNothing();
  void savesOnAFullDisk_data();
  void savesOnAFullDisk();
  void diff_data();
  void diff();
  void ports_data();
  void ports();
  void log_data();
  void log();
  void logOnFullDisk_data();
  void logOnFullDisk();
  void controlCharacters();

};

void TestCli::initTestCase() {
  QVERIFY(dir_.isValid());
  QVERIFY(QFile::exists(QStringLiteral(QUOREX_CLI_PROGRAM)));
}

void TestCli::usage_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("out");  // a part of stdout; stdout is empty where this is
  QTest::addColumn<QString>("err");  // a part of the reason; stderr is empty where this is

  const QString port = kNoSuchPort;
  QTest::newRow("--help") << QStringList{"--help"} << 0
                          << QStringLiteral("diff DATEI_A DATEI_B [--format text|json]")
                          << QString();
  QTest::newRow("--help names the program")
      << QStringList{"--help"} << 0 << QStringLiteral("Aufruf: quorex-cli [Optionen] befehl")
      << QString();
  QTest::newRow("-h beside a command") << QStringList{"frobnicate", "-h"} << 0
                                       << QStringLiteral("reset --port PORT --yes") << QString();
  QTest::newRow("--version")
      << QStringList{"--version"} << 0
      << QStringLiteral("quorex-cli %1\n").arg(QString::fromLatin1(kQuorexVersion)) +
             QString::fromUtf8(kQuorexLicenceNotice)
      << QString();
  QTest::newRow("no command") << QStringList{} << 2 << QString()
                              << QStringLiteral("Bitte geben Sie einen Befehl an.");
  QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << QString()
                                   << QStringLiteral("Unbekannter Befehl \"frobnicate\".");
  QTest::newRow("unknown option") << QStringList{"diff", "a", "b", "--bogus"} << 2 << QString()
                                  << QStringLiteral("'bogus'");
  QTest::newRow("--port without its value")
      << QStringList{"version", "--port"} << 2 << QString() << QStringLiteral("'--port'");
  QTest::newRow("no --port") << QStringList{"version"} << 2 << QString()
                             << QStringLiteral("Der Befehl version braucht --port.");
  QTest::newRow("empty --port") << QStringList{"version", "--port", ""} << 2 << QString()
                                << QStringLiteral("Der Name des Ports ist leer.");
  QTest::newRow("blank --port") << QStringList{"version", "--port", "  "} << 2 << QString()
                                << QStringLiteral("Der Name des Ports ist leer.");
  QTest::newRow("--port twice") << QStringList{"version", "--port", port, "-p", port} << 2
                                << QString() << QStringLiteral("--port ist mehrfach angegeben");
  QTest::newRow("-o twice") << QStringList{"report", "a", "-o", "x", "--output", "y"} << 2
                            << QString() << QStringLiteral("--output ist mehrfach angegeben");
  QTest::newRow("read to stdout")
      << QStringList{"read", "--port", port, "-o", "-"} << 2 << QString()
      << QStringLiteral("braucht -o");
  QTest::newRow("read without -o")
      << QStringList{"read", "--port", port} << 2 << QString() << QStringLiteral("braucht -o");
  QTest::newRow("read with a file but no -o")
      << QStringList{"read", "--port", port, "a"} << 2 << QString() << QStringLiteral("braucht -o");
  QTest::newRow("write without a file") << QStringList{"write", "--port", port} << 2 << QString()
                                        << QStringLiteral("fehlt der Name der Registerdatei");
  QTest::newRow("apply without a text") << QStringList{"apply", "--port", port} << 2 << QString()
                                        << QStringLiteral("fehlt der Name des Einstellungstextes");
  QTest::newRow("diff with one file")
      << QStringList{"diff", "a"} << 2 << QString() << QStringLiteral("zweier Registerdateien");
  QTest::newRow("diff with three files")
      << QStringList{"diff", "a", "b", "c"} << 2 << QString()
      << QStringLiteral("Zu viele Argumente für den Befehl diff: c");
  QTest::newRow("empty file name") << QStringList{"report", ""} << 2 << QString()
                                   << QStringLiteral("Der Name der Registerdatei ist leer.");
  QTest::newRow("--verify with read")
      << QStringList{"read", "--port", port, "-o", "a", "--verify"} << 2 << QString()
      << QStringLiteral("Die Option --verify gilt nicht für den Befehl read.");
  QTest::newRow("--yes with write")
      << QStringList{"write", "--port", port, "a", "--yes"} << 2 << QString()
      << QStringLiteral("Die Option --yes gilt nicht für den Befehl write.");
  QTest::newRow("--port with diff")
      << QStringList{"diff", "a", "b", "--port", port} << 2 << QString()
      << QStringLiteral("Die Option --port gilt nicht für den Befehl diff.");
  QTest::newRow("unknown format") << QStringList{"diff", "a", "b", "--format", "xml"} << 2
                                  << QString() << QStringLiteral("\"xml\"");
  QTest::newRow("html is no diff format") << QStringList{"diff", "a", "b", "--format", "html"} << 2
                                          << QString() << QStringLiteral("text, json");
  QTest::newRow("pdf without -o") << QStringList{"report", "a", "--format", "pdf"} << 2 << QString()
                                  << QStringLiteral("mit -o die Ausgabedatei");
  QTest::newRow("--format with a plain write")
      << QStringList{"write", "--port", port, "a", "--format", "json"} << 2
      << QStringLiteral(R"("exit":2})") << QStringLiteral("nur zusammen mit --verify");
  QTest::newRow("--backup with read")
      << QStringList{"read", "--port", port, "-o", "a", "--backup"} << 2 << QString()
      << QStringLiteral("Die Option --backup gilt nicht für den Befehl read.");
  QTest::newRow("--since that is no date")
      << QStringList{"log", "--since", "2026-13-01"} << 2 << QString()
      << QStringLiteral("\"2026-13-01\" ist kein Datum");
  QTest::newRow("--since with a sign")
      << QStringList{"log", "--since", "-2026-01-01"} << 2 << QString()
      << QStringLiteral("\"-2026-01-01\" ist kein Datum");
  QTest::newRow("--port with log") << QStringList{"log", "--port", port} << 2 << QString()
                                   << QStringLiteral("--port gilt nicht für den Befehl log");
  QTest::newRow("--format with version")
      << QStringList{"version", "--port", port, "--format", "json"} << 2
      << QStringLiteral(R"({"error":"Die Option --format gilt nicht für den Befehl version.")")
      << QStringLiteral("Die Option --format gilt nicht für den Befehl version.");
}

// A wrong line is refused before anything else happens, with the reason and a short usage.
void TestCli::usage() {
  QFETCH(QStringList, arguments);
  QFETCH(int, exitCode);
  QFETCH(QString, out);
  QFETCH(QString, err);
  CliRun run(arguments, dir_.path());
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == exitCode, run.Said());
  if (out.isEmpty())
    QVERIFY2(run.Out().isEmpty(), run.Said());
  else
    QVERIFY2(run.Out().contains(out), run.Said());
  if (err.isEmpty()) {
    QVERIFY2(run.Err().isEmpty(), run.Said());
  } else {
    // The reason first, then the short usage.
    const QString reason = run.Err().section(QStringLiteral("\nAufruf: "), 0, 0);
    QVERIFY2(reason.startsWith(QStringLiteral("quorex-cli: ")), run.Said());
    QVERIFY2(reason.contains(err), run.Said());
    QVERIFY2(run.Err().contains(QStringLiteral("\nAufruf: quorex-cli read --port PORT -o DATEI\n")),
             run.Said());
    QVERIFY2(run.Err().endsWith(QStringLiteral("quorex-cli --help\n")), run.Said());
  }
  // Nothing a wrong line names is created.
  QVERIFY(!QFile::exists(Path(QStringLiteral("a"))));
}

// At the console's real pace; stderr is a pipe here, so it gets no progress bar.
void TestCli::read() {
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  const QStringList values = Pattern(QStringLiteral("C3"));
  SetRegisters(console, values);
  const QString file = Path(QStringLiteral("read.rquorex"));
  CliRun run({"read", "--port", console.DevicePath(), "-o", file});
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  const QByteArray bytes = Contents(file);
  QCOMPARE(bytes.size(), 2000);
  QCOMPARE(bytes, FileBytes(values));
  QCOMPARE(console.Received(), ReadSession());
  QCOMPARE(run.Out(), QString());
  QCOMPARE(run.Err(), QStringLiteral("gespeichert in: %1\n").arg(file));
}

// Reads and compares, writes nothing. Two consoles at once, so that the two reads share the
// wait.
void TestCli::verify() {
  const QString file = WriteFile(QStringLiteral("verify.rquorex"), FactoryValues());
  SimulatedConsole same(kLine);
  SimulatedConsole changed(kLine);
  QVERIFY(same.Start());
  QVERIFY(changed.Start());
  SetRegisters(changed, FunkkreisOneOff());
  CliRun sameRun({"verify", "--port", same.DevicePath(), file});
  CliRun changedRun({"verify", "--port", changed.DevicePath(), file, "--format", "json"});
  QVERIFY(sameRun.Finish());
  QVERIFY(changedRun.Finish());

  QVERIFY2(sameRun.ExitCode() == 0, sameRun.Said());
  QCOMPARE(sameRun.Out(), QStringLiteral("Keine Unterschiede.\n"));
  QCOMPARE(sameRun.Err(), QString());

  QVERIFY2(changedRun.ExitCode() == 1, changedRun.Said());
  QCOMPARE(changedRun.Err(), QString());
  QJsonParseError error;
  const QJsonDocument json = QJsonDocument::fromJson(changedRun.Out().toUtf8(), &error);
  QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
  const QJsonObject expected{
      {"format", "quorex-diff/1"},
      {"equal", false},
      {"differences", QJsonArray{QJsonObject{{"id", "funkkreis.kreis1.erlaubt"},
                                             {"page", "Funkkreiskonfiguration"},
                                             {"setting", "Funkkreis 1 erlaubt"},
                                             {"registers", QJsonArray{0}},
                                             {"a", "ein"},
                                             {"b", "aus"}}}}};
  QCOMPARE(json.object(), expected);

  for (const SimulatedConsole *console : {&same, &changed})
    QCOMPARE(console->Received(), ReadSession());
}

// What a technician at a terminal sees: a bar redrawn in place, and a failure on a line of
// its own after it; with --quiet only the failure. Three runs at once, so that their reads
// share the wait.
void TestCli::terminal() {
  SimulatedConsole whole(kLine);
  SimulatedConsole hangsUp(kLine);
  SimulatedConsole hangsUpQuiet(kLine);
  for (SimulatedConsole *console : {&whole, &hangsUp, &hangsUpQuiet}) QVERIFY(console->Start());
  whole.SetIdentification("0123456789ABQuorex V 1.06");
  hangsUp.SetFault(Fault::HangUp);
  hangsUpQuiet.SetFault(Fault::HangUp);
  Terminal wholeTerminal;
  Terminal hangsUpTerminal;
  Terminal quietTerminal;
  for (const Terminal *terminal : {&wholeTerminal, &hangsUpTerminal, &quietTerminal})
    QVERIFY(!terminal->Path().isEmpty());
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  CliRun wholeRun({"version", "--port", whole.DevicePath()}, QString(), environment,
                  wholeTerminal.Path());
  CliRun hangsUpRun({"version", "--port", hangsUp.DevicePath()}, QString(), environment,
                    hangsUpTerminal.Path());
  CliRun quietRun({"version", "--port", hangsUpQuiet.DevicePath(), "--quiet"}, QString(),
                  environment, quietTerminal.Path());
  for (CliRun *run : {&wholeRun, &hangsUpRun, &quietRun}) QVERIFY(run->Finish());
  // A terminal may hand over its last bytes after the process has ended.
  for (const Terminal *terminal : {&wholeTerminal, &hangsUpTerminal, &quietTerminal})
    QTRY_VERIFY(terminal->Shown().endsWith(QLatin1Char('\n')));

  QVERIFY2(wholeRun.ExitCode() == 0, wholeRun.Said());
  QCOMPARE(wholeRun.Out(), QStringLiteral("Quorex V 1.06\n"));
  const QString bar = wholeTerminal.Shown();
  QCOMPARE(bar.count(QStringLiteral("\r[")), 200);
  QVERIFY2(bar.endsWith(
               QStringLiteral("\r[########################################] Register 200/200\n")),
           qPrintable(bar.right(200)));

  QVERIFY2(hangsUpRun.ExitCode() == 3, hangsUpRun.Said());
  QCOMPARE(hangsUpRun.Out(), QString());
  const QString broken = hangsUpTerminal.Shown();
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("\\] Register (\\d+)/200\n") +
                         QRegularExpression::escape(kHungUp) + QLatin1Char('$'))
          .match(broken);
  QVERIFY2(match.hasMatch(), qPrintable(broken.right(300)));
  QVERIFY(match.captured(1).toInt() > 90 && match.captured(1).toInt() < 200);

  QVERIFY2(quietRun.ExitCode() == 3, quietRun.Said());
  QCOMPARE(quietRun.Out(), QString());
  QCOMPARE(quietTerminal.Shown(), kHungUp);
}

void TestCli::consoleFailures_data() {
  QTest::addColumn<Fault>("fault");  // None: a port that does not exist
  QTest::addColumn<bool>("fileBefore");
  QTest::addColumn<QString>("err");
  QTest::newRow("no such port") << Fault::None << false
                                << kOpenFailed + QStringLiteral("Details: ");
  QTest::newRow("silent console") << Fault::Silent << false << kSilent;
  QTest::newRow("hang-up keeps the old file") << Fault::HangUp << true << kHungUp;
}

// A read that fails writes nothing: no new file, and an old one stays as it was.
void TestCli::consoleFailures() {
  QFETCH(Fault, fault);
  QFETCH(bool, fileBefore);
  QFETCH(QString, err);
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  console.SetFault(fault);
  const QString file = Path(QStringLiteral("failed.rquorex"));
  QFile::remove(file);
  const QByteArray old = FileBytes(Pattern(QStringLiteral("0")));
  if (fileBefore) WriteFile(QStringLiteral("failed.rquorex"), old);
  const QString port = fault == Fault::None ? kNoSuchPort : console.DevicePath();
  CliRun run({"read", "--port", port, "-o", file});
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 3, run.Said());
  QCOMPARE(run.Out(), QString());
  if (fault == Fault::None)
    QVERIFY2(run.Err().startsWith(err) && run.Err().size() > err.size() + 1, run.Said());
  else
    QCOMPARE(run.Err(), err);
  if (fileBefore)
    QCOMPARE(Contents(file), old);
  else
    QVERIFY(!QFile::exists(file));
  // Nothing else appeared beside it (no temporary file left behind).
  QCOMPARE(QDir(dir_.path()).entryList({"failed*"}, QDir::Files).size(), fileBefore ? 1 : 0);
}

void TestCli::fileFailures_data() {
  QTest::addColumn<QStringList>("arguments");  // PORT stands for the console
  QTest::addColumn<QString>("err");
  const QString bad = QStringLiteral("bad.rquorex");
  const QString good = QStringLiteral("good.rquorex");
  const QString missing = QStringLiteral("missing.rquorex");
  QTest::newRow("write of a file that is no register file")
      << QStringList{"write", "--port", "PORT", bad}
      << QStringLiteral("Zeile 3 enthält nicht genau 8 Hexziffern.");
  QTest::newRow("write --verify of a missing file")
      << QStringList{"write", "--port", "PORT", missing, "--verify"}
      << QStringLiteral("konnte nicht geöffnet werden");
  QTest::newRow("verify against a missing file") << QStringList{"verify", "--port", "PORT", missing}
                                                 << QStringLiteral("konnte nicht geöffnet werden");
  QTest::newRow("report of a file that is no register file")
      << QStringList{"report", bad} << QStringLiteral("Zeile 3 enthält nicht genau 8 Hexziffern.");
  QTest::newRow("diff, second file missing")
      << QStringList{"diff", good, missing} << QStringLiteral("konnte nicht geöffnet werden");
  QTest::newRow("report into a missing folder")
      << QStringList{"report", good, "-o", "no-such-folder/report.txt"}
      << QStringLiteral("kann nicht geschrieben werden: den Ordner");
  QTest::newRow("pdf into a missing folder")
      << QStringList{"report", good, "--format", "pdf", "-o", "no-such-folder/report.pdf"}
      << QStringLiteral("no-such-folder");
}

// Exit 4, the register file's own message, and the console never hears of it.
void TestCli::fileFailures() {
  QFETCH(QStringList, arguments);
  QFETCH(QString, err);
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  QStringList lines = FactoryValues();
  WriteFile(QStringLiteral("good.rquorex"), lines);
  lines[2] = QStringLiteral("1234567");
  WriteFile(QStringLiteral("bad.rquorex"), lines);
  arguments.replaceInStrings(QRegularExpression(QStringLiteral("^PORT$")), console.DevicePath());
  CliRun run(arguments, dir_.path());
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 4, run.Said());
  QCOMPARE(run.Out(), QString());
  QVERIFY2(run.Err().contains(err), run.Said());
  QVERIFY(console.Received().isEmpty());
}

void TestCli::reportText() {
  const QString file = WriteFile(QStringLiteral("report.rquorex"), FunkkreisOneOff());
  CliRun run({"report", file});
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QCOMPARE(run.Err(), QString());
  const QString &text = run.Out();
  QVERIFY(text.startsWith(QStringLiteral("Einstellungsbericht\n===================\n")));
  for (const QString &line :
       {QStringLiteral("^Registerdatei: +%1$").arg(QRegularExpression::escape(file)),
        QStringLiteral("^Funkkreis 1 erlaubt +aus$"), QStringLiteral("^Funkkreis 2 erlaubt +ein$"),
        QStringLiteral("^Beim Einschalten aktive Kreise +Einschaltkreise$"),
        QStringLiteral("^  0 01110010 10000000 00000000 11110000 ")})
    QVERIFY2(text.contains(QRegularExpression(line, QRegularExpression::MultilineOption)),
             qPrintable(line));
  // No console was read, so there is no version to name.
  QVERIFY(!text.contains(QStringLiteral("Version:")));
}

void TestCli::reportJson() {
  const QStringList texts = FunkkreisOneOff();
  WriteFile(QStringLiteral("report.rquorex"), texts);
  // A relative name, as the file is named in the report: with its whole path.
  CliRun run({"report", "report.rquorex", "--format", "json"}, dir_.path());
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(run.Out().toUtf8(), &error).object();
  QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
  QCOMPARE(root.value("file").toString(), Path(QStringLiteral("report.rquorex")));
  QVERIFY(root.value("version").isNull());
  QCOMPARE(root.value("registers").toVariant().toStringList(), texts);
  const QJsonArray pages = root.value("pages").toArray();
  QVERIFY(!pages.isEmpty());
  const QJsonObject first = pages.first().toObject();
  QCOMPARE(first.value("page").toString(), QStringLiteral("Funkkreiskonfiguration"));
  const QJsonObject setting = first.value("settings").toArray().first().toObject();
  QCOMPARE(root.value("format").toString(), QStringLiteral("quorex-report/1"));
  QCOMPARE(setting, (QJsonObject{{"id", "funkkreis.kreis1.erlaubt"},
                                 {"setting", "Funkkreis 1 erlaubt"},
                                 {"value", "aus"},
                                 {"register", 0},
                                 {"positions", QJsonArray{0}}}));
}

void TestCli::reportFiles_data() {
  QTest::addColumn<QString>("format");
  QTest::addColumn<QByteArray>("start");
  QTest::newRow("text") << QStringLiteral("text") << QByteArray("Einstellungsbericht\n");
  QTest::newRow("json") << QStringLiteral("json") << QByteArray("{");
  QTest::newRow("html") << QStringLiteral("html") << QByteArray("<!DOCTYPE html>");
  QTest::newRow("pdf") << QStringLiteral("pdf") << QByteArray("%PDF-");
}

// Into a file with -o. No display is needed, not even for the PDF, whatever platform the
// environment names.
void TestCli::reportFiles() {
  QFETCH(QString, format);
  QFETCH(QByteArray, start);
  const QString file = WriteFile(QStringLiteral("report.rquorex"), FunkkreisOneOff());
  const QString output = Path(QStringLiteral("report.") + format);
  QFile::remove(output);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.remove(QStringLiteral("DISPLAY"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  CliRun run({"report", file, "--format", format, "-o", output}, QString(), environment);
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QCOMPARE(run.Out(), QString());
  // Qt may warn about the session it finds (no XDG_RUNTIME_DIR) before the confirmation.
  QVERIFY2(run.Err().endsWith(QStringLiteral("gespeichert in: %1\n").arg(output)), run.Said());
  const QByteArray bytes = Contents(output);
  QVERIFY2(bytes.startsWith(start), bytes.left(40).constData());
  if (format != QLatin1String("pdf"))
    QVERIFY(QString::fromUtf8(bytes).contains(QStringLiteral("aus")));
}

void TestCli::outputIsARegularFileOrNothing_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QStringList>("arguments");  // PORT: the console, OUT: the target
  const QStringList report{"report", "good.rquorex", "-o", "OUT"};
  const QStringList pdf{"report", "good.rquorex", "--format", "pdf", "-o", "OUT"};
  const QStringList read{"read", "--port", "PORT", "-o", "OUT"};
  for (const char *kind : {"pipe", "device", "folder"}) {
    QTest::addRow("report into a %s", kind) << QString::fromLatin1(kind) << report;
    QTest::addRow("pdf into a %s", kind) << QString::fromLatin1(kind) << pdf;
    QTest::addRow("read into a %s", kind) << QString::fromLatin1(kind) << read;
  }
}

// A save puts a new file in place of the target: a pipe or a device node (even /dev/null, for
// root) would be gone. Refused before the console hears anything.
void TestCli::outputIsARegularFileOrNothing() {
  QFETCH(QString, kind);
  QFETCH(QStringList, arguments);
  WriteFile(QStringLiteral("good.rquorex"), FactoryValues());
  const QString target = Path(QStringLiteral("target"));
  QDir(target).removeRecursively();
  QFile::remove(target);
  const QByteArray name = QFile::encodeName(target);
  if (kind == QLatin1String("pipe")) {
    QCOMPARE(::mkfifo(name.constData(), 0600), 0);
  } else if (kind == QLatin1String("device")) {
    // A copy of /dev/null in our own folder.
    if (::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
      QSKIP("making a device node needs root");
  } else {
    QVERIFY(QDir().mkpath(target));
  }
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  arguments.replaceInStrings(QRegularExpression(QStringLiteral("^PORT$")), console.DevicePath());
  arguments.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), target);
  CliRun run(arguments, dir_.path());
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 4, run.Said());
  QVERIFY2(run.Err().contains(kind == QLatin1String("folder") ? QStringLiteral("Ordner")
                                                              : QStringLiteral("keine gewöhnliche Datei")),
           run.Said());
  QVERIFY(console.Received().isEmpty());
  const QFileInfo info(target);
  QVERIFY(info.exists() && !info.isFile());
  QCOMPARE(info.isDir(), kind == QLatin1String("folder"));
  QVERIFY(QDir(target).removeRecursively() || QFile::remove(target));
}

void TestCli::savesOnAFullDisk_data() {
  QTest::addColumn<QString>("format");
  QTest::newRow("text") << QStringLiteral("text");
  QTest::newRow("html") << QStringLiteral("html");
  QTest::newRow("pdf") << QStringLiteral("pdf");
}

// Whole or not at all: on a disk without room, the old report stays as it was.
void TestCli::savesOnAFullDisk() {
  QFETCH(QString, format);
  SmallDisk disk;
  if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
  const QString output = disk.FilePath(QStringLiteral("report.") + format);
  {
    QFile old(output);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old report\n") == 11);
  }
  QVERIFY(disk.Fill());
  const QString file = WriteFile(QStringLiteral("report.rquorex"), FactoryValues());
  CliRun run({"report", file, "--format", format, "-o", output});
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 4, run.Said());
  QVERIFY2(run.Err().contains(QStringLiteral("gespeichert werden")), run.Said());
  QCOMPARE(Contents(output), QByteArray("old report\n"));
  QCOMPARE(QDir(disk.FilePath(QString())).entryList(QDir::Files).size(), 2);
}

void TestCli::diff_data() {
  QTest::addColumn<int>("reg");       // the register changed in b; -1: none
  QTest::addColumn<QString>("text");  // its new text
  QTest::addColumn<QString>("format");
  QTest::addColumn<int>("exitCode");
  QTest::addColumn<QString>("out");

  QTest::newRow("equal") << -1 << QString() << QStringLiteral("text") << 0
                         << QStringLiteral("Keine Unterschiede.\n");
  QTest::newRow("equal, json") << -1 << QString() << QStringLiteral("json") << 0
                               << QStringLiteral(R"({"format": "quorex-diff/1", "equal": true, "differences": []})");
  QTest::newRow("one setting") << 0 << QStringLiteral("01110010") << QStringLiteral("text") << 1
                               << QStringLiteral(
                                      "Funkkreiskonfiguration / Funkkreis 1 erlaubt (Register 0)\n"
                                      "  a.rquorex: ein\n"
                                      "  b.rquorex: aus\n"
                                      "\n"
                                      "1 Unterschied.\n");
  QTest::newRow("one setting, json")
      << 0 << QStringLiteral("01110010") << QStringLiteral("json") << 1
      << QStringLiteral(R"({"format": "quorex-diff/1", "equal": false, "differences": [
                           {"id": "funkkreis.kreis1.erlaubt", "page": "Funkkreiskonfiguration",
                           "setting": "Funkkreis 1 erlaubt", "registers": [0], "a": "ein",
                           "b": "aus"}]})");
  QTest::newRow("two settings in one register")
      << 0 << QStringLiteral("01010010") << QStringLiteral("text") << 1
      << QStringLiteral(
             "Funkkreiskonfiguration / Funkkreis 1 erlaubt (Register 0)\n"
             "  a.rquorex: ein\n"
             "  b.rquorex: aus\n"
             "\n"
             "Funkkreiskonfiguration / Funkkreis 3 erlaubt (Register 0)\n"
             "  a.rquorex: ein\n"
             "  b.rquorex: aus\n"
             "\n"
             "2 Unterschiede.\n");
  QTest::newRow("register no page uses")
      << 150 << QStringLiteral("FFFF0000") << QStringLiteral("text") << 1
      << QStringLiteral(
             "Übrige Register / Register 150\n"
             "  a.rquorex: FFFFFFFF\n"
             "  b.rquorex: FFFF0000\n"
             "\n"
             "1 Unterschied.\n");
  QTest::newRow("unused position beside a setting, json")
      << 0 << QStringLiteral("1111001F") << QStringLiteral("json") << 1
      << QStringLiteral(R"({"format": "quorex-diff/1", "equal": false, "differences": [
                           {"id": "register.000", "page": "Übrige Register",
                           "setting": "Register 0", "registers": [0], "a": "11110010",
                           "b": "1111001F"}]})");
}

void TestCli::diff() {
  QFETCH(int, reg);
  QFETCH(QString, text);
  QFETCH(QString, format);
  QFETCH(int, exitCode);
  QFETCH(QString, out);
  QStringList b = FactoryValues();
  if (reg >= 0) b[reg] = text;
  WriteFile(QStringLiteral("a.rquorex"), FactoryValues());
  WriteFile(QStringLiteral("b.rquorex"), b);
  CliRun run({"diff", "a.rquorex", "b.rquorex", "--format", format}, dir_.path());
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == exitCode, run.Said());
  QCOMPARE(run.Err(), QString());
  if (format == QLatin1String("text")) {
    QCOMPARE(run.Out(), out);
    return;
  }
  QJsonParseError error;
  const QJsonDocument json = QJsonDocument::fromJson(run.Out().toUtf8(), &error);
  QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
  QCOMPARE(json, QJsonDocument::fromJson(out.toUtf8()));
}

void TestCli::ports_data() {
  QTest::addColumn<QString>("format");
  QTest::newRow("text") << "text";
  QTest::newRow("json") << "json";
}

// Every port the system reports, each a device that exists, with what is known of its adapter
// and whether it can be opened; when none can, stderr says what to do and nothing else does.
void TestCli::ports() {
  QFETCH(QString, format);
  CliRun run({"ports", "--format", format});
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QStringList names;
  QList<bool> opens;
  if (format == QLatin1String("text")) {
    QStringList lines = run.Out().split(QLatin1Char('\n'));
    QCOMPARE(lines.takeLast(), QString());
    if (!lines.isEmpty())
      QVERIFY2(lines.takeFirst().startsWith(QStringLiteral("Port ")), qPrintable(run.Out()));
    for (const QString &line : std::as_const(lines)) {
      const QStringList columns = line.split(QRegularExpression(QStringLiteral("\\s{2,}")));
      QCOMPARE(columns.size(), 5);
      names.append(columns.constFirst());
      opens.append(columns.constLast() == QLatin1String("ja"));
      QVERIFY2(opens.constLast() || columns.constLast() == QLatin1String("nein"), qPrintable(line));
    }
  } else {
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.Out().toUtf8(), &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(json.value(QStringLiteral("format")).toString(), QStringLiteral("quorex-ports/1"));
    for (const QJsonValue &value : json.value(QStringLiteral("ports")).toArray()) {
      const QJsonObject port = value.toObject();
      for (const char *key : {"description", "manufacturer", "serialNumber"})
        QVERIFY2(port.value(QLatin1String(key)).isString(), key);
      for (const char *key : {"vendorId", "productId"})
        QVERIFY2(port.value(QLatin1String(key)).isNull() || port.value(QLatin1String(key)).isDouble(), key);
      QVERIFY(port.value(QStringLiteral("canOpen")).isBool());
      names.append(port.value(QStringLiteral("name")).toString());
      opens.append(port.value(QStringLiteral("canOpen")).toBool());
    }
  }
  for (const QString &name : std::as_const(names))
    QVERIFY2(
        QFile::exists(name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name),
        qPrintable(name));
  QCOMPARE(run.Err().isEmpty(), opens.contains(true));
}

void TestCli::log_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<QString>("out");
  const QString both = QStringLiteral(
      "07.12.2026 13:00:00  Lesen  erfolgreich  quorex-cli  /dev/ttyUSB0  Quorex V 1.07\n"
      "  Datei: /tmp/a.rquorex\n"
      "  Sicherung: 2026-12-07_14-00-00_Quorex_V_1.07.rquorex\n"
      "08.12.2026 09:00:00  Senden  fehlgeschlagen  quorex  COM3\n"
      "  Unterschiede: 2\n"
      "  Die Verbindung zum Quorex wurde unterbrochen.\n"
      "  Bitte prüfen Sie Kabel und Port.\n");
  QTest::newRow("text") << QStringList{"log"} << both;
  QTest::newRow("text since a day")
      << QStringList{"log", "--since", "2026-12-08"} << both.section(QLatin1Char('\n'), 3);
  QTest::newRow("json") << QStringList{"log", "--format", "json"} << QStringLiteral("json");
  // The output's BOM is taken off as it is read here; tst_journal looks at the bytes.
  QTest::newRow("csv") << QStringList{"log", "--format", "csv"}
                       << QStringLiteral(
                              "Zeit;Programm;Vorgang;Port;Quorex;Datei;Sicherung;Ergebnis;"
                              "Meldung;Register;Unterschiede\r\n"
                              "07.12.2026 13:00:00;quorex-cli;Lesen;/dev/ttyUSB0;Quorex V 1.07;"
                              "/tmp/a.rquorex;2026-12-07_14-00-00_Quorex_V_1.07.rquorex;"
                              "erfolgreich;;200;\r\n"
                              "08.12.2026 09:00:00;quorex;Senden;COM3;;;;fehlgeschlagen;\"Die "
                              "Verbindung zum Quorex wurde unterbrochen.\nBitte prüfen Sie Kabel "
                              "und Port.\";57;2\r\n");
}

// The log as the workshop wrote it, a damaged line among the others.
void TestCli::log() {
  QFETCH(QStringList, arguments);
  QFETCH(QString, out);
  QTemporaryDir dataHome;
  QVERIFY(QDir().mkpath(dataHome.filePath(QStringLiteral("quorex"))));
  const QByteArray lines =
      "{\"time\":\"2026-12-07T14:00:00+01:00\",\"program\":\"quorex-cli\",\"operation\":"
      "\"read\",\"port\":\"/dev/ttyUSB0\",\"console\":\"Quorex V 1.07\",\"file\":"
      "\"/tmp/a.rquorex\",\"backup\":\"2026-12-07_14-00-00_Quorex_V_1.07.rquorex\",\"result\":"
      "\"ok\",\"message\":\"\",\"registers\":200,\"differences\":null}\n"
      "{\"time\":\"2026-12-07T14:00\n"
      "{\"time\":\"2026-12-08T10:00:00+01:00\",\"program\":\"quorex\",\"operation\":\"write\","
      "\"port\":\"COM3\",\"console\":\"\",\"file\":\"\",\"backup\":\"\",\"result\":"
      "\"failed\",\"message\":\"Die Verbindung zum Quorex wurde unterbrochen.\\nBitte prüfen Sie "
      "Kabel und Port.\",\"registers\":57,\"differences\":2}\n";
  QFile file(dataHome.filePath(QStringLiteral("quorex/protokoll.jsonl")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(lines), lines.size());
  file.close();
  CliRun run(arguments, QString(), DataHome(dataHome.path()));
  QVERIFY(run.Finish());
  QVERIFY2(run.ExitCode() == 0, run.Said());
  QCOMPARE(run.Err(), QStringLiteral("1 beschädigte Zeile im Protokoll wurde übersprungen.\n"));
  if (out != QLatin1String("json")) {
    QCOMPARE(run.Out(), out);
    return;
  }
  const QJsonArray array = QJsonDocument::fromJson(run.Out().toUtf8()).array();
  QCOMPARE(array.size(), 2);
  QCOMPARE(array.at(0)["operation"].toString(), QStringLiteral("read"));
  QCOMPARE(array.at(1)["registers"].toInt(), 57);
  QCOMPARE(array.at(1)["time"].toString(), QStringLiteral("2026-12-08T09:00:00+00:00"));
}

void TestCli::logOnFullDisk_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::newRow("log") << QStringList{"log"};
  QTest::newRow("--help") << QStringList{"--help"};
  QTest::newRow("--version") << QStringList{"--version"};
}

// Output that cannot be written is an error, not a listing that silently ends, nor help that
// passes for shown.
void TestCli::logOnFullDisk() {
  QFETCH(QStringList, arguments);
  QTemporaryDir dataHome;
  QVERIFY(QDir().mkpath(dataHome.filePath(QStringLiteral("quorex"))));
  QFile file(dataHome.filePath(QStringLiteral("quorex/protokoll.jsonl")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  const QByteArray line =
      "{\"time\":\"2026-12-07T14:00:00+01:00\",\"program\":\"quorex\",\"operation\":\"read\","
      "\"port\":\"COM3\",\"console\":\"\",\"file\":\"\",\"backup\":\"\",\"result\":\"ok\","
      "\"message\":\"\",\"registers\":200,\"differences\":null}\n";
  // More than any buffer holds, so that writing fails before the end as well as at it.
  for (int i = 0; i < 2000; ++i) QCOMPARE(file.write(line), line.size());
  file.close();
  QProcess cli;
  cli.setProcessEnvironment(DataHome(dataHome.path()));
  cli.setStandardOutputFile(QStringLiteral("/dev/full"));
  cli.start(QStringLiteral(QUOREX_CLI_PROGRAM), arguments);
  QVERIFY(cli.waitForFinished(30000));
  QCOMPARE(cli.exitCode(), 4);
  QCOMPARE(QString::fromUtf8(cli.readAllStandardError()),
           QStringLiteral("quorex-cli: Die Ausgabe konnte nicht geschrieben werden.\n"));
}

// A console's identification, a file name or a message holding control characters reach the
// terminal written out, so that none can rewrite the screen or forge a line of the listing.
void TestCli::controlCharacters() {
  QTemporaryDir dataHome;
  SimulatedConsole console(kLine);
  QVERIFY(console.Start());
  console.SetIdentification("0123456789ABQuorex\x1b[2J V 1.07\x07\rX\x9b");
  const QString shown = QStringLiteral("Quorex\\e[2J V 1.07\\x07\\rX\\x9b");
  CliRun version({"version", "--port", console.DevicePath()}, QString(), DataHome(dataHome.path()));
  QVERIFY(version.Finish());
  QVERIFY2(version.ExitCode() == 0, version.Said());
  QCOMPARE(version.Out(), shown + QLatin1Char('\n'));

  QFile file(dataHome.filePath(QStringLiteral("quorex/protokoll.jsonl")));
  QVERIFY(file.open(QIODevice::Append));
  file.write("{\"time\":\"2026-12-08T09:00:00+00:00\",\"program\":\"quorex\",\"operation\":"
             "\"read\",\"port\":\"COM3\",\"console\":\"\",\"file\":\"a\\n08.12.2026 09:00:00  "
             "Senden\",\"backup\":\"\",\"result\":\"ok\",\"message\":\"\\u001b[1mfett\\nzwei\","
             "\"registers\":200,\"differences\":null}\n");
  file.close();
  CliRun log({"log"}, QString(), DataHome(dataHome.path()));
  QVERIFY(log.Finish());
  QVERIFY2(log.ExitCode() == 0, log.Said());
  QVERIFY2(log.Out().contains(QStringLiteral("  Version  erfolgreich  quorex-cli  %1  %2\n")
                                  .arg(console.DevicePath(), shown)),
           log.Said());
  QVERIFY2(log.Out().endsWith(QStringLiteral(
               "08.12.2026 09:00:00  Lesen  erfolgreich  quorex  COM3\n"
               "  Datei: a\\n08.12.2026 09:00:00  Senden\n"
               "  \\e[1mfett\n"
               "  zwei\n")),
           log.Said());

  // A file's name in "gespeichert in: " and in the differences.
  const QString odd = QStringLiteral("a\x1b[1m\nb.rquorex");
  WriteFile(odd, FactoryValues());
  WriteFile(QStringLiteral("b.rquorex"), FactoryValues());
  CliRun set({"set", odd, "funkkreis.kreis1.erlaubt=aus"}, dir_.path());
  QVERIFY(set.Finish());
  QCOMPARE(set.Err(), QStringLiteral("gespeichert in: a\\e[1m\\nb.rquorex\n"));
  CliRun diff({"diff", odd, "b.rquorex"}, dir_.path());
  QVERIFY(diff.Finish());
  QVERIFY2(diff.Out().contains(QStringLiteral("\n  a\\e[1m\\nb.rquorex: aus\n")), diff.Said());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
