// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "TextCodec.h"

// A call key's tone sequence: 5 hex digits, then "000" that the page writes and never shows.
class TonfolgeCodec : public TextCodec {
 public:
  TonfolgeCodec(int width, int digits);

  // What the field shows: the digits before the "000", whatever follows them.
  QString Shown(const QString &chars) const { return chars.left(MaxInput()); }

  QString Decode(const QString &chars) const override;
};
