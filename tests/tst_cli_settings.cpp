// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliRunner.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

// quorex-cli run as processes on register files, as a workshop's script runs it: settings by
// name (get, set, export, import) and the command line's conventions. No console is involved,
// so each run is simply awaited.

namespace {

// Every register "00000000" but a few, so that the values in words are known here.
QStringList Image() {
  QStringList texts(200, QStringLiteral("00000000"));
  texts[4] = QStringLiteral("01200000");
  texts[13] = QStringLiteral("04500000");
  texts[150] = QStringLiteral("DEADBEEF");
  return texts;
}

// Every register of random digits below `digits`: the lower the bound, the more values a page
// lists; with all 16 many are unknown to every page.
QStringList Random(quint32 seed, int digits) {
  QRandomGenerator random(seed);
  QStringList texts;
  for (int reg = 0; reg < 200; ++reg) {
    QString text;
    for (int pos = 0; pos < 8; ++pos)
      text += QStringLiteral("0123456789ABCDEF").at(random.bounded(digits));
    texts << text;
  }
  return texts;
}

// "id = value" lines of get and export, by id.
QMap<QString, QString> Assignments(const QString &text) {
  QMap<QString, QString> values;
  for (const QString &line : text.split('\n')) {
    if (line.startsWith('#') || !line.contains(" = ")) continue;
    values.insert(line.section(" = ", 0, 0), line.section(" = ", 1));
  }
  return values;
}

}  // namespace

class TestCliSettings : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void get_data();
  void get();
  void getJson();
  void getSetRoundTrip_data();
  void getSetRoundTrip();
  void set_data();
  void set();
  void refusedSetWritesNothing_data();
  void refusedSetWritesNothing();
  void exportThenImportGivesBackTheFile();
  void editedExportChangesOneSetting();
  void refusedImportWritesNothing();
  void importOverABase_data();
  void importOverABase();
  void reportsOfOneFileAreAlike_data();
  void reportsOfOneFileAreAlike();
  void help_data();
  void help();
  void commandHelpNamesItsOptions();
  void errorsStandOnOneLine_data();
  void errorsStandOnOneLine();
  void ownerAndModeKept_data();
  void ownerAndModeKept();
  void reportFormatFollowsTheEnding_data();
  void reportFormatFollowsTheEnding();

 private:
  QString Path(const char *name) const { return dir_->filePath(QString::fromLatin1(name)); }

  std::unique_ptr<QTemporaryDir> dir_;
  QString file_;
};

void TestCliSettings::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  file_ = Path("master.rquorex");
  WriteFile(file_, FileBytes(Image()));
}

void TestCliSettings::get_data() {
  QTest::addColumn<QStringList>("patterns");
  QTest::addColumn<QString>("out");

  QTest::newRow("one id") << QStringList{"busy.ausgang.kreis2"}
                          << "busy.ausgang.kreis2 = BUSY aktiv bei TX aktiv\n";
  QTest::newRow("glob") << QStringList{"busy.ausgang.kreis[34]"}
                        << "busy.ausgang.kreis3 = BUSY aktiv bei Kreis an\n"
                           "busy.ausgang.kreis4 = BUSY immer aus\n";
  QTest::newRow("leading part, catalog order")
      << QStringList{"tonband", "squelch.kreis1.*"}
      << "squelch.kreis1.sql = SQL aktiv low\nsquelch.kreis1.nf = NF immer an\n"
         "tonband.rel_mit_tx = aus\ntonband.rel_mit_jedem_sql = aus\n"
         "tonband.rel_mit_sql_aktiv = aus\ntonband.nachlaufzeit = 45 s\n";
  QTest::newRow("a telegram field")
      << QStringList{"fms.ruf1.status"} << "fms.ruf1.status = Status 0, TKI 1, Baustufe 1\n";
}

void TestCliSettings::get() {
  QFETCH(QStringList, patterns);
  QFETCH(QString, out);
  const CliResult result = RunCli(QStringList{"get", file_} + patterns);
  QCOMPARE(result.err, QString());
  QCOMPARE(result.out, out);
  QCOMPARE(result.exit, 0);

  const CliResult none = RunCli({"get", file_, "squelch.kreis5"});
  QCOMPARE(none.exit, 2);
  QVERIFY2(none.err.contains("Keine Einstellung passt zu \"squelch.kreis5\""),
           qPrintable(none.err));
}

void TestCliSettings::getJson() {
  const CliResult result = RunCli({"get", file_, "--format", "json"});
  QCOMPARE(result.exit, 0);
  const QJsonObject root = QJsonDocument::fromJson(result.out.toUtf8()).object();
  QCOMPARE(root.value("format").toString(), QStringLiteral("quorex-settings/1"));
  const QJsonArray settings = root.value("settings").toArray();
  QVERIFY(settings.size() > 100);
  const QJsonObject first = settings.at(0).toObject();
  QCOMPARE(first.value("id").toString(), QStringLiteral("funkkreis.kreis1.erlaubt"));
  QCOMPARE(first.value("page").toString(), QStringLiteral("Funkkreiskonfiguration"));
  QCOMPARE(first.value("label").toString(), QStringLiteral("Funkkreis 1 erlaubt"));
  QCOMPARE(first.value("value").toString(), QStringLiteral("aus"));
}

void TestCliSettings::getSetRoundTrip_data() {
  QTest::addColumn<QStringList>("image");
  QTest::addColumn<bool>("padded");  // blanks around "=" and the value
  QTest::addColumn<bool>("raw");     // values no page knows are among them

  QTest::newRow("mostly zeros") << Image() << false << false;
  QTest::newRow("low digits, padded") << Random(1, 4) << true << true;
  QTest::newRow("any hex digit") << Random(2, 16) << false << true;
  QTest::newRow("any hex digit, padded") << Random(3, 16) << true << true;
  QTest::newRow("all F") << QStringList(200, QStringLiteral("FFFFFFFF")) << false << true;
}

// Every line get prints, given to set on another file, sets the same characters; export and
// the report's JSON use get's words.
void TestCliSettings::getSetRoundTrip() {
  QFETCH(QStringList, image);
  QFETCH(bool, padded);
  QFETCH(bool, raw);
  WriteFile(file_, FileBytes(image));
  const CliResult got = RunCli({"get", file_});
  QCOMPARE(got.exit, 0);
  const QStringList lines = got.out.split('\n', Qt::SkipEmptyParts);
  QVERIFY(lines.size() > 100);
  if (raw) QVERIFY(got.out.contains(" = roh:"));

  QStringList assignments;
  for (const QString &line : lines)
    assignments << (padded ? QStringLiteral("  %1  =   %2 ")
                                 .arg(line.section(" = ", 0, 0), line.section(" = ", 1))
                           : line);
  const QString other = Path("other.rquorex");
  const QString copy = Path("copy.rquorex");
  WriteFile(other, FileBytes(QStringList(200, QStringLiteral("5A5A5A5A"))));
  const CliResult set = RunCli(QStringList{"set", other} + assignments + QStringList{"-o", copy});
  QVERIFY2(set.exit == 0, qPrintable(set.err));
  QCOMPARE(RunCli({"get", copy, "--format", "json"}).out.section("\"settings\"", 1),
           RunCli({"get", file_, "--format", "json"}).out.section("\"settings\"", 1));

  const QMap<QString, QString> words = Assignments(got.out);
  const QMap<QString, QString> exported = Assignments(RunCli({"export", file_}).out);
  QVERIFY(exported.size() > 100);
  for (auto it = exported.begin(); it != exported.end(); ++it)
    if (!it.key().startsWith("register."))
      QCOMPARE(it.key() + " = " + it.value(), it.key() + " = " + words.value(it.key()));
  const QJsonArray pages = QJsonDocument::fromJson(RunCli({"report", file_, "--format", "json"})
                                                       .out.toUtf8())
                               .object()
                               .value("pages")
                               .toArray();
  int reported = 0;
  for (const QJsonValue &page : pages)
    for (const QJsonValue &entry : page.toObject().value("settings").toArray()) {
      const QString id = entry.toObject().value("id").toString();
      QCOMPARE(id + " = " + entry.toObject().value("value").toString(),
               id + " = " + words.value(id));
      ++reported;
    }
  QCOMPARE(reported, words.size());
}

void TestCliSettings::set_data() {
  QTest::addColumn<QStringList>("assignments");
  QTest::addColumn<QStringList>("changes");  // "register=text" of the new file

  QTest::newRow("item and telegram")
      << QStringList{"squelch.kreis2.sql=SQL aktiv high", "tasten.ptt.fms_kennung=6912a0b1f3"}
      << QStringList{"2=01000000", "20=6912A0B1", "23=0F300000"};
  QTest::newRow("the vehicle code alone")
      << QStringList{"fms.ptt.fahrzeug=A0B1"} << QStringList{"20=0000A0B1"};
  QTest::newRow("box, number, mask")
      << QStringList{"tonband.rel_mit_tx=an", "tonband.nachlaufzeit=655",
                     "funkkreis.letzter_kreis=1, 4"}
      << QStringList{"12=10000000", "13=65500000", "0=00000090"};
  QTest::newRow("later assignment wins")
      << QStringList{"duplex.muting=max. LS aus", "duplex.muting_analog=an"}
      << QStringList{"9=00006000"};
  QTest::newRow("raw characters") << QStringList{"hoerer_ls.hoerer=roh:7"}
                                  << QStringList{"16=70000000"};
}

// With -o the master stays as it was; without it the file itself is replaced.
void TestCliSettings::set() {
  QFETCH(QStringList, assignments);
  QFETCH(QStringList, changes);
  QStringList expected = Image();
  for (const QString &change : changes)
    expected[change.section('=', 0, 0).toInt()] = change.section('=', 1);

  const QString copy = Path("console1.rquorex");
  const CliResult result =
      RunCli(QStringList{"set", file_} + assignments + QStringList{"-o", copy});
  QVERIFY2(result.exit == 0, qPrintable(result.err));
  QCOMPARE(Contents(copy), FileBytes(expected));
  QCOMPARE(Contents(file_), FileBytes(Image()));

  QCOMPARE(RunCli(QStringList{"set", file_} + assignments).exit, 0);
  QCOMPARE(Contents(file_), FileBytes(expected));
}

void TestCliSettings::refusedSetWritesNothing_data() {
  QTest::addColumn<QStringList>("assignments");
  QTest::addColumn<QString>("message");

  QTest::newRow("out of range after a good one")
      << QStringList{"squelch.kreis1.sql=SQL aktiv high", "tonband.nachlaufzeit=700"}
      << "tonband.nachlaufzeit (Tonbandrelais Konfiguration / Nachlaufzeit in s): Geben Sie eine "
         "ganze Zahl zwischen 0 und 655 ein.\n";
  QTest::newRow("not hex") << QStringList{"tasten.ruf1.fms_telegramm=12g"}
                           << "tasten.ruf1.fms_telegramm (Tastenfunktionen / RUF 1 Taste / FMS "
                              "Telegramm): Hexwert eingeben!\n";
  QTest::newRow("unknown id") << QStringList{"squelch.kreis9.sql=SQL aktiv high"}
                              << "Unbekannte Einstellung \"squelch.kreis9.sql\"; die IDs zeigt "
                                 "\"quorex-cli get DATEI\".\n";
  QTest::newRow("no value") << QStringList{"squelch.kreis1.sql"}
                            << "\"squelch.kreis1.sql\" ist keine Zuweisung; erwartet wird "
                               "ID=WERT.\n";
}

void TestCliSettings::refusedSetWritesNothing() {
  QFETCH(QStringList, assignments);
  QFETCH(QString, message);
  const CliResult result = RunCli(QStringList{"set", file_} + assignments);
  QCOMPARE(result.exit, 2);
  QVERIFY2(result.err.endsWith(message), qPrintable(result.err));
  QCOMPARE(Contents(file_), FileBytes(Image()));
}

void TestCliSettings::exportThenImportGivesBackTheFile() {
  const QString text = Path("master.txt");
  const QString back = Path("back.rquorex");
  QCOMPARE(RunCli({"export", file_, "-o", text}).exit, 0);
  const CliResult result = RunCli({"import", text, "-o", back});
  QVERIFY2(result.exit == 0, qPrintable(result.err));
  QCOMPARE(Contents(back), Contents(file_));
  // To stdout, the same text.
  QCOMPARE(RunCli({"export", file_}).out.toUtf8(), Contents(text));
}

void TestCliSettings::editedExportChangesOneSetting() {
  const QString text = QString::fromUtf8(RunCli({"export", file_}).out.toUtf8());
  QVERIFY(text.contains("\nbusy.ausgang.kreis1 = BUSY immer aus\n"));
  QVERIFY(text.contains("\nregister.150 = DEADBEEF\n"));
  QString edited = text;
  edited.replace("\nbusy.ausgang.kreis1 = BUSY immer aus\n",
                 "\nbusy.ausgang.kreis1 = BUSY aktiv bei Kreis an\n");
  edited.replace("\nregister.150 = DEADBEEF\n", "\nregister.150 = deadbee0\n");
  WriteFile(Path("edited.txt"), edited.toUtf8());
  QCOMPARE(RunCli({"import", Path("edited.txt"), "-o", Path("new.rquorex")}).exit, 0);
  QStringList expected = Image();
  expected[4] = QStringLiteral("21200000");
  expected[150] = QStringLiteral("DEADBEE0");
  QCOMPARE(Contents(Path("new.rquorex")), FileBytes(expected));
}

void TestCliSettings::refusedImportWritesNothing() {
  QString text = QString::fromUtf8(RunCli({"export", file_}).out.toUtf8());
  const QStringList lines = text.split('\n');
  const int sql = int(lines.indexOf("squelch.kreis1.sql = SQL aktiv low")) + 1;
  const int time = int(lines.indexOf("sender.sendezeitbegrenzung = 000 s (keine Begrenzung)")) + 1;
  QVERIFY(sql > 0 && time > 0);
  text.replace("squelch.kreis1.sql =", "squelch.kreis1.sq1 =");
  text.replace("sender.sendezeitbegrenzung = 000 s (keine Begrenzung)",
               "sender.sendezeitbegrenzung = 1000");
  WriteFile(Path("bad.txt"), text.toUtf8());

  const CliResult result = RunCli({"import", Path("bad.txt"), "-o", Path("new.rquorex")});
  QCOMPARE(result.exit, 2);
  QVERIFY2(result.err.endsWith(
               QStringLiteral("enthält Fehler; es wurde nichts geschrieben.\n"
                              "Zeile %1: unbekannte Einstellung \"squelch.kreis1.sq1\".\n"
                              "Zeile %2: sender.sendezeitbegrenzung: Das Feld nimmt höchstens 3 "
                              "Zeichen.\n"
                              "Es fehlen:\n  squelch.kreis1.sql\n")
                   .arg(sql)
                   .arg(time)),
           qPrintable(result.err));
  QVERIFY(!QFile::exists(Path("new.rquorex")));
}

void TestCliSettings::importOverABase_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("changes");  // "register=text" of the new file

  QTest::newRow("one setting") << "squelch.kreis2.sql = SQL aktiv high\n"
                               << QStringList{"2=01000000"};
  QTest::newRow("box, number, mask")
      << "# site settings\ntonband.rel_mit_tx = ein\r\n  tonband.nachlaufzeit = 655 s\n"
         "funkkreis.letzter_kreis = 1, 4\n"
      << QStringList{"12=10000000", "13=65500000", "0=00000090"};
  QTest::newRow("a telegram field and a register")
      << "fms.ptt.fahrzeug = A0B1\nregister.150 = deadbee0\n"
      << QStringList{"20=0000A0B1", "150=DEADBEE0"};
  QTest::newRow("the base's own value") << "tonband.nachlaufzeit = 45 s\n" << QStringList{};
}

// Over --base exactly the text's settings change; without it the same text is refused,
// naming at most ten missing ids.
void TestCliSettings::importOverABase() {
  QFETCH(QString, text);
  QFETCH(QStringList, changes);
  QStringList expected = Image();
  for (const QString &change : changes)
    expected[change.section('=', 0, 0).toInt()] = change.section('=', 1);
  WriteFile(Path("site.txt"), text.toUtf8());

  const CliResult result =
      RunCli({"import", Path("site.txt"), "--base", file_, "-o", Path("new.rquorex"), "-v"});
  QVERIFY2(result.exit == 0, qPrintable(result.err));
  QCOMPARE(Contents(Path("new.rquorex")), FileBytes(expected));
  QCOMPARE(Contents(file_), FileBytes(Image()));

  const CliResult refused = RunCli({"import", Path("site.txt"), "-o", Path("other.rquorex")});
  QCOMPARE(refused.exit, 2);
  const QRegularExpression missing(
      "\nEs fehlen:\n(  [a-z0-9_.]+\n){10}und [1-9][0-9]* weitere\n$");
  QVERIFY2(missing.match(refused.err).hasMatch(), qPrintable(refused.err));
  QVERIFY(!QFile::exists(Path("other.rquorex")));
}

void TestCliSettings::reportsOfOneFileAreAlike_data() {
  QTest::addColumn<QString>("format");
  QTest::addColumn<QString>("created");

  QTest::newRow("text") << "text" << "09.12.2026 um 20:00 Uhr\n";
  QTest::newRow("json") << "json" << "\"created\": \"2026-12-09T20:00:00Z\"";
  QTest::newRow("html") << "html" << "09.12.2026 um 20:00 Uhr<";
}

// SOURCE_DATE_EPOCH fixes the creation time, so two reports of one file are byte for byte
// the same.
void TestCliSettings::reportsOfOneFileAreAlike() {
  QFETCH(QString, format);
  QFETCH(QString, created);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1796846400"));
  const CliResult first = RunCli({"report", file_, "--format", format}, environment);
  const CliResult second = RunCli({"report", file_, "--format", format}, environment);
  QCOMPARE(first.exit, 0);
  QVERIFY2(first.out.contains(created), qPrintable(first.out.left(400)));
  QCOMPARE(second.out, first.out);
}

void TestCliSettings::help_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<int>("exit");
  QTest::addColumn<QString>("out");  // the beginning of stdout
  QTest::addColumn<QString>("err");  // the beginning of stderr

  QTest::newRow("help") << QStringList{"help"} << 0 << "Aufruf: " << "";
  QTest::newRow("help of a command") << QStringList{"help", "set"} << 0
                                     << "Aufruf: quorex-cli set DATEI ID=WERT ... [-o NEU]\n\n"
                                        "Ändert Einstellungen nach ID"
                                     << "";
  QTest::newRow("--help of a command") << QStringList{"import", "--help"} << 0
                                       << "Aufruf: quorex-cli import TEXT [--base DATEI] -o NEU\n"
                                       << "";
  QTest::newRow("help of no command") << QStringList{"help", "frobnicate"} << 2 << ""
                                      << "quorex-cli: Unbekannter Befehl \"frobnicate\".\n";
  QTest::newRow("-v is no version") << QStringList{"-v"} << 2 << ""
                                    << "quorex-cli: Bitte geben Sie einen Befehl an.\n";
  QTest::newRow("--version") << QStringList{"--version"} << 0 << "quorex-cli " << "";
  QTest::newRow("set into stdout") << QStringList{"set", "FILE", "tonband.rel_mit_tx=an", "-o", "-"}
                                   << 2 << ""
                                   << "quorex-cli: Der Befehl set schreibt eine Registerdatei; "
                                      "bitte geben Sie mit -o ihren Namen an.\n";
}

void TestCliSettings::help() {
  QFETCH(QStringList, arguments);
  QFETCH(int, exit);
  QFETCH(QString, out);
  QFETCH(QString, err);
  const CliResult result = RunCli(arguments.replaceInStrings(QStringLiteral("FILE"), file_));
  QCOMPARE(result.exit, exit);
  QCOMPARE(Contents(file_), FileBytes(Image()));
  // An empty expectation: nothing at all.
  QVERIFY2(out.isEmpty() ? result.out.isEmpty() : result.out.startsWith(out),
           qPrintable(result.out.left(200)));
  QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.startsWith(err),
           qPrintable(result.err));
}

// Each command's help names the options it takes, with only its own formats.
void TestCliSettings::commandHelpNamesItsOptions() {
  const std::pair<const char *, const char *> expected[] = {
      {"log", "  --since\n      log: nur Einträge ab diesem Tag.\n"},
      {"log", "  --format\n      Ausgabeformat: text (Standard), json oder csv.\n"},
      {"write", "  --backup\n      write: liest und sichert"},
      {"apply", "  --format\n      Ausgabeformat: text (Standard) oder json.\n"}};
  for (const auto &[command, option] : expected) {
    const CliResult result = RunCli({QStringLiteral("help"), QString::fromLatin1(command)});
    QVERIFY2(result.exit == 0 && result.out.contains(QString::fromUtf8(option)),
             qPrintable(result.out));
  }
}

void TestCliSettings::errorsStandOnOneLine_data() {
  QTest::addColumn<QStringList>("arguments");  // FILE: the master file, DIR: the folder
  QTest::addColumn<int>("exit");
  QTest::addColumn<QString>("line");  // stderr's first line after "quorex-cli: "

  QTest::newRow("no id matches") << QStringList{"get", "FILE", "nix", "--format", "json"} << 2
                                 << "Keine Einstellung passt zu \"nix\"; die IDs zeigt "
                                    "\"quorex-cli get DATEI\".";
  // Found before the console is asked: no such port is ever opened.
  QTest::newRow("read into a missing folder")
      << QStringList{"read", "--port", "/dev/quorex-no-such-port", "-o", "DIR/nix/x.rquorex"} << 4
      << "Die Datei DIR/nix/x.rquorex kann nicht geschrieben werden: den Ordner DIR/nix gibt es "
         "nicht";
  QTest::newRow("output is a folder") << QStringList{"export", "FILE", "-o", "DIR"} << 4
                                      << "Die Datei DIR konnte nicht gespeichert werden: Es ist "
                                         "ein Ordner, keine Datei.";
  // Qt's own warnings stay away, here one for each setting the pattern is tried on.
  for (const char *pattern : {"[", "[z-a]"})
    QTest::addRow("pattern %s", pattern)
        << QStringList{"get", "FILE", QString::fromLatin1(pattern)} << 2
        << QStringLiteral("\"%1\" ist kein gültiges Muster; es kennt *, ? und Zeichen in "
                          "Klammern wie [34] oder [1-4].")
               .arg(QString::fromLatin1(pattern));
  QTest::newRow("import of nothing") << QStringList{"import", "DIR/nix.txt", "-o", "DIR/n"} << 4
                                     << "Die Datei DIR/nix.txt kann nicht gelesen werden: es gibt "
                                        "sie nicht.";
  QTest::newRow("import of a folder") << QStringList{"import", "DIR", "-o", "DIR/n"} << 4
                                      << "Die Datei DIR kann nicht gelesen werden: es ist keine "
                                         "gewöhnliche Datei, sondern ein Ordner.";
  // In German; "*": the system's words may follow.
  QTest::newRow("full disk") << QStringList{"export", "FILE", "-o", "FULL/x.txt"} << 4
                             << "Die Datei FULL/x.txt konnte nicht gespeichert werden: Kein "
                                "freier Speicherplatz auf dem Datenträger*";
}

// An error is "quorex-cli: " and one line; with --format json stdout says it as JSON too.
void TestCliSettings::errorsStandOnOneLine() {
  QFETCH(QStringList, arguments);
  QFETCH(int, exit);
  QFETCH(QString, line);
  const QString folder = dir_->path();
  SmallDisk disk;
  if (arguments.contains(QStringLiteral("FULL/x.txt"))) {
    if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
    QVERIFY(disk.Fill());
    arguments.replaceInStrings(QStringLiteral("FULL"), disk.FilePath(QString()));
    line.replace(QStringLiteral("FULL"), disk.FilePath(QString()));
  }
  arguments.replaceInStrings(QStringLiteral("FILE"), file_);
  arguments.replaceInStrings(QStringLiteral("DIR"), folder);
  // Paths as the system writes them: backslashes on Windows.
  line = QDir::toNativeSeparators(line.replace(QStringLiteral("DIR"), folder));
  const CliResult result = RunCli(arguments);
  QCOMPARE(result.exit, exit);
  const QString first = result.err.section('\n', 0, 0);
  if (line.endsWith(QLatin1Char('*')))
    QVERIFY2(first.startsWith(QStringLiteral("quorex-cli: ") + line.chopped(1)), qPrintable(first));
  else
    QCOMPARE(first, QStringLiteral("quorex-cli: ") + line);
  if (arguments.contains(QStringLiteral("json")))
    QCOMPARE(QJsonDocument::fromJson(result.out.toUtf8()).object(),
             (QJsonObject{{"error", line}, {"exit", exit}}));
  else
    QCOMPARE(result.out, QString());
}

void TestCliSettings::ownerAndModeKept_data() {
  QTest::addColumn<QStringList>("arguments");  // FILE: the master file, TEXT: its export
  QTest::newRow("set in place") << QStringList{"set", "FILE", "tonband.rel_mit_tx=an"};
  QTest::newRow("import over it") << QStringList{"import", "TEXT", "-o", "FILE"};
}

// Root replacing a technician's file leaves it the technician's, as it was.
void TestCliSettings::ownerAndModeKept() {
#ifdef Q_OS_UNIX
  QFETCH(QStringList, arguments);
  if (::geteuid() != 0) QSKIP("giving a file to another user needs root");
  const QString text = Path("master.txt");
  QCOMPARE(RunCli({"export", file_, "-o", text}).exit, 0);
  const QByteArray name = QFile::encodeName(file_);
  QCOMPARE(::chown(name.constData(), 1234, 1235), 0);
  QCOMPARE(::chmod(name.constData(), 0640), 0);
  arguments.replaceInStrings(QStringLiteral("FILE"), file_);
  const CliResult result = RunCli(arguments.replaceInStrings(QStringLiteral("TEXT"), text));
  QVERIFY2(result.exit == 0, qPrintable(result.err));
  struct stat info {};
  QCOMPARE(::stat(name.constData(), &info), 0);
  QCOMPARE(info.st_uid, uid_t(1234));
  QCOMPARE(info.st_gid, gid_t(1235));
  QCOMPARE(info.st_mode & 07777, mode_t(0640));
#else
  QSKIP("owners and modes are POSIX");
#endif
}

void TestCliSettings::reportFormatFollowsTheEnding_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QStringList>("format");
  QTest::addColumn<QByteArray>("start");

  QTest::newRow("pdf") << "bericht.pdf" << QStringList() << QByteArray("%PDF-");
  QTest::newRow("PDF") << "BERICHT.PDF" << QStringList() << QByteArray("%PDF-");
  QTest::newRow("json") << "bericht.json" << QStringList() << QByteArray("{");
  QTest::newRow("html") << "bericht.html" << QStringList() << QByteArray("<!DOCTYPE html>");
  QTest::newRow("other ending") << "bericht.txt" << QStringList() << QByteArray("Einstellungs");
  QTest::newRow("--format wins") << "bericht.pdf" << QStringList{"--format", "text"}
                                 << QByteArray("Einstellungs");
}

void TestCliSettings::reportFormatFollowsTheEnding() {
  QFETCH(QString, name);
  QFETCH(QStringList, format);
  QFETCH(QByteArray, start);
  const CliResult result =
      RunCli(QStringList{"report", file_, "-o", dir_->filePath(name)} + format);
  QVERIFY2(result.exit == 0, qPrintable(result.err));
  const QByteArray written = Contents(dir_->filePath(name));
  QVERIFY2(written.startsWith(start), written.left(40).constData());
}

QTEST_GUILESS_MAIN(TestCliSettings)
#include "tst_cli_settings.moc"
