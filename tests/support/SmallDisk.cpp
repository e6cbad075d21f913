// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SmallDisk.h"

#include <QByteArray>
#include <QFile>

#if defined(Q_OS_LINUX)
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

SmallDisk::SmallDisk(int kilobytes) {
#if defined(Q_OS_LINUX)
  if (!dir_.isValid()) {
    why_ = QStringLiteral("no temporary folder for the mount point");
    return;
  }
  if (geteuid() != 0) {
    why_ = QStringLiteral("mounting a small tmpfs needs root");
    return;
  }
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
  if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0,
              options.constData()) != 0) {
    why_ = QStringLiteral("mount -t tmpfs failed: ") + QString::fromLocal8Bit(std::strerror(errno));
    return;
  }
  mounted_ = true;
#else
  Q_UNUSED(kilobytes);
  why_ = QStringLiteral("a small tmpfs is mounted on Linux only");
#endif
}

SmallDisk::~SmallDisk() {
#if defined(Q_OS_LINUX)
  // Detached, so a file a failed test left open cannot keep the mount alive.
  if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
#endif
}

bool SmallDisk::MakeReadOnly() {
#if defined(Q_OS_LINUX)
  return mounted_ && ::mount(nullptr, QFile::encodeName(dir_.path()).constData(), nullptr,
                             MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
  return false;
#endif
}

bool SmallDisk::Fill(const QString &name) {
  if (!mounted_) return false;
  QFile file(FilePath(name));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  // Big blocks first, then single bytes for the rest of the last page.
  for (const int block : {4096, 1}) {
    const QByteArray bytes(block, 'x');
    while (file.write(bytes) == block) {
    }
  }
  return file.error() != QFileDevice::NoError;
}
