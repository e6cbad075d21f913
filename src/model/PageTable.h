// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

#include <vector>

// What a configuration page maps, as plain data: which character of which register holds a
// setting, and which stored character each choice of a list or radio group stands for. The
// pages bind their controls to these tables; anything else that wants to name settings (a
// report, a comparison of two register sets) can read the same tables without any widget.

// One character of the register image: register 0 to 199, position 0 (left) to 7.
struct RegisterSpot {
  int reg;
  int pos;
};

inline bool operator==(RegisterSpot a, RegisterSpot b) { return a.reg == b.reg && a.pos == b.pos; }
inline bool operator<(RegisterSpot a, RegisterSpot b) {
  return a.reg != b.reg ? a.reg < b.reg : a.pos < b.pos;
}

// One choice: the text the page shows and the character stored for it. Texts are marked with
// QT_TRANSLATE_NOOP("Items", ...) and shown through QCoreApplication::translate("Items", ...).
struct Item {
  const char *text;
  char value;
};

// A list of choices in table order: the order in which a shown text is looked up.
struct ItemTable {
  std::vector<Item> items;
  // The list is shown sorted alphabetically, case ignored (otherwise in table order).
  bool sorted = false;
  // The last `unsortedTail` items are added after the sorted ones, in table order, and only
  // where the page says they are available.
  int unsortedTail = 0;
};

// The text an item shows (translated).
QString ItemText(const Item &item);
// The text of the first item that stores `c`, or a null string when the table lists none.
QString TextFor(const ItemTable &table, QChar c);
// The character stored for the first item whose text is exactly `text`; a null QChar when no
// item has that text. A list choice is stored by its text, so two items of the same text store
// the first one's character.
QChar CharFor(const ItemTable &table, const QString &text);

// One entry of a list as a page shows it: the item's text and the character that choosing it
// stores.
struct ListEntry {
  QString text;
  QChar value;
};
// The entries of a list in the order it shows them: the sorted part ordered by text, case
// ignored, equal texts keeping their table order; the unsorted tail after it, only when
// `withTail`.
std::vector<ListEntry> ListEntries(const ItemTable &table, bool withTail = true);
