// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleSession.h"
#include "TransferStates.h"

#include <QCoreApplication>
#include <QString>

// What is said of a console job that did not end well, in German, for the window's boxes and
// status line, quorex-cli's stderr and the log lines alike.
class JobMessages {
  Q_DECLARE_TR_FUNCTIONS(JobMessages)

 public:
  // What a failure of `job` says: its lead (JobTexts::failureLead; the backup read before a
  // write says first that nothing was sent), then the message.
  static QString Failure(ConsoleJob job, const QString &message);
  // The log line's words for a failure: what was said, then the system's reason.
  static QString WithDetail(const QString &said, const QString &detail);
  // The reason for the status line: the system's `detail` instead of the general text on
  // ports, else `message` as it is.
  static QString StatusReason(const QString &message, const QString &detail);
  // The check after writing found settings that the console did not take.
  static QString NotTaken(const QString &port);
  // The console compared with a register file: `count` settings differ.
  static QString Differing(int count);
  // What the console holds after the technician cut off `operation`: of a write, `sent`
  // commands had left the line and the console had `confirmed` them all or not; of a factory
  // reset, its command had been `resetSent` or not.
  static QString Cancelled(ConsoleSession::Operation operation, int sent, bool confirmed,
                           bool resetSent);
};
