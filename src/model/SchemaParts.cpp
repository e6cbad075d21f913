// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SchemaParts.h"

#include <QByteArray>

#include "CheckBoxCodec.h"
#include "ChoiceCodec.h"

namespace SchemaParts {

const char *Id(const QString &id) {
  static std::vector<std::unique_ptr<QByteArray>> ids;
  ids.push_back(std::make_unique<QByteArray>(id.toLatin1()));
  return ids.back()->constData();
}

const char *Id(const char *pattern, int number) {
  return Id(QString::fromLatin1(pattern).arg(number));
}

Codec Choice(const ItemTable &table, int otherwise) {
  return std::make_shared<ChoiceCodec>(table, otherwise);
}

Codec CheckBox() { return std::make_shared<CheckBoxCodec>(); }

}  // namespace SchemaParts
