// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

#include "PageTable.h"

// What the codecs read and write alike: the characters a value may have, the words "an" and
// "aus", item texts as a value names them, and the message for a value that has no place.
namespace CodecText {

bool IsHexDigit(QChar c);
bool IsDecimal(const QString &text);
bool IsHex(const QString &text);
// The first character, or a null QChar for none.
QChar First(const QString &chars);

QString Quoted(const QString &text);
// Every item text of the table, quoted, separated by commas.
QString QuotedItems(const ItemTable &table);
// The item with exactly this text; else the one item whose text begins with it, case ignored
// (so "6" names "6: Feuerwehr"). A null QChar when there is none or more than one.
QChar ItemFor(const ItemTable &table, const QString &value);

// "ein" and "aus", as the report has always named a box.
QString On();
QString Off();
// "ein", "aus" and the "an" older exports wrote, case ignored; -1 for anything else.
int OnOff(const QString &value);
QString OnOffAccepted();
QString NotAccepted(const QString &value, const QString &accepted);
// `value` without a trailing `unit` and the blanks before it ("120 s" -> "120"), case ignored.
QString WithoutUnit(const QString &value, const QString &unit);

}  // namespace CodecText
