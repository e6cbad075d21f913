// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// What a test puts where the programs expect a plain file or folder, to see that they neither
// wait on it, read it for ever nor remove it.
namespace OddFiles {

// Puts at `path`, by `kind`: "pipe", "folder", "file" (a register file's worth of bytes),
// "link to TARGET" (a symbolic link) or "second name of TARGET" (a hard link). False when it
// could not (pipes and hard links need POSIX).
bool Make(const QString &path, const QString &kind);

// The bytes of `path`, or empty.
QByteArray Contents(const QString &path);

}  // namespace OddFiles
