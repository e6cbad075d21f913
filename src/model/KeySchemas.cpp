// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// The schemas of the key functions page and of the FMS telegram editor that works on its
// telegrams. Labels and groups are the texts of the forms (translation context: the class name).

#include <array>

#include "CheckBoxCodec.h"
#include "DetailFmsTable.h"
#include "FmsStatusCodec.h"
#include "MaskCodec.h"
#include "SchemaParts.h"
#include "SettingSchema.h"
#include "TastenfunktionenTable.h"
#include "TextCodec.h"
#include "TonfolgeCodec.h"

using namespace SchemaParts;

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
