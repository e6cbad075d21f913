// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NativePath.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr char16_t kRawByteBase = 0xDC00;

bool IsRawByte(QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; }

#ifdef Q_OS_UNIX
// Length of the valid UTF-8 sequence starting at `i`, or 0. Only POSIX names are bytes.
int SequenceLength(const QByteArray &bytes, qsizetype i) {
  const auto byte = [&bytes](qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  int length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  // Overlong forms, surrogates and code points beyond Unicode are no valid UTF-8.
  static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool Stat(const QString &path, struct stat *info) {
  return ::stat(NativePath::ToBytes(path).constData(), info) == 0;
}
#endif

}  // namespace

namespace NativePath {

QString FromBytes(const QByteArray &bytes) {
#ifdef Q_OS_UNIX
  QString path;
  qsizetype start = 0;
  qsizetype i = 0;
  while (i < bytes.size()) {
    const int length = SequenceLength(bytes, i);
    if (length > 0) {
      i += length;
      continue;
    }
    path += QString::fromUtf8(bytes.mid(start, i - start));
    path += QChar(static_cast<char16_t>(kRawByteBase + static_cast<unsigned char>(bytes.at(i))));
    start = ++i;
  }
  return path + QString::fromUtf8(bytes.mid(start));
#else
  return QFile::decodeName(bytes);
#endif
}

QByteArray ToBytes(const QString &path) {
  if (!HoldsRawBytes(path)) return QFile::encodeName(path);
  QByteArray bytes;
  qsizetype start = 0;
  for (qsizetype i = 0; i < path.size(); ++i) {
    if (!IsRawByte(path.at(i))) continue;
    bytes += path.mid(start, i - start).toUtf8();
    bytes += static_cast<char>(path.at(i).unicode() - kRawByteBase);
    start = i + 1;
  }
  return bytes + path.mid(start).toUtf8();
}

bool HoldsRawBytes(const QString &path) {
#ifdef Q_OS_UNIX
  for (const QChar c : path)
    if (IsRawByte(c)) return true;
#else
  Q_UNUSED(path)
#endif
  return false;
}

QString Shown(const QString &path) {
  QString shown = path;
  for (QChar &c : shown)
    if (IsRawByte(c)) c = QChar::ReplacementCharacter;
  return shown;
}

QStringList Arguments(int argc, char **argv) {
#ifdef Q_OS_UNIX
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(FromBytes(QByteArray(argv[i])));
  return arguments;
#else
  // Windows gives its arguments as UTF-16; argv holds only a lossy copy of them.
  Q_UNUSED(argc)
  Q_UNUSED(argv)
  return QCoreApplication::arguments();
#endif
}

bool IsRegularFile(const QString &path, qint64 *size) {
#ifdef Q_OS_UNIX
  if (HoldsRawBytes(path)) {
    struct stat info {};
    if (!Stat(path, &info) || !S_ISREG(info.st_mode)) return false;
    if (size) *size = info.st_size;
    return true;
  }
#endif
  const QFileInfo info(path);
  if (!info.isFile()) return false;
  if (size) *size = info.size();
  return true;
}

bool Exists(const QString &path, bool *isFolder) {
#ifdef Q_OS_UNIX
  if (HoldsRawBytes(path)) {
    struct stat info {};
    if (!Stat(path, &info)) return false;
    if (isFolder) *isFolder = S_ISDIR(info.st_mode);
    return true;
  }
#endif
  const QFileInfo info(path);
  if (isFolder) *isFolder = info.isDir();
  return info.exists();
}

bool OpenForReading(QFile &file, const QString &path, QString *reason) {
  bool opened = false;
#ifdef Q_OS_UNIX
  if (HoldsRawBytes(path)) {
    const int fd = ::open(ToBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      if (reason) *reason = qt_error_string(errno);
      return false;
    }
    opened = file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!opened) ::close(fd);
  }
#endif
  if (!HoldsRawBytes(path)) {
    file.setFileName(path);
    opened = file.open(QIODevice::ReadOnly);
  }
  if (!opened && reason) *reason = file.errorString();
  return opened;
}

}  // namespace NativePath
