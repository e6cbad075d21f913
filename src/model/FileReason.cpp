// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileReason.h"

#include "NativePath.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

struct Words {
  int error;
  const char *text;
};

// The errors a technician meets with files and folders; any other keeps the system's text.
const Words kWords[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("FileReason", "Kein freier Speicherplatz auf dem Datenträger")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("FileReason", "Das Speicherkontingent ist erschöpft")},
#endif
    {EROFS, QT_TRANSLATE_NOOP("FileReason", "Das Dateisystem ist schreibgeschützt")},
    {EACCES, QT_TRANSLATE_NOOP("FileReason", "Keine Berechtigung")},
    {EPERM, QT_TRANSLATE_NOOP("FileReason", "Keine Berechtigung")},
    {ENOENT, QT_TRANSLATE_NOOP("FileReason", "Die Datei oder der Ordner existiert nicht")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileReason", "Ein Teil des Pfades ist kein Ordner")},
    {EISDIR, QT_TRANSLATE_NOOP("FileReason", "Es ist ein Ordner")},
    {EEXIST, QT_TRANSLATE_NOOP("FileReason", "Der Name ist schon vergeben")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileReason", "Der Name ist zu lang")},
#ifdef ELOOP
    {ELOOP, QT_TRANSLATE_NOOP("FileReason", "Zu viele symbolische Links im Pfad")},
#endif
    {EMFILE, QT_TRANSLATE_NOOP("FileReason", "Zu viele offene Dateien")},
    {ENFILE, QT_TRANSLATE_NOOP("FileReason", "Zu viele offene Dateien")},
    {EIO, QT_TRANSLATE_NOOP("FileReason", "Ein-/Ausgabefehler des Datenträgers")},
    {EBUSY, QT_TRANSLATE_NOOP("FileReason", "Die Datei ist belegt")},
    {ENXIO, QT_TRANSLATE_NOOP("FileReason", "Das Gerät ist nicht vorhanden")},
    {ENODEV, QT_TRANSLATE_NOOP("FileReason", "Das Gerät ist nicht vorhanden")},
    // A port name that leads to a file or a device other than a serial port.
    {ENOTTY, QT_TRANSLATE_NOOP("FileReason", "Es ist keine serielle Schnittstelle")},
    {EFBIG, QT_TRANSLATE_NOOP("FileReason", "Die Datei ist zu groß")},
    {ENOMEM, QT_TRANSLATE_NOOP("FileReason", "Zu wenig Arbeitsspeicher")},
};

QString Translated(const char *text) { return QCoreApplication::translate("FileReason", text); }

// Whether the system's text is the one of the C locale, English, rather than one Qt or the
// system has already put into the user's language.
bool IsEnglish(int error, const QString &system) {
#ifdef Q_OS_UNIX
  static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
  return !c || system == QString::fromLocal8Bit(strerror_l(error, c));
#else
  Q_UNUSED(error)
  Q_UNUSED(system)
  return true;
#endif
}

}  // namespace

QString FileReason::FromErrno(int error) {
  const QString system = qt_error_string(error);
  for (const Words &words : kWords) {
    if (words.error != error) continue;
    // In the user's language once is enough.
    if (!IsEnglish(error, system)) return Translated(words.text);
    return QStringLiteral("%1 (%2)").arg(Translated(words.text), system);
  }
  return system;
}

QString FileReason::FromText(const QString &systemText) {
  for (const Words &words : kWords)
    if (qt_error_string(words.error) == systemText) return FromErrno(words.error);
  return systemText;
}

#ifdef Q_OS_UNIX
QString FileReason::KindOf(unsigned mode) {
  if (S_ISREG(mode)) return tr("eine Datei");
  if (S_ISDIR(mode)) return tr("ein Ordner");
  if (S_ISFIFO(mode)) return tr("eine Pipe");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return tr("ein Gerät");
  if (S_ISSOCK(mode)) return tr("ein Socket");
  if (S_ISLNK(mode)) return tr("ein symbolischer Link");
  return tr("etwas anderes");
}
#endif

QString FileReason::NotRegular(const QString &path, bool followLinks) {
#ifdef Q_OS_UNIX
  const QByteArray bytes = NativePath::ToBytes(path);
  struct stat info {};
  const int result = followLinks ? ::stat(bytes.constData(), &info)
                                 : ::lstat(bytes.constData(), &info);
  if (result != 0 || S_ISREG(info.st_mode)) return QString();
  return KindOf(info.st_mode);
#else
  const QFileInfo info(path);
  if (!followLinks && info.isSymLink()) return tr("ein symbolischer Link");
  if (!info.exists() || info.isFile()) return QString();
  return info.isDir() ? tr("ein Ordner") : tr("ein Gerät");
#endif
}

bool FileReason::MakeFolder(const QString &path, QString *reason) {
  const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
#ifdef Q_OS_UNIX
  const QByteArray bytes = NativePath::ToBytes(clean);
  struct stat info {};
  if (::stat(bytes.constData(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
  // Each folder from the top, so that the one that fails is known with its reason.
  for (qsizetype end = 1; end <= bytes.size(); ++end) {
    if (end < bytes.size() && bytes.at(end) != '/') continue;
    const QByteArray part = bytes.left(end);
    if (::mkdir(part.constData(), 0777) == 0) continue;
    const int error = errno;
    // A link that leads nowhere (or round in a circle) is there, but is no folder either.
    if (::stat(part.constData(), &info) == 0 ||
        (error == EEXIST && ::lstat(part.constData(), &info) == 0)) {
      if (S_ISDIR(info.st_mode)) continue;
      if (reason)
        *reason = tr("%1 ist kein Ordner, sondern %2")
                      .arg(NativePath::Shown(NativePath::FromBytes(part)), KindOf(info.st_mode));
      return false;
    }
    if (reason) *reason = FromErrno(error);
    return false;
  }
  return true;
#else
  if (QDir().mkpath(clean)) return true;
  // The deepest part that is there tells whether a file is in the way; else the system says.
  QString existing = clean;
  QString missing;
  while (!QFileInfo::exists(existing) && existing != QFileInfo(existing).path()) {
    missing = existing;
    existing = QFileInfo(existing).path();
  }
  if (!QFileInfo(existing).isDir()) {
    if (reason)
      *reason = tr("%1 ist kein Ordner, sondern %2")
                    .arg(QDir::toNativeSeparators(existing), tr("eine Datei"));
    return false;
  }
  if (reason) {
    *reason = tr("Der Grund ist nicht bekannt");
#ifdef Q_OS_WIN
    if (!missing.isEmpty() &&
        !CreateDirectoryW(reinterpret_cast<const wchar_t *>(
                              QDir::toNativeSeparators(missing).utf16()),
                          nullptr))
      *reason = qt_error_string(int(GetLastError()));
#endif
  }
  return false;
#endif
}
