// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QChar>
#include <QtGlobal>

// Duplex page: register 9 positions 0 to 3 (mode per circuit) and position 4 (muting of the
// circuits without PTT).
namespace DuplexTable {

inline constexpr RegisterSpot kModus[4] = {{9, 0}, {9, 1}, {9, 2}, {9, 3}};

// Radio triples in button order; any other character shows "Simplex".
inline const ItemTable kModusItems = {{
    {QT_TRANSLATE_NOOP("Items", "Simplex"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Duplex"), '1'},
    {QT_TRANSLATE_NOOP("Items", "Duplex mit LS an bei PTT"), '2'},
}};

// "0" + list index, plus 4 when the muting also applies to selected analogue circuits
// (PackedDigit). Stored by list index, so the order is the stored value.
inline constexpr RegisterSpot kMuting = {9, 4};
inline const ItemTable kMutingItems = {{
    {QT_TRANSLATE_NOOP("Items", "nichts muten"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Mithören aus"), '1'},
    {QT_TRANSLATE_NOOP("Items", "max. LS aus"), '2'},
    {QT_TRANSLATE_NOOP("Items", "Mithören und max. LS aus"), '3'},
}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace DuplexTable
