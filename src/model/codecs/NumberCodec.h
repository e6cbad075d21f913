// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "FormText.h"
#include "SettingCodec.h"

// A whole number with leading zeros, checked against a range when it is stored.
class NumberCodec : public SettingCodec {
 public:
  NumberCodec(int width, int min, int max, FormText unit);

  // As the page reads it: up to the first character that is no decimal digit ("1A5" -> 1).
  static int Read(const QString &chars);

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  int min_;
  int max_;
  FormText unit_;
};
