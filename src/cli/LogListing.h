// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgrammingLog.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <vector>

// The programming log as `quorex-cli log` shows it, oldest first: text for people, JSON for
// scripts. (CSV for office programs is the log's own, shared with the window.)
class LogListing {
  Q_DECLARE_TR_FUNCTIONS(LogListing)

 public:
  // One line per operation (time, operation, result, program, port, console), then the file,
  // the backup and the message indented below it where there are any.
  static QString Text(const std::vector<LogEntry> &entries);
  // An array of the log's own objects, one per line.
  static QByteArray Json(const std::vector<LogEntry> &entries);
};
