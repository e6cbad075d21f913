// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

class QIODevice;

// Every file the program writes for the technician (register files, reports, command-line
// output) is saved through here: whole or not at all, and only ever as a regular file.
class OutputFile {
  Q_DECLARE_TR_FUNCTIONS(OutputFile)

 public:
  // Why nothing may be saved at `path`, in German, or empty when a save may go ahead. An
  // existing target must be a regular file: a save puts a new file in its place, which would
  // replace a named pipe or a device node (even /dev/null, for root) and fail on a folder.
  static QString Refusal(const QString &path);
  // False with the reason, in German, when a file there could not be saved: write-protected,
  // or its folder missing, no folder, or not to be written.
  static bool IsWritable(const QString &path, QString *why);

  // Writes `bytes` to `path`: refused target, write, flush and commit each checked. On
  // failure an existing file stays as it was and *reason says why.
  static bool Save(const QString &path, const QByteArray &bytes, QString *reason);
  // The same with the contents produced by `fill`, which answers false when it could not
  // produce them.
  static bool Save(const QString &path, const std::function<bool(QIODevice &)> &fill,
                   QString *reason);

 private:
  static bool SaveUnderRawName(const QString &path, const std::function<bool(QIODevice &)> &fill,
                               QString *reason);
};
