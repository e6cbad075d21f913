// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TonfolgeCodec.h"

#include "CodecText.h"

TonfolgeCodec::TonfolgeCodec(int width, int digits)
    : TextCodec(width, digits, Digits::Hex, Fill::Right) {}

QString TonfolgeCodec::Decode(const QString &chars) const {
  if (!IsValid(chars)) return QString();
  const QString rest = chars.mid(MaxInput());
  return rest == QString(rest.size(), QLatin1Char('0')) ? chars.left(MaxInput()) : QString();
}
