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

#include <atomic>
#include <functional>
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
  // The same for the newest lines only, as far as `bytes` from the end reach; the older ones
  // follow with ReadOlder and TakeOlder. However long the log, a view of it opens at once.
  bool LoadNewest(qint64 bytes, QString *error = nullptr);

  // The lines before those loaded, or nothing when all are loaded: read on any thread (a log
  // only grows at its end, so what lies before does not change), until `cancel` is set.
  struct Older;
  std::function<std::shared_ptr<Older>(const std::atomic<bool> &cancel)> OlderReader() const;
  bool HasOlder() const { return olderEnd_ > 0; }
  // Puts the older lines before those loaded: every line counted so far moves up by as many.
  void TakeOlder(Older &older);

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
  static void Scan(const char *data, qint64 begin, qint64 end, const std::atomic<bool> *cancel,
                   Part *part);
  static std::vector<Part> Read(const char *data, qint64 begin, qint64 end,
                                const std::atomic<bool> *cancel);
  // Opens the log for Load and LoadNewest.
  bool Open(QString *error);
  void Append(std::vector<Part> parts);

  QString path_;
  mutable QFile file_;
  std::vector<Line> lines_;
  // Per line, time, console, port, file and message, case-folded, as UTF-8, each ended by a
  // zero byte; a needle without one cannot match across two of them.
  QByteArray search_;
  QStringList operations_;
  QStringList results_;
  int damaged_ = 0;
  // Where the lines loaded begin: what lies before is still to be read.
  qint64 olderEnd_ = 0;
  // By where the line lies, which stays when older lines are put in front.
  mutable QCache<qint64, LogEntry> cache_;
};
