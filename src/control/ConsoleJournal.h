// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupStore.h"
#include "ConsoleRead.h"
#include "ProgrammingLog.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the window and quorex-cli leave behind of their console operations: a backup of every
// complete read and a line in the programming log for every operation, in one data folder
// both programs share. Neither ever fails or holds up the operation itself: a failure comes
// back as one German sentence for the status line or stderr.
class ConsoleJournal {
  Q_DECLARE_TR_FUNCTIONS(ConsoleJournal)

 public:
  // `program` is the name the log lines carry ("quorex", "quorex-cli").
  explicit ConsoleJournal(const QString &program, const QString &dataFolder = DataFolder());

  // The program's data folder: on Linux ~/.local/share/quorex, below $XDG_DATA_HOME when set.
  // Taken from the generic location, not from the application's own one, so that the window
  // and quorex-cli (whose application names differ) find the same backups and the same log.
  static QString DataFolder();

  QString BackupFolder() const;
  QString LogPath() const;
  BackupStore Backups() const { return BackupStore(BackupFolder()); }
  ProgrammingLog Log() const { return ProgrammingLog(LogPath()); }

  struct Backup {
    QString fileName;  // empty when none was stored
    QString failure;   // "Sicherung fehlgeschlagen: " and why, or empty
    QString reason;    // only why
  };
  // Stores a backup of a complete read.
  Backup BackUp(const QStringList &texts, const QString &versionText) const;

  // Stores the backup of a complete read and fills `entry` with what the read tells: the
  // console, the registers read and the backup's name. Answers the backup's failure, or empty;
  // *reason gets only why.
  QString BackUpInto(const ConsoleRead &read, LogEntry *entry, QString *reason = nullptr) const;

  // Settings in which `sent` and `console` differ: the log's "differences".
  static int DifferenceCount(const QStringList &sent, const QStringList &console);

  // Appends `entry` as this program's, at this moment. Answers empty, or what went wrong.
  QString Record(LogEntry entry) const;

 private:
  QString program_;
  QString dataFolder_;
};
