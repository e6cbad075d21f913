// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SimulatedConsole.h"
#include "Timing.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the console must receive for a whole read or write, spelled out byte by byte rather
// than built from the program's own protocol functions, the short waits the transfer tests
// use, and the console's line for the program's session. Shared by the session tests (no
// widgets) and the window's transfer tests.

// What a session's owner hands in (SetLineSource), so the session reaches the console on an
// in-process line; on a pseudo-terminal the session opens the console's path itself.
inline auto LinesOf(const SimulatedConsole &console) {
  return [&console](const QString &portName) { return console.LineFor(portName); };
}

inline QByteArray ReadSession() {
  QByteArray bytes = "$PROGSTART\r";
  for (int reg = 0; reg < 200; ++reg)
    bytes += "$R" + QByteArray::number(reg).rightJustified(3, '0') + "\r";
  return bytes + "$PROGENDE\r";
}

inline QByteArray WriteSession(const QStringList &texts) {
  QByteArray bytes = "$PROGSTART\r";
  for (int reg = 0; reg < texts.size(); ++reg)
    bytes += "$P" + QByteArray::number(reg).rightJustified(3, '0') + texts.at(reg).toLatin1() +
             "\r";
  return bytes + "$PROGENDE\r";
}

// Short waits for everything but the tests that use the console's real pacing.
inline Timing Fast() {
  Timing timing;
  timing.beforeProgStartMs = 5;
  timing.beforeRequestMs = 0;
  timing.afterTransferMs = 50;
  timing.afterResetMs = 200;
  timing.silenceTimeoutMs = 400;
  timing.baudRate = 2000000;
  return timing;
}
