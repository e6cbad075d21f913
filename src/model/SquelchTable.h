// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// Squelch page: register 2 positions 0 to 3 (carrier input polarity), register 3 positions
// 0 to 3 (audio muting), one position per circuit.
namespace SquelchTable {

inline constexpr RegisterSpot kSql[4] = {{2, 0}, {2, 1}, {2, 2}, {2, 3}};
inline constexpr RegisterSpot kNf[4] = {{3, 0}, {3, 1}, {3, 2}, {3, 3}};

// Radio pairs in button order; any other character shows the second button.
inline const ItemTable kSqlItems = {{
    {QT_TRANSLATE_NOOP("Items", "SQL aktiv high"), '1'},
    {QT_TRANSLATE_NOOP("Items", "SQL aktiv low"), '0'},
}};

inline const ItemTable kNfItems = {{
    {QT_TRANSLATE_NOOP("Items", "NF an nur bei SQL"), '1'},
    {QT_TRANSLATE_NOOP("Items", "NF immer an"), '0'},
}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace SquelchTable
