// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "SettingCodec.h"

// The transmitter pre-key time: two digits in units of 10 ms; the field shows milliseconds,
// three digits whose last is always "0".
class VorlaufzeitCodec : public SettingCodec {
 public:
  VorlaufzeitCodec();

  // The field's text completed as the page completes it on leaving the field: "" -> "000",
  // "5" -> "500", "12" -> "120", "125" -> "120".
  static QString Complete(const QString &text);
  // The milliseconds the field shows for the stored characters: "25" -> "250".
  static QString Shown(const QString &chars);

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;
};
