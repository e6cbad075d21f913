// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// File names are bytes on Linux, and not every name is valid UTF-8: a stick written on an old
// system may hold "Einsatz\xe4.rquorex". Qt turns such bytes into U+FFFD, and the name no longer
// finds its file. Here a byte that is no part of valid UTF-8 is kept in the QString as the lone
// surrogate U+DC00 + byte instead, so that the name survives being passed around, stored and
// given back; the functions below turn it into the right bytes again. On Windows names are
// UTF-16 already and pass through unchanged.
namespace NativePath {

// The name for `bytes` as the system gave them (argv, a drop's URI, the settings file).
QString FromBytes(const QByteArray &bytes);
// The bytes the system knows `path` by.
QByteArray ToBytes(const QString &path);
// Whether `path` holds bytes Qt's own file functions would lose.
bool HoldsRawBytes(const QString &path);
// `path` to show: every raw byte as U+FFFD.
QString Shown(const QString &path);

// The program's arguments from main()'s own argv, names kept whole.
QStringList Arguments(int argc, char **argv);

// Whether `path` names a regular file (after links); size in *size when it does.
bool IsRegularFile(const QString &path, qint64 *size = nullptr);
// Whether anything is there at all, and whether it is a folder.
bool Exists(const QString &path, bool *isFolder = nullptr);
// Opens `file` (unopened, no name set) on `path` for reading; *reason says why it did not.
bool OpenForReading(QFile &file, const QString &path, QString *reason);

}  // namespace NativePath
