// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleJournal.h"

#include "Register.h"
#include "SettingsCatalog.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ConsoleJournal::ConsoleJournal(const QString &program, const QString &dataFolder)
    : program_(program), dataFolder_(dataFolder) {}

QString ConsoleJournal::DataFolder() {
  const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return generic.isEmpty() ? QString() : QDir(generic).filePath(QStringLiteral("quorex"));
}

QString ConsoleJournal::BackupFolder() const {
  return dataFolder_.isEmpty() ? QString()
                               : QDir(dataFolder_).filePath(QStringLiteral("Sicherungen"));
}

QString ConsoleJournal::LogPath() const {
  return dataFolder_.isEmpty() ? QString()
                               : QDir(dataFolder_).filePath(QStringLiteral("protokoll.jsonl"));
}

ConsoleJournal::Backup ConsoleJournal::BackUp(const QStringList &texts,
                                              const QString &versionText) const {
  const QString failed = tr("Sicherung fehlgeschlagen: ");
  QString error = tr("Es gibt keinen Ordner für Programmdaten.");
  const QString path = dataFolder_.isEmpty() ? QString()
                       : Backups().Store(texts, versionText, QDateTime::currentDateTime(),
                                         &error);
  if (path.isEmpty()) return {QString(), failed + error, error};
  return {QFileInfo(path).fileName(), QString(), QString()};
}

QString ConsoleJournal::BackUpInto(const ConsoleRead &read, LogEntry *entry,
                                   QString *reason) const {
  const Backup backup = BackUp(read.texts, read.versionText);
  entry->console = read.versionText;
  entry->registers = Register::kRegisterCount;
  entry->backup = backup.fileName;
  if (reason) *reason = backup.reason;
  return backup.failure;
}

int ConsoleJournal::DifferenceCount(const QStringList &sent, const QStringList &console) {
  return int(SettingsCatalog().Compare(sent, console).size());
}

QString ConsoleJournal::Record(LogEntry entry) const {
  const QString failed = tr("Protokoll fehlgeschlagen: ");
  if (dataFolder_.isEmpty()) return failed + tr("Es gibt keinen Ordner für Programmdaten.");
  entry.time = QDateTime::currentDateTime();
  entry.program = program_;
  QString error;
  return Log().Append(entry, &error) ? QString() : failed + error;
}
