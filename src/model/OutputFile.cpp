// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OutputFile.h"

#include "FileReason.h"
#include "NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// A file put in place of another keeps the old one's owner, group and rights: root editing a
// technician's file must not leave it readable by root alone. Only root may give a file away;
// anyone else keeps at least the group where they belong to it, and otherwise the new file is
// their own, as it would be without this.
void KeepOwner(int fd, const QByteArray &target) {
  struct stat old {};
  if (::stat(target.constData(), &old) != 0) return;
  const bool given = ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
                     ::fchown(fd, uid_t(-1), old.st_gid) == 0;
  Q_UNUSED(given)
  // After the owner: a change of owner clears the set-user-ID bit.
  ::fchmod(fd, old.st_mode & 07777);
}
#endif

}  // namespace

QString OutputFile::Refusal(const QString &path) {
  bool isFolder = false;
  if (!NativePath::Exists(path, &isFolder)) return QString();
  if (isFolder) return tr("Es ist ein Ordner, keine Datei.");
  if (!NativePath::IsRegularFile(path))
    return tr("Es ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket.");
  return QString();
}

bool OutputFile::IsWritable(const QString &path, QString *why) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  if (file.exists() && !file.isWritable())
    *why = tr("sie ist schreibgeschützt");
  else if (!folder.exists())
    *why = tr("den Ordner %1 gibt es nicht").arg(QDir::toNativeSeparators(folder.filePath()));
  else if (!folder.isDir())
    *why = tr("%1 ist kein Ordner").arg(QDir::toNativeSeparators(folder.filePath()));
  // A save writes a new file beside the old one and then renames it.
  else if (!folder.isWritable())
    *why = tr("in den Ordner %1 darf nicht geschrieben werden")
               .arg(QDir::toNativeSeparators(folder.filePath()));
  else
    return true;
  return false;
}

bool OutputFile::Save(const QString &path, const QByteArray &bytes, QString *reason) {
  return Save(path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); },
              reason);
}

bool OutputFile::Save(const QString &path, const std::function<bool(QIODevice &)> &fill,
                      QString *reason) {
  const auto fail = [reason](const QString &why) {
    if (reason) *reason = why;
    return false;
  };
  const QString refused = Refusal(path);
  if (!refused.isEmpty()) return fail(refused);
#ifdef Q_OS_UNIX
  if (NativePath::HoldsRawBytes(path)) return SaveUnderRawName(path, fill, reason);
#endif
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(FileReason::FromText(file.errorString()));
  // write() only fills Qt's buffer: a full disk may show first in flush(), and commit() would
  // not notice a failed flush of its own and put the short file in place of the old one.
  const bool filled = fill(file);
#ifdef Q_OS_UNIX
  if (filled) KeepOwner(file.handle(), QFile::encodeName(path));
#endif
  if (!filled || file.error() != QFileDevice::NoError || !file.flush() || !file.commit()) {
    const QString why = file.error() != QFileDevice::NoError || filled
                            ? FileReason::FromText(file.errorString())
                            : tr("Der Inhalt konnte nicht erzeugt werden.");
    file.cancelWriting();
    return fail(why);
  }
  return true;
}

#ifdef Q_OS_UNIX
// QSaveFile knows a file only by a name Qt can spell, so a name that is no valid UTF-8 is saved
// the same way by hand: a new file beside the old one, written, synced, then renamed over it.
bool OutputFile::SaveUnderRawName(const QString &path,
                                  const std::function<bool(QIODevice &)> &fill, QString *reason) {
  const QByteArray target = NativePath::ToBytes(path);
  QByteArray temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    if (reason) *reason = FileReason::FromErrno(errno);
    return false;
  }
  // The new file gets the old one's owner and rights, or the rights a new file gets.
  struct stat old {};
  const bool replacing = ::stat(target.constData(), &old) == 0;
  mode_t mode = 0;
  if (replacing) {
    mode = old.st_mode & 07777;
  } else {
    mode = ::umask(0);
    ::umask(mode);
    mode = 0666 & ~mode;
  }
  QFile file;
  const bool opened = file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
  const bool filled = opened && fill(file);
  bool saved = filled && file.error() == QFileDevice::NoError && file.flush();
  QString why = !opened || file.error() != QFileDevice::NoError || filled
                    ? FileReason::FromText(file.errorString())
                    : tr("Der Inhalt konnte nicht erzeugt werden.");
  file.close();
  if (saved && replacing) KeepOwner(fd, target);
  if (saved && (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0)) {
    saved = false;
    why = FileReason::FromErrno(errno);
  }
  if (::close(fd) != 0 && saved) {
    saved = false;
    why = FileReason::FromErrno(errno);
  }
  if (saved && ::rename(temporary.constData(), target.constData()) != 0) {
    saved = false;
    why = FileReason::FromErrno(errno);
  }
  if (!saved) {
    ::unlink(temporary.constData());
    if (reason) *reason = why;
  }
  return saved;
}
#endif
