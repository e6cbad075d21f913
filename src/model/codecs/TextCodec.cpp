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

QString TextCodec::Decode(const QString &chars) const {
  if (!IsValid(chars)) return QString();
  return words_ ? words_(chars) : chars;
}

// The field's text alone, or followed by the words Decode adds to it ("0120 s").
bool TextCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString text = value.simplified();
  const int blank = text.indexOf(QLatin1Char(' '));
  if (blank < 0 || !words_) return Complete(text, chars, error);
  QString completed;
  if (!Complete(text.left(blank), &completed, error)) return false;
  const QString words = words_(completed).simplified();
  if (words.mid(words.indexOf(QLatin1Char(' ')) + 1).compare(text.mid(blank + 1),
                                                             Qt::CaseInsensitive) != 0) {
    *error = CodecText::NotAccepted(value, Accepted());
    return false;
  }
  *chars = completed;
  return true;
}

QString TextCodec::Accepted() const {
  return digits_ == Digits::Hex ? tr("bis zu %n Hex-Ziffern (0-9, A-F)", nullptr, maxInput_)
                                : tr("bis zu %n Ziffern", nullptr, maxInput_);
}
