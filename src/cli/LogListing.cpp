// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogListing.h"

#include <QDir>
#include <QStringList>

QString LogListing::Text(const std::vector<LogEntry> &entries) {
  QString text;
  for (const LogEntry &entry : entries) {
    QStringList columns = {ProgrammingLog::TimeText(entry.time),
                           ProgrammingLog::OperationText(entry.operation),
                           ProgrammingLog::ResultText(entry.result), entry.program};
    if (!entry.port.isEmpty()) columns << entry.port;
    if (!entry.console.isEmpty()) columns << entry.console;
    text += columns.join(QStringLiteral("  ")) + QLatin1Char('\n');
    if (!entry.file.isEmpty())
      text += tr("  Datei: %1").arg(QDir::toNativeSeparators(entry.file)) + QLatin1Char('\n');
    if (!entry.backup.isEmpty())
      text += tr("  Sicherung: %1").arg(entry.backup) + QLatin1Char('\n');
    if (entry.differences)
      text += tr("  Unterschiede: %1").arg(*entry.differences) + QLatin1Char('\n');
    // A message of several lines stays indented as a whole.
    if (!entry.message.isEmpty())
      text += QStringLiteral("  ") +
              QString(entry.message).replace(QLatin1Char('\n'), QStringLiteral("\n  ")) +
              QLatin1Char('\n');
  }
  return text;
}

QByteArray LogListing::Json(const std::vector<LogEntry> &entries) {
  QByteArray json = "[";
  for (const LogEntry &entry : entries)
    json += (json.size() > 1 ? ",\n  " : "\n  ") + ProgrammingLog::JsonLine(entry);
  return json + (entries.empty() ? "]\n" : "\n]\n");
}
