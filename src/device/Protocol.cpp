#include "Protocol.h"

namespace Protocol {

QByteArray RegisterNumberText(int reg) { return QByteArray::number(reg).rightJustified(3, '0'); }

QByteArray WriteCommand(int reg, const QString &text) {
  return "$P" + RegisterNumberText(reg) + text.toLatin1() + "\r";
}

QByteArray ReadRequest(int reg) { return "$R" + RegisterNumberText(reg) + "\r"; }

QByteArray ProgStart() { return QByteArrayLiteral("$PROGSTART\r"); }

QByteArray ProgEnde() { return QByteArrayLiteral("$PROGENDE\r"); }

QByteArray ResetCommand() { return QByteArrayLiteral("$P99900000000\r"); }

QByteArray EndMark() { return QByteArrayLiteral("ENDE\r\n"); }

}  // namespace Protocol
