// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Text from outside (a console's identification, a file name, the log) on its way to a
// terminal. A control character there is a command to the terminal: ESC starts one that can
// move the cursor or rewrite the screen, a line break forges a line of output.
class TerminalText {
 public:
  // Every control character written out: "\e", "\n", "\r", "\t", others "\x07". With
  // `keepLineBreaks` a line break stays one, for messages of several lines.
  static QString Escaped(const QString &text, bool keepLineBreaks = false);
};
