// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <array>

#include "FormText.h"
#include "SettingCodec.h"

// One hex digit whose bits 0 to 3 are four check boxes, bit 0 the first.
class MaskCodec : public SettingCodec {
 public:
  MaskCodec(std::array<FormText, 4> names, FormText none);

  // The page reads a character that is no hex digit as no box ticked.
  static int Bits(QChar c);
  static QChar Stored(int bits);

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  std::array<FormText, 4> names_;
  FormText none_;
};
