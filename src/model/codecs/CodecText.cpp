// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CodecText.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace CodecText {

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool IsDecimal(const QString &text) {
  return std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool IsHex(const QString &text) { return std::all_of(text.begin(), text.end(), IsHexDigit); }

QChar First(const QString &chars) { return chars.isEmpty() ? QChar() : chars.at(0); }

QString Quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString QuotedItems(const ItemTable &table) {
  QStringList texts;
  for (const Item &item : table.items) texts << Quoted(ItemText(item));
  return texts.join(QStringLiteral(", "));
}

QChar ItemFor(const ItemTable &table, const QString &value) {
  const QChar exact = CharFor(table, value);
  if (!exact.isNull() || value.isEmpty()) return exact;
  QChar found;
  for (const Item &item : table.items) {
    if (!ItemText(item).startsWith(value, Qt::CaseInsensitive)) continue;
    if (!found.isNull()) return QChar();
    found = QChar::fromLatin1(item.value);
  }
  return found;
}

QString On() { return QCoreApplication::translate("SettingCodec", "ein"); }
QString Off() { return QCoreApplication::translate("SettingCodec", "aus"); }

int OnOff(const QString &value) {
  const QString word = value.trimmed().toLower();
  if (word == On() || word == QLatin1String("an")) return 1;
  if (word == Off()) return 0;
  return -1;
}

// The codecs' texts share one translation context.
QString OnOffAccepted() {
  return QCoreApplication::translate("SettingCodec", "\"ein\" oder \"aus\"");
}

QString NotAccepted(const QString &value, const QString &accepted) {
  return QCoreApplication::translate("SettingCodec",
                                     "Den Wert \"%1\" gibt es hier nicht; möglich: %2.")
      .arg(value, accepted);
}

QString WithoutUnit(const QString &value, const QString &unit) {
  const QString text = value.trimmed();
  if (unit.isEmpty() || !text.endsWith(unit, Qt::CaseInsensitive)) return text;
  return text.chopped(unit.size()).trimmed();
}

}  // namespace CodecText
