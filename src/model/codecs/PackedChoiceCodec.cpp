// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PackedChoiceCodec.h"

#include "CodecText.h"
#include "PackedDigit.h"

using CodecText::First;
using CodecText::ItemFor;
using CodecText::NotAccepted;
using CodecText::QuotedItems;

PackedChoiceCodec::PackedChoiceCodec(const ItemTable &table, bool readsAny)
    : SettingCodec(1), table_(table), readsAny_(readsAny) {}

QString PackedChoiceCodec::Shown(QChar c) const {
  if (readsAny_ && c >= QLatin1Char('0'))
    return TextFor(table_, PackedDigit::Join(PackedDigit::Part(c), false));
  return Decode(QString(c));
}

QChar PackedChoiceCodec::WithChoice(QChar c, QChar item) {
  return PackedDigit::Join(item.unicode() - '0', PackedDigit::Flag(c));
}

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
  *chars = QString(WithChoice(First(*chars), c));
  return true;
}

QString PackedChoiceCodec::Accepted() const { return QuotedItems(table_); }
