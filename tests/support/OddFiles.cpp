// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "OddFiles.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace OddFiles {

bool Make(const QString &path, const QString &kind) {
  const QString link = QStringLiteral("link to ");
  if (kind == QLatin1String("folder")) return QDir().mkpath(path);
  if (kind == QLatin1String("file")) {
    QFile file(path);
    const QByteArray bytes = QByteArray(8, '0').append("\r\n").repeated(200);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }
  if (kind.startsWith(link)) return QFile::link(kind.mid(link.size()), path);
#ifdef Q_OS_UNIX
  const QByteArray name = QFile::encodeName(path);
  const QString second = QStringLiteral("second name of ");
  if (kind == QLatin1String("pipe")) return ::mkfifo(name.constData(), 0600) == 0;
  if (kind.startsWith(second))
    return ::link(QFile::encodeName(kind.mid(second.size())).constData(), name.constData()) == 0;
#endif
  return false;
}

QByteArray Contents(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace OddFiles
