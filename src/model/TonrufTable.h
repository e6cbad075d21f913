// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// Tone call evaluation page: positions 0 and 1 of registers 41 to 44, one register per circuit.
namespace TonrufTable {

// "Auszuwertender Tonruf:" of "Kreis 1" ... "Kreis 4".
inline constexpr RegisterSpot kTonruf[4] = {{41, 0}, {42, 0}, {43, 0}, {44, 0}};
// "Funkkreisaktivierung:" and the activation mode of "Kreis 1" ... "Kreis 4": the condition
// ("0" to "3"), plus 4 with "Neuen Kreis zusätzlich an" ("4" to "7"): a PackedDigit.
inline constexpr RegisterSpot kAktivierung[4] = {{41, 1}, {42, 1}, {43, 1}, {44, 1}};

inline const ItemTable kTonrufItems = {{
    {QT_TRANSLATE_NOOP("Items", "Keiner"), '0'},
    {QT_TRANSLATE_NOOP("Items", "1"), '1'},
    {QT_TRANSLATE_NOOP("Items", "2"), '2'},
    {QT_TRANSLATE_NOOP("Items", "1 und 2"), '3'},
}};

// Shown sorted: "Immer", "Keine Aktivierung", "Nur wenn kein TX", "Nur wenn kein TX und HA
// aufliegt".
inline const ItemTable kAktivierungItems = {
    {
        {QT_TRANSLATE_NOOP("Items", "Keine Aktivierung"), '0'},
        {QT_TRANSLATE_NOOP("Items", "Nur wenn kein TX und HA aufliegt"), '1'},
        {QT_TRANSLATE_NOOP("Items", "Nur wenn kein TX"), '2'},
        {QT_TRANSLATE_NOOP("Items", "Immer"), '3'},
    },
    /*sorted=*/true,
};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace TonrufTable
