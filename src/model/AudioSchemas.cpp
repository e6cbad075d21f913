// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// The schemas of the audio pages: NF, tape relay, headset, receiver and loudspeaker. Labels and
// groups are the texts of the page's form (translation context: the page's class name).

#include "HeadsetTable.h"
#include "HoererLsTable.h"
#include "NfTable.h"
#include "NumberCodec.h"
#include "SchemaParts.h"
#include "SettingSchema.h"
#include "TextCodec.h"
#include "TonbandrelaisTable.h"

using namespace SchemaParts;

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
