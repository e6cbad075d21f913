// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>

// While it lives, QSettings keeps everything in a folder of its own under an organisation name
// no other run uses: a test neither reads nor changes the user's settings, and starts with
// nothing stored.
class TemporarySettings {
 public:
  TemporarySettings();
  ~TemporarySettings();
  TemporarySettings(const TemporarySettings &) = delete;
  TemporarySettings &operator=(const TemporarySettings &) = delete;

  // Forgets everything stored so far.
  void Clear();
  QString Folder() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  QString organization_;
};
