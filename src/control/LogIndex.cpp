// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogIndex.h"

#include <QByteArrayMatcher>
#include <QByteArrayView>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QStringEncoder>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <limits>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// As long as the log's writers hold the lock at most.
constexpr int kLockWaitMs = 5000;
// A view sizes its columns from up to 1000 rows; those stay read.
constexpr int kCachedEntries = 1500;
// Most lines are 250 bytes and more; shorter ones make the room taken for them grow.
constexpr qint64 kShortestLine = 64;
// Below this a second thread costs more than it saves.
constexpr qint64 kBytesPerThread = 1 << 20;

// Local time as ProgrammingLog::TimeText writes it, for many times. Asking the system for a
// local time costs microseconds each time (it looks at the zone file again); here the zone's
// offset is asked at the start and the end of each day (in UTC) that has lines, and for each
// line only on a day at whose end the offset differs: a zone changes its clock at most once a
// day.
class TimeTexts {
 public:
  QByteArray Text(const QDateTime &time) {
    const qint64 ms = time.toMSecsSinceEpoch();
    const qint64 day = ms >= 0 ? ms / kDayMs : (ms + 1) / kDayMs - 1;
    auto found = days_.constFind(day);
    if (found == days_.constEnd()) {
      const int first = QDateTime::fromMSecsSinceEpoch(day * kDayMs).offsetFromUtc();
      const int last = QDateTime::fromMSecsSinceEpoch(day * kDayMs + kDayMs - 1).offsetFromUtc();
      found = days_.insert(day, first == last ? first : kChanges);
    }
    const int offset =
        *found == kChanges ? QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc() : *found;
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms + offset * qint64(1000), Qt::UTC);
    const QDate date = local.date();
    const QTime clock = local.time();
    // Four digits of year are all this writes.
    if (date.year() < 1000 || date.year() > 9999) return ProgrammingLog::TimeText(time).toUtf8();
    char text[19];
    Put(text, date.day(), 2);
    text[2] = '.';
    Put(text + 3, date.month(), 2);
    text[5] = '.';
    Put(text + 6, date.year(), 4);
    text[10] = ' ';
    Put(text + 11, clock.hour(), 2);
    text[13] = ':';
    Put(text + 14, clock.minute(), 2);
    text[16] = ':';
    Put(text + 17, clock.second(), 2);
    return QByteArray(text, sizeof text);
  }

 private:
  static constexpr qint64 kDayMs = 24 * 60 * 60 * 1000;
  // No offset is this large.
  static constexpr int kChanges = std::numeric_limits<int>::min();

  static void Put(char *at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) at[i] = char('0' + value % 10);
  }

  QHash<qint64, int> days_;
};

// Console, port, file and message of one line, case-folded, each ended by a zero byte, as
// UTF-8 at the end of `search`. One string is folded and encoded per line, in buffers that are
// kept from line to line.
class SearchTexts {
 public:
  void Add(const LogEntry &entry, QByteArray *search) {
    joined_.truncate(0);
    for (const QString *text : {&entry.console, &entry.port, &entry.file, &entry.message}) {
      joined_ += *text;
      joined_ += QChar(0);
    }
    const QString folded = std::move(joined_).toCaseFolded();
    const qsizetype at = search->size();
    search->resize(at + encoder_.requiredSpace(folded.size()));
    char *end = encoder_.appendToBuffer(search->data() + at, folded);
    search->truncate(end - search->constData());
    joined_ = folded;
  }

 private:
  QString joined_;
  QStringEncoder encoder_{QStringEncoder::Utf8};
};

int Intern(QStringList *words, QHash<QString, int> *known, const QString &word) {
  const auto found = known->constFind(word);
  if (found != known->constEnd()) return found.value();
  words->append(word);
  known->insert(word, int(words->size() - 1));
  return int(words->size() - 1);
}

bool IsBlank(const char *begin, const char *end) {
  return std::all_of(begin, end, [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  });
}

// glibc keeps what a pass over a long log has freed, in the heaps of the threads that made it,
// for later use; the window has none for it and would stay that much bigger.
void GiveBackFreedMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

// Once whatever showed the log has gone too, from the event loop.
void GiveBackFreedMemoryLater() {
#ifdef __GLIBC__
  if (QCoreApplication::instance())
    QTimer::singleShot(0, QCoreApplication::instance(), [] { malloc_trim(0); });
#endif
}

// A line names a backup only where the key stands in it as written (or hides behind an
// escape); the form the writers use for none is told apart without reading the line as JSON.
bool MayNameBackup(QByteArrayView line) {
  if (line.contains(QByteArrayView("\\u"))) return true;
  const qsizetype first = line.indexOf(QByteArrayView("backup"));
  if (first < 0) return false;
  if (line.indexOf(QByteArrayView("backup"), first + 1) >= 0) return true;
  return !line.contains(QByteArrayView("\"backup\":\"\""));
}

// A line being appended right now would look damaged; waiting for the writer avoids that, as
// ProgrammingLog::ReadAll does. A lock that is no plain file is left alone: opening a pipe
// would wait for ever.
std::unique_ptr<QLockFile> LockForReading(const QString &path) {
  const QString lockPath = path + QStringLiteral(".lock");
  const QFileInfo info(lockPath);
  if (info.exists() && !info.isFile()) return nullptr;
  auto lock = std::make_unique<QLockFile>(lockPath);
  lock->tryLock(kLockWaitMs);
  return lock;
}

// The whole file, mapped where the system can, else read; `data` points into one of the two.
struct Contents {
  QFile *file = nullptr;
  uchar *mapped = nullptr;
  QByteArray read;
  const char *data = nullptr;
  qint64 size = 0;

  explicit Contents(QFile *opened) : file(opened), size(opened->size()) {
    if (size > 0) mapped = file->map(0, size);
    if (mapped) {
      data = reinterpret_cast<const char *>(mapped);
    } else {
      read = file->readAll();
      size = read.size();
      data = read.constData();
    }
  }
  ~Contents() {
    if (mapped) file->unmap(mapped);
  }
};

}  // namespace

struct LogIndex::Part {
  std::vector<Line> lines;
  QByteArray search;
  QStringList operations;
  QStringList results;
  int damaged = 0;
};

struct LogIndex::Older {
  std::vector<Part> parts;
};

LogIndex::LogIndex(const QString &path) : path_(path), cache_(kCachedEntries) {}

LogIndex::~LogIndex() {
  lines_ = std::vector<Line>();
  search_ = QByteArray();
  cache_.clear();
  GiveBackFreedMemory();
  GiveBackFreedMemoryLater();
}

// Lines starting in [begin, end).
void LogIndex::Scan(const char *data, qint64 begin, qint64 end, const std::atomic<bool> *cancel,
                    Part *part) {
  QHash<QString, int> operations;
  QHash<QString, int> results;
  TimeTexts times;
  SearchTexts texts;
  int counted = 0;
  for (qint64 start = begin; start < end;) {
    if (cancel && ++counted % 4096 == 0 && cancel->load()) return;
    const char *newline =
        static_cast<const char *>(std::memchr(data + start, '\n', size_t(end - start)));
    const qint64 stop = newline ? newline - data : end;
    const qint64 next = newline ? stop + 1 : end;
    if (!IsBlank(data + start, data + stop)) {
      const std::optional<LogEntry> entry =
          ProgrammingLog::ParseLine(QByteArray::fromRawData(data + start, qsizetype(stop - start)));
      if (!entry) {
        ++part->damaged;
      } else {
        part->lines.push_back({start, stop - start,
                               Intern(&part->operations, &operations, entry->operation),
                               Intern(&part->results, &results, entry->result),
                               part->search.size()});
        part->search += times.Text(entry->time);
        part->search += '\0';
        texts.Add(*entry, &part->search);
      }
    }
    start = next;
  }
}

// [begin, end) in stretches that begin at line starts, one per thread.
std::vector<LogIndex::Part> LogIndex::Read(const char *data, qint64 begin, qint64 end,
                                           const std::atomic<bool> *cancel) {
  const int threads = int(std::clamp<qint64>((end - begin) / kBytesPerThread, 1,
                                             std::min(QThread::idealThreadCount(), 4)));
  std::vector<qint64> bounds{begin};
  for (int i = 1; i < threads; ++i) {
    qint64 at = std::max(bounds.back(), begin + (end - begin) * i / threads);
    const void *newline = at < end ? std::memchr(data + at, '\n', size_t(end - at)) : nullptr;
    at = newline ? static_cast<const char *>(newline) - data + 1 : end;
    bounds.push_back(at);
  }
  bounds.push_back(end);
  std::vector<Part> parts(static_cast<size_t>(threads));
  // Room for what a stretch can make, taken here: memory a thread takes stays with that thread
  // (glibc keeps it in the thread's heap after it has been freed). Untouched room costs
  // nothing.
  for (int i = 0; i < threads; ++i) {
    const qint64 bytes = bounds[size_t(i) + 1] - bounds[size_t(i)];
    parts[size_t(i)].lines.reserve(size_t(bytes / kShortestLine + 1));
    parts[size_t(i)].search.reserve(qsizetype(bytes + bytes / 2));
  }
  QThreadPool pool;
  for (int i = 1; i < threads; ++i)
    pool.start([&, i] {
      Scan(data, bounds[size_t(i)], bounds[size_t(i) + 1], cancel, &parts[size_t(i)]);
    });
  Scan(data, bounds[0], bounds[1], cancel, &parts[0]);
  pool.waitForDone();
  return parts;
}

void LogIndex::Append(std::vector<Part> parts) {
  size_t lineCount = lines_.size();
  qsizetype searchSize = search_.size();
  for (const Part &part : parts) {
    lineCount += part.lines.size();
    searchSize += part.search.size();
  }
  lines_.reserve(lineCount);
  search_.reserve(searchSize);
  QHash<QString, int> operations;
  for (int i = 0; i < operations_.size(); ++i) operations.insert(operations_.at(i), i);
  QHash<QString, int> results;
  for (int i = 0; i < results_.size(); ++i) results.insert(results_.at(i), i);
  for (Part &part : parts) {
    std::vector<int> operationIndex;
    for (const QString &word : part.operations)
      operationIndex.push_back(Intern(&operations_, &operations, word));
    std::vector<int> resultIndex;
    for (const QString &word : part.results)
      resultIndex.push_back(Intern(&results_, &results, word));
    for (Line line : part.lines) {
      line.operation = operationIndex[size_t(line.operation)];
      line.result = resultIndex[size_t(line.result)];
      line.search += search_.size();
      lines_.push_back(line);
    }
    search_ += part.search;
    damaged_ += part.damaged;
    part = Part();
  }
  GiveBackFreedMemory();
}

bool LogIndex::Open(QString *error) {
  lines_.clear();
  search_.clear();
  operations_.clear();
  results_.clear();
  damaged_ = 0;
  olderEnd_ = 0;
  cache_.clear();
  file_.close();
  const QFileInfo info(path_);
  if (!info.exists()) return true;
  const QString shown = QDir::toNativeSeparators(path_);
  if (!info.isFile()) {
    if (error)
      *error = tr("Das Protokoll %1 kann nicht gelesen werden: Es ist keine gewöhnliche Datei.")
                   .arg(shown);
    return false;
  }
  file_.setFileName(path_);
  if (!file_.open(QIODevice::ReadOnly)) {
    if (error)
      *error = tr("Das Protokoll %1 kann nicht gelesen werden: %2").arg(shown, file_.errorString());
    return false;
  }
  return true;
}

bool LogIndex::Load(QString *error) { return LoadNewest(std::numeric_limits<qint64>::max(), error); }

bool LogIndex::LoadNewest(qint64 bytes, QString *error) {
  if (!Open(error)) return false;
  if (!file_.isOpen()) return true;
  const std::unique_ptr<QLockFile> lock = LockForReading(path_);
  const Contents contents(&file_);
  // From the first line that begins within `bytes` of the end.
  qint64 begin = 0;
  if (bytes < contents.size) {
    const qint64 from = contents.size - bytes - 1;
    const void *newline = std::memchr(contents.data + from, '\n', size_t(contents.size - from));
    begin = newline ? static_cast<const char *>(newline) - contents.data + 1 : contents.size;
  }
  Append(Read(contents.data, begin, contents.size, nullptr));
  olderEnd_ = begin;
  return true;
}

std::function<std::shared_ptr<LogIndex::Older>(const std::atomic<bool> &)> LogIndex::OlderReader()
    const {
  return [path = path_, end = olderEnd_](const std::atomic<bool> &cancel) {
    auto older = std::make_shared<Older>();
    QFile file(path);
    if (end <= 0 || !file.open(QIODevice::ReadOnly)) return older;
    uchar *mapped = file.map(0, end);
    const QByteArray read = mapped ? QByteArray() : file.read(end);
    const char *data = mapped ? reinterpret_cast<const char *>(mapped) : read.constData();
    older->parts = Read(data, 0, mapped ? end : read.size(), &cancel);
    if (mapped) file.unmap(mapped);
    return older;
  };
}

void LogIndex::TakeOlder(Older &older) {
  Part loaded;
  loaded.lines = std::move(lines_);
  loaded.search = std::move(search_);
  loaded.operations = std::move(operations_);
  loaded.results = std::move(results_);
  loaded.damaged = damaged_;
  lines_ = std::vector<Line>();
  search_ = QByteArray();
  operations_.clear();
  results_.clear();
  damaged_ = 0;
  std::vector<Part> parts = std::move(older.parts);
  parts.push_back(std::move(loaded));
  Append(std::move(parts));
  olderEnd_ = 0;
}

LogEntry LogIndex::Entry(int index) const {
  const Line &line = lines_.at(size_t(index));
  if (const LogEntry *cached = cache_.object(line.offset)) return *cached;
  std::optional<LogEntry> entry;
  if (file_.seek(line.offset)) entry = ProgrammingLog::ParseLine(file_.read(line.length));
  if (!entry) return LogEntry();
  cache_.insert(line.offset, new LogEntry(*entry));
  return *entry;
}

std::vector<int> LogIndex::Matching(const QString &text) const {
  std::vector<int> matching;
  const QByteArray needle = text.toCaseFolded().toUtf8();
  // A zero in the needle would meet the ends of the texts; each entry is asked instead.
  if (needle.contains('\0')) {
    for (int i = 0; i < Count(); ++i)
      if (ProgrammingLog::Matches(Entry(i), text)) matching.push_back(i);
    return matching;
  }
  std::vector<char> operation;
  for (const QString &word : operations_)
    operation.push_back(ProgrammingLog::OperationText(word).contains(text, Qt::CaseInsensitive));
  std::vector<char> result;
  for (const QString &word : results_)
    result.push_back(ProgrammingLog::ResultText(word).contains(text, Qt::CaseInsensitive));
  const QByteArrayMatcher matcher(needle);
  // The first occurrence at or after the texts of the line looked at, or -1 when none is left.
  qsizetype hit = needle.isEmpty() ? -1 : matcher.indexIn(search_, 0);
  for (int i = 0; i < Count(); ++i) {
    const Line &line = lines_[size_t(i)];
    if (needle.isEmpty() || operation[size_t(line.operation)] || result[size_t(line.result)]) {
      matching.push_back(i);
      continue;
    }
    if (hit >= 0 && hit < line.search) hit = matcher.indexIn(search_, line.search);
    const qsizetype end = i + 1 < Count() ? lines_[size_t(i) + 1].search : search_.size();
    if (hit >= 0 && hit < end) matching.push_back(i);
  }
  return matching;
}

std::vector<LogEntry> LogIndex::BackupLines(const QString &path) {
  std::vector<LogEntry> entries;
  if (!QFileInfo(path).isFile()) return entries;
  const std::unique_ptr<QLockFile> lock = LockForReading(path);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return entries;
  const Contents contents(&file);
  for (qint64 start = 0; start < contents.size;) {
    const char *newline = static_cast<const char *>(
        std::memchr(contents.data + start, '\n', size_t(contents.size - start)));
    const qint64 stop = newline ? newline - contents.data : contents.size;
    const QByteArrayView line(contents.data + start, qsizetype(stop - start));
    if (MayNameBackup(line)) {
      const std::optional<LogEntry> entry =
          ProgrammingLog::ParseLine(QByteArray::fromRawData(line.data(), line.size()));
      if (entry && !entry->backup.isEmpty()) entries.push_back(*entry);
    }
    start = stop + 1;
  }
  return entries;
}
