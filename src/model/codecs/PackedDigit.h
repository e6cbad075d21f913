// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>

// One digit packing a choice ("0" to "3") and a mode worth 4 ("4" to "7"); two settings
// share it, one codec for each part. Digits from "8" on mean nothing listed.
class PackedDigit {
 public:
  static constexpr int kFlag = 4;

  static bool IsListed(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('7'); }
  // The mode as the pages read any character: set above "3".
  static bool Flag(QChar c) { return c > QLatin1Char('3'); }
  // The choice as the duplex page reads any character: its distance from "0", modulo 4.
  static int Part(QChar c);
  static QChar Join(int part, bool flag);
};
