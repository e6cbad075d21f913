// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogListing.h"

#include "TerminalText.h"

#include <QDir>
#include <QStringList>

#include <utility>

QString LogListing::Text(const LogEntry &entry) {
  const auto shown = [](const QString &text) { return TerminalText::Escaped(text); };
  QStringList columns = {ProgrammingLog::TimeText(entry.time),
                         shown(ProgrammingLog::OperationText(entry.operation)),
                         shown(ProgrammingLog::ResultText(entry.result)), shown(entry.program)};
  if (!entry.port.isEmpty()) columns << shown(entry.port);
  if (!entry.console.isEmpty()) columns << shown(entry.console);
  QString text = columns.join(QStringLiteral("  ")) + QLatin1Char('\n');
  if (!entry.file.isEmpty())
    text += tr("  Datei: %1").arg(shown(QDir::toNativeSeparators(entry.file))) + QLatin1Char('\n');
  if (!entry.backup.isEmpty())
    text += tr("  Sicherung: %1").arg(shown(entry.backup)) + QLatin1Char('\n');
  if (entry.differences)
    text += tr("  Unterschiede: %1").arg(*entry.differences) + QLatin1Char('\n');
  // A message of several lines stays indented as a whole.
  if (!entry.message.isEmpty())
    text += QStringLiteral("  ") +
            TerminalText::Escaped(entry.message, true).replace(QLatin1Char('\n'),
                                                               QStringLiteral("\n  ")) +
            QLatin1Char('\n');
  return text;
}

QByteArray LogListing::JsonStart() { return "["; }

QByteArray LogListing::JsonEntry(const LogEntry &entry, bool first) {
  return (first ? "\n  " : ",\n  ") + ProgrammingLog::JsonLine(entry);
}

QByteArray LogListing::JsonEnd(bool empty) { return empty ? "]\n" : "\n]\n"; }

bool LogListing::Stream(const ProgrammingLog &log, Invocation::Format format, const QDate &since,
                        const std::function<bool(const QByteArray &)> &put, int *damaged,
                        QString *error) {
  using Format = Invocation::Format;
  bool started = false;
  bool going = true;
  const auto start = [&] {
    if (std::exchange(started, true)) return;
    if (format == Format::Csv) going = put(ProgrammingLog::CsvHeader());
    if (format == Format::Json) going = put(JsonStart());
  };
  bool first = true;
  const bool read = log.ForEach(
      [&](const LogEntry &entry) {
        if (!ProgrammingLog::IsSince(entry, since)) return true;
        start();
        if (!going) return false;
        if (format == Format::Json)
          going = put(JsonEntry(entry, std::exchange(first, false)));
        else if (format == Format::Csv)
          going = put(ProgrammingLog::CsvRow(entry));
        else
          going = put(Text(entry).toUtf8());
        return going;
      },
      damaged, error);
  if (!read) return false;
  start();
  if (going && format == Format::Json) put(JsonEnd(first));
  return true;
}
