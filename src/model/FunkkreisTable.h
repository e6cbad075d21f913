// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// Radio circuit page: register 0 positions 0 to 6, register 1 positions 0 to 4.
namespace FunkkreisTable {

// "Funkkreis 1 erlaubt" ... "Funkkreis 4 erlaubt": "1" checked, "0" unchecked.
inline constexpr RegisterSpot kErlaubt[4] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}};
// "Mehrere aktive Kreise möglich".
inline constexpr RegisterSpot kMehrereAktiveKreise = {0, 4};
// "Automatische Kreisaktivierung:".
inline constexpr RegisterSpot kAutomatischeKreisaktivierung = {0, 5};
// "Letzter Kreis nach Einschalten:": a 4-bit mask, bit 0 = Funkkreis 1 ... bit 3 = Funkkreis 4.
inline constexpr RegisterSpot kLetzterKreisMaske = {0, 6};
// "Funkkreis 1 beim Einschalten an" ... "Funkkreis 4 beim Einschalten an".
inline constexpr RegisterSpot kBeimEinschaltenAn[4] = {{1, 0}, {1, 1}, {1, 2}, {1, 3}};
// "Beim Einschalten aktive Kreise".
inline constexpr RegisterSpot kEinschaltKreise = {1, 4};

inline const ItemTable kAutomatikItems = {{
    {QT_TRANSLATE_NOOP("Items", "Letzten Kreis aktivieren"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Fehlerton"), '1'},
}};

inline const ItemTable kEinschaltItems = {{
    {QT_TRANSLATE_NOOP("Items", "Einschaltkreise"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Letzte aktive Kreise"), '1'},
}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace FunkkreisTable
