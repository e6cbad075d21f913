// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "PageTable.h"
#include "SettingCodec.h"

// The choice part of a packed digit, from an item table whose values are "0" to "3".
class PackedChoiceCodec : public SettingCodec {
 public:
  explicit PackedChoiceCodec(const ItemTable &table);

  const ItemTable &Table() const { return table_; }

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  const ItemTable &table_;
};
