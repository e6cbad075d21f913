// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// What the technician reads when talking to a console goes wrong, in one place for the window
// and quorex-cli alike. Each text says what happened and what to do.
class ConsoleMessages {
  Q_DECLARE_TR_FUNCTIONS(ConsoleMessages)

 public:
  // The port cannot be opened; the operating system's reason goes beside it.
  static QString OpenFailed();
  // A write broke off after `sent` registers had left the line: the console now holds old
  // and new settings mixed.
  static QString BrokenOff(int sent);
  // The factory reset went out, but the read of the console's new values failed for `reason`.
  static QString ResetReadFailed(const QString &reason);
  static QString WrongDevice();
  static QString PortNotOpen();
  static QString NoAnswer();
  static QString LineBroken();
  static QString AnswerTooLong(int limit);
  // Every register of a write went out, but the console did not confirm them.
  static QString NotConfirmed();
};
