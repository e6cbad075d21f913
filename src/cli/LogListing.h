// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Invocation.h"
#include "ProgrammingLog.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <functional>

// The programming log as `quorex-cli log` shows it, oldest first, one entry at a time: text for
// people, JSON for scripts. (CSV for office programs is the log's own, shared with the window.)
class LogListing {
  Q_DECLARE_TR_FUNCTIONS(LogListing)

 public:
  // One line for the operation (time, operation, result, program, port, console), then the
  // file, the backup and the message indented below it where there are any. What the log
  // holds is shown with its control characters escaped, so that no console name or message
  // can move the terminal's cursor or forge a line of the listing.
  static QString Text(const LogEntry &entry);
  // An array of the log's own objects, one per line: the opening, each entry (`first` for the
  // first), the end (`empty` when no entry came).
  static QByteArray JsonStart();
  static QByteArray JsonEntry(const LogEntry &entry, bool first);
  static QByteArray JsonEnd(bool empty);

  // The entries of `log` from the day `since` on (all when it is invalid) in `format`, handed
  // to `put` one at a time, which answers false to stop. The header comes with the first
  // entry, or at the end: a log that cannot be read gives nothing, and false with *error.
  static bool Stream(const ProgrammingLog &log, Invocation::Format format, const QDate &since,
                     const std::function<bool(const QByteArray &)> &put, int *damaged,
                     QString *error);
};
