// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChoiceCodec.h"

#include "CodecText.h"

using CodecText::First;
using CodecText::IsHexDigit;
using CodecText::ItemFor;
using CodecText::NotAccepted;
using CodecText::QuotedItems;

ChoiceCodec::ChoiceCodec(const ItemTable &table, int otherwise)
    : SettingCodec(1), table_(table), otherwise_(otherwise) {}

QString ChoiceCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  const QString text = TextFor(table_, c);
  if (text.isNull() && otherwise_ >= 0 && IsHexDigit(c)) return ItemText(table_.items[otherwise_]);
  return text;
}

bool ChoiceCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QChar c = ItemFor(table_, value);
  if (c.isNull()) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(c);
  return true;
}

QString ChoiceCodec::Accepted() const { return QuotedItems(table_); }
