// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterFixtures.h"
#include "ReportPdf.h"
#include "SettingsCatalog.h"
#include "SettingsReport.h"
#include "SimulatedConsole.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <utility>
#include <vector>

namespace {

SettingsReport::Input MakeInput(const QString &fileName, const QString &versionText) {
  return {FactoryValues(), fileName, versionText,
          QDateTime(QDate(2025, 3, 5), QTime(14, 30, 12))};
}

// What a reader of the HTML sees: the title, the lines before the first page, every page's
// rows and the register cells, all as the XML parser hands them out.
struct ParsedHtml {
  QString title;
  QString heading;
  std::vector<std::pair<QString, QString>> info;
  std::vector<std::pair<QString, std::vector<std::pair<QString, QString>>>> pages;
  QStringList registers;
  QString error;
};

ParsedHtml Parse(const QString &html) {
  ParsedHtml parsed;
  QXmlStreamReader xml(html);
  QString section;
  QStringList cells;
  bool inHeader = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QStringView name = xml.name();
      if (name == u"title") parsed.title = xml.readElementText();
      if (name == u"h1") parsed.heading = xml.readElementText();
      if (name == u"h2") {
        section = xml.readElementText();
        if (section != QLatin1String("Register")) parsed.pages.push_back({section, {}});
      }
      if (name == u"thead") inHeader = true;
      if (name == u"tr") cells.clear();
      if (name == u"td") {
        if (xml.attributes().value(QStringLiteral("class")) == u"hex")
          parsed.registers << xml.readElementText();
        else
          cells << xml.readElementText();
      }
    }
    if (xml.isEndElement() && xml.name() == u"thead") inHeader = false;
    if (xml.isEndElement() && xml.name() == u"tr" && !inHeader && cells.size() == 2) {
      auto &rows = section.isEmpty() ? parsed.info : parsed.pages.back().second;
      rows.push_back({cells.at(0), cells.at(1)});
    }
  }
  if (xml.hasError())
    parsed.error = QStringLiteral("%1 (line %2)").arg(xml.errorString()).arg(xml.lineNumber());
  return parsed;
}

}  // namespace

class TestReport : public QObject {
  Q_OBJECT

 private slots:
  void html_data();
  void html();
  void text();
  void json_data();
  void json();
  void pdf();
  void pdfRefused_data();
  void pdfRefused();
};

void TestReport::html_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QString>("versionText");
  QTest::addColumn<QStringList>("info");  // what the lines above the pages show

  QTest::newRow("file and version")
      << "/home/service/Wache 3.rquorex" << "Quorex V 1.07"
      << QStringList{"Erstellt:", "05.03.2025 um 14:30 Uhr", "Registerdatei:",
                     "/home/service/Wache 3.rquorex", "Version:", "Quorex V 1.07"};
  QTest::newRow("nothing read, no file") << "" << ""
                                         << QStringList{"Erstellt:", "05.03.2025 um 14:30 Uhr"};
  QTest::newRow("markup in the file name") << "/tmp/<b>Prüf&\"x\"</b>.rquorex" << ""
                                           << QStringList{"Erstellt:", "05.03.2025 um 14:30 Uhr",
                                                          "Registerdatei:",
                                                          "/tmp/<b>Prüf&\"x\"</b>.rquorex"};
  QTest::newRow("control characters from the console")
      << "" << QString::fromLatin1("Quorex\x01 V 1.07\x1b[0m")
      << QStringList{"Erstellt:", "05.03.2025 um 14:30 Uhr", "Version:", "Quorex? V 1.07?[0m"};
}

// The HTML parses as XML, shows the outside texts literally, and holds every page's settings
// and the 200 registers in order.
void TestReport::html() {
  QFETCH(QString, fileName);
  QFETCH(QString, versionText);
  QFETCH(QStringList, info);

  const SettingsReport::Input input = MakeInput(fileName, versionText);
  const ParsedHtml parsed = Parse(SettingsReport(input).Html());
  QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
  QCOMPARE(parsed.title, QStringLiteral("Einstellungsbericht"));
  QCOMPARE(parsed.heading, QStringLiteral("Einstellungsbericht"));
  QStringList shownInfo;
  for (const auto &[name, value] : parsed.info) shownInfo << name << value;
  QCOMPARE(shownInfo, info);

  const SettingsCatalog catalog;
  QCOMPARE(parsed.pages.size(), catalog.Pages().size());
  for (std::size_t i = 0; i < parsed.pages.size(); ++i) {
    const SettingsCatalog::Page &page = catalog.Pages()[i];
    QCOMPARE(parsed.pages[i].first, page.title);
    QCOMPARE(parsed.pages[i].second.size(), page.settings.size());
    for (std::size_t row = 0; row < page.settings.size(); ++row) {
      QCOMPARE(parsed.pages[i].second[row].first, page.settings[row].label);
      QCOMPARE(parsed.pages[i].second[row].second, page.settings[row].Value(input.registers));
    }
  }
  // Values of the factory settings, as a technician would read them.
  const auto value = [&parsed](const QString &page, const QString &setting) {
    for (const auto &[title, rows] : parsed.pages)
      for (const auto &[label, shown] : rows)
        if (title == page && label == setting) return shown;
    return QStringLiteral("(fehlt)");
  };
  QCOMPARE(value("Funkkreiskonfiguration", "Funkkreis 1 erlaubt"), QStringLiteral("ein"));
  QCOMPARE(value("Hörer- und Lautsprecherkonfiguration", "Hörer"),
           QStringLiteral("Hörer immer an"));
  QCOMPARE(value("Tonbandrelais Konfiguration", "Nachlaufzeit in s"), QStringLiteral("30 s"));
  QCOMPARE(value("Tastenfunktionen", "RUF 2 Taste / Tonfolge"), QStringLiteral("12346"));
  QCOMPARE(parsed.registers, input.registers);
}

void TestReport::text() {
  const SettingsReport::Input input = MakeInput(QStringLiteral("/tmp/a.rquorex"),
                                                QString::fromLatin1("V 1.07\r\n\x07"));
  const QString text = SettingsReport(input).Text();
  const QStringList lines = text.split(QLatin1Char('\n'));
  QCOMPARE(lines.at(0), QStringLiteral("Einstellungsbericht"));
  QCOMPARE(lines.at(1), QStringLiteral("==================="));
  QVERIFY(lines.contains(QStringLiteral("Erstellt:       05.03.2025 um 14:30 Uhr")));
  QVERIFY(lines.contains(QStringLiteral("Registerdatei:  /tmp/a.rquorex")));
  QVERIFY(lines.contains(QStringLiteral("Version:        V 1.07???")));
  for (QChar c : text) QVERIFY(c.unicode() >= 0x20 || c == QLatin1Char('\n'));

  // Each page: its title underlined to its length, then one line per setting with the values
  // starting in one column.
  const SettingsCatalog catalog;
  for (const SettingsCatalog::Page &page : catalog.Pages()) {
    const int at = lines.indexOf(page.title);
    QVERIFY2(at > 0, qPrintable(page.title));
    QCOMPARE(lines.at(at + 1), QString(page.title.size(), QLatin1Char('-')));
    int column = -1;
    for (std::size_t row = 0; row < page.settings.size(); ++row) {
      const QString &line = lines.at(at + 2 + int(row));
      const QString value = page.settings[row].Value(input.registers);
      QVERIFY2(line.startsWith(page.settings[row].label + QStringLiteral("  ")), qPrintable(line));
      QVERIFY2(line.endsWith(value), qPrintable(line));
      if (column < 0) column = line.size() - value.size();
      QCOMPARE(line.size() - value.size(), column);
    }
  }
  QVERIFY(lines.contains(QStringLiteral("Funkkreis 1 erlaubt              ein")));

  // Ten registers to a line, numbered by the first.
  const QRegularExpression row(QStringLiteral("^ *(\\d+)((?: [0-9A-F]{8}){10})$"));
  QStringList registers;
  int rows = 0;
  for (const QString &line : lines) {
    const QRegularExpressionMatch match = row.match(line);
    if (!match.hasMatch()) continue;
    QCOMPARE(match.captured(1).toInt(), rows * 10);
    registers << match.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ++rows;
  }
  QCOMPARE(registers, input.registers);
}

void TestReport::json_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QString>("versionText");
  QTest::newRow("file and version") << "/tmp/a.rquorex" << "Quorex V 1.07";
  QTest::newRow("nothing read, no file") << "" << "";
}

void TestReport::json() {
  QFETCH(QString, fileName);
  QFETCH(QString, versionText);

  const SettingsReport::Input input = MakeInput(fileName, versionText);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(SettingsReport(input).Json(), &error);
  QCOMPARE(error.error, QJsonParseError::NoError);
  const QJsonObject root = document.object();
  QCOMPARE(root.value("title").toString(), QStringLiteral("Einstellungsbericht"));
  QCOMPARE(root.value("created").toString(), QStringLiteral("2025-03-05T14:30:12"));
  QCOMPARE(root.value("version").isNull(), versionText.isEmpty());
  QCOMPARE(root.value("version").toString(), versionText);
  QCOMPARE(root.value("file").isNull(), fileName.isEmpty());
  QCOMPARE(root.value("file").toString(), fileName);

  QStringList registers;
  for (const QJsonValue value : root.value("registers").toArray()) registers << value.toString();
  QCOMPARE(registers, input.registers);

  const SettingsCatalog catalog;
  const QJsonArray pages = root.value("pages").toArray();
  QCOMPARE(std::size_t(pages.size()), catalog.Pages().size());
  std::map<QString, QJsonObject> settings;  // "page|setting"
  for (const QJsonValue pageValue : pages) {
    const QJsonObject page = pageValue.toObject();
    QVERIFY(page.value("page").isString());
    QVERIFY(!page.value("settings").toArray().isEmpty());
    for (const QJsonValue settingValue : page.value("settings").toArray()) {
      const QJsonObject setting = settingValue.toObject();
      QVERIFY(setting.value("setting").isString());
      QVERIFY(setting.value("value").isString());
      const int reg = setting.value("register").toInt(-1);
      QVERIFY(reg >= 0 && reg < 200);
      QVERIFY(!setting.value("positions").toArray().isEmpty());
      for (const QJsonValue pos : setting.value("positions").toArray())
        QVERIFY(pos.isDouble() && pos.toInt() >= 0 && pos.toInt() < 8);
      settings[page.value("page").toString() + "|" + setting.value("setting").toString()] =
          setting;
    }
  }
  const QJsonObject hoerer = settings["Hörer- und Lautsprecherkonfiguration|Lautsprecher"];
  QCOMPARE(hoerer.value("value").toString(), QStringLiteral("Lautsprecher immer an"));
  QCOMPARE(hoerer.value("register").toInt(), 16);
  QCOMPARE(hoerer.value("positions").toArray(), QJsonArray({1}));
  QVERIFY(!hoerer.contains("further"));
  // A telegram: characters 1-8 in register 20, 9-10 in register 23.
  const QJsonObject telegram = settings["Tastenfunktionen|FMS Kennung"];
  QCOMPARE(telegram.value("value").toString(), QStringLiteral("1234A00000"));
  QCOMPARE(telegram.value("register").toInt(), 20);
  QCOMPARE(telegram.value("positions").toArray(), QJsonArray({0, 1, 2, 3, 4, 5, 6, 7}));
  QCOMPARE(telegram.value("further").toArray(),
           QJsonArray({QJsonObject{{"register", 23}, {"positions", QJsonArray({1, 2})}}}));
}

// A4 PDF of the HTML report; with pdftotext at hand, its text holds the page titles and
// values, umlauts included.
void TestReport::pdf() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("Bericht.pdf"));
  const SettingsReport report(MakeInput(QStringLiteral("/tmp/Prüfstand.rquorex"),
                                        QStringLiteral("Quorex V 1.07")));
  QString error;
  QVERIFY2(ReportPdf::Write(report.Html(), path, SettingsReport::Title(), &error),
           qPrintable(error));
  QVERIFY(error.isEmpty());
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.read(5) == "%PDF-");
  QVERIFY(file.size() > 10000);
  // Nothing but the PDF is left behind.
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Bericht.pdf")});

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
  QProcess process;
  process.start(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                            QStringLiteral("-layout"), path, QStringLiteral("-")});
  QVERIFY(process.waitForFinished(30000));
  QCOMPARE(process.exitCode(), 0);
  // pdftotext hands a ligature such as "fi" out as one character.
  const QString text = QString::fromUtf8(process.readAllStandardOutput())
                           .normalized(QString::NormalizationForm_KC);
  for (const char *expected :
       {"Einstellungsbericht", "05.03.2025 um 14:30 Uhr", "/tmp/Prüfstand.rquorex",
        "Hörer- und Lautsprecherkonfiguration", "Hörer immer an",
        "Mikro für HS-Taste (Fußtaster)", "Mithörlautstärke", "Nur neuen Kreis an",
        "Sendereinstellungen", "1234A000", "Detail FMS"})
    QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
  // Page numbers at the foot: the report runs over several A4 pages.
  QVERIFY(text.count(QLatin1Char('\f')) >= 3);
}

void TestReport::pdfRefused_data() {
  QTest::addColumn<QString>("name");
  QTest::newRow("missing folder") << "fehlt/Bericht.pdf";
  QTest::newRow("a folder") << "";
}

void TestReport::pdfRefused() {
  QFETCH(QString, name);
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString path = name.isEmpty() ? dir.path() : dir.filePath(name);
  QString error;
  QVERIFY(!ReportPdf::Write(SettingsReport(MakeInput({}, {})).Html(), path,
                            SettingsReport::Title(), &error));
  QVERIFY2(error.startsWith(QStringLiteral("Der Bericht konnte nicht in \"%1\"").arg(QDir::toNativeSeparators(path))),
           qPrintable(error));
  QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// The report needs fonts but no widgets: a QGuiApplication, as a command-line tool has.
int main(int argc, char *argv[]) {
  QGuiApplication app(argc, argv);
  TestReport test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_report.moc"
