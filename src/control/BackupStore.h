// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgrammingLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The backups of complete console reads: one register file each, in a folder of their own,
// named after the moment and the console (2026-12-09_14-03-12_Quorex_V_1.07_SN_4711.rquorex).
// A backup appears under its name only whole: it is written under a name no list shows and
// then named in one step. The folder keeps a year's worth and at most the newest 2000; only
// files of this program's making are ever removed, whatever else lies in the folder.
class BackupStore {
  Q_DECLARE_TR_FUNCTIONS(BackupStore)

 public:
  static constexpr int kKeepDays = 365;
  static constexpr int kKeepCount = 2000;

  struct Backup {
    QString path;
    QString fileName;
    QDateTime time;  // from the name, local time
    // The console's version text and the port, as the log recorded them; without a log line
    // the console is the name's Kennung and the port is empty.
    QString console;
    QString port;
    QString occasion;  // "Lesen", "Vor dem Senden", ... or empty
  };

  explicit BackupStore(const QString &folder);

  QString Folder() const { return folder_; }

  // Stores the 200 texts and then prunes the folder; a file left half written by a program
  // killed while storing (older than a minute) goes too. Answers the new file's full path, or
  // empty with the reason in *error (one line, German).
  QString Store(const QStringList &texts, const QString &versionText,
                const QDateTime &when = QDateTime::currentDateTime(),
                QString *error = nullptr) const;

  // The backups in the folder, newest first: whole register files with a backup's name.
  std::vector<Backup> List() const;
  // Takes console, port and occasion from the log lines that name each backup.
  static void Describe(std::vector<Backup> *backups, const std::vector<LogEntry> &log);

  // Removes backups taken before `now` less 365 days and all but the newest 2000, by the time
  // in their names, where a time later than `now` counts as `now`. The backup named `keep`
  // (the one just stored) stays whatever its name says. Only regular files with no other name
  // (no links) whose names Store could have made are removed.
  void Prune(const QDateTime &now, const QString &keep = QString()) const;

  // For tests: called with the written file's path before it gets its name, where a test
  // stops the program as a crash would.
  void SetBeforeNaming(std::function<void(const QString &temporary)> hook) {
    beforeNaming_ = std::move(hook);
  }

  // The console's version text as a part of a file name: A-Z, a-z, 0-9, "." and "-" kept,
  // anything else "_".
  static QString Kennung(const QString &versionText);
  // "2026-12-09_14-03-12_<Kennung>.rquorex"; from `number` 2 on with "_2", "_3", ...
  static QString FileName(const QDateTime &time, const QString &kennung, int number = 1);
  // Whether the log line tells how a backup came to be: "Lesen", "Kommandozeile", ...
  static QString Occasion(const LogEntry &entry);

 private:
  QString folder_;
  std::function<void(const QString &)> beforeNaming_;
};
