// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Which of the console buttons, the configuration tree and undo and redo are usable, and how
// each console job changes that: the window's button table, as data. Beside each job's row
// stands what is said of it (JobTexts), so a new job is one enum value and one row.

struct ControlStates {
  bool senden = false;
  bool lesen = true;
  bool version = false;
  bool werkeinstellungen = true;
  bool tree = false;
  // "Rückgängig" and "Wiederholen": away while a job needs the registers as they stand.
  bool undo = true;

  bool operator==(const ControlStates &other) const {
    return senden == other.senden && lesen == other.lesen && version == other.version &&
           werkeinstellungen == other.werkeinstellungen && tree == other.tree &&
           undo == other.undo;
  }
  bool operator!=(const ControlStates &other) const { return !(*this == other); }
};

// What a technician starts on the console. A write followed by its check is a job of its own,
// as its buttons stay away until the check has ended. Backup is the read of the whole console
// that "Senden" makes first when asked to: the write follows it as a job of its own. Preview is
// the read "Senden" makes to show what would change; the technician then sends or cancels. Apply
// is the read (and backup) before settings are laid over what the console holds and written.
// Version (the console's version read from it) and Verify (the console compared with a register
// file) are quorex-cli's.
enum class ConsoleJob {
  Read, Write, WriteAndCheck, Reset, Compare, Check, Backup, Preview, Apply, Version, Verify
};

// Where a job stands. Asked: the technician is asked whether to go on (the factory reset);
// Cancelled: the answer was no (also to the differences a Preview showed). Started: the port is open and the job runs. PortFailed: the
// port did not open. Released: the job has ended well and gives the console back. Failed: it
// ended early.
enum class JobStep { Asked, Cancelled, Started, PortFailed, Released, Failed };

// What is said of a job, German, translated when asked for.
struct JobTexts {
  // Its name in the programming log (LogOperation).
  QString operation;
  // The progress bar's label while it runs.
  QString progress;
  // The status line once it has ended well: %1 the version text read or the number of
  // registers sent, %2 the port, %3 the time. Empty where the job's result says it.
  QString done;
  // Before a failure's message in the status line.
  QString failurePrefix;
  // Before a failure's message wherever it is said: box, status line, log.
  QString failureLead;
  // The box a failure shows: its caption, what stands before the message, and whether it
  // warns (the job's own aim was reached before it failed) rather than reports an error.
  QString boxCaption;
  QString boxLead;
  bool boxWarns = false;
};

// What the window does without the console.
enum class WindowEvent { FileOpened, AboutClosedWithoutOk };

namespace TransferStates {

// The states after `step` of `job`. `now` are the states as they stand, `before` as they stood
// when the job began (at its first step).
ControlStates After(ConsoleJob job, JobStep step, const ControlStates &now,
                    const ControlStates &before);

ControlStates After(WindowEvent event, const ControlStates &now);

JobTexts Texts(ConsoleJob job);
// Whether the job's read is there to replace the registers (the window takes it into its register image).
bool TakesRead(ConsoleJob job);

}  // namespace TransferStates
