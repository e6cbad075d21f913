#pragma once

#include "PageTable.h"

#include <QChar>
#include <QtGlobal>

// Duplex page: register 9 positions 0 to 3 (mode per circuit) and position 4 (muting of the
// circuits without PTT).
namespace DuplexTable {

inline constexpr RegisterSpot kModus[4] = {{9, 0}, {9, 1}, {9, 2}, {9, 3}};

// Radio triples in button order; any other character shows "Simplex".
inline const ItemTable kModusItems = {{
    {QT_TRANSLATE_NOOP("Items", "Simplex"), '0'},
    {QT_TRANSLATE_NOOP("Items", "Duplex"), '1'},
    {QT_TRANSLATE_NOOP("Items", "Duplex mit LS an bei PTT"), '2'},
}};

// "0" + list index, plus 4 when the muting also applies to selected analogue circuits.
inline constexpr RegisterSpot kMuting = {9, 4};
inline constexpr int kMutingAnalogFlag = 4;

// Stored by list index, so the order is the stored value.
inline const char *const kMutingItems[4] = {
    QT_TRANSLATE_NOOP("Items", "nichts muten"),
    QT_TRANSLATE_NOOP("Items", "Mithören aus"),
    QT_TRANSLATE_NOOP("Items", "max. LS aus"),
    QT_TRANSLATE_NOOP("Items", "Mithören und max. LS aus"),
};

// The list index a stored character selects: every digit maps to one of the four items, so
// "8" to "F" (never written by the page) read like "0" to "7". Below "0": none (-1).
inline int MutingIndex(QChar c) {
  const int offset = c.unicode() - '0';
  return offset < 0 ? -1 : offset % 4;
}
inline bool MutingAnalog(QChar c) { return c.unicode() > '3'; }
inline QChar MutingChar(int index, bool analog) {
  return QChar::fromLatin1(char('0' + index + (analog ? kMutingAnalogFlag : 0)));
}

}  // namespace DuplexTable
