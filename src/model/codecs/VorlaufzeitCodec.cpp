// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VorlaufzeitCodec.h"

#include "CodecText.h"

using CodecText::IsDecimal;
using CodecText::NotAccepted;
using CodecText::WithoutUnit;

VorlaufzeitCodec::VorlaufzeitCodec() : SettingCodec(2) {}

QString VorlaufzeitCodec::Complete(const QString &text) {
  return text.left(2).leftJustified(2, QLatin1Char('0')) + QLatin1Char('0');
}

QString VorlaufzeitCodec::Shown(const QString &chars) { return chars + QLatin1Char('0'); }

QString VorlaufzeitCodec::Decode(const QString &chars) const {
  return chars.size() == Width() && IsDecimal(chars) ? tr("%1 ms").arg(Shown(chars)) : QString();
}

bool VorlaufzeitCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString text = WithoutUnit(value, tr("ms"));
  if (!IsDecimal(text) || text.size() > 3) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = Complete(text).left(2);
  return true;
}

QString VorlaufzeitCodec::Accepted() const {
  return tr("bis zu 3 Ziffern, Millisekunden; die letzte Ziffer gilt als 0 (\"5\" wird 500)");
}
