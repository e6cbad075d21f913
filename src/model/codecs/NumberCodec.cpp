// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberCodec.h"

#include "CodecText.h"

using CodecText::IsDecimal;
using CodecText::WithoutUnit;

NumberCodec::NumberCodec(int width, int min, int max, FormText unit)
    : SettingCodec(width), min_(min), max_(max), unit_(unit) {}

int NumberCodec::Read(const QString &chars) {
  int value = 0;
  for (QChar c : chars) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
    value = value * 10 + (c.unicode() - '0');
  }
  return value;
}

QString NumberCodec::Decode(const QString &chars) const {
  if (chars.size() != Width() || !IsDecimal(chars)) return QString();
  const QString value = QString::number(Read(chars));
  return unit_.IsEmpty() ? value : value + QLatin1Char(' ') + unit_.Tr();
}

bool NumberCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString text = unit_.IsEmpty() ? value.trimmed() : WithoutUnit(value, unit_.Tr());
  if (text.isEmpty()) {
    *error = tr("Geben Sie eine ganze Zahl ein.");
    return false;
  }
  bool number = false;
  const qlonglong n = text.toLongLong(&number);
  // A run of digits too long for any integer is out of range as well.
  if (!number || !IsDecimal(text) || n < min_ || n > max_) {
    *error = tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(min_).arg(max_);
    return false;
  }
  const QString digits = QString::number(n).rightJustified(Width(), QLatin1Char('0'));
  if (digits.size() != Width()) {  // a range wider than the setting's characters
    *error = tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(min_).arg(max_);
    return false;
  }
  *chars = digits;
  return true;
}

QString NumberCodec::Accepted() const {
  return tr("eine ganze Zahl von %1 bis %2").arg(min_).arg(max_);
}
