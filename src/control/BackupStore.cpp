// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupStore.h"

#include "LogOperation.h"
#include "RegisterFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString kSuffix = QStringLiteral(".rquorex");
// A version line is short; a console that sends a screenful must not make a name the file
// system refuses.
constexpr int kMaxKennung = 100;
// Only a folder full of backups from one second would use this many numbers.
constexpr int kMaxNumber = 1000;

const QRegularExpression &NamePattern() {
  static const QRegularExpression pattern(QStringLiteral(
      "^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})_([A-Za-z0-9._-]*)\\.rquorex$"));
  return pattern;
}

// The moment a backup's name gives, or an invalid one for any other name.
QDateTime NameTime(const QString &fileName, QString *kennung = nullptr) {
  const QRegularExpressionMatch match = NamePattern().match(fileName);
  if (!match.hasMatch()) return QDateTime();
  if (kennung) *kennung = match.captured(2);
  return QDateTime::fromString(match.captured(1), kTimeFormat);
}

// Newest first; "_2" after the first of its second ranks as newer, as it is.
bool Newer(const BackupStore::Backup &a, const BackupStore::Backup &b) {
  return std::make_tuple(a.time, a.fileName.size(), a.fileName) >
         std::make_tuple(b.time, b.fileName.size(), b.fileName);
}

std::vector<BackupStore::Backup> Scan(const QString &folder) {
  std::vector<BackupStore::Backup> backups;
  const QFileInfoList files = QDir(folder).entryInfoList(
      {QStringLiteral("*") + kSuffix}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QFileInfo &file : files) {
    QString kennung;
    const QDateTime time = NameTime(file.fileName(), &kennung);
    if (!time.isValid()) continue;
    backups.push_back({file.absoluteFilePath(), file.fileName(), time, kennung, QString(),
                       QString()});
  }
  std::sort(backups.begin(), backups.end(), Newer);
  return backups;
}

QString OneLine(QString text) {
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return text;
}

}  // namespace

BackupStore::BackupStore(const QString &folder) : folder_(folder) {}

QString BackupStore::Store(const QStringList &texts, const QString &versionText,
                           const QDateTime &when, QString *error) const {
  auto fail = [error](const QString &text) {
    if (error) *error = text;
    return QString();
  };
  if (!QDir().mkpath(folder_))
    return fail(tr("Der Ordner %1 kann nicht angelegt werden.")
                    .arg(QDir::toNativeSeparators(folder_)));
  const QString kennung = Kennung(versionText);
  // The name is taken by creating the file, so two programs backing up in the same second
  // (two consoles on two ports) never replace each other's backup.
  QString path;
  for (int number = 1; number <= kMaxNumber && path.isEmpty(); ++number) {
    const QString candidate = QDir(folder_).filePath(FileName(when, kennung, number));
    QFile reserved(candidate);
    if (reserved.open(QIODevice::WriteOnly | QIODevice::NewOnly))
      path = candidate;
    else if (!reserved.exists())
      return fail(tr("Die Datei %1 kann nicht angelegt werden: %2")
                      .arg(QDir::toNativeSeparators(candidate), reserved.errorString()));
  }
  if (path.isEmpty())
    return fail(tr("Im Ordner %1 gibt es schon zu viele Sicherungen dieser Sekunde.")
                    .arg(QDir::toNativeSeparators(folder_)));
  QString reason;
  if (!WriteRegisterFile(path, texts, &reason)) {
    QFile::remove(path);
    return fail(OneLine(reason));
  }
  Prune(when);
  return path;
}

std::vector<BackupStore::Backup> BackupStore::List() const { return Scan(folder_); }

void BackupStore::Describe(std::vector<Backup> *backups, const std::vector<LogEntry> &log) {
  // The first line naming a backup is the one that made it; later ones (a write after its
  // backup read) only refer to it.
  QHash<QString, const LogEntry *> makers;
  for (const LogEntry &entry : log)
    if (!entry.backup.isEmpty() && !makers.contains(entry.backup))
      makers.insert(entry.backup, &entry);
  for (Backup &backup : *backups) {
    const LogEntry *maker = makers.value(backup.fileName);
    if (!maker) continue;
    backup.console = maker->console;
    backup.port = maker->port;
    backup.occasion = Occasion(*maker);
  }
}

void BackupStore::Prune(const QDateTime &now) const {
  const QDateTime oldest = now.addDays(-kKeepDays);
  const std::vector<Backup> backups = Scan(folder_);
  for (size_t i = 0; i < backups.size(); ++i)
    if (i >= size_t(kKeepCount) || backups[i].time < oldest) QFile::remove(backups[i].path);
}

QString BackupStore::Kennung(const QString &versionText) {
  QString kennung = versionText.left(kMaxKennung);
  for (QChar &c : kennung) {
    const char16_t u = c.unicode();
    const bool kept = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                      (u >= '0' && u <= '9') || u == '.' || u == '-';
    if (!kept) c = QLatin1Char('_');
  }
  return kennung;
}

QString BackupStore::FileName(const QDateTime &time, const QString &kennung, int number) {
  QString name = time.toString(kTimeFormat) + QLatin1Char('_') + kennung;
  if (number > 1) name += QLatin1Char('_') + QString::number(number);
  return name + kSuffix;
}

QString BackupStore::Occasion(const LogEntry &entry) {
  if (entry.program == QLatin1String("quorex-cli")) return tr("Kommandozeile");
  const struct {
    const char *operation;
    const char *occasion;
  } occasions[] = {
      {LogOperation::kRead, QT_TR_NOOP("Lesen")},
      {LogOperation::kBackup, QT_TR_NOOP("Vor dem Senden")},
      {LogOperation::kWrite, QT_TR_NOOP("Vor dem Senden")},
      {LogOperation::kApply, QT_TR_NOOP("Vor dem Senden")},
      {LogOperation::kVerify, QT_TR_NOOP("Prüfen")},
      {LogOperation::kCompare, QT_TR_NOOP("Vergleichen")},
      {LogOperation::kReset, QT_TR_NOOP("Werkeinstellungen")},
  };
  for (const auto &occasion : occasions)
    if (entry.operation == QLatin1String(occasion.operation)) return tr(occasion.occasion);
  return QString();
}
