// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// Why a file or folder could not be used, in German words. The system's own text follows in
// parentheses where it is English (what a search on the web finds), not where Qt's translation
// or the system has put it into German already. A reason is a phrase without a closing full
// stop, to stand after "...: " in a sentence.
class FileReason {
  Q_DECLARE_TR_FUNCTIONS(FileReason)

 public:
  // For a system error number (errno).
  static QString FromErrno(int error);
  // For the text Qt gives as a file's errorString(), which is the system's text for the error
  // number; a text of no known number comes back as it is.
  static QString FromText(const QString &systemText);

  // What stands at `path` when it is there but is no regular file: "ein Ordner", "eine Pipe",
  // "ein Gerät", ...; empty for a regular file or nothing at all. `followLinks` false judges a
  // symbolic link itself.
  static QString NotRegular(const QString &path, bool followLinks = true);
#ifdef Q_OS_UNIX
  // The same for a file's type bits (st_mode).
  static QString KindOf(unsigned mode);
#endif

  // Makes the folder and every folder above it that is missing; false with the reason where
  // one could not be made.
  static bool MakeFolder(const QString &path, QString *reason);
};
