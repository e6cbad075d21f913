// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// TX input page: register 7 positions 0 to 3 (LED), register 8 positions 0 to 3 (function),
// one position per circuit.
namespace TxTable {

inline constexpr RegisterSpot kLed[4] = {{7, 0}, {7, 1}, {7, 2}, {7, 3}};
inline constexpr RegisterSpot kFunktion[4] = {{8, 0}, {8, 1}, {8, 2}, {8, 3}};

inline const ItemTable kLedItems = {{
    {QT_TRANSLATE_NOOP("Items", "Keine Funktion"), '0'},
    {QT_TRANSLATE_NOOP("Items", "TX-LED blinkt"), '1'},
}, true};

inline const ItemTable kFunktionItems = {{
    {QT_TRANSLATE_NOOP("Items", "Keine Funktion"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Mutet Kreis"), '1'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt Sendertastung"), '2'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt Sendertastung + mutet Kreis"), '3'},
}, true};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace TxTable
