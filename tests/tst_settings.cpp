// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>
#include <set>

#include "ChoiceCodec.h"
#include "PackedChoiceCodec.h"
#include "PackedFlagCodec.h"
#include "Register.h"
#include "SettingSchema.h"
#include "SettingsCatalog.h"
#include "SettingsText.h"

// The codecs over every page's schema, the ids, and the text that export writes and import
// reads. Pages binding the same codecs is checked in tst_catalog.

namespace {

const QString kHexDigits = QStringLiteral("0123456789ABCDEF");

// Random register texts; low digits are drawn more often, so that most settings hold a value
// their page lists and the rest hold every kind of unlisted character.
QStringList RandomImage(QRandomGenerator &random) {
  QStringList texts;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
    QString text;
    for (int pos = 0; pos < Register::kRegisterLength; ++pos)
      text += kHexDigits.at(random.bounded(2) ? random.bounded(4) : random.bounded(16));
    texts << text;
  }
  return texts;
}

// What `set ID=VALUE` makes of `chars`; the error text when it is refused.
QString Encoded(const QString &id, const QString &chars, const QString &value) {
  const SettingsCatalog catalog;
  const SettingsCatalog::Setting *setting = catalog.FindId(id);
  if (!setting) return QStringLiteral("no setting ") + id;
  QString result = chars;
  QString error;
  return setting->codec->Set(value, &result, &error) ? result : error;
}

}  // namespace

class TestSettings : public QObject {
  Q_OBJECT

 private slots:
  void idsAreStableAscii();
  void everyItemRoundTrips();
  void everyStoredValueRoundTrips();
  void encode_data();
  void encode();
  void exportImportGivesBackTheRegisters();
  void exportNamesPageAndLabel();
  void importRefuses_data();
  void importRefuses();
};

void TestSettings::idsAreStableAscii() {
  const QRegularExpression form(QStringLiteral("^[a-z][a-z0-9_]*(\\.[a-z0-9_]+)+$"));
  std::set<QString> ids;
  const SettingsCatalog catalog;
  for (const SettingsCatalog::Page &page : catalog.Pages())
    for (const SettingsCatalog::Setting &setting : page.settings) {
      QVERIFY2(form.match(setting.id).hasMatch(), qPrintable(setting.id));
      QVERIFY2(ids.insert(setting.id).second, qPrintable(setting.id));
    }
  // A few that scripts and the manual page name: they must never change.
  for (const char *id : {"squelch.kreis1.sql", "busy.ausgang.kreis2", "tasten.ptt.fms_kennung",
                         "fms.ptt.fahrzeug", "tonband.nachlaufzeit", "sender.vorlaufzeit"})
    QVERIFY2(ids.count(QString::fromLatin1(id)), id);
}

// Every item of every list or radio group: its text stores its character, and the character
// reads as its text.
void TestSettings::everyItemRoundTrips() {
  int items = 0;
  for (const PageSchema *schema : AllPageSchemas())
    for (const SettingSchema &setting : schema->settings) {
      const ItemTable *table = nullptr;
      if (auto *choice = dynamic_cast<const ChoiceCodec *>(setting.codec.get()))
        table = &choice->Table();
      if (auto *packed = dynamic_cast<const PackedChoiceCodec *>(setting.codec.get()))
        table = &packed->Table();
      if (!table) continue;
      for (const Item &item : table->items) {
        QString chars = QStringLiteral("0");
        QString error;
        QVERIFY2(setting.codec->Encode(ItemText(item), &chars, &error), setting.id);
        QCOMPARE(chars, QString(QLatin1Char(item.value)));
        QCOMPARE(setting.codec->Decode(chars), ItemText(item));
        ++items;
      }
    }
  QVERIFY(items > 100);
}

// Whatever a register holds, the value export writes for it stores exactly those characters,
// from any characters before: the text alone decides.
void TestSettings::everyStoredValueRoundTrips() {
  QRandomGenerator random(22);
  for (const PageSchema *schema : AllPageSchemas())
    for (const SettingSchema &setting : schema->settings) {
      const SettingCodec &codec = *setting.codec;
      const QString id = QString::fromLatin1(setting.id);
      for (int round = 0; round < 64; ++round) {
        QString chars;
        for (int i = 0; i < codec.Width(); ++i)
          chars += codec.Width() == 1 ? kHexDigits.at(round % 16)
                                      : kHexDigits.at(random.bounded(round < 32 ? 4 : 16));
        const QString value = codec.ValueText(chars);
        // A digit two settings share is given by both lines together, from what the other
        // left; every other setting from any characters at all.
        const bool shared = dynamic_cast<const PackedChoiceCodec *>(&codec) ||
                            dynamic_cast<const PackedFlagCodec *>(&codec);
        QString stored = shared ? chars : QStringLiteral("F").repeated(codec.Width());
        QString error;
        QVERIFY2(codec.Set(value, &stored, &error), qPrintable(id + " " + error));
        QVERIFY2(stored == chars, qPrintable(id + ": " + chars + " -> " + value));
        if (!value.startsWith(QLatin1String("roh:")))
          QCOMPARE(codec.Describe(chars).isEmpty(), false);
      }
    }
}

void TestSettings::encode_data() {
  QTest::addColumn<QString>("id");
  QTest::addColumn<QString>("chars");  // before
  QTest::addColumn<QString>("value");
  QTest::addColumn<QString>("result");  // after, or the message

  QTest::newRow("box on") << "funkkreis.kreis1.erlaubt"
                          << "0"
                          << "an"
                          << "1";
  QTest::newRow("box ein") << "funkkreis.kreis1.erlaubt"
                           << "0"
                           << "Ein"
                           << "1";
  QTest::newRow("box refused")
      << "funkkreis.kreis1.erlaubt"
      << "0"
      << "ja"
      << "Den Wert \"ja\" gibt es hier nicht; möglich: \"ein\" oder \"aus\".";
  QTest::newRow("FMS identification stores 1") << "tasten.ptt.fms_kennung_bei_ptt"
                                               << "2"
                                               << "an"
                                               << "1";
  QTest::newRow("item") << "squelch.kreis2.nf"
                        << "1"
                        << "NF immer an"
                        << "0";
  QTest::newRow("item refused") << "busy.ausgang.kreis1"
                                << "0"
                                << "BUSY an"
                                << "Den Wert \"BUSY an\" gibt es hier nicht; möglich: \"BUSY "
                                   "immer aus\", \"BUSY aktiv bei TX aktiv\", \"BUSY aktiv bei "
                                   "Kreis an\".";
  QTest::newRow("item by its only beginning") << "fms.ptt.bos"
                                              << "0"
                                              << "6"
                                              << "6";
  QTest::newRow("exact item before a longer one") << "tonruf.kreis1.tonruf"
                                                  << "0"
                                                  << "1"
                                                  << "1";
  QTest::newRow("mask by numbers") << "funkkreis.letzter_kreis"
                                   << "0"
                                   << "1, 3"
                                   << "5";
  QTest::newRow("mask by names") << "funkkreis.letzter_kreis"
                                 << "0"
                                 << "Funkkreis 2 erlaubt,Funkkreis 4 erlaubt"
                                 << "A";
  QTest::newRow("mask none") << "tasten.ruf1.kreise"
                             << "7"
                             << "auf aktuellen Kreis"
                             << "0";
  QTest::newRow("mask refused") << "tasten.ptt.kreise"
                                << "0"
                                << "5"
                                << "Den Wert \"5\" gibt es hier nicht; möglich: die Kreise durch "
                                   "Kommas getrennt, z. B. \"1, 3\", oder \"keiner\".";
  QTest::newRow("telegram completed") << "tasten.ptt.fms_kennung"
                                      << "0000000000"
                                      << "6912a"
                                      << "6912A00000";
  QTest::newRow("telegram not hex") << "tasten.ruf2.fms_telegramm"
                                    << "0000000000"
                                    << "12g"
                                    << "Hexwert eingeben!";
  QTest::newRow("telegram too long") << "tasten.ptt.fms_kennung"
                                     << "0000000000"
                                     << "12345678901"
                                     << "Das Feld nimmt höchstens 10 Zeichen.";
  QTest::newRow("tone sequence") << "tasten.ruf1.tonfolge"
                                 << "99999999"
                                 << "123"
                                 << "12300000";
  QTest::newRow("tone sequence of six") << "tasten.ruf1.tonfolge"
                                        << "00000000"
                                        << "123456"
                                        << "Das Feld nimmt höchstens 5 Zeichen.";
  QTest::newRow("place code on the left") << "fms.ptt.ort"
                                          << "00"
                                          << "7"
                                          << "07";
  QTest::newRow("FMS status") << "fms.ruf1.status"
                              << "00"
                              << "Status F, TKI3, Baustufe 2"
                              << "F9";
  QTest::newRow("FMS instruction") << "fms.ruf1.status"
                                   << "00"
                                   << "anweisung 5, TKI 4, Baustufe 2"
                                   << "5F";
  QTest::newRow("time limit") << "sender.sendezeitbegrenzung"
                              << "120"
                              << "7"
                              << "007";
  QTest::newRow("time limit empty") << "sender.sendezeitbegrenzung"
                                    << "120"
                                    << ""
                                    << "000";
  QTest::newRow("time limit not digits") << "sender.sendezeitbegrenzung"
                                         << "120"
                                         << "1a"
                                         << "Bitte nur Ziffern eingeben.";
  QTest::newRow("pre-key 5 as the field") << "sender.vorlaufzeit"
                                          << "00"
                                          << "5"
                                          << "50";
  QTest::newRow("pre-key 125") << "sender.vorlaufzeit"
                               << "00"
                               << "125"
                               << "12";
  QTest::newRow("after-run 42") << "tonband.nachlaufzeit"
                                << "000"
                                << "42"
                                << "042";
  QTest::newRow("after-run 656") << "tonband.nachlaufzeit"
                                 << "000"
                                 << "656"
                                 << "Geben Sie eine ganze Zahl zwischen 0 und 655 ein.";
  QTest::newRow("after-run empty") << "tonband.nachlaufzeit"
                                   << "000"
                                   << ""
                                   << "Geben Sie eine ganze Zahl ein.";
  QTest::newRow("muting keeps analog") << "duplex.muting"
                                       << "4"
                                       << "max. LS aus"
                                       << "6";
  QTest::newRow("analog keeps muting") << "duplex.muting_analog"
                                       << "6"
                                       << "aus"
                                       << "2";
  QTest::newRow("analog of 9 as the page reads it") << "duplex.muting_analog"
                                                    << "9"
                                                    << "an"
                                                    << "5";
  QTest::newRow("condition keeps mode") << "tonruf.kreis2.aktivierung"
                                        << "5"
                                        << "Immer"
                                        << "7";
  QTest::newRow("mode on a listed condition") << "tonruf.kreis2.modus"
                                              << "2"
                                              << "Neuen Kreis zusätzlich an"
                                              << "6";
  QTest::newRow("mode leaves 9") << "tonruf.kreis2.modus"
                                 << "9"
                                 << "Nur neuen Kreis an"
                                 << "9";
  QTest::newRow("raw") << "hoerer_ls.hoerer"
                       << "0"
                       << "roh:a"
                       << "A";
  QTest::newRow("raw of the wrong length")
      << "sender.vorlaufzeit"
      << "00"
      << "roh:123"
      << "Nach \"roh:\" stehen genau 2 Hex-Ziffern (0-9, A-F).";
  QTest::newRow("umlauts as letter and combining mark")
      << "nf.aktiviert.kreis1" << "0" << QStringLiteral("Mitho\u0308rlautsta\u0308rke") << "1";
  QTest::newRow("raw of one digit, too long")
      << "hoerer_ls.hoerer" << "0" << "roh:12"
      << "Nach \"roh:\" steht genau eine Hex-Ziffer (0-9, A-F).";
}

void TestSettings::encode() {
  QFETCH(QString, id);
  QFETCH(QString, chars);
  QFETCH(QString, value);
  QFETCH(QString, result);
  QCOMPARE(Encoded(id, chars, value), result);
}

void TestSettings::exportImportGivesBackTheRegisters() {
  const SettingsCatalog catalog;
  const SettingsText text(catalog);
  QRandomGenerator random(2026);
  std::vector<QStringList> images = {QStringList(200, QStringLiteral("00000000")),
                                     QStringList(200, QStringLiteral("FFFFFFFF"))};
  for (int i = 0; i < 200; ++i) images.push_back(RandomImage(random));
  for (const QStringList &image : images) {
    // The file's name stands in a comment: a line break in it must not end the comment.
    const QString exported = text.Export(image, QStringLiteral("x\r\ny.rquorex"));
    QStringList imported;
    QStringList errors;
    QVERIFY2(text.Import(exported, &imported, &errors), qPrintable(errors.join('\n')));
    QCOMPARE(imported, image);
  }
}

void TestSettings::exportNamesPageAndLabel() {
  QStringList image(200, QStringLiteral("00000000"));
  image[2] = QStringLiteral("10000000");
  image[13] = QStringLiteral("99900000");
  const SettingsCatalog catalog;
  const QString exported = SettingsText(catalog).Export(image, QStringLiteral("werk.rquorex"));
  QVERIFY(exported.startsWith(QLatin1String("# Quorex-Einstellungen aus werk.rquorex\n")));
  QVERIFY(exported.contains(QLatin1String(
      "# Squelchkonfiguration: Funkkreis 1 / SQL\nsquelch.kreis1.sql = SQL aktiv high\n")));
  // A time the page would refuse on OK is written as it stands.
  QVERIFY(exported.contains(QLatin1String("\ntonband.nachlaufzeit = roh:999\n")));
  QVERIFY(exported.contains(QLatin1String("\nregister.000 = .......0\n")));
  QVERIFY(exported.contains(QLatin1String("\nregister.199 = 00000000\n")));
  QVERIFY(!exported.contains(QLatin1String("fms.ptt.")));
}

void TestSettings::importRefuses_data() {
  QTest::addColumn<QString>("replace");  // a line of the factory export ...
  QTest::addColumn<QString>("with");     // ... replaced by this
  QTest::addColumn<QStringList>("errors");

  QTest::newRow("unknown id") << "squelch.kreis1.sql = SQL aktiv low"
                              << "squelch.kreis9.sql = SQL aktiv low"
                              << QStringList{
                                     "Zeile %1: unbekannte Einstellung \"squelch.kreis9.sql\".",
                                     "Es fehlen:", "  squelch.kreis1.sql"};
  QTest::newRow("bad value") << "tonband.nachlaufzeit = 0 s"
                             << "tonband.nachlaufzeit = 700"
                             << QStringList{
                                    "Zeile %1: tonband.nachlaufzeit: Geben Sie eine ganze "
                                    "Zahl zwischen 0 und 655 ein."};
  QTest::newRow("twice") << "busy.ausgang.kreis1 = BUSY immer aus"
                         << "busy.ausgang.kreis2 = BUSY immer aus"
                         << QStringList{"Zeile %1: busy.ausgang.kreis2 steht schon in Zeile %2.",
                                        "Es fehlen:", "  busy.ausgang.kreis1"};
  QTest::newRow("no equals sign") << "sender.vorlaufzeit = 000 ms"
                                  << "sender.vorlaufzeit 000"
                                  << QStringList{"Zeile %1: erwartet wird \"ID = Wert\".",
                                                 "Es fehlen:", "  sender.vorlaufzeit"};
  QTest::newRow("register over a setting") << "register.000 = .......0"
                                           << "register.000 = 00000000"
                                           << QStringList{
                                                  "Zeile %1: register.000 braucht 8 Zeichen "
                                                  "wie .......H: H eine Hex-Ziffer, \".\" "
                                                  "eine Stelle einer Einstellung."};
  // Only the written form names a register: any other would be a second line for it.
  for (const char *alias : {"register.+24", "register. 24"})
    QTest::addRow("register written as \"%s\"", alias)
        << "register.025 = 00000000" << QString::fromLatin1(alias) + " = 00000000"
        << QStringList{QStringLiteral("Zeile %1: unbekannte Einstellung \"%2\".")
                           .arg(QStringLiteral("%1"), QString::fromLatin1(alias)),
                       "Es fehlen:", "  register.025"};
  QTest::newRow("register every page covers") << "register.199 = 00000000"
                                              << "register.020 = 00000000"
                                              << QStringList{
                                                     "Zeile %1: unbekannte Einstellung "
                                                     "\"register.020\".",
                                                     "Es fehlen:", "  register.199"};
}

void TestSettings::importRefuses() {
  QFETCH(QString, replace);
  QFETCH(QString, with);
  QFETCH(QStringList, errors);

  const SettingsCatalog catalog;
  const SettingsText text(catalog);
  const QString exported = text.Export(QStringList(200, QStringLiteral("00000000")), "x");
  QStringList lines = exported.split('\n');
  const int index = int(lines.indexOf(replace));
  QVERIFY2(index >= 0, qPrintable(replace));
  lines[index] = with;
  // Where a line now stands twice, the later one is refused.
  const int last = int(lines.lastIndexOf(with));
  for (QString &error : errors)
    if (error.contains(QLatin1String("%2")))
      error = error.arg(last + 1).arg(index + 1);
    else if (error.contains(QLatin1String("%1")))
      error = error.arg(last + 1);

  QStringList imported = {QStringLiteral("untouched")};
  QStringList found;
  QVERIFY(!text.Import(lines.join('\n'), &imported, &found));
  QCOMPARE(found, errors);
  QCOMPARE(imported, QStringList{QStringLiteral("untouched")});
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
