// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// The schemas of the call evaluation and transmitter pages, and the list of every page's
// schema. Labels and groups are the texts of the page's form (translation context: the page's
// class name).

#include "BusyTable.h"
#include "DetailFmsTable.h"
#include "DuplexTable.h"
#include "FunkkreisTable.h"
#include "HeadsetTable.h"
#include "HoererLsTable.h"
#include "NfTable.h"
#include "PackedChoiceCodec.h"
#include "PackedFlagCodec.h"
#include "SchemaParts.h"
#include "SenderTable.h"
#include "SettingSchema.h"
#include "SquelchTable.h"
#include "TastenfunktionenTable.h"
#include "TextCodec.h"
#include "TonbandrelaisTable.h"
#include "TonrufTable.h"
#include "TxTable.h"
#include "VorlaufzeitCodec.h"

using namespace SchemaParts;

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
