// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "PageTable.h"
#include "SettingCodec.h"

// A choice from an item table: a combo box or a group of radio buttons, one character.
class ChoiceCodec : public SettingCodec {
 public:
  // `otherwise`: the index of the item that every other hex digit counts as, for a group
  // whose page reads any other character as that choice and stores it so; -1 for none.
  explicit ChoiceCodec(const ItemTable &table, int otherwise = -1);

  const ItemTable &Table() const { return table_; }
  // True when the page stores the checked choice whatever was read.
  bool Rewrites() const { return otherwise_ >= 0; }

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  const ItemTable &table_;
  int otherwise_;
};
