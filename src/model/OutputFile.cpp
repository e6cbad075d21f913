#include "OutputFile.h"

#include <QFileInfo>
#include <QSaveFile>

QString OutputFile::Refusal(const QString &path) {
  const QFileInfo info(path);
  if (!info.exists()) return QString();
  if (info.isDir()) return tr("Es ist ein Ordner, keine Datei.");
  if (!info.isFile())
    return tr("Es ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket.");
  return QString();
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
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  // write() only fills Qt's buffer: a full disk may show first in flush(), and commit() would
  // not notice a failed flush of its own and put the short file in place of the old one.
  const bool filled = fill(file);
  if (!filled || file.error() != QFileDevice::NoError || !file.flush() || !file.commit()) {
    const QString why = file.error() != QFileDevice::NoError || filled
                            ? file.errorString()
                            : tr("Der Inhalt konnte nicht erzeugt werden.");
    file.cancelWriting();
    return fail(why);
  }
  return true;
}
