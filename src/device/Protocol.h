#pragma once

#include <QByteArray>
#include <QString>

// The console's line protocol as pure functions: the command texts the program sends and
// the checks it makes on what the console answers.
namespace Protocol {

// "000" to "199": the register number as three decimal digits.
QByteArray RegisterNumberText(int reg);
// "$P" + number + 8 register characters + "\r".
QByteArray WriteCommand(int reg, const QString &text);
// "$R" + number + "\r".
QByteArray ReadRequest(int reg);
QByteArray ProgStart();     // "$PROGSTART\r"
QByteArray ProgEnde();      // "$PROGENDE\r"
QByteArray ResetCommand();  // "$P99900000000\r"
QByteArray EndMark();       // "ENDE\r\n"

}  // namespace Protocol
