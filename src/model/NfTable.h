// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// Audio input page: register 10 positions 0 to 3 (deactivated circuit), register 11
// positions 0 to 3 (activated circuit), one position per circuit.
namespace NfTable {

inline constexpr RegisterSpot kDeaktiviert[4] = {{10, 0}, {10, 1}, {10, 2}, {10, 3}};
inline constexpr RegisterSpot kAktiviert[4] = {{11, 0}, {11, 1}, {11, 2}, {11, 3}};

// Bit 0 opens the monitoring path, bit 1 the normal path.
inline const ItemTable kItems = {{
    {QT_TRANSLATE_NOOP("Items", "Kreis gemutet"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Mithörlautstärke"), '1'},
    {QT_TRANSLATE_NOOP("Items", "Maximale Lautstärke"), '2'},
    {QT_TRANSLATE_NOOP("Items", "MH + max. Lautstärke"), '3'},
}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace NfTable
