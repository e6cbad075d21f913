// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextCodec.h"

#include <algorithm>

#include "CodecText.h"
#include "Register.h"

using CodecText::IsDecimal;
using CodecText::IsHex;

TextCodec::TextCodec(int width, int maxInput, Digits digits, Fill fill,
                     std::function<QString(const QString &)> words)
    : SettingCodec(width),
      maxInput_(std::min(maxInput, width)),
      digits_(digits),
      fill_(fill),
      words_(std::move(words)) {}

bool TextCodec::IsValid(const QString &chars) const {
  return chars.size() == Width() && (digits_ == Digits::Hex ? IsHex(chars) : IsDecimal(chars));
}

bool TextCodec::Complete(const QString &text, QString *chars, QString *error) const {
  const QString upper = text.toUpper();
  if (digits_ == Digits::Hex ? !Register::IsHexText(upper) : !IsDecimal(upper)) {
    // The key functions page's own message; a digits-only field lets nothing else be typed.
    *error = digits_ == Digits::Hex ? tr("Hexwert eingeben!") : tr("Bitte nur Ziffern eingeben.");
    return false;
  }
  if (upper.size() > maxInput_) {
    *error = tr("Das Feld nimmt höchstens %n Zeichen.", nullptr, maxInput_);
    return false;
  }
  *chars = fill_ == Fill::Left ? upper.rightJustified(Width(), QLatin1Char('0'))
                               : upper.leftJustified(Width(), QLatin1Char('0'));
  return true;
}

QString TextCodec::Decode(const QString &chars) const { return IsValid(chars) ? chars : QString(); }

QString TextCodec::Describe(const QString &chars) const {
  if (!IsValid(chars)) return UnknownText(chars);
  return words_ ? words_(chars) : chars;
}

bool TextCodec::Encode(const QString &value, QString *chars, QString *error) const {
  return Complete(value.trimmed(), chars, error);
}

QString TextCodec::Accepted() const {
  return digits_ == Digits::Hex ? tr("bis zu %n Hex-Ziffern (0-9, A-F)", nullptr, maxInput_)
                                : tr("bis zu %n Ziffern", nullptr, maxInput_);
}
