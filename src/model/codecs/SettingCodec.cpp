// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingCodec.h"

#include "CodecText.h"

QString SettingCodec::UnknownText() { return tr("unbekannter Wert"); }

QString SettingCodec::Note(const QString &chars) const {
  const QString value = Decode(chars);
  if (value.isNull()) return UnknownText();
  if (ValueText(chars) == value) return QString();
  return tr("die Seite zeigt \"%1\"").arg(value);
}

QString SettingCodec::Describe(const QString &chars) const {
  const QString note = Note(chars);
  const QString value = ValueText(chars);
  return note.isEmpty() ? value : QStringLiteral("%1 (%2)").arg(value, note);
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

bool SettingCodec::Set(const QString &text, QString *chars, QString *error) const {
  // Blanks around a value never count: it may be pasted from an aligned list. Umlauts typed
  // as a letter and a combining mark (some editors save them so) are the same words.
  const QString value = text.normalized(QString::NormalizationForm_C).trimmed();
  if (!value.startsWith(RawPrefix(), Qt::CaseInsensitive)) return Encode(value, chars, error);
  const QString raw = value.mid(RawPrefix().size()).trimmed().toUpper();
  if (raw.size() != width_ || !CodecText::IsHex(raw)) {
    // Spelled out: without a translation file, tr()'s %n has no singular.
    *error = width_ == 1
                 ? tr("Nach \"%1\" steht genau eine Hex-Ziffer (0-9, A-F).").arg(RawPrefix())
                 : tr("Nach \"%1\" stehen genau %2 Hex-Ziffern (0-9, A-F).")
                       .arg(RawPrefix())
                       .arg(width_);
    return false;
  }
  *chars = raw;
  return true;
}
