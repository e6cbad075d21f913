// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

#include <vector>

// Headset page: register 14 positions 0 and 1, register 15 positions 0 to 2.
namespace HeadsetTable {

// "Mikro für SH-Taste (PTT):".
inline constexpr RegisterSpot kMikroSHTaste = {14, 0};
// "Mikro für HS-Taste (Fußtaster):".
inline constexpr RegisterSpot kMikroHSTaste = {14, 1};
// "Schwellwertspannung für AD-Wandler für Headseterkennung:": three decimal digits in units
// of 5 mV.
inline const std::vector<RegisterSpot> kSchwellwert = {{15, 0}, {15, 1}, {15, 2}};
inline constexpr int kSchwellwertStepMillivolts = 5;

inline const ItemTable kMikroItems = {{
    {QT_TRANSLATE_NOOP("Items", "SH-Mikro"), '0'},
    {QT_TRANSLATE_NOOP("Items", "HS-Mikro"), '1'},
    {QT_TRANSLATE_NOOP("Items", "SH/HS Mikro*"), '2'},
}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace HeadsetTable
