// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackedDigit.h"

int PackedDigit::Part(QChar c) {
  const int offset = c.unicode() - '0';
  return offset < 0 ? 0 : offset % kFlag;
}

QChar PackedDigit::Join(int part, bool flag) {
  return QChar::fromLatin1(char('0' + part + (flag ? kFlag : 0)));
}
