// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The register file ("*.rquorex"): 200 lines of 8 hex digits, register 0 first, every line
// ending in CR LF, nothing else.

constexpr int kRegisterFileLines = 200;
constexpr int kRegisterFileLineLength = 8;
// What WriteRegisterFile writes: 200 lines of 8 digits and CR LF.
constexpr int kRegisterFileSize = kRegisterFileLines * (kRegisterFileLineLength + 2);

// The bytes of a register file holding `texts`.
QByteArray RegisterFileBytes(const QStringList &texts);

// Writes the texts atomically (QSaveFile): either the whole new file or the old one stays.
// Only a file whose every byte reached the disk counts as saved; otherwise *error names the
// file and the reason (a full disk, say).
bool WriteRegisterFile(const QString &path, const QStringList &texts, QString *error);

// Reads the first 200 lines (CR LF or LF line ends, the last line end optional, lines after
// the 200th ignored). Lower-case digits are taken upper case. On a file that cannot be read or
// holds a line that is not 8 hex digits, *texts is untouched and *error names the file and the
// first bad line. Anything but a regular file (a folder, a device, a pipe) and any file larger
// than 1 MB is refused before it is opened.
bool ReadRegisterFile(const QString &path, QStringList *texts, QString *error);

// The same rules on the contents alone: *reason says which line is bad, without a file name.
bool ParseRegisterFile(const QByteArray &data, QStringList *texts, QString *reason);
