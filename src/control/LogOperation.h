// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The names the programming log gives console operations: written by the jobs (their rows in
// TransferStates) and the version display, read back by the log's views and the backups'
// occasions. A name never changes: old logs must still read.
namespace LogOperation {

inline constexpr char kRead[] = "read";
inline constexpr char kWrite[] = "write";
inline constexpr char kVerify[] = "verify";
inline constexpr char kCompare[] = "compare";
inline constexpr char kReset[] = "reset";
inline constexpr char kVersion[] = "version";
inline constexpr char kBackup[] = "backup";
// The write of quorex-cli apply: settings laid over what the console held.
inline constexpr char kApply[] = "apply";

}  // namespace LogOperation
