// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// The schema of every configuration page: which settings it shows, under which id, group and
// label, over which register characters, with which codec. Labels and groups are the texts of
// the page's form (translation context: the page's class name).

#include <array>

#include "BusyTable.h"
#include "DetailFmsTable.h"
#include "DuplexTable.h"
#include "FunkkreisTable.h"
#include "HeadsetTable.h"
#include "HoererLsTable.h"
#include "NfTable.h"
#include "SenderTable.h"
#include "SettingSchema.h"
#include "SquelchTable.h"
#include "TastenfunktionenTable.h"
#include "TonbandrelaisTable.h"
#include "TonrufTable.h"
#include "TxTable.h"

namespace {

using Spots = std::vector<RegisterSpot>;
using Codec = std::shared_ptr<const SettingCodec>;

// Ids are built from parts; the strings live as long as the schemas.
const char *Id(const QString &id) {
  static std::vector<std::unique_ptr<QByteArray>> ids;
  ids.push_back(std::make_unique<QByteArray>(id.toLatin1()));
  return ids.back()->constData();
}
const char *Id(const char *pattern, int number) {
  return Id(QString::fromLatin1(pattern).arg(number));
}

const FormText kNoGroup;
const FormText kKeiner = {"SettingsCatalog", QT_TRANSLATE_NOOP("SettingsCatalog", "keiner")};

Codec Choice(const ItemTable &table, int otherwise = -1) {
  return std::make_shared<ChoiceCodec>(table, otherwise);
}
Codec CheckBox() { return std::make_shared<CheckBoxCodec>(); }

}  // namespace

namespace FunkkreisTable {
const PageSchema &Schema() {
  static const char *const kForm = "Funkkreiskonfiguration";
  static const std::array<FormText, 4> kErlaubtNames = {{
      {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 1 erlaubt")},
      {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 2 erlaubt")},
      {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 3 erlaubt")},
      {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 4 erlaubt")},
  }};
  static const PageSchema schema = [] {
    const FormText beimEinschaltenAn[4] = {
        {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 1 beim Einschalten an")},
        {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 2 beim Einschalten an")},
        {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 3 beim Einschalten an")},
        {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 4 beim Einschalten an")},
    };
    PageSchema page{
        kForm, {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreiskonfiguration")}, {}};
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("funkkreis.kreis%1.erlaubt", i + 1),
                               kNoGroup,
                               kErlaubtNames[i],
                               {kErlaubt[i]},
                               CheckBox()});
    page.settings.push_back(
        {"funkkreis.mehrere_aktive_kreise",
         kNoGroup,
         {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Mehrere aktive Kreise möglich")},
         {kMehrereAktiveKreise},
         CheckBox()});
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("funkkreis.kreis%1.beim_einschalten_an", i + 1),
                               kNoGroup,
                               beimEinschaltenAn[i],
                               {kBeimEinschaltenAn[i]},
                               CheckBox()});
    page.settings.push_back(
        {"funkkreis.einschaltkreise",
         kNoGroup,
         {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Beim Einschalten aktive Kreise")},
         {kEinschaltKreise},
         Choice(kEinschaltItems)});
    page.settings.push_back(
        {"funkkreis.automatik",
         kNoGroup,
         {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Automatische Kreisaktivierung:")},
         {kAutomatischeKreisaktivierung},
         Choice(kAutomatikItems)});
    // The last-circuit boxes carry the same texts as the "erlaubt" boxes on the form.
    page.settings.push_back(
        {"funkkreis.letzter_kreis",
         kNoGroup,
         {kForm, QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Letzter Kreis nach Einschalten:")},
         {kLetzterKreisMaske},
         std::make_shared<MaskCodec>(kErlaubtNames, kKeiner)});
    return page;
  }();
  return schema;
}
}  // namespace FunkkreisTable

namespace SquelchTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "Squelchkonfiguration";
    const FormText kreis[4] = {
        {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 1")},
        {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 2")},
        {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 3")},
        {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 4")},
    };
    PageSchema page{
        form, {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "Squelchkonfiguration")}, {}};
    for (int i = 0; i < 4; ++i) {
      page.settings.push_back({Id("squelch.kreis%1.sql", i + 1),
                               kreis[i],
                               {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "SQL")},
                               {kSql[i]},
                               Choice(kSqlItems)});
      page.settings.push_back({Id("squelch.kreis%1.nf", i + 1),
                               kreis[i],
                               {form, QT_TRANSLATE_NOOP("Squelchkonfiguration", "NF")},
                               {kNf[i]},
                               Choice(kNfItems)});
    }
    return page;
  }();
  return schema;
}
}  // namespace SquelchTable

namespace BusyTable {
const PageSchema &AusgangSchema() {
  static const PageSchema schema = [] {
    const char *const form = "BUSYOutKonfig";
    const FormText ausgang[4] = {
        {form, QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 1:")},
        {form, QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 2:")},
        {form, QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 3:")},
        {form, QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 4:")},
    };
    PageSchema page{
        form, {form, QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Konfiguration")}, {}};
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("busy.ausgang.kreis%1", i + 1),
                               kNoGroup,
                               ausgang[i],
                               {kAusgang[i]},
                               Choice(kAusgangItems)});
    return page;
  }();
  return schema;
}

const PageSchema &EingangSchema() {
  static const PageSchema schema = [] {
    const char *const form = "BUSYInKonfig";
    const FormText kreis[4] = {
        {form, QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 1:")},
        {form, QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 2:")},
        {form, QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 3:")},
        {form, QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 4:")},
    };
    const FormText led = {form, QT_TRANSLATE_NOOP("BUSYInKonfig", "LED wenn BUSY Eingang aktiv")};
    const FormText funktion = {
        form, QT_TRANSLATE_NOOP("BUSYInKonfig", "Funktion wenn BUSY Eingang aktiv")};
    PageSchema page{
        form, {form, QT_TRANSLATE_NOOP("BUSYInKonfig", "BUSY Eingang Konfiguration")}, {}};
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("busy.eingang.led.kreis%1", i + 1),
                               led,
                               kreis[i],
                               {kEingangLed[i]},
                               Choice(kLedItems)});
    // Both items that only consoles from version 1.07 on know are named whatever the console:
    // a stored "6" or "7" means the same to every reader of a register file.
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("busy.eingang.funktion.kreis%1", i + 1),
                               funktion,
                               kreis[i],
                               {kEingangFunktion[i]},
                               Choice(kFunktionItems)});
    return page;
  }();
  return schema;
}
}  // namespace BusyTable

namespace TxTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "TXKonfig";
    const FormText kreis[4] = {
        {form, QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 1:")},
        {form, QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 2:")},
        {form, QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 3:")},
        {form, QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 4:")},
    };
    const FormText led = {form, QT_TRANSLATE_NOOP("TXKonfig", "LED wenn TX Eingang aktiv")};
    const FormText funktion = {form,
                               QT_TRANSLATE_NOOP("TXKonfig", "Funktion wenn TX Eingang aktiv")};
    PageSchema page{form, {form, QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Konfiguration")}, {}};
    for (int i = 0; i < 4; ++i)
      page.settings.push_back(
          {Id("tx.led.kreis%1", i + 1), led, kreis[i], {kLed[i]}, Choice(kLedItems)});
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("tx.funktion.kreis%1", i + 1),
                               funktion,
                               kreis[i],
                               {kFunktion[i]},
                               Choice(kFunktionItems)});
    return page;
  }();
  return schema;
}
}  // namespace TxTable

namespace DuplexTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "DuplexKonfig";
    const FormText kreis[4] = {
        {form, QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 1")},
        {form, QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 2")},
        {form, QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 3")},
        {form, QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 4")},
    };
    PageSchema page{form, {form, QT_TRANSLATE_NOOP("DuplexKonfig", "Duplex-Konfiguration")}, {}};
    for (int i = 0; i < 4; ++i)
      page.settings.push_back(
          {Id("duplex.kreis%1", i + 1), kNoGroup, kreis[i], {kModus[i]}, Choice(kModusItems)});
    // The page reads every digit as some choice and rewrites it at OK; only "0" to "7" are
    // what the page itself stores.
    page.settings.push_back(
        {"duplex.muting",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("DuplexKonfig",
                                  "Verhalten auf Kreisen ohne PTT (während PTT mit offenem "
                                  "Lautsprecher)")},
         {kMuting},
         std::make_shared<PackedChoiceCodec>(kMutingItems)});
    page.settings.push_back(
        {"duplex.muting_analog",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("DuplexKonfig",
                                  "Verhalten auch auf angewählte analoge Kreise anwenden")},
         {kMuting},
         std::make_shared<PackedFlagCodec>(FormText(), FormText(), false)});
    return page;
  }();
  return schema;
}
}  // namespace DuplexTable

namespace NfTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "NFKonfig";
    const FormText kreis[4] = {
        {form, QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 1:")},
        {form, QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 2:")},
        {form, QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 3:")},
        {form, QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 4:")},
    };
    const FormText deaktiviert = {form, QT_TRANSLATE_NOOP("NFKonfig", "Deaktivierter Kreis")};
    const FormText aktiviert = {form, QT_TRANSLATE_NOOP("NFKonfig", "Aktivierter Kreis")};
    PageSchema page{form, {form, QT_TRANSLATE_NOOP("NFKonfig", "NF-Eingangskonfiguration")}, {}};
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("nf.deaktiviert.kreis%1", i + 1),
                               deaktiviert,
                               kreis[i],
                               {kDeaktiviert[i]},
                               Choice(kItems)});
    for (int i = 0; i < 4; ++i)
      page.settings.push_back({Id("nf.aktiviert.kreis%1", i + 1),
                               aktiviert,
                               kreis[i],
                               {kAktiviert[i]},
                               Choice(kItems)});
    return page;
  }();
  return schema;
}
}  // namespace NfTable

namespace TonbandrelaisTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "TonbandrelaisKonfig";
    PageSchema page{
        form, {form, QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "Tonbandrelais Konfiguration")}, {}};
    page.settings.push_back({"tonband.rel_mit_tx",
                             kNoGroup,
                             {form, QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "REL mit TX an")},
                             {kRelMitTX},
                             CheckBox()});
    page.settings.push_back(
        {"tonband.rel_mit_jedem_sql",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "REL mit jedem SQL an")},
         {kRelMitJedemSQL},
         CheckBox()});
    page.settings.push_back(
        {"tonband.rel_mit_sql_aktiv",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "REL mit SQL auf aktiviertem Kreis an")},
         {kRelMitSQLAufAktiviertemKreis},
         CheckBox()});
    // The page would read "1A5" as 1; the codec calls any character that is no digit unknown,
    // so a damaged register stands out.
    page.settings.push_back(
        {"tonband.nachlaufzeit",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "Nachlaufzeit in s:")},
         kNachlaufzeit,
         std::make_shared<NumberCodec>(
             int(kNachlaufzeit.size()), kNachlaufzeitMin, kNachlaufzeitMax,
             FormText{"SettingsCatalog", QT_TRANSLATE_NOOP("SettingsCatalog", "s")})});
    return page;
  }();
  return schema;
}
}  // namespace TonbandrelaisTable

namespace HeadsetTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "HeadsetKonfig";
    PageSchema page{form, {form, QT_TRANSLATE_NOOP("HeadsetKonfig", "Headset Konfiguration")}, {}};
    page.settings.push_back(
        {"headset.mikro_sh_taste",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("HeadsetKonfig", "Mikro für SH-Taste (PTT):")},
         {kMikroSHTaste},
         Choice(kMikroItems)});
    page.settings.push_back(
        {"headset.mikro_hs_taste",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("HeadsetKonfig", "Mikro für HS-Taste (Fußtaster):")},
         {kMikroHSTaste},
         Choice(kMikroItems)});
    // The field shows the three digits as they stand, followed by the unit label "* 5 mV".
    const int width = int(kSchwellwert.size());
    page.settings.push_back(
        {"headset.schwellwert",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("HeadsetKonfig",
                                  "Schwellwertspannung für AD-Wandler für Headseterkennung:")},
         kSchwellwert,
         std::make_shared<TextCodec>(width, width, TextCodec::Digits::Decimal,
                                     TextCodec::Fill::Left, [](const QString &chars) {
                                       return SettingCodec::tr("%1 × %2 mV (%3 mV)")
                                           .arg(chars)
                                           .arg(kSchwellwertStepMillivolts)
                                           .arg(chars.toInt() * kSchwellwertStepMillivolts);
                                     })});
    return page;
  }();
  return schema;
}
}  // namespace HeadsetTable

namespace HoererLsTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "HoererLSKonfig";
    PageSchema page{
        form,
        {form, QT_TRANSLATE_NOOP("HoererLSKonfig", "Hörer- und Lautsprecherkonfiguration")},
        {}};
    // Every character but "0" counts as "always on", and the page stores it so.
    page.settings.push_back({"hoerer_ls.hoerer",
                             kNoGroup,
                             {form, QT_TRANSLATE_NOOP("HoererLSKonfig", "Hörer")},
                             {kHoerer},
                             Choice(kHoererItems, 1)});
    page.settings.push_back({"hoerer_ls.lautsprecher",
                             kNoGroup,
                             {form, QT_TRANSLATE_NOOP("HoererLSKonfig", "Lautsprecher")},
                             {kLautsprecher},
                             Choice(kLautsprecherItems, 1)});
    return page;
  }();
  return schema;
}
}  // namespace HoererLsTable

namespace TastenfunktionenTable {
const FormText kGroups[3] = {
    {"Tastenfunktionen", QT_TRANSLATE_NOOP("Tastenfunktionen", "PTT")},
    {"Tastenfunktionen", QT_TRANSLATE_NOOP("Tastenfunktionen", "RUF 1 Taste")},
    {"Tastenfunktionen", QT_TRANSLATE_NOOP("Tastenfunktionen", "RUF 2 Taste")},
};

const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "Tastenfunktionen";
    const std::array<FormText, 4> kreise = {{
        {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "1")},
        {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "2")},
        {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "3")},
        {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "4")},
    }};
    const FormText aufKreis = {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "auf Kreis:")};
    const auto telegram = std::make_shared<TextCodec>(
        kTelegramLimit, kTelegramLimit, TextCodec::Digits::Hex, TextCodec::Fill::Right);

    PageSchema page{form, {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "Tastenfunktionen")}, {}};
    page.settings.push_back({"tasten.ptt.fms_kennung_bei_ptt",
                             kGroups[0],
                             {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "FMS Kennung bei PTT")},
                             {kFmsKennungBeiPtt},
                             std::make_shared<CheckBoxCodec>(true)});
    page.settings.push_back({"tasten.ptt.kreise",
                             kGroups[0],
                             aufKreis,
                             {kPttKreise},
                             std::make_shared<MaskCodec>(kreise, kKeiner)});
    page.settings.push_back({"tasten.ptt.fms_kennung",
                             kGroups[0],
                             {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "FMS Kennung:")},
                             TelegramSpots(kPttTelegramRegister, kPttTelegramRest),
                             telegram});

    const FormText funktion[2] = {
        {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "Funktion RUF1-Taste:")},
        {form, QT_TRANSLATE_NOOP("Tastenfunktionen", "Funktion RUF2-Taste:")},
    };
    const ItemTable *const funktionItems[2] = {&kRuf1FunktionItems, &kRuf2FunktionItems};
    // No circuit ticked is what "auf aktuellen Kreis" means for a call key.
    const FormText aktuellerKreis = {form,
                                     QT_TRANSLATE_NOOP("Tastenfunktionen", "auf aktuellen Kreis")};
    const auto tonfolge = std::make_shared<TonfolgeCodec>(kRegisterPositions, kTonfolgeDigits);
    for (int key = 0; key < 2; ++key) {
      const RufKey &spots = kRufKeys[key];
      const FormText group = kGroups[key + 1];
      page.settings.push_back({Id("tasten.ruf%1.funktion", key + 1),
                               group,
                               funktion[key],
                               {spots.funktion},
                               Choice(*funktionItems[key])});
      page.settings.push_back({Id("tasten.ruf%1.kreise", key + 1),
                               group,
                               aufKreis,
                               {spots.kreise},
                               std::make_shared<MaskCodec>(kreise, aktuellerKreis)});
      // Both stored texts are listed whatever the function: the page keeps both registers.
      page.settings.push_back({Id("tasten.ruf%1.fms_telegramm", key + 1),
                               group,
                               {form, kTelegrammLabel},
                               TelegramSpots(spots.telegramRegister, spots.telegramRest),
                               telegram});
      page.settings.push_back({Id("tasten.ruf%1.tonfolge", key + 1),
                               group,
                               {form, kTonfolgeLabel},
                               WholeRegister(spots.tonfolgeRegister),
                               tonfolge});
    }
    return page;
  }();
  return schema;
}
}  // namespace TastenfunktionenTable

namespace DetailFmsTable {
// The editor works on the key functions page's three telegrams; each field is named within
// the key's group there.
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    using namespace TastenfunktionenTable;
    const char *const form = "DetailFMS";
    const Spots telegrams[3] = {
        TelegramSpots(kPttTelegramRegister, kPttTelegramRest),
        TelegramSpots(kRufKeys[0].telegramRegister, kRufKeys[0].telegramRest),
        TelegramSpots(kRufKeys[1].telegramRegister, kRufKeys[1].telegramRest)};
    const char *const keys[3] = {"ptt", "ruf1", "ruf2"};
    const auto hex = [](int length) {
      return std::make_shared<TextCodec>(length, length, TextCodec::Digits::Hex,
                                         TextCodec::Fill::Left);
    };
    const Codec status = std::make_shared<FmsStatusCodec>();
    PageSchema page{form, {form, QT_TRANSLATE_NOOP("DetailFMS", "Detail FMS")}, {}};
    for (int t = 0; t < 3; ++t) {
      const Spots &spots = telegrams[t];
      const auto part = [&spots](int index, int length) {
        return Spots(spots.begin() + index, spots.begin() + index + length);
      };
      const QString prefix = QStringLiteral("fms.%1.").arg(QLatin1String(keys[t]));
      page.settings.push_back({Id(prefix + QStringLiteral("bos")),
                               kGroups[t],
                               {form, QT_TRANSLATE_NOOP("DetailFMS", "BOS-Kennung:")},
                               {spots[kBosIndex]},
                               Choice(kBosItems),
                               true});
      page.settings.push_back({Id(prefix + QStringLiteral("land")),
                               kGroups[t],
                               {form, QT_TRANSLATE_NOOP("DetailFMS", "Landeskennung:")},
                               {spots[kLandIndex]},
                               Choice(kLandItems),
                               true});
      page.settings.push_back({Id(prefix + QStringLiteral("ort")),
                               kGroups[t],
                               {form, QT_TRANSLATE_NOOP("DetailFMS", "Ortskennung:")},
                               part(kOrtIndex, kOrtLength),
                               hex(kOrtLength),
                               true});
      page.settings.push_back({Id(prefix + QStringLiteral("fahrzeug")),
                               kGroups[t],
                               {form, QT_TRANSLATE_NOOP("DetailFMS", "Fahrzeugkennung:")},
                               part(kFahrzeugIndex, kFahrzeugLength),
                               hex(kFahrzeugLength),
                               true});
      // The status list and the direction share the group "Status oder Anweisung"; the TKI
      // and build stage groups beside it have no title of their own, so they are named here.
      page.settings.push_back({Id(prefix + QStringLiteral("status")),
                               kGroups[t],
                               {form, QT_TRANSLATE_NOOP("DetailFMS", "Status oder Anweisung")},
                               {spots[kStatusIndex], spots[kFlagsIndex]},
                               status,
                               true});
    }
    return page;
  }();
  return schema;
}
}  // namespace DetailFmsTable

namespace TonrufTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "Tonrufauswertung";
    const FormText kreis[4] = {
        {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 1")},
        {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 2")},
        {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 3")},
        {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 4")},
    };
    const FormText nurNeuer = {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Nur neuen Kreis an")};
    const FormText zusaetzlich = {
        form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Neuen Kreis zusätzlich an")};
    const Codec aktivierung = std::make_shared<PackedChoiceCodec>(kAktivierungItems);
    // A digit without a listed condition keeps its value when only the mode is changed: the
    // page could not add the mode to it.
    const Codec modus = std::make_shared<PackedFlagCodec>(nurNeuer, zusaetzlich, true);
    PageSchema page{form, {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Tonrufauswertung")}, {}};
    for (int i = 0; i < 4; ++i) {
      page.settings.push_back(
          {Id("tonruf.kreis%1.tonruf", i + 1),
           kreis[i],
           {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Auszuwertender Tonruf:")},
           {kTonruf[i]},
           Choice(kTonrufItems)});
      page.settings.push_back(
          {Id("tonruf.kreis%1.aktivierung", i + 1),
           kreis[i],
           {form, QT_TRANSLATE_NOOP("Tonrufauswertung", "Funkkreisaktivierung:")},
           {kAktivierung[i]},
           aktivierung});
      // The mode's radio pair has no label but its circuit's group.
      page.settings.push_back(
          {Id("tonruf.kreis%1.modus", i + 1), kNoGroup, kreis[i], {kAktivierung[i]}, modus});
    }
    return page;
  }();
  return schema;
}
}  // namespace TonrufTable

namespace SenderTable {
const PageSchema &Schema() {
  static const PageSchema schema = [] {
    const char *const form = "Sendezeitbegrenzung";
    PageSchema page{
        form, {form, QT_TRANSLATE_NOOP("Sendezeitbegrenzung", "Sendereinstellungen")}, {}};
    const int width = int(kSendezeit.size());
    // The field shows its stored digits as they stand.
    page.settings.push_back(
        {"sender.sendezeitbegrenzung",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("Sendezeitbegrenzung", "Sendezeitbegrenzung in s:")},
         kSendezeit,
         std::make_shared<TextCodec>(
             width, width, TextCodec::Digits::Decimal, TextCodec::Fill::Left,
             [](const QString &chars) {
               if (chars == kKeineBegrenzung)
                 return SettingCodec::tr("%1 s (keine Begrenzung)").arg(chars);
               return SettingCodec::tr("%1 s").arg(chars);
             })});
    page.settings.push_back(
        {"sender.vorlaufzeit",
         kNoGroup,
         {form, QT_TRANSLATE_NOOP("Sendezeitbegrenzung", "Sendervorlaufzeit in ms:")},
         kVorlaufzeit,
         std::make_shared<VorlaufzeitCodec>()});
    return page;
  }();
  return schema;
}
}  // namespace SenderTable

const std::vector<const PageSchema *> &AllPageSchemas() {
  static const std::vector<const PageSchema *> schemas = {
      &FunkkreisTable::Schema(),
      &SquelchTable::Schema(),
      &BusyTable::AusgangSchema(),
      &BusyTable::EingangSchema(),
      &TxTable::Schema(),
      &DuplexTable::Schema(),
      &NfTable::Schema(),
      &TonbandrelaisTable::Schema(),
      &HeadsetTable::Schema(),
      &HoererLsTable::Schema(),
      &TastenfunktionenTable::Schema(),
      &DetailFmsTable::Schema(),
      &TonrufTable::Schema(),
      &SenderTable::Schema(),
  };
  return schemas;
}
