// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QChar>
#include <QString>

#include <vector>

// Transmitter settings page: register 51 positions 0 to 2, register 55 positions 0 and 1.
namespace SenderTable {

// "Sendezeitbegrenzung in s:": seconds as three decimal digits, "000" = no limit.
inline const std::vector<RegisterSpot> kSendezeit = {{51, 0}, {51, 1}, {51, 2}};
inline const QString kKeineBegrenzung = QStringLiteral("000");
// "Sendervorlaufzeit in ms:": two decimal digits in units of 10 ms; the page shows the
// milliseconds, so a third digit "0" that is never stored.
inline const std::vector<RegisterSpot> kVorlaufzeit = {{55, 0}, {55, 1}};

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace SenderTable
