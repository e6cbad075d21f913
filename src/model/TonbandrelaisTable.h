// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <vector>

// Tape relay page: register 12 positions 0 to 2, register 13 positions 0 to 2.
namespace TonbandrelaisTable {

// "REL mit TX an", "REL mit jedem SQL an", "REL mit SQL auf aktiviertem Kreis an":
// "1" checked, "0" unchecked.
inline constexpr RegisterSpot kRelMitTX = {12, 0};
inline constexpr RegisterSpot kRelMitJedemSQL = {12, 1};
inline constexpr RegisterSpot kRelMitSQLAufAktiviertemKreis = {12, 2};
// "Nachlaufzeit in s:": seconds as three decimal digits with leading zeros.
inline const std::vector<RegisterSpot> kNachlaufzeit = {{13, 0}, {13, 1}, {13, 2}};
inline constexpr int kNachlaufzeitMin = 0;
inline constexpr int kNachlaufzeitMax = 655;

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace TonbandrelaisTable
