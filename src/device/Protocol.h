// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The console's line protocol as pure functions: the command texts the program sends and
// the checks it makes on what the console answers.
namespace Protocol {

// The console's greeting counts once more than this many characters have arrived.
constexpr int kGreetingLength = 30;
// Anything longer than this is not an answer of a console to 200 read requests.
constexpr int kMaxAnswerLength = 5000;

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

// True once more than 30 characters have been received.
bool IsGreetingComplete(const QByteArray &received);
// Whether the first 31 characters received name a Quorex: "Quorex" must lie wholly within
// them and its first occurrence must not start at position 0. Characters after the 31st
// play no part, so a late "Quorex" cannot rescue a failed check.
bool IsQuorexGreeting(const QByteArray &received);
// True when "ENDE\r\n" occurs and its first occurrence starts at position 1 or later.
bool HasEndMark(const QByteArray &received);
// True when "V 1.07" occurs in the version text and its first occurrence is not at position 0.
bool IsVersion107(const QString &versionText);

// A checked answer to a bulk read: either ok with the version text and 200 register texts
// (upper case), or not ok with a German reason and nothing else.
struct Answer {
  bool ok = false;
  QString error;
  QString versionText;
  QStringList texts;
};

// Splits what the console sent during a bulk read into lines at "\n", skipping empty
// lines: line 1 less its first 12 characters (and a trailing "\r") is the version text,
// lines 2 to 201 carry the register characters at positions 5 to 12. Every one of those 200
// lines must hold 8 hex digits there; anything else makes the whole answer unusable.
Answer ParseAnswer(const QByteArray &received);

}  // namespace Protocol
