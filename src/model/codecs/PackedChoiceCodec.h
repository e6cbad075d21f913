// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "PageTable.h"
#include "SettingCodec.h"

// The choice part of a packed digit, from an item table whose values are "0" to "3".
class PackedChoiceCodec : public SettingCodec {
 public:
  // `readsAny`: the page shows every digit as some choice, its distance from "0" modulo 4
  // (and rewrites it at OK); otherwise a digit from "8" on shows no choice.
  explicit PackedChoiceCodec(const ItemTable &table, bool readsAny = false);

  const ItemTable &Table() const { return table_; }

  // The item text the page shows for a stored character, or a null string for none.
  QString Shown(QChar c) const;
  // `c` with the choice that stores `item` (an item's value), its mode kept.
  static QChar WithChoice(QChar c, QChar item);

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  const ItemTable &table_;
  bool readsAny_;
};
