// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgrammingLog.h"

#include "FileReason.h"
#include "LogOperation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStorageInfo>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// Another program appending one line holds the lock for milliseconds; a lock still held after
// this long belongs to a hung program, and the operation goes on without its line.
constexpr int kLockWaitMs = 5000;
// A line is a few hundred bytes; one this long is no line of ours, and is skipped unread
// rather than held.
constexpr qsizetype kMaxLineBytes = 1024 * 1024;
constexpr qsizetype kChunkBytes = 64 * 1024;

QString LockPath(const QString &path) { return path + QStringLiteral(".lock"); }

void SetError(QString *error, const QString &text) {
  if (error) *error = text;
}

// One JSON value as it stands inside a document: strings quoted and escaped, so a message with
// line breaks still takes a single line.
QByteArray Encoded(const QJsonValue &value) {
  const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return array.mid(1, array.size() - 2);
}

// Local time with its offset, "+00:00" included where Qt would write "Z": a line says the
// workshop's clock time and reads the same after a change of time zone or season.
QString IsoTime(const QDateTime &time) {
  const QDateTime local = time.toLocalTime();
  const int offset = local.offsetFromUtc();
  const int minutes = qAbs(offset) / 60;
  return local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
         (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
         QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0'))
             .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

struct Opening {
  bool opened = false;
  bool absent = false;  // there is nothing at all
  QString kind;         // what is there instead of a regular file
  QString reason;       // why it did not open otherwise
};

// Opens the log only where it is a regular file. A pipe would hold open() until another
// program opens its other end, and a device never ends: both are told by their type first,
// and the open itself does not wait (O_NONBLOCK), should one be put there meanwhile.
Opening OpenRegular(const QString &path, QIODevice::OpenMode mode, QFile *file) {
  Opening opening;
  opening.kind = FileReason::NotRegular(path);
  if (!opening.kind.isEmpty()) return opening;
#ifdef Q_OS_UNIX
  const int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK |
                    (mode & QIODevice::Append ? O_WRONLY | O_APPEND | O_CREAT : O_RDONLY);
  const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
  if (fd < 0) {
    // A data folder that is a file holds no log either.
    opening.absent = errno == ENOENT || errno == ENOTDIR;
    opening.reason = FileReason::FromErrno(errno);
    return opening;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    opening.kind = FileReason::KindOf(info.st_mode);
    ::close(fd);
    return opening;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  opening.opened = file->open(fd, mode, QFileDevice::AutoCloseHandle);
  if (!opening.opened) ::close(fd);
#else
  file->setFileName(path);
  opening.absent = !(mode & QIODevice::Append) && !QFileInfo::exists(path);
  opening.opened = !opening.absent && file->open(mode);
#endif
  if (!opening.opened && !opening.absent && opening.reason.isEmpty())
    opening.reason = FileReason::FromText(file->errorString());
  return opening;
}

// True when the file ends in the middle of a line: a crash or a full disk cut one short.
bool EndsInsideLine(const QString &path) {
  QFile file;
  if (!OpenRegular(path, QIODevice::ReadOnly, &file).opened || file.size() == 0) return false;
  file.seek(file.size() - 1);
  char last = '\n';
  return file.getChar(&last) && last != '\n';
}

// QLockFile tells only what kind of failure it met; the folder tells why.
QString LockFailure(const QString &folder, QLockFile::LockError error) {
#ifdef Q_OS_UNIX
  if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
    return FileReason::FromErrno(errno);
#endif
  const QStorageInfo storage(folder);
  if (storage.isValid() && storage.isReadOnly()) return FileReason::FromErrno(EROFS);
  if (storage.isValid() && storage.bytesAvailable() <= 0) return FileReason::FromErrno(ENOSPC);
  if (error == QLockFile::PermissionError) return FileReason::FromErrno(EACCES);
  return ProgrammingLog::tr("Der Grund ist nicht bekannt");
}

struct Name {
  const char *word;
  const char *text;
};

const Name kOperations[] = {
    {LogOperation::kRead, QT_TRANSLATE_NOOP("ProgrammingLog", "Lesen")},
    {LogOperation::kWrite, QT_TRANSLATE_NOOP("ProgrammingLog", "Senden")},
    {LogOperation::kVerify, QT_TRANSLATE_NOOP("ProgrammingLog", "Prüfen")},
    {LogOperation::kCompare, QT_TRANSLATE_NOOP("ProgrammingLog", "Vergleichen")},
    {LogOperation::kReset, QT_TRANSLATE_NOOP("ProgrammingLog", "Werkeinstellungen")},
    {LogOperation::kVersion, QT_TRANSLATE_NOOP("ProgrammingLog", "Version")},
    {LogOperation::kBackup, QT_TRANSLATE_NOOP("ProgrammingLog", "Sichern")},
    {LogOperation::kApply, QT_TRANSLATE_NOOP("ProgrammingLog", "Übernehmen")},
};

const Name kResults[] = {
    {"ok", QT_TRANSLATE_NOOP("ProgrammingLog", "erfolgreich")},
    {"failed", QT_TRANSLATE_NOOP("ProgrammingLog", "fehlgeschlagen")},
    {"cancelled", QT_TRANSLATE_NOOP("ProgrammingLog", "abgebrochen")},
};

template <size_t N>
QString Lookup(const Name (&names)[N], const QString &word) {
  for (const Name &name : names)
    if (word == QLatin1String(name.word))
      return QCoreApplication::translate("ProgrammingLog", name.text);
  return word;
}

// A cell of the CSV file. A text that an office program would take for a formula (a console
// may name itself "=..."), is kept as text by a leading apostrophe.
QString CsvField(const QString &text) {
  QString field = text;
  if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.front()))
    field.prepend(QLatin1Char('\''));
  if (field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"')) ||
      field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
    field.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    field = QLatin1Char('"') + field + QLatin1Char('"');
  }
  return field;
}

}  // namespace

bool LogEntry::operator==(const LogEntry &other) const {
  return time == other.time && program == other.program && operation == other.operation &&
         port == other.port && console == other.console && file == other.file &&
         backup == other.backup && result == other.result && message == other.message &&
         registers == other.registers && differences == other.differences;
}

ProgrammingLog::ProgrammingLog(const QString &path) : path_(path) {}

bool ProgrammingLog::Append(const LogEntry &entry, QString *error) const {
  const QString shown = QDir::toNativeSeparators(path_);
  const QString folder = QFileInfo(path_).absolutePath();
  QString reason;
  if (!FileReason::MakeFolder(folder, &reason)) {
    SetError(error, tr("Der Ordner %1 konnte nicht angelegt werden: %2")
                        .arg(QDir::toNativeSeparators(folder), reason));
    return false;
  }
  // Told before the lock is taken, so that no other program waits for it meanwhile.
  const QString kind = FileReason::NotRegular(path_);
  if (!kind.isEmpty()) {
    SetError(error, NotRegularText(kind));
    return false;
  }
  // QLockFile reads a lock file it finds, which would wait on a pipe, and takes a folder for
  // another program's lock that it cannot remove.
  const QString lockKind = FileReason::NotRegular(LockPath(path_), false);
  if (!lockKind.isEmpty()) {
    SetError(error, tr("Die Sperrdatei %1 ist keine gewöhnliche Datei, sondern %2.")
                        .arg(QDir::toNativeSeparators(LockPath(path_)), lockKind));
    return false;
  }
  QLockFile lock(LockPath(path_));
  if (!lock.tryLock(kLockWaitMs)) {
    SetError(error, lock.error() == QLockFile::LockFailedError
                        ? tr("Das Protokoll %1 ist von einem anderen Programm gesperrt.").arg(shown)
                        : tr("Das Protokoll %1 kann nicht gesperrt werden: %2")
                              .arg(shown, LockFailure(folder, lock.error())));
    return false;
  }
  QFile file;
  const Opening opening = OpenRegular(path_, QIODevice::WriteOnly | QIODevice::Append, &file);
  if (!opening.opened) {
    SetError(error, !opening.kind.isEmpty()
                        ? NotRegularText(opening.kind)
                        : tr("Das Protokoll %1 kann nicht geschrieben werden: %2")
                              .arg(shown, opening.reason));
    return false;
  }
  QByteArray line = JsonLine(entry) + '\n';
  // The damaged line stays as it is; this one starts on a line of its own.
  if (EndsInsideLine(path_)) line.prepend('\n');
  if (file.write(line) != line.size() || !file.flush()) {
    SetError(error, tr("Das Protokoll %1 kann nicht geschrieben werden: %2")
                        .arg(shown, FileReason::FromText(file.errorString())));
    return false;
  }
  return true;
}

bool ProgrammingLog::ReadAll(std::vector<LogEntry> *entries, int *damaged, QString *error) const {
  entries->clear();
  return ForEach(
      [entries](const LogEntry &entry) {
        entries->push_back(entry);
        return true;
      },
      damaged, error);
}

bool ProgrammingLog::ForEach(const std::function<bool(const LogEntry &)> &take, int *damaged,
                             QString *error) const {
  if (damaged) *damaged = 0;
  QFile file;
  const Opening opening = OpenRegular(path_, QIODevice::ReadOnly, &file);
  if (!opening.opened) {
    if (opening.absent) return true;
    SetError(error, !opening.kind.isEmpty()
                        ? NotRegularText(opening.kind)
                        : tr("Das Protokoll %1 kann nicht gelesen werden: %2")
                              .arg(QDir::toNativeSeparators(path_), opening.reason));
    return false;
  }
  // A line is appended whole under the lock, so the end as it stands while the lock is held
  // ends a whole line. Lines appended after that are left for the next reading: no writer
  // waits however slowly the lines are taken (a pager). Reading goes on without the lock where
  // none can be had (a folder the user may not write, a lock file that is none).
  qint64 end = file.size();
  if (FileReason::NotRegular(LockPath(path_), false).isEmpty()) {
    QLockFile lock(LockPath(path_));
    if (lock.tryLock(kLockWaitMs)) end = file.size();
  }
  QByteArray chunk(kChunkBytes, Qt::Uninitialized);
  QByteArray line;
  bool tooLong = false;
  qint64 position = 0;
  while (position < end) {
    // One byte more than is read, for the '\0' readLine() adds.
    const qint64 read = file.readLine(chunk.data(), qMin(qint64(chunk.size()), end - position + 1));
    if (read <= 0) break;
    position += read;
    if (!tooLong) line.append(chunk.constData(), qsizetype(read));
    if (line.size() > kMaxLineBytes) {
      tooLong = true;
      line.clear();
    }
    if (chunk.at(read - 1) != '\n' && position < end) continue;
    if (std::exchange(tooLong, false)) {
      if (damaged) ++*damaged;
      continue;
    }
    if (!line.trimmed().isEmpty()) {
      if (const std::optional<LogEntry> entry = ParseLine(line)) {
        if (!take(*entry)) return true;
      } else if (damaged) {
        ++*damaged;
      }
    }
    line.truncate(0);
  }
  if (file.error() != QFileDevice::NoError) {
    SetError(error, tr("Das Protokoll %1 kann nicht gelesen werden: %2")
                        .arg(QDir::toNativeSeparators(path_),
                             FileReason::FromText(file.errorString())));
    return false;
  }
  return true;
}

QString ProgrammingLog::NotRegularText(const QString &kind) const {
  return tr("Das Protokoll %1 ist keine gewöhnliche Datei, sondern %2.")
      .arg(QDir::toNativeSeparators(path_), kind);
}

QByteArray ProgrammingLog::JsonLine(const LogEntry &entry) {
  const std::pair<const char *, QJsonValue> fields[] = {
      {"time", IsoTime(entry.time)},
      {"program", entry.program},
      {"operation", entry.operation},
      {"port", entry.port},
      {"console", entry.console},
      {"file", entry.file},
      {"backup", entry.backup},
      {"result", entry.result},
      {"message", entry.message},
      {"registers", entry.registers},
      {"differences", entry.differences ? QJsonValue(*entry.differences) : QJsonValue()},
  };
  // In this order rather than QJsonObject's alphabetical one: the time first, for people
  // reading the file.
  QByteArray line = "{";
  for (const auto &[key, value] : fields) {
    if (line.size() > 1) line += ',';
    line += '"' + QByteArray(key) + "\":" + Encoded(value);
  }
  return line + '}';
}

std::optional<LogEntry> ProgrammingLog::ParseLine(const QByteArray &line) {
  QJsonParseError parseError;
  const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
  if (parseError.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject object = document.object();
  LogEntry entry;
  entry.time = QDateTime::fromString(object.value(QLatin1String("time")).toString(), Qt::ISODate);
  if (!entry.time.isValid()) return std::nullopt;
  entry.program = object.value(QLatin1String("program")).toString();
  entry.operation = object.value(QLatin1String("operation")).toString();
  entry.port = object.value(QLatin1String("port")).toString();
  entry.console = object.value(QLatin1String("console")).toString();
  entry.file = object.value(QLatin1String("file")).toString();
  entry.backup = object.value(QLatin1String("backup")).toString();
  entry.result = object.value(QLatin1String("result")).toString();
  entry.message = object.value(QLatin1String("message")).toString();
  entry.registers = object.value(QLatin1String("registers")).toInt();
  const QJsonValue differences = object.value(QLatin1String("differences"));
  if (differences.isDouble()) entry.differences = differences.toInt();
  return entry;
}

std::vector<LogEntry> ProgrammingLog::Since(const std::vector<LogEntry> &entries,
                                            const QDate &since) {
  std::vector<LogEntry> kept;
  for (const LogEntry &entry : entries)
    if (IsSince(entry, since)) kept.push_back(entry);
  return kept;
}

bool ProgrammingLog::IsSince(const LogEntry &entry, const QDate &since) {
  return !since.isValid() || entry.time.toLocalTime().date() >= since;
}

bool ProgrammingLog::Matches(const LogEntry &entry, const QString &text) {
  const QString columns[] = {TimeText(entry.time), OperationText(entry.operation), entry.console,
                             entry.port, entry.file, ResultText(entry.result), entry.message};
  for (const QString &column : columns)
    if (column.contains(text, Qt::CaseInsensitive)) return true;
  return false;
}

QString ProgrammingLog::OperationText(const QString &operation) {
  return Lookup(kOperations, operation);
}

QString ProgrammingLog::ResultText(const QString &result) { return Lookup(kResults, result); }

QString ProgrammingLog::TimeText(const QDateTime &time) {
  return time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QByteArray ProgrammingLog::Csv(const std::vector<LogEntry> &entries) {
  QByteArray csv = CsvHeader();
  for (const LogEntry &entry : entries) csv += CsvRow(entry);
  return csv;
}

QByteArray ProgrammingLog::CsvHeader() {
  const QStringList header = {tr("Zeit"),      tr("Programm"), tr("Vorgang"),  tr("Port"),
                              tr("Quorex"),    tr("Datei"),    tr("Sicherung"), tr("Ergebnis"),
                              tr("Meldung"),   tr("Register"), tr("Unterschiede")};
  // The BOM tells an office program that this is UTF-8 rather than the local code page.
  return "\xEF\xBB\xBF" + header.join(QLatin1Char(';')).toUtf8() + "\r\n";
}

QByteArray ProgrammingLog::CsvRow(const LogEntry &entry) {
  const QStringList fields = {
      TimeText(entry.time),        entry.program,
      OperationText(entry.operation), entry.port,
      entry.console,               QDir::toNativeSeparators(entry.file),
      entry.backup,                ResultText(entry.result),
      entry.message,               QString::number(entry.registers),
      entry.differences ? QString::number(*entry.differences) : QString()};
  QStringList cells;
  for (const QString &field : fields) cells << CsvField(field);
  return cells.join(QLatin1Char(';')).toUtf8() + "\r\n";
}
