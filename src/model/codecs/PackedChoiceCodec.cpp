// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackedChoiceCodec.h"

#include "CodecText.h"
#include "PackedDigit.h"

using CodecText::First;
using CodecText::ItemFor;
using CodecText::NotAccepted;
using CodecText::QuotedItems;

PackedChoiceCodec::PackedChoiceCodec(const ItemTable &table) : SettingCodec(1), table_(table) {}

QString PackedChoiceCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (!PackedDigit::IsListed(c)) return QString();
  return TextFor(table_, PackedDigit::Join(PackedDigit::Part(c), false));
}

bool PackedChoiceCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QChar c = ItemFor(table_, value);
  if (c.isNull()) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(PackedDigit::Join(c.unicode() - '0', PackedDigit::Flag(First(*chars))));
  return true;
}

QString PackedChoiceCodec::Accepted() const { return QuotedItems(table_); }
