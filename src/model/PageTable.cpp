// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PageTable.h"

#include <QCoreApplication>

#include <algorithm>

QString ItemText(const Item &item) { return QCoreApplication::translate("Items", item.text); }

QString TextFor(const ItemTable &table, QChar c) {
  for (const Item &item : table.items)
    if (QChar::fromLatin1(item.value) == c) return ItemText(item);
  return QString();
}

QChar CharFor(const ItemTable &table, const QString &text) {
  for (const Item &item : table.items)
    if (ItemText(item) == text) return QChar::fromLatin1(item.value);
  return QChar();
}

std::vector<ListEntry> ListEntries(const ItemTable &table, bool withTail) {
  const int count = static_cast<int>(table.items.size());
  const int sortedCount = count - table.unsortedTail;
  std::vector<ListEntry> entries;
  for (int i = 0; i < count; ++i) {
    if (i >= sortedCount && !withTail) break;
    const QString text = ItemText(table.items[i]);
    entries.push_back({text, CharFor(table, text)});
  }
  if (table.sorted)
    std::stable_sort(entries.begin(), entries.begin() + std::min<int>(sortedCount, entries.size()),
                     [](const ListEntry &a, const ListEntry &b) {
                       return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
                     });
  return entries;
}
