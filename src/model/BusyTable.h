// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// BUSY line pages: register 4 positions 0 to 3 (output), register 5 positions 0 to 3 (input
// LED) and register 6 positions 0 to 3 (input function), one position per circuit.
namespace BusyTable {

inline constexpr RegisterSpot kAusgang[4] = {{4, 0}, {4, 1}, {4, 2}, {4, 3}};
inline constexpr RegisterSpot kEingangLed[4] = {{5, 0}, {5, 1}, {5, 2}, {5, 3}};
inline constexpr RegisterSpot kEingangFunktion[4] = {{6, 0}, {6, 1}, {6, 2}, {6, 3}};

inline const ItemTable kAusgangItems = {{
    {QT_TRANSLATE_NOOP("Items", "BUSY immer aus"), '0'},
    {QT_TRANSLATE_NOOP("Items", "BUSY aktiv bei TX aktiv"), '1'},
    {QT_TRANSLATE_NOOP("Items", "BUSY aktiv bei Kreis an"), '2'},
}};

inline const ItemTable kLedItems = {{
    {QT_TRANSLATE_NOOP("Items", "Keine Funktion"), '0'},
    {QT_TRANSLATE_NOOP("Items", "TX-LED blinkt"), '1'},
    {QT_TRANSLATE_NOOP("Items", "KR-LED blinkt"), '2'},
}, true};

// The last two exist from console version 1.07 on and are listed only for such a console.
inline const ItemTable kFunktionItems = {{
    {QT_TRANSLATE_NOOP("Items", "Keine Funktion"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Mutet Kreis"), '1'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt Sendertastung"), '2'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt Sendertastung + mutet Kreis"), '3'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt Kreisaktivierung"), '4'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt Kreisaktivierung + mutet Kreis"), '5'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt jegliche Kreisaktivierung"), '6'},
    {QT_TRANSLATE_NOOP("Items", "Sperrt jegliche Kreisaktivierung + mutet Kreis"), '7'},
}, true, 2};

// The output page and the input page.
const PageSchema &AusgangSchema();
const PageSchema &EingangSchema();

}  // namespace BusyTable
