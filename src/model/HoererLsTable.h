// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

// Handset and loudspeaker page: register 16 positions 0 and 1. Only "0" switches anything
// off; every other character counts as "always on" and is stored as "1".
namespace HoererLsTable {

// Group "Hörer".
inline constexpr RegisterSpot kHoerer = {16, 0};
// Group "Lautsprecher".
inline constexpr RegisterSpot kLautsprecher = {16, 1};

inline const ItemTable kHoererItems = {{
    {QT_TRANSLATE_NOOP("Items", "Hörer aus wenn aufgelegt"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Hörer immer an"), '1'},
}};

inline const ItemTable kLautsprecherItems = {{
    {QT_TRANSLATE_NOOP("Items", "Lautsprecher aus wenn Hörer abgehoben"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Lautsprecher immer an"), '1'},
}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace HoererLsTable
