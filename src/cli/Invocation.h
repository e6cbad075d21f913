// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// What scripts see of quorex-cli's end.
namespace ExitStatus {
inline constexpr int kOk = 0;
// verify, diff and write --verify found settings that differ.
inline constexpr int kDifferences = 1;
// The command line was wrong, or reset lacked --yes.
inline constexpr int kUsage = 2;
// The port could not be opened, or the console failed the operation.
inline constexpr int kConsole = 3;
// A register file could not be read, or an output file not written.
inline constexpr int kFile = 4;
// Ctrl+C, SIGTERM or SIGHUP: 128 + the signal's number, as a shell reports a process ended by
// it (130 for Ctrl+C).
inline constexpr int kSignalBase = 128;
}  // namespace ExitStatus

// A checked command line: the command has everything it needs and nothing it does not take.
struct Invocation {
  enum class Command { Read, Write, Verify, Version, Reset, Report, Diff, Ports, Get, Set, Export,
                       Import, Log, Apply };
  enum class Format { Text, Json, Html, Pdf, Csv };

  Command command = Command::Ports;
  QString port;
  QStringList files;  // the register files named on the line, in order
  QStringList words;  // get: ids or patterns; set: ID=VALUE assignments
  QString output;     // -o; empty for stdout
  QString base;       // import: the register file the text's settings are laid over
  Format format = Format::Text;
  bool verify = false;
  bool backup = false;  // write: read and back up the console first
  QDate since;          // log: entries from this day on; invalid for all
  bool yes = false;
  bool quiet = false;
  bool verbose = false;  // -v: say more about what happens

  // Only the PDF report needs fonts, and with them a QGuiApplication.
  bool NeedsGui() const { return format == Format::Pdf; }
};
