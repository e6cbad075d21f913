// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CheckBoxCodec.h"

#include "CodecText.h"

using CodecText::First;
using CodecText::IsHexDigit;
using CodecText::NotAccepted;
using CodecText::Off;
using CodecText::On;
using CodecText::OnOff;
using CodecText::OnOffAccepted;

CheckBoxCodec::CheckBoxCodec(bool anyDigitButZero)
    : SettingCodec(1), anyDigitButZero_(anyDigitButZero) {}

bool CheckBoxCodec::IsChecked(QChar c) const {
  return anyDigitButZero_ ? c != QLatin1Char('0') : c == QLatin1Char('1');
}

QChar CheckBoxCodec::Stored(bool checked) { return checked ? QLatin1Char('1') : QLatin1Char('0'); }

QString CheckBoxCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (c == QLatin1Char('0')) return Off();
  if (c == QLatin1Char('1') || (anyDigitButZero_ && IsHexDigit(c))) return On();
  return QString();
}

bool CheckBoxCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const int on = OnOff(value);
  if (on < 0) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(Stored(on == 1));
  return true;
}

QString CheckBoxCodec::Accepted() const { return OnOffAccepted(); }
