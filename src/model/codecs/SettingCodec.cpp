// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingCodec.h"

#include "CodecText.h"

QString SettingCodec::Describe(const QString &chars) const {
  const QString value = Decode(chars);
  return value.isNull() ? UnknownText(chars) : value;
}

QString SettingCodec::UnknownText(const QString &chars) {
  return tr("unbekannter Wert %1").arg(chars);
}

QString SettingCodec::ValueText(const QString &chars) const {
  const QString value = Decode(chars);
  if (!value.isNull()) {
    QString encoded = chars;
    QString error;
    if (Encode(value, &encoded, &error) && encoded == chars) return value;
  }
  return RawPrefix() + chars;
}

bool SettingCodec::Set(const QString &value, QString *chars, QString *error) const {
  if (!value.startsWith(RawPrefix())) return Encode(value, chars, error);
  const QString raw = value.mid(RawPrefix().size()).trimmed().toUpper();
  if (raw.size() != width_ || !CodecText::IsHex(raw)) {
    *error =
        tr("Nach \"%1\" stehen genau %n Hex-Ziffern (0-9, A-F).", nullptr, width_).arg(RawPrefix());
    return false;
  }
  *chars = raw;
  return true;
}
