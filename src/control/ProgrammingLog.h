// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// One console operation as the programming log keeps it: one line of JSON in protokoll.jsonl.
// The words are the log's own ("read", "ok"), so that scripts can read the file; the German
// names are for people.
struct LogEntry {
  QDateTime time;
  QString program;    // "quorex" or "quorex-cli"
  // "read", "write", "verify", "compare", "reset", "version", "backup", "apply"
  QString operation;
  QString port;
  QString console;  // the console's version text, or empty
  QString file;     // the register file the sent settings came from or a read went to
  QString backup;   // the backup's file name
  QString result;   // "ok", "failed", "cancelled"
  QString message;  // the German message shown
  int registers = 0;
  // Settings that differ between what was sent and what the console held, where both are known.
  std::optional<int> differences;

  bool operator==(const LogEntry &other) const;
};

// The programming log: every console operation of the window and of quorex-cli, one line each,
// appended and never cut. Both programs may log at the same moment, so a line is appended
// whole under a QLockFile; a damaged line (a crash in the middle of one, an editor's slip)
// costs that line alone.
class ProgrammingLog {
  Q_DECLARE_TR_FUNCTIONS(ProgrammingLog)

 public:
  // The log at `path`; its folder is made when the first line is appended.
  explicit ProgrammingLog(const QString &path);

  QString Path() const { return path_; }

  // Appends one line. On failure the log is as it was (or ends in a damaged line, which
  // readers skip) and *error says why in one German sentence.
  bool Append(const LogEntry &entry, QString *error = nullptr) const;

  // Every readable line in the file's order, oldest first. *damaged counts the lines skipped;
  // a log that does not exist yet is empty. False (and *error) only when the file exists but
  // cannot be read, or is no regular file.
  bool ReadAll(std::vector<LogEntry> *entries, int *damaged = nullptr,
               QString *error = nullptr) const;
  // The same one entry at a time, holding no more than a line, however long the log: `take`
  // gets each and answers false to stop.
  bool ForEach(const std::function<bool(const LogEntry &)> &take, int *damaged = nullptr,
               QString *error = nullptr) const;

  static QByteArray JsonLine(const LogEntry &entry);
  static std::optional<LogEntry> ParseLine(const QByteArray &line);

  // The entries from `since` on (local date); an invalid date keeps them all.
  static std::vector<LogEntry> Since(const std::vector<LogEntry> &entries, const QDate &since);
  static bool IsSince(const LogEntry &entry, const QDate &since);
  // True when `text` occurs, ignoring case, in any column a person sees or in the message.
  static bool Matches(const LogEntry &entry, const QString &text);

  // German names for people: "Lesen", "erfolgreich". Words the program does not know are
  // shown as they are.
  static QString OperationText(const QString &operation);
  static QString ResultText(const QString &result);
  // Local time as people in the workshop read it: "09.12.2026 14:03:12".
  static QString TimeText(const QDateTime &time);

  // For office programs: UTF-8 with BOM, semicolons, German headers, CR LF, one row per entry
  // in the order given.
  static QByteArray Csv(const std::vector<LogEntry> &entries);
  // The same in parts: the header (with the BOM), then one row per entry.
  static QByteArray CsvHeader();
  static QByteArray CsvRow(const LogEntry &entry);

 private:
  // "Das Protokoll ... ist keine gewöhnliche Datei, sondern `kind`."
  QString NotRegularText(const QString &kind) const;

  QString path_;
};
