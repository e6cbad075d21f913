// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// The schemas of the circuit pages: circuits, squelch, BUSY out and in, TX, duplex. Labels and
// groups are the texts of the page's form (translation context: the page's class name).

#include <array>

#include "BusyTable.h"
#include "DuplexTable.h"
#include "FunkkreisTable.h"
#include "MaskCodec.h"
#include "PackedChoiceCodec.h"
#include "PackedFlagCodec.h"
#include "SchemaParts.h"
#include "SettingSchema.h"
#include "SquelchTable.h"
#include "TxTable.h"

using namespace SchemaParts;

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
         std::make_shared<PackedChoiceCodec>(kMutingItems, true)});
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
