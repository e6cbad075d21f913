// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgrammingLog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// The backups of complete console reads: one register file each, in a folder of their own,
// named after the moment and the console (2026-12-09_14-03-12_Quorex_V_1.07_SN_4711.rquorex).
// The folder keeps a year's worth and at most the newest 2000; a file whose name does not
// follow that rule is never touched, whatever else lies in the folder.
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

  // Stores the 200 texts atomically and then prunes the folder. Answers the new file's full
  // path, or empty with the reason in *error (one line, German).
  QString Store(const QStringList &texts, const QString &versionText,
                const QDateTime &when = QDateTime::currentDateTime(),
                QString *error = nullptr) const;

  // The backups in the folder, newest first.
  std::vector<Backup> List() const;
  // Takes console, port and occasion from the log lines that name each backup.
  static void Describe(std::vector<Backup> *backups, const std::vector<LogEntry> &log);

  // Removes backups taken before `now` less 365 days and all but the newest 2000.
  void Prune(const QDateTime &now) const;

  // The console's version text as a part of a file name: A-Z, a-z, 0-9, "." and "-" kept,
  // anything else "_".
  static QString Kennung(const QString &versionText);
  // "2026-12-09_14-03-12_<Kennung>.rquorex"; from `number` 2 on with "_2", "_3", ...
  static QString FileName(const QDateTime &time, const QString &kennung, int number = 1);
  // Whether the log line tells how a backup came to be: "Lesen", "Kommandozeile", ...
  static QString Occasion(const LogEntry &entry);

 private:
  QString folder_;
};
