// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few kilobytes, mounted for one test and unmounted after it, so that a save can
// run out of disk space for real. Mounting needs root (CI runs as root); where it cannot be
// mounted, Why() says why and the test skips.
class SmallDisk {
 public:
  explicit SmallDisk(int kilobytes = 16);
  ~SmallDisk();
  SmallDisk(const SmallDisk &) = delete;
  SmallDisk &operator=(const SmallDisk &) = delete;

  bool IsMounted() const { return mounted_; }
  QString Why() const { return why_; }
  QString FilePath(const QString &name) const { return dir_.filePath(name); }

  // Takes up every byte still free with one file (`name`), so that the next byte any file
  // needs cannot be written. False when the disk did not fill up.
  bool Fill(const QString &name = QStringLiteral("filler"));
  // Mounts the disk again read-only: nothing can be written, not even by root.
  bool MakeReadOnly();

 private:
  QTemporaryDir dir_;
  bool mounted_ = false;
  QString why_;
};
