// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "ConfigPage.h"
#include "DetailFMS.h"
#include "ConfigTree.h"
#include "Register.h"
#include "RegisterFixtures.h"
#include "ScriptedDialogs.h"
#include "SettingsCatalog.h"
#include "SimulatedConsole.h"
#include "TextCodec.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

QStringList SpotTexts(const std::vector<RegisterSpot> &spots) {
  QStringList texts;
  for (RegisterSpot spot : spots) texts << QStringLiteral("%1.%2").arg(spot.reg).arg(spot.pos);
  return texts;
}

// Every settings page the configuration tree opens, made on `image` (the single register
// dialog edits whole registers and is no settings page).
std::vector<std::unique_ptr<ConfigPage>> PagesFromTree(Register &image) {
  ScriptedDialogs dialogs;
  CQuorexDlg window;
  std::vector<std::unique_ptr<ConfigPage>> pages;
  for (QTreeWidgetItemIterator it(window.findChild<QTreeWidget *>(QStringLiteral("configTree")));
       *it; ++it) {
    std::unique_ptr<QDialog> dialog = ConfigTree::CreatePage(**it, image, nullptr);
    if (auto *page = qobject_cast<ConfigPage *>(dialog.get())) {
      dialog.release();
      pages.emplace_back(page);
    }
  }
  return pages;
}

QString Bare(QString text) {
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

// The text by which a widget names a setting: a label, a check box or radio button, a group.
QString NamingText(QWidget *widget) {
  if (auto *label = qobject_cast<QLabel *>(widget)) return Bare(label->text());
  if (auto *group = qobject_cast<QGroupBox *>(widget)) return Bare(group->title());
  if (qobject_cast<QCheckBox *>(widget) || qobject_cast<QRadioButton *>(widget))
    return Bare(static_cast<QAbstractButton *>(widget)->text());
  return QString();
}

bool InGroup(QWidget *widget, const QString &title) {
  for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget())
    if (auto *group = qobject_cast<QGroupBox *>(parent); group && Bare(group->title()) == title)
      return true;
  return false;
}

std::vector<QWidget *> Named(QWidget *page, const QString &text) {
  std::vector<QWidget *> found;
  for (QWidget *widget : page->findChildren<QWidget *>())
    if (NamingText(widget) == text) found.push_back(widget);
  return found;
}

}  // namespace

class TestCatalog : public QObject {
  Q_OBJECT

 private slots:
  void pagesCoverWhatTheyWrite();
  void pagesKeepEveryValueTheCatalogNames();
  void detailFmsSplitsEachTelegram();
  void labelsAreShownOnTheirPages();
  void values_data();
  void values();
  void factoryValuesAllHaveAMeaning();
  void shortImageReadsAsUnknown();
  void uncovered_data();
  void uncovered();
  void coveredAndUncoveredShareNoPosition();
  void compare_data();
  void compare();
  void everyChangedCharacterShows();
};

// The catalog names exactly the characters each page's OK may write, no more, no fewer.
void TestCatalog::pagesCoverWhatTheyWrite() {
  Register image;
  const SettingsCatalog catalog;
  const auto pages = PagesFromTree(image);
  QVERIFY(pages.size() >= 13);
  for (const auto &page : pages) {
    const SettingsCatalog::Page *entry = catalog.FindPage(page->windowTitle());
    QVERIFY2(entry, qPrintable(page->windowTitle()));
    QCOMPARE(SpotTexts(entry->Spots()), SpotTexts(page->CoveredSpots()));
  }
  // Every other catalog page is the FMS editor, which works on the key functions' telegrams.
  QCOMPARE(catalog.Pages().size(), pages.size() + 1);
  QVERIFY(catalog.FindPage(QStringLiteral("Detail FMS")));
}

// Page and catalog read the same codecs: OK without a change keeps every value the catalog
// names (a page may rewrite a character it lists no meaning for, never change a listed one).
// The key functions page is left out for its telegrams and tone sequences: it rewrites them
// from the chosen function, as its fields show them.
void TestCatalog::pagesKeepEveryValueTheCatalogNames() {
  const SettingsCatalog catalog;
  QRandomGenerator random(4711);
  const QString digits = QStringLiteral("0123456789ABCDEF");
  for (int round = 0; round < 6; ++round) {
    Register image;
    for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
      QString text;
      for (int pos = 0; pos < Register::kRegisterLength; ++pos)
        text += digits.at(random.bounded(2) ? random.bounded(4) : random.bounded(16));
      QVERIFY(image.SetText(reg, text));
    }
    const QStringList before = image.AllTexts();
    const auto pages = PagesFromTree(image);
    ScriptedDialogs dialogs;  // a page refusing OK (an after-run time above 655) says so here
    for (const auto &page : pages) {
      page->show();
      page->accept();
    }
    const QStringList after = image.AllTexts();
    for (const SettingsCatalog::Page &page : catalog.Pages())
      for (const SettingsCatalog::Setting &setting : page.settings) {
        if (setting.view || (page.title == QLatin1String("Tastenfunktionen") &&
                             dynamic_cast<const TextCodec *>(setting.codec)))
          continue;
        if (setting.codec->Decode(setting.Chars(before)).isNull()) continue;
        QVERIFY2(setting.codec->Decode(setting.Chars(after)) ==
                     setting.codec->Decode(setting.Chars(before)),
                 qPrintable(setting.id + ": " + setting.Chars(before) + " -> " +
                            setting.Chars(after)));
      }
  }
}

void TestCatalog::detailFmsSplitsEachTelegram() {
  const SettingsCatalog catalog;
  const SettingsCatalog::Page *keys = catalog.FindPage(QStringLiteral("Tastenfunktionen"));
  const SettingsCatalog::Page *editor = catalog.FindPage(QStringLiteral("Detail FMS"));
  QVERIFY(keys && editor);
  const struct {
    const char *group;
    const char *telegram;
  } kTelegrams[] = {{"PTT", "FMS Kennung"},
                    {"RUF 1 Taste", "RUF 1 Taste / FMS Telegramm"},
                    {"RUF 2 Taste", "RUF 2 Taste / FMS Telegramm"}};
  int fields = 0;
  for (const auto &telegram : kTelegrams) {
    const SettingsCatalog::Setting *whole = keys->Find(QString::fromUtf8(telegram.telegram));
    QVERIFY2(whole, telegram.telegram);
    QCOMPARE(whole->spots.size(), std::size_t(10));
    // Each character of the telegram in exactly one field, in the order of the text.
    std::vector<RegisterSpot> split;
    for (const SettingsCatalog::Setting &setting : editor->settings) {
      if (setting.context != QString::fromUtf8(telegram.group)) continue;
      split.insert(split.end(), setting.spots.begin(), setting.spots.end());
      ++fields;
    }
    QCOMPARE(SpotTexts(split), SpotTexts(whole->spots));
  }
  QCOMPARE(std::size_t(fields), editor->settings.size());
}

// Each label is a text the page shows, within the group named before it, so a renamed
// control or a moved setting shows up here.
void TestCatalog::labelsAreShownOnTheirPages() {
  // The call keys' field label follows the function: once both send telegrams, once both
  // tone sequences.
  Register telegrams;
  Register tonfolgen;
  SetRegisters(telegrams, {QStringLiteral("19=02200000")});
  SetRegisters(tonfolgen, {QStringLiteral("19=03300000")});
  auto pages = PagesFromTree(telegrams);
  for (auto &page : PagesFromTree(tonfolgen)) pages.push_back(std::move(page));
  QString telegram = QStringLiteral("6912A0B1F3");
  DetailFMS editor(telegram);
  editor.show();
  std::vector<QWidget *> keys;
  for (const auto &page : pages) {
    page->show();
    if (page->windowTitle() == QLatin1String("Tastenfunktionen")) keys.push_back(page.get());
  }
  QCOMPARE(keys.size(), std::size_t(2));

  // The setting's name on the page; its group around it, or for the editor's fields the
  // key functions group whose telegram the editor was opened on.
  const auto shows = [&editor, &keys](QWidget *page, const SettingsCatalog::Setting &setting) {
    const std::vector<QWidget *> named = Named(page, setting.name);
    if (named.empty()) return false;
    if (setting.context.isEmpty()) return true;
    if (page == &editor) {
      const std::vector<QWidget *> groups = Named(keys.front(), setting.context);
      return !groups.empty() && qobject_cast<QGroupBox *>(groups.front());
    }
    return std::any_of(named.begin(), named.end(),
                       [&setting](QWidget *widget) { return InGroup(widget, setting.context); });
  };

  const SettingsCatalog catalog;
  for (const SettingsCatalog::Page &entry : catalog.Pages()) {
    std::vector<QWidget *> candidates;
    for (const auto &page : pages)
      if (page->windowTitle() == entry.title) candidates.push_back(page.get());
    if (candidates.empty()) candidates.push_back(&editor);
    QCOMPARE(candidates.front()->windowTitle(), entry.title);

    std::set<QString> labels;
    for (const SettingsCatalog::Setting &setting : entry.settings) {
      QVERIFY2(labels.insert(setting.label).second, qPrintable(setting.label));
      QVERIFY(setting.label == setting.name ||
              setting.label == setting.context + QStringLiteral(" / ") + setting.name);
      QVERIFY2(std::any_of(candidates.begin(), candidates.end(),
                           [&](QWidget *page) { return shows(page, setting); }),
               qPrintable(entry.title + QStringLiteral(": ") + setting.label));
    }
  }
}

void TestCatalog::values_data() {
  QTest::addColumn<QStringList>("registers");
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("value");

  const QString funkkreis = QStringLiteral("Funkkreiskonfiguration");
  QTest::newRow("circuit allowed") << QStringList{"0=1111106F"} << funkkreis
                                   << "Funkkreis 1 erlaubt" << "ein";
  QTest::newRow("circuit not allowed") << QStringList{"0=11100000"} << funkkreis
                                       << "Funkkreis 4 erlaubt" << "aus";
  QTest::newRow("check box 2") << QStringList{"0=20E0100D"} << funkkreis << "Funkkreis 1 erlaubt"
                               << "roh:2";
  QTest::newRow("power-on check box") << QStringList{"1=01000000"} << funkkreis
                                      << "Funkkreis 2 beim Einschalten an" << "ein";
  QTest::newRow("mask 5") << QStringList{"0=0000005F"} << funkkreis
                          << "Letzter Kreis nach Einschalten"
                          << "Funkkreis 1 erlaubt, Funkkreis 3 erlaubt";
  QTest::newRow("mask A") << QStringList{"0=000000A0"} << funkkreis
                          << "Letzter Kreis nach Einschalten"
                          << "Funkkreis 2 erlaubt, Funkkreis 4 erlaubt";
  QTest::newRow("mask 0") << QStringList{} << funkkreis << "Letzter Kreis nach Einschalten"
                          << "keiner";
  QTest::newRow("Fehlerton") << QStringList{"0=000001C0"} << funkkreis
                             << "Automatische Kreisaktivierung" << "Fehlerton";
  QTest::newRow("activation 7") << QStringList{"0=00000730"} << funkkreis
                                << "Automatische Kreisaktivierung" << "roh:7";
  QTest::newRow("power-on radio 1") << QStringList{"1=00001000"} << funkkreis
                                    << "Beim Einschalten aktive Kreise" << "Letzte aktive Kreise";
  QTest::newRow("power-on radio 2") << QStringList{"1=11112000"} << funkkreis
                                    << "Beim Einschalten aktive Kreise" << "roh:2";

  const QString squelch = QStringLiteral("Squelchkonfiguration");
  QTest::newRow("SQL high") << QStringList{"2=10100000"} << squelch << "Funkkreis 3 / SQL"
                            << "SQL aktiv high";
  QTest::newRow("SQL low") << QStringList{"2=10100000"} << squelch << "Funkkreis 2 / SQL"
                           << "SQL aktiv low";
  QTest::newRow("SQL F") << QStringList{"2=000F0000"} << squelch << "Funkkreis 4 / SQL"
                         << "roh:F";
  QTest::newRow("NF only with SQL") << QStringList{"3=10000000"} << squelch
                                    << "Funkkreis 1 / NF" << "NF an nur bei SQL";

  const QString duplex = QStringLiteral("Duplex-Konfiguration");
  const QString muting =
      QStringLiteral("Verhalten auf Kreisen ohne PTT (während PTT mit offenem Lautsprecher)");
  const QString analog = QStringLiteral("Verhalten auch auf angewählte analoge Kreise anwenden");
  QTest::newRow("duplex with LS") << QStringList{"9=01206000"} << duplex << "Funkkreis 3"
                                  << "Duplex mit LS an bei PTT";
  QTest::newRow("duplex mode 3") << QStringList{"9=30000000"} << duplex << "Funkkreis 1"
                                 << "roh:3";
  QTest::newRow("muting 6") << QStringList{"9=01206000"} << duplex << muting << "max. LS aus";
  QTest::newRow("muting 6 analog") << QStringList{"9=01206000"} << duplex << analog << "ein";
  QTest::newRow("muting 3") << QStringList{"9=00003000"} << duplex << muting
                            << "Mithören und max. LS aus";
  QTest::newRow("muting 3 analog") << QStringList{"9=00003000"} << duplex << analog << "aus";
  QTest::newRow("muting 9") << QStringList{"9=00009000"} << duplex << muting
                            << "roh:9";
  QTest::newRow("muting 9 analog") << QStringList{"9=00009000"} << duplex << analog
                                   << "roh:9";

  QTest::newRow("BUSY output") << QStringList{"4=01200000"} << "BUSY Ausgang Konfiguration"
                               << "BUSY Ausgang Funkkreis 3" << "BUSY aktiv bei Kreis an";
  const QString busyIn = QStringLiteral("BUSY Eingang Konfiguration");
  QTest::newRow("BUSY LED 2") << QStringList{"5=00020000"} << busyIn
                              << "LED wenn BUSY Eingang aktiv / Funkkreis 4" << "KR-LED blinkt";
  QTest::newRow("BUSY 1.07 item") << QStringList{"6=07000000"} << busyIn
                                  << "Funktion wenn BUSY Eingang aktiv / Funkkreis 2"
                                  << "Sperrt jegliche Kreisaktivierung + mutet Kreis";
  QTest::newRow("BUSY function 9") << QStringList{"6=90000000"} << busyIn
                                   << "Funktion wenn BUSY Eingang aktiv / Funkkreis 1"
                                   << "roh:9";

  const QString tx = QStringLiteral("TX Eingang Konfiguration");
  QTest::newRow("TX LED 2 is BUSY's") << QStringList{"7=20000000"} << tx
                                      << "LED wenn TX Eingang aktiv / TX Eingang Funkkreis 1"
                                      << "roh:2";
  QTest::newRow("TX function 3") << QStringList{"8=32100000"} << tx
                                 << "Funktion wenn TX Eingang aktiv / TX Eingang Funkkreis 1"
                                 << "Sperrt Sendertastung + mutet Kreis";

  const QString nf = QStringLiteral("NF-Eingangskonfiguration");
  QTest::newRow("audio normal") << QStringList{"10=11110000"} << nf
                                << "Deaktivierter Kreis / Funkkreis 1" << "Mithörlautstärke";
  QTest::newRow("audio 3") << QStringList{"11=00300000"} << nf << "Aktivierter Kreis / Funkkreis 3"
                           << "MH + max. Lautstärke";
  QTest::newRow("audio 7") << QStringList{"11=70000000"} << nf << "Aktivierter Kreis / Funkkreis 1"
                           << "roh:7";

  const QString tonband = QStringLiteral("Tonbandrelais Konfiguration");
  QTest::newRow("relay with TX") << QStringList{"12=10100000"} << tonband << "REL mit TX an"
                                 << "ein";
  QTest::newRow("relay with SQL") << QStringList{"12=10100000"} << tonband
                                  << "REL mit jedem SQL an" << "aus";
  QTest::newRow("relay 2") << QStringList{"12=00200000"} << tonband
                           << "REL mit SQL auf aktiviertem Kreis an" << "roh:2";
  QTest::newRow("after-run 120") << QStringList{"13=12000000"} << tonband << "Nachlaufzeit in s"
                                 << "120 s";
  QTest::newRow("after-run 045") << QStringList{"13=04500000"} << tonband << "Nachlaufzeit in s"
                                 << "45 s";
  QTest::newRow("after-run 000") << QStringList{} << tonband << "Nachlaufzeit in s" << "0 s";
  QTest::newRow("after-run above range") << QStringList{"13=99900000"} << tonband
                                         << "Nachlaufzeit in s" << "roh:999";
  QTest::newRow("after-run 1A5") << QStringList{"13=1A500000"} << tonband << "Nachlaufzeit in s"
                                 << "roh:1A5";

  const QString headset = QStringLiteral("Headset Konfiguration");
  QTest::newRow("PTT microphone") << QStringList{"14=20000000"} << headset
                                  << "Mikro für SH-Taste (PTT)" << "SH/HS Mikro*";
  QTest::newRow("foot switch microphone") << QStringList{"14=20000000"} << headset
                                          << "Mikro für HS-Taste (Fußtaster)" << "SH-Mikro";
  QTest::newRow("microphone 3") << QStringList{"14=03000000"} << headset
                                << "Mikro für HS-Taste (Fußtaster)" << "roh:3";
  QTest::newRow("threshold 150") << QStringList{"15=15000000"} << headset
                                 << "Schwellwertspannung für AD-Wandler für Headseterkennung"
                                 << "150 × 5 mV (750 mV)";
  QTest::newRow("threshold 007") << QStringList{"15=00700000"} << headset
                                 << "Schwellwertspannung für AD-Wandler für Headseterkennung"
                                 << "007 × 5 mV (35 mV)";

  const QString hoerer = QStringLiteral("Hörer- und Lautsprecherkonfiguration");
  QTest::newRow("earpiece off") << QStringList{"16=01000000"} << hoerer << "Hörer"
                                << "Hörer aus wenn aufgelegt";
  QTest::newRow("speaker on") << QStringList{"16=01000000"} << hoerer << "Lautsprecher"
                              << "Lautsprecher immer an";
  // The page reads every character but "0" as "Hörer immer an" and stores it so.
  QTest::newRow("earpiece A") << QStringList{"16=A0000000"} << hoerer << "Hörer"
                              << "roh:A";

  const QString keys = QStringLiteral("Tastenfunktionen");
  QTest::newRow("FMS identification on") << QStringList{"19=12300560"} << keys
                                         << "FMS Kennung bei PTT" << "ein";
  // The page ticks the box for every character but "0".
  QTest::newRow("FMS identification 2") << QStringList{"19=20000000"} << keys
                                        << "FMS Kennung bei PTT" << "roh:2";
  QTest::newRow("RUF 1 FMS") << QStringList{"19=12300560"} << keys << "Funktion RUF1-Taste"
                             << "FMS senden";
  QTest::newRow("RUF 2 tone sequence") << QStringList{"19=12300560"} << keys
                                       << "Funktion RUF2-Taste" << "Tonfolge senden";
  QTest::newRow("RUF 2 own call") << QStringList{"19=01100000"} << keys << "Funktion RUF2-Taste"
                                  << "RUF2 senden";
  QTest::newRow("RUF 1 code A") << QStringList{"19=0A000000"} << keys << "Funktion RUF1-Taste"
                                << "roh:A";
  QTest::newRow("RUF 1 circuits 5") << QStringList{"19=12300560"} << keys
                                    << "RUF 1 Taste / auf Kreis" << "1, 3";
  QTest::newRow("RUF 2 circuits 6") << QStringList{"19=12300560"} << keys
                                    << "RUF 2 Taste / auf Kreis" << "2, 3";
  QTest::newRow("RUF 1 current circuit") << QStringList{} << keys << "RUF 1 Taste / auf Kreis"
                                         << "auf aktuellen Kreis";
  QTest::newRow("PTT circuits 5") << QStringList{"23=5F300000"} << keys << "PTT / auf Kreis"
                                  << "1, 3";
  QTest::newRow("PTT no circuit") << QStringList{} << keys << "PTT / auf Kreis" << "keiner";
  QTest::newRow("PTT telegram") << QStringList{"20=6912A0B1", "23=0F300000"} << keys
                                << "FMS Kennung" << "6912A0B1F3";
  QTest::newRow("RUF 1 telegram") << QStringList{"21=12345678", "23=000AB000"} << keys
                                  << "RUF 1 Taste / FMS Telegramm" << "12345678AB";
  QTest::newRow("RUF 2 telegram") << QStringList{"22=ABCDEF01", "23=0000023F"} << keys
                                  << "RUF 2 Taste / FMS Telegramm" << "ABCDEF0123";
  QTest::newRow("RUF 1 tone sequence") << QStringList{"31=12345000"} << keys
                                       << "RUF 1 Taste / Tonfolge" << "12345";
  QTest::newRow("RUF 2 tone sequence, tail") << QStringList{"32=1234ABC0"} << keys
                                             << "RUF 2 Taste / Tonfolge"
                                             << "roh:1234ABC0";

  const QString fms = QStringLiteral("Detail FMS");
  const QStringList example = {"20=6912A0B1", "23=0F300000"};
  QTest::newRow("BOS") << example << fms << "PTT / BOS-Kennung" << "6: Feuerwehr";
  QTest::newRow("Land") << example << fms << "PTT / Landeskennung" << "9: Nordrhein-Westfalen";
  QTest::newRow("Ort") << example << fms << "PTT / Ortskennung" << "12";
  QTest::newRow("Fahrzeug") << example << fms << "PTT / Fahrzeugkennung" << "A0B1";
  QTest::newRow("flags 3") << example << fms << "PTT / Status oder Anweisung"
                           << "Anweisung F, TKI 1, Baustufe 2";
  QTest::newRow("flags 9") << QStringList{"23=0F900000"} << fms << "PTT / Status oder Anweisung"
                           << "Status F, TKI3, Baustufe 2";
  QTest::newRow("flags F") << QStringList{"23=05F00000"} << fms << "PTT / Status oder Anweisung"
                           << "Anweisung 5, TKI4, Baustufe 2";
  QTest::newRow("flags 4") << QStringList{"23=00000A40"} << fms
                           << "RUF 2 Taste / Status oder Anweisung" << "Status A, TKI2, Baustufe 1";
  QTest::newRow("BOS 0") << QStringList{} << fms << "RUF 1 Taste / BOS-Kennung" << "0:";
  QTest::newRow("RUF 1 place") << QStringList{"21=00AB0000"} << fms << "RUF 1 Taste / Ortskennung"
                               << "AB";

  const QString tonruf = QStringLiteral("Tonrufauswertung");
  QTest::newRow("tone call 3") << QStringList{"41=37000000"} << tonruf
                               << "Kreis 1 / Auszuwertender Tonruf" << "1 und 2";
  QTest::newRow("tone activation 7") << QStringList{"41=37000000"} << tonruf
                                << "Kreis 1 / Funkkreisaktivierung" << "Immer";
  QTest::newRow("mode 7") << QStringList{"41=37000000"} << tonruf << "Kreis 1"
                          << "Neuen Kreis zusätzlich an";
  QTest::newRow("tone activation 5") << QStringList{"42=25000000"} << tonruf
                                << "Kreis 2 / Funkkreisaktivierung"
                                << "Nur wenn kein TX und HA aufliegt";
  QTest::newRow("mode 2") << QStringList{"43=12000000"} << tonruf << "Kreis 3"
                          << "Nur neuen Kreis an";
  QTest::newRow("tone activation 2") << QStringList{"43=12000000"} << tonruf
                                << "Kreis 3 / Funkkreisaktivierung" << "Nur wenn kein TX";
  QTest::newRow("tone call 4") << QStringList{"44=44000000"} << tonruf
                               << "Kreis 4 / Auszuwertender Tonruf" << "roh:4";
  QTest::newRow("tone activation 9") << QStringList{"41=09000000"} << tonruf
                                << "Kreis 1 / Funkkreisaktivierung" << "roh:9";
  QTest::newRow("mode 9") << QStringList{"41=09000000"} << tonruf << "Kreis 1"
                          << "roh:9";

  const QString sender = QStringLiteral("Sendereinstellungen");
  QTest::newRow("time limit 120") << QStringList{"51=12000000"} << sender
                                  << "Sendezeitbegrenzung in s" << "120 s";
  QTest::newRow("time limit 007") << QStringList{"51=00700000"} << sender
                                  << "Sendezeitbegrenzung in s" << "007 s";
  QTest::newRow("no time limit") << QStringList{} << sender << "Sendezeitbegrenzung in s"
                                 << "000 s (keine Begrenzung)";
  QTest::newRow("pre-key 25") << QStringList{"55=25000000"} << sender
                              << "Sendervorlaufzeit in ms" << "250 ms";
  QTest::newRow("pre-key 9A") << QStringList{"55=9A000000"} << sender
                              << "Sendervorlaufzeit in ms" << "roh:9A";
}

void TestCatalog::values() {
  QFETCH(QStringList, registers);
  QFETCH(QString, page);
  QFETCH(QString, label);
  QFETCH(QString, value);

  Register image;
  SetRegisters(image, registers);
  const SettingsCatalog catalog;
  const SettingsCatalog::Page *entry = catalog.FindPage(page);
  QVERIFY2(entry, qPrintable(page));
  const SettingsCatalog::Setting *setting = entry->Find(label);
  QVERIFY2(setting, qPrintable(label));
  QCOMPARE(setting->page, page);
  QCOMPARE(setting->Value(image), value);
}

// The simulated console's factory values are what a real console holds: every page setting
// has a listed meaning there.
void TestCatalog::factoryValuesAllHaveAMeaning() {
  const QStringList factory = FactoryValues();
  const SettingsCatalog catalog;
  for (const SettingsCatalog::Page &page : catalog.Pages())
    for (const SettingsCatalog::Setting &setting : page.settings)
      QVERIFY2(!setting.Value(factory).startsWith(SettingCodec::RawPrefix()),
               qPrintable(page.title + ": " + setting.label + " = " + setting.Value(factory)));
}

// A list that lacks registers or characters (not a register image at all) is read without
// harm, and every setting says it does not know the value.
void TestCatalog::shortImageReadsAsUnknown() {
  const SettingsCatalog catalog;
  for (const QStringList &texts : {QStringList(), QStringList(200, QString())}) {
    for (const SettingsCatalog::Page &page : catalog.Pages())
      for (const SettingsCatalog::Setting &setting : page.settings)
        QVERIFY2(setting.Described(texts).endsWith(QLatin1String("(unbekannter Wert)")),
                 qPrintable(setting.label + " = " + setting.Described(texts)));
  }
}

void TestCatalog::uncovered_data() {
  QTest::addColumn<int>("reg");
  QTest::addColumn<QString>("positions");  // empty: every position is used by a page

  QTest::newRow("0") << 0 << "7";
  QTest::newRow("1") << 1 << "567";
  QTest::newRow("9") << 9 << "567";
  QTest::newRow("15") << 15 << "34567";
  QTest::newRow("16") << 16 << "234567";
  QTest::newRow("17, no page") << 17 << "01234567";
  QTest::newRow("18, no page") << 18 << "01234567";
  QTest::newRow("19") << 19 << "347";
  QTest::newRow("20") << 20 << "";
  QTest::newRow("22") << 22 << "";
  QTest::newRow("23") << 23 << "7";
  QTest::newRow("31") << 31 << "";
  QTest::newRow("32") << 32 << "";
  QTest::newRow("40") << 40 << "01234567";
  QTest::newRow("41") << 41 << "234567";
  QTest::newRow("55") << 55 << "234567";
  QTest::newRow("199") << 199 << "01234567";
}

void TestCatalog::uncovered() {
  QFETCH(int, reg);
  QFETCH(QString, positions);

  const SettingsCatalog catalog;
  const auto uncovered = catalog.Uncovered();
  const auto found = std::find_if(uncovered.begin(), uncovered.end(),
                                  [reg](const auto &entry) { return entry.reg == reg; });
  if (positions.isEmpty()) {
    QVERIFY(found == uncovered.end());
    return;
  }
  QVERIFY(found != uncovered.end());
  QString listed;
  for (int pos : found->positions) listed += QString::number(pos);
  QCOMPARE(listed, positions);
  QCOMPARE(found->Label(), QStringLiteral("Register %1").arg(reg));
}

void TestCatalog::coveredAndUncoveredShareNoPosition() {
  const SettingsCatalog catalog;
  std::set<RegisterSpot> all;
  for (RegisterSpot spot : catalog.CoveredSpots()) QVERIFY(all.insert(spot).second);
  int previous = -1;
  for (const auto &entry : catalog.Uncovered()) {
    QVERIFY(entry.reg > previous);
    previous = entry.reg;
    for (int pos : entry.positions) QVERIFY(all.insert({entry.reg, pos}).second);
  }
  QCOMPARE(all.size(), std::size_t(Register::kRegisterCount * Register::kRegisterLength));
  QVERIFY(all.begin()->reg == 0 && all.rbegin()->reg == Register::kRegisterCount - 1);
}

void TestCatalog::compare_data() {
  QTest::addColumn<QStringList>("a");  // changes to the factory values
  QTest::addColumn<QStringList>("b");
  QTest::addColumn<QStringList>("differences");  // page | setting | value A | value B

  QTest::newRow("equal") << QStringList{} << QStringList{} << QStringList{};
  QTest::newRow("one setting") << QStringList{} << QStringList{"9=00010000"}
                               << QStringList{"Duplex-Konfiguration|Funkkreis 4|Simplex|Duplex"};
  QTest::newRow("packed digit: only the part that changed")
      << QStringList{"9=00001000"} << QStringList{"9=00005000"}
      << QStringList{"Duplex-Konfiguration|Verhalten auch auf angewählte analoge Kreise "
                     "anwenden|aus|ein"};
  QTest::newRow("register no page uses")
      << QStringList{} << QStringList{"100=12345678"}
      << QStringList{"Übrige Register|Register 100|FFFFFFFF|12345678"};
  QTest::newRow("unused position of a used register")
      << QStringList{} << QStringList{"0=1111001F"}
      << QStringList{"Übrige Register|Register 0|11110010|1111001F"};
  QTest::newRow("telegram character: the telegram and its field")
      << QStringList{} << QStringList{"20=1234B000"}
      << QStringList{"Tastenfunktionen|FMS Kennung|1234A00000|1234B00000",
                     "Detail FMS|PTT / Fahrzeugkennung|A000|B000"};
  QTest::newRow("unused position between settings")
      << QStringList{"19=00000000"} << QStringList{"19=00010000"}
      << QStringList{"Übrige Register|Register 19|00000000|00010000"};
  QTest::newRow("two characters the page shows alike")
      << QStringList{"16=10000000"} << QStringList{"16=20000000"}
      << QStringList{"Hörer- und Lautsprecherkonfiguration|Hörer|Hörer immer an|roh:2"};
  QTest::newRow("both ways") << QStringList{"16=01000000", "150=00000000"}
                             << QStringList{"16=11000000"}
                             << QStringList{"Hörer- und Lautsprecherkonfiguration|Hörer|"
                                            "Hörer aus wenn aufgelegt|Hörer immer an",
                                            "Übrige Register|Register 150|00000000|FFFFFFFF"};
}

void TestCatalog::compare() {
  QFETCH(QStringList, a);
  QFETCH(QStringList, b);
  QFETCH(QStringList, differences);

  const QStringList factory = FactoryValues();
  const SettingsCatalog catalog;
  QStringList found;
  for (const auto &difference :
       catalog.Compare(Changed(factory, a), Changed(factory, b))) {
    found << QStringList{difference.page, difference.setting, difference.valueA,
                         difference.valueB}
                 .join(QLatin1Char('|'));
    QVERIFY(!difference.spots.empty());
  }
  QCOMPARE(found, differences);
}

// The check after writing lists what differs by setting; a character the comparison does not
// see would leave that list empty. Every character changed to every other digit must show, in
// a difference that names its spot. Changes at one position of all registers at once: a
// difference never hides another's spot, and 128 comparisons do what 24 000 single ones did.
void TestCatalog::everyChangedCharacterShows() {
  const SettingsCatalog catalog;
  const QStringList factory = FactoryValues();
  const QString digits = QStringLiteral("0123456789ABCDEF");
  for (int pos = 0; pos < Register::kRegisterLength; ++pos) {
    for (QChar digit : digits) {
      QStringList changed = factory;
      std::set<RegisterSpot> unseen;
      for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
        if (factory.at(reg).at(pos) == digit) continue;
        changed[reg][pos] = digit;
        unseen.insert({reg, pos});
      }
      for (const auto &difference : catalog.Compare(factory, changed))
        for (RegisterSpot spot : difference.spots) unseen.erase(spot);
      QVERIFY2(unseen.empty(),
               qPrintable(QStringLiteral("%1=%2: %3")
                              .arg(pos)
                              .arg(digit)
                              .arg(SpotTexts({unseen.begin(), unseen.end()}).join(QLatin1Char(' ')))));
    }
  }
}

QTEST_MAIN(TestCatalog)
#include "tst_catalog.moc"
