// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MaskCodec.h"

#include <QStringList>

#include "CodecText.h"
#include "Register.h"

using CodecText::First;
using CodecText::IsHexDigit;
using CodecText::NotAccepted;

MaskCodec::MaskCodec(std::array<FormText, 4> names, FormText none)
    : SettingCodec(1), names_(names), none_(none) {}

int MaskCodec::Bits(QChar c) { return Register::HexDigitToValue(c); }

QChar MaskCodec::Stored(int bits) { return Register::ValueToHexDigit(bits); }

QString MaskCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (!IsHexDigit(c)) return QString();
  QStringList ticked;
  for (int bit = 0; bit < 4; ++bit)
    if (Bits(c) & (1 << bit)) ticked << names_[bit].Tr();
  return ticked.isEmpty() ? none_.Tr() : ticked.join(QStringLiteral(", "));
}

bool MaskCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString trimmed = value.trimmed();
  int bits = 0;
  if (!trimmed.isEmpty() && trimmed.compare(none_.Tr(), Qt::CaseInsensitive) != 0) {
    for (const QString &part : trimmed.split(QLatin1Char(','))) {
      const QString name = part.trimmed();
      int bit = -1;
      for (int i = 0; i < 4 && bit < 0; ++i)
        if (name == QString::number(i + 1) ||
            name.compare(names_[i].Tr(), Qt::CaseInsensitive) == 0)
          bit = i;
      if (bit < 0) {
        *error = NotAccepted(value, Accepted());
        return false;
      }
      bits |= 1 << bit;
    }
  }
  *chars = QString(Stored(bits));
  return true;
}

QString MaskCodec::Accepted() const {
  return tr("die Kreise durch Kommas getrennt, z. B. \"1, 3\", oder \"%1\"").arg(none_.Tr());
}
