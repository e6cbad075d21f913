// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// Files the tests make and look at, as bytes: register files as a technician's disk holds them,
// and whatever a program under test wrote. Shared by every test that touches files.

// A register file's bytes: each text followed by CR LF.
inline QByteArray FileBytes(const QStringList &texts) {
  QByteArray bytes;
  for (const QString &text : texts) bytes += text.toLatin1() + "\r\n";
  return bytes;
}

// A register file of 200 lines: `first`, then "00000000" in every other line.
inline QByteArray ValidFile(const QByteArray &first = "12345678") {
  QByteArray bytes = first + "\r\n";
  for (int i = 1; i < 200; ++i) bytes += "00000000\r\n";
  return bytes;
}

// What the file holds; nothing when it cannot be read.
inline QByteArray Contents(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file whole, with the folders on its way, and answers its path. A test that cannot
// lay out its files has nothing to tell: the test program stops.
inline QString WriteFile(const QString &path, const QByteArray &bytes = QByteArray()) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
  return path;
}

inline QString WriteFile(const QString &path, const QStringList &texts) {
  return WriteFile(path, FileBytes(texts));
}
