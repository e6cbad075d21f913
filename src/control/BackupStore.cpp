// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupStore.h"

#include "FileReason.h"
#include "LogOperation.h"
#include "RegisterFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <tuple>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");
const QString kSuffix = QStringLiteral(".rquorex");
// A version line is short; a console that sends a screenful must not make a name the file
// system refuses.
constexpr int kMaxKennung = 100;
// Only a folder full of backups from one second would use this many numbers.
constexpr int kMaxNumber = 1000;
// A backup being written has a name no list shows. One this old belongs to a program that
// was killed while writing it.
constexpr int kStaleTemporarySecs = 60;

const QRegularExpression &NamePattern() {
  static const QRegularExpression pattern(QStringLiteral(
      "^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})_([A-Za-z0-9._-]*)\\.rquorex$"));
  return pattern;
}

const QRegularExpression &TemporaryPattern() {
  static const QRegularExpression pattern(QStringLiteral("^\\.Sicherung-[0-9a-f]{8}\\.tmp$"));
  return pattern;
}

// The moment a backup's name gives, or an invalid one for any other name.
QDateTime NameTime(const QString &fileName, QString *kennung = nullptr) {
  const QRegularExpressionMatch match = NamePattern().match(fileName);
  if (!match.hasMatch()) return QDateTime();
  if (kennung) *kennung = match.captured(2);
  return QDateTime::fromString(match.captured(1), kTimeFormat);
}

// Whether FileName() could have given `fileName`; its time part in *timeText. Only such files
// are ever removed.
bool CouldHaveMade(const QString &fileName, QString *timeText) {
  const QRegularExpressionMatch match = NamePattern().match(fileName);
  if (!match.hasMatch()) return false;
  const QString time = match.captured(1);
  const auto field = [&time](int from, int length) { return time.mid(from, length).toInt(); };
  if (!QDate::isValid(field(0, 4), field(5, 2), field(8, 2)) ||
      !QTime::isValid(field(11, 2), field(14, 2), field(17, 2)))
    return false;
  *timeText = time;
  const QString tail = match.captured(2);
  if (tail.size() <= kMaxKennung) return true;
  // A Kennung of full length and the number of a second backup in the same second.
  const qsizetype underscore = tail.lastIndexOf(QLatin1Char('_'));
  if (underscore < 0 || underscore > kMaxKennung) return false;
  const QString digits = tail.mid(underscore + 1);
  bool isNumber = false;
  const int number = digits.toInt(&isNumber);
  return isNumber && number >= 2 && number <= kMaxNumber && digits == QString::number(number);
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
    // Anything else with a backup's name is no backup of ours, or one whose writing was cut
    // off by an older program.
    if (file.size() != kRegisterFileSize) continue;
    QString kennung;
    const QDateTime time = NameTime(file.fileName(), &kennung);
    if (!time.isValid()) continue;
    backups.push_back({file.absoluteFilePath(), file.fileName(), time, kennung, QString(),
                       QString()});
  }
  std::sort(backups.begin(), backups.end(), Newer);
  return backups;
}

// Whether `path` is a file of its own: a symbolic link or a second name of another file (a
// hard link) is someone else's, whatever its name.
bool IsOwnFile(const QString &path) {
#ifdef Q_OS_UNIX
  struct stat info {};
  return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
         info.st_nlink == 1;
#else
  return !QFileInfo(path).isSymLink();
#endif
}

void RemoveStaleTemporaries(const QString &folder) {
  const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-kStaleTemporarySecs);
  const QFileInfoList files =
      QDir(folder).entryInfoList({QStringLiteral(".Sicherung-*.tmp")},
                                 QDir::Files | QDir::Hidden | QDir::NoSymLinks);
  for (const QFileInfo &file : files)
    if (TemporaryPattern().match(file.fileName()).hasMatch() &&
        file.lastModified().toUTC() < stale)
      QFile::remove(file.absoluteFilePath());
}

// Writes `bytes` to a new file in `folder` that no list shows; its path in *path.
bool WriteTemporary(const QString &folder, const QByteArray &bytes, QString *path,
                    QString *reason) {
  QFile file;
  for (int attempt = 0; attempt < 100 && !file.isOpen(); ++attempt) {
    file.setFileName(QDir(folder).filePath(
        QStringLiteral(".Sicherung-%1.tmp")
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'))));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !file.exists()) {
      *reason = FileReason::FromText(file.errorString());
      return false;
    }
  }
  if (!file.isOpen()) {
    *reason = FileReason::FromErrno(EEXIST);
    return false;
  }
  bool written = file.write(bytes) == bytes.size() && file.flush();
  if (!written) *reason = FileReason::FromText(file.errorString());
#ifdef Q_OS_UNIX
  // On the disk before it has its name, so that a power cut leaves it whole or absent too.
  if (written && ::fsync(file.handle()) != 0) {
    written = false;
    *reason = FileReason::FromErrno(errno);
  }
#endif
  file.close();
  if (!written) {
    file.remove();
    return false;
  }
  *path = file.fileName();
  return true;
}

enum class Naming { Done, Taken, Failed };

// Gives the written file `from` the name `to` in one step that fails where the name is taken,
// instead of replacing what is there.
Naming NameWithoutReplacing(const QString &from, const QString &to, QString *reason) {
#ifdef Q_OS_UNIX
  const QByteArray source = QFile::encodeName(from);
  const QByteArray target = QFile::encodeName(to);
#if defined(Q_OS_LINUX) && defined(RENAME_NOREPLACE)
  if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(),
                  RENAME_NOREPLACE) == 0)
    return Naming::Done;
  if (errno == EEXIST) return Naming::Taken;
  // A file system that knows no such rename (some network ones) takes a hard link, which
  // fails on a taken name just as well.
  if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
    *reason = FileReason::FromErrno(errno);
    return Naming::Failed;
  }
#endif
  if (::link(source.constData(), target.constData()) == 0) {
    ::unlink(source.constData());
    return Naming::Done;
  }
  if (errno == EEXIST) return Naming::Taken;
  if (errno != EPERM && errno != EOPNOTSUPP) {
    *reason = FileReason::FromErrno(errno);
    return Naming::Failed;
  }
  // Nor hard links (FAT): a look, then a rename. Two programs in the very same moment could
  // meet here; the file is whole all the same.
  if (::access(target.constData(), F_OK) == 0) return Naming::Taken;
  if (::rename(source.constData(), target.constData()) == 0) return Naming::Done;
  *reason = FileReason::FromErrno(errno);
  return Naming::Failed;
#else
  // Without MOVEFILE_REPLACE_EXISTING a taken name fails the move.
  if (MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                  reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                  MOVEFILE_WRITE_THROUGH))
    return Naming::Done;
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return Naming::Taken;
  *reason = qt_error_string(int(error));
  return Naming::Failed;
#endif
}

}  // namespace

BackupStore::BackupStore(const QString &folder) : folder_(folder) {}

QString BackupStore::Store(const QStringList &texts, const QString &versionText,
                           const QDateTime &when, QString *error) const {
  auto fail = [error](const QString &text) {
    if (error) *error = text;
    return QString();
  };
  QString reason;
  if (!FileReason::MakeFolder(folder_, &reason))
    return fail(tr("Der Ordner %1 kann nicht angelegt werden: %2")
                    .arg(QDir::toNativeSeparators(folder_), reason));
  RemoveStaleTemporaries(folder_);
  const QString kennung = Kennung(versionText);
  const auto notStored = [&](const QString &name, const QString &why) {
    return fail(tr("Die Sicherung %1 konnte nicht gespeichert werden: %2")
                    .arg(QDir::toNativeSeparators(QDir(folder_).filePath(name)), why));
  };
  QString temporary;
  if (!WriteTemporary(folder_, RegisterFileBytes(texts), &temporary, &reason))
    return notStored(FileName(when, kennung), reason);
  if (beforeNaming_) beforeNaming_(temporary);
  // A backup appears under its name only whole. The step that names it fails on a taken name,
  // so two programs backing up in the same second (two consoles on two ports) never replace
  // each other's backup.
  QString path;
  for (int number = 1; number <= kMaxNumber && path.isEmpty(); ++number) {
    const QString name = FileName(when, kennung, number);
    const QString candidate = QDir(folder_).filePath(name);
    switch (NameWithoutReplacing(temporary, candidate, &reason)) {
      case Naming::Done:
        path = candidate;
        break;
      case Naming::Taken:
        break;
      case Naming::Failed:
        QFile::remove(temporary);
        return notStored(name, reason);
    }
  }
  if (path.isEmpty()) {
    QFile::remove(temporary);
    return fail(tr("Im Ordner %1 gibt es schon zu viele Sicherungen dieser Sekunde.")
                    .arg(QDir::toNativeSeparators(folder_)));
  }
  Prune(when, QFileInfo(path).fileName());
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

void BackupStore::Prune(const QDateTime &now, const QString &keep) const {
  // Times in names compare as their moments do: the fields in order, each with its zeros. A
  // name later than now (a clock set back, a backup from another machine) counts as now, so
  // that it cannot crowd out what is stored now.
  const QString newest = now.toString(kTimeFormat);
  const QString oldest = now.addDays(-kKeepDays).toString(kTimeFormat);
  struct Candidate {
    QString rank;
    QString time;
    QString fileName;
  };
  std::vector<Candidate> candidates;
  const QDir folder(folder_);
  const QStringList names =
      folder.entryList({QStringLiteral("*") + kSuffix},
                       QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Unsorted);
  for (const QString &name : names) {
    QString time;
    if (!CouldHaveMade(name, &time) || !IsOwnFile(folder.filePath(name))) continue;
    candidates.push_back({std::min(time, newest), time, name});
  }
  // The one just stored is the newest of all, whatever its name says.
  std::sort(candidates.begin(), candidates.end(), [&keep](const Candidate &a, const Candidate &b) {
    return std::make_tuple(a.fileName == keep, a.rank, a.fileName.size(), a.fileName) >
           std::make_tuple(b.fileName == keep, b.rank, b.fileName.size(), b.fileName);
  });
  for (size_t i = 0; i < candidates.size(); ++i) {
    const Candidate &candidate = candidates[i];
    if (candidate.fileName == keep) continue;
    if (i >= size_t(kKeepCount) || candidate.time < oldest)
      QFile::remove(folder.filePath(candidate.fileName));
  }
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
