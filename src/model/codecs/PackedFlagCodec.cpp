// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackedFlagCodec.h"

#include "CodecText.h"
#include "PackedDigit.h"

using CodecText::First;
using CodecText::NotAccepted;
using CodecText::Off;
using CodecText::On;
using CodecText::OnOff;
using CodecText::OnOffAccepted;
using CodecText::Quoted;

PackedFlagCodec::PackedFlagCodec(FormText off, FormText on, bool keepUnlisted)
    : SettingCodec(1), off_(off), on_(on), keepUnlisted_(keepUnlisted) {}

bool PackedFlagCodec::IsSet(QChar c) { return PackedDigit::Flag(c); }

QChar PackedFlagCodec::WithFlag(QChar c, bool set) const {
  if (keepUnlisted_ && !PackedDigit::IsListed(c)) return c;
  return PackedDigit::Join(PackedDigit::Part(c), set);
}

QString PackedFlagCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (!PackedDigit::IsListed(c)) return QString();
  const bool flag = PackedDigit::Flag(c);
  if (IsCheckBox()) return flag ? On() : Off();
  return (flag ? on_ : off_).Tr();
}

bool PackedFlagCodec::Encode(const QString &value, QString *chars, QString *error) const {
  int flag = -1;
  if (IsCheckBox()) {
    flag = OnOff(value);
  } else if (value.trimmed() == off_.Tr() || value.trimmed() == on_.Tr()) {
    flag = value.trimmed() == on_.Tr() ? 1 : 0;
  }
  if (flag < 0) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(WithFlag(First(*chars), flag == 1));
  return true;
}

QString PackedFlagCodec::Accepted() const {
  if (IsCheckBox()) return OnOffAccepted();
  return Quoted(off_.Tr()) + QStringLiteral(", ") + Quoted(on_.Tr());
}
