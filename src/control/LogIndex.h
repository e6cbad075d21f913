// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgrammingLog.h"

#include <QByteArray>
#include <QCache>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The programming log for reading as needed, however long it has grown: one pass notes where
// each readable line lies and the texts a filter looks at, and an entry is read again from the
// file when it is wanted. Readable and damaged lines are what ProgrammingLog::ReadAll finds,
// and a filter matches what ProgrammingLog::Matches matches, so a view of the index shows what
// a view of every entry would.
class LogIndex {
  Q_DECLARE_TR_FUNCTIONS(LogIndex)

 public:
  explicit LogIndex(const QString &path);
  ~LogIndex();
  LogIndex(const LogIndex &) = delete;
  LogIndex &operator=(const LogIndex &) = delete;

  // Reads the log once through. A log that does not exist yet is empty. False (and *error, one
  // German sentence) when it exists but cannot be read.
  bool Load(QString *error = nullptr);

  // Readable lines, counted in the file's order from 0 (the oldest).
  int Count() const { return int(lines_.size()); }
  int Damaged() const { return damaged_; }
  // Line `index` as it was read; an empty entry if the file has since changed under it.
  LogEntry Entry(int index) const;
  // The lines in which `text` occurs, ignoring case, in a column a person sees or in the
  // message, in the file's order.
  std::vector<int> Matching(const QString &text) const;

  // The readable lines of the log at `path` that name a backup, in the file's order; the
  // others are skipped without being read as JSON. Empty when there is no readable log.
  static std::vector<LogEntry> BackupLines(const QString &path);

 private:
  struct Line {
    qint64 offset;
    qint64 length;
    qint32 operation;  // into the table of operation words
    qint32 result;     // into the table of result words
    qsizetype search;  // where its texts begin in the search text
  };
  // What one thread makes of a stretch of the file.
  struct Part;
  static void Scan(const char *data, qint64 begin, qint64 end, Part *part);

  QString path_;
  mutable QFile file_;
  std::vector<Line> lines_;
  // Per line, time, console, port, file and message, case-folded, as UTF-8, each ended by a
  // zero byte; a needle without one cannot match across two of them.
  QByteArray search_;
  QStringList operations_;
  QStringList results_;
  int damaged_ = 0;
  mutable QCache<int, LogEntry> cache_;
};
