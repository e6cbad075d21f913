// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgrammingLog.h"

#include "LogOperation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

namespace {

// Another program appending one line holds the lock for milliseconds; a lock still held after
// this long belongs to a hung program, and the operation goes on without its line.
constexpr int kLockWaitMs = 5000;

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

// True when the file ends in the middle of a line: a crash or a full disk cut one short.
bool EndsInsideLine(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return false;
  file.seek(file.size() - 1);
  char last = '\n';
  return file.getChar(&last) && last != '\n';
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
  if (!QDir().mkpath(folder)) {
    SetError(error, tr("Der Ordner %1 konnte nicht angelegt werden.")
                        .arg(QDir::toNativeSeparators(folder)));
    return false;
  }
  QLockFile lock(LockPath(path_));
  if (!lock.tryLock(kLockWaitMs)) {
    SetError(error, lock.error() == QLockFile::LockFailedError
                        ? tr("Das Protokoll %1 ist von einem anderen Programm gesperrt.").arg(shown)
                        : tr("Das Protokoll %1 kann nicht gesperrt werden.").arg(shown));
    return false;
  }
  QByteArray line = JsonLine(entry) + '\n';
  // The damaged line stays as it is; this one starts on a line of its own.
  if (EndsInsideLine(path_)) line.prepend('\n');
  QFile file(path_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
    SetError(error, tr("Das Protokoll %1 kann nicht geschrieben werden: %2")
                        .arg(shown, file.errorString()));
    return false;
  }
  if (file.write(line) != line.size() || !file.flush()) {
    SetError(error, tr("Das Protokoll %1 kann nicht geschrieben werden: %2")
                        .arg(shown, file.errorString()));
    return false;
  }
  return true;
}

bool ProgrammingLog::ReadAll(std::vector<LogEntry> *entries, int *damaged, QString *error) const {
  entries->clear();
  if (damaged) *damaged = 0;
  if (!QFileInfo::exists(path_)) return true;
  // A line being appended right now would look damaged; waiting for the writer avoids that.
  // Reading goes on without the lock where none can be had (a folder the user may not write).
  QLockFile lock(LockPath(path_));
  lock.tryLock(kLockWaitMs);
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) {
    SetError(error, tr("Das Protokoll %1 kann nicht gelesen werden: %2")
                        .arg(QDir::toNativeSeparators(path_), file.errorString()));
    return false;
  }
  const QByteArray data = file.readAll();
  for (const QByteArray &line : data.split('\n')) {
    if (line.trimmed().isEmpty()) continue;
    if (const std::optional<LogEntry> entry = ParseLine(line))
      entries->push_back(*entry);
    else if (damaged)
      ++*damaged;
  }
  return true;
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
    if (!since.isValid() || entry.time.toLocalTime().date() >= since) kept.push_back(entry);
  return kept;
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
  const QStringList header = {tr("Zeit"),      tr("Programm"), tr("Vorgang"),  tr("Port"),
                              tr("Quorex"),    tr("Datei"),    tr("Sicherung"), tr("Ergebnis"),
                              tr("Meldung"),   tr("Register"), tr("Unterschiede")};
  // The BOM tells an office program that this is UTF-8 rather than the local code page.
  QByteArray csv = "\xEF\xBB\xBF" + header.join(QLatin1Char(';')).toUtf8() + "\r\n";
  for (const LogEntry &entry : entries) {
    const QStringList fields = {
        TimeText(entry.time),        entry.program,
        OperationText(entry.operation), entry.port,
        entry.console,               QDir::toNativeSeparators(entry.file),
        entry.backup,                ResultText(entry.result),
        entry.message,               QString::number(entry.registers),
        entry.differences ? QString::number(*entry.differences) : QString()};
    QStringList cells;
    for (const QString &field : fields) cells << CsvField(field);
    csv += cells.join(QLatin1Char(';')).toUtf8() + "\r\n";
  }
  return csv;
}
