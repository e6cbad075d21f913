// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleJournal.h"
#include "ConsoleRead.h"
#include "ConsoleSession.h"
#include "PortEntry.h"
#include "Timing.h"
#include "TransferStates.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// Runs the console jobs a technician starts, for the window and quorex-cli alike: read (into a
// register file, for the command line), write (with the check after writing, and the backup
// read before it), factory reset with its read, comparison with the console or a file, the
// console's version. It owns the console session and the states of the console buttons and
// the configuration tree, which change only as the button table (TransferStates) says;
// whoever shows them follows StatesChanged.
//
// A finished read is offered in ReadCompleted; where the job's row says so (TakesRead), the
// caller takes it into its register image with TakeRead, in one step, or not at all. Results of
// a comparison or a check come once the session has wholly ended, from a queued call, so that
// no message box runs inside a session signal. Ended follows once a job, and whatever it
// started, is over.
//
// Every complete read leaves a backup and every job a line in the programming log. Neither
// fails or holds up a job: what could not be stored comes in JournalFailed at once, and the
// first of it in Noted once the job has said how it ended, so the status line keeps it. The
// one exception is the backup read before a write, which is there to keep a way back: without
// its backup nothing is sent.
class ConsoleController : public QObject {
  Q_OBJECT

 public:
  explicit ConsoleController(QObject *parent = nullptr);

  // The name the log lines and backups carry: "quorex" unless told otherwise ("quorex-cli").
  void SetProgram(const QString &program) { program_ = program; }
  // Every serial port the system reports (SerialPort::ListPorts).
  static PortListing ListPorts(bool tryOpen = false);

  const ConsoleSession &Session() const { return session_; }
  // Lines of the owner's own by port name (a test's simulated console), for the session.
  void SetLineSource(LineSource lines) { session_.SetLineSource(std::move(lines)); }
  // The console's pacing for jobs started from now on (tests shorten it).
  void SetTiming(const Timing &timing) { session_.SetTiming(timing); }
  const Timing &GetTiming() const { return session_.GetTiming(); }

  ControlStates States() const { return states_; }
  // Puts the buttons and the tree where `states` says, outside any job: a test starts from a
  // row of the table that no press reaches.
  void SetStates(const ControlStates &states);
  // The job running, or the one that ran last, and its port.
  ConsoleJob Job() const { return job_; }
  QString Port() const { return port_; }

  // Each answers false when the port did not open (PortFailed and Ended have then been
  // emitted).
  // `saveTo`: the register file a complete read is saved in, named in the log line; when it
  // cannot be saved the job fails (StoreFailed).
  bool StartRead(const QString &port, const QString &saveTo = QString());
  // `check`: read the console back once the write has ended, and compare with `texts`.
  // `backUpFirst`: read the whole console into a backup first, and write only once it is stored.
  // `file`: the register file the texts came from, for the log.
  // `lookFirst`: read the console first (its backup serves `backUpFirst` too) and offer the
  // differences in Previewed; the write waits for SendAfterPreview.
  bool StartWrite(const QString &port, const QStringList &texts, bool check,
                  bool backUpFirst = false, const QString &file = QString(),
                  bool lookFirst = false);
  // The answer to Previewed: send as asked, or send nothing. Either does nothing unless a
  // preview waits for it.
  void SendAfterPreview();
  void CancelAfterPreview();
  // The texts to write, made from what the console holds: false with the reason to send
  // nothing. *summary names what changes, for the log line.
  using Compose = std::function<bool(const QStringList &console, QStringList *texts,
                                     QString *summary)>;
  // Reads the whole console into a backup, hands what it read to `compose` and writes the
  // texts it makes as StartWrite does (its log line is an "apply" naming the summary).
  bool StartApply(const QString &port, Compose compose, bool check, const QString &file);
  bool StartCompare(const QString &port);
  // Reads the console and compares it with `texts`, from the register file `file`; the log
  // line fails and counts the settings that differ (Compared follows).
  bool StartVerify(const QString &port, const QStringList &texts, const QString &file);
  bool StartVersion(const QString &port);
  // The factory reset is asked first: AskReset takes the buttons while the question is open,
  // CancelReset gives them back, StartReset resets and reads.
  void AskReset();
  void CancelReset();
  bool StartReset(const QString &port);
  void Note(WindowEvent event);
  // Where backups and log lines go; by default the program's data folder as it stands when
  // each is stored.
  void SetDataFolder(const QString &folder) { dataFolder_ = folder; }
  ConsoleJournal Journal() const;
  // Ends whatever runs at once, without a signal (the program is closing); the log says so.
  void Abort();
  // Ends the running job at once, as Ctrl+C does, and answers what the console now holds; the
  // log line says it was cancelled, and why.
  QString Cancel();

  bool IsBusy() const { return session_.IsBusy(); }
  // True from the start of a read (for a comparison or a check too) or a factory reset until
  // it has ended: the registers are about to be replaced or compared.
  bool IsReadPending() const;
  // A write needs the registers until its last command is out; a read is about to replace
  // them: no file command may change them meanwhile.
  bool IsFileCommandBlocked() const;
  // Bytes of a write or the reset command are on their way: cutting the line now would leave
  // the console half programmed.
  bool IsOnTheLine() const { return session_.IsOnTheLine(); }
  QString PortError() const { return session_.PortError(); }


 signals:
  void StatesChanged(const ControlStates &states);
  // The progress bar starts over: `job` steps Progress from 1 to 200 from now on.
  void ProgressStarted(ConsoleJob job);
  void Progress(int done);
  // The factory reset's command and the console's pause after it run; ProgressStarted follows
  // when its read begins.
  void Resetting();
  // The factory reset's command has left the line: the console now resets itself.
  void ResetSent();
  // A whole read, of any job; taken into the registers where the job's row says so.
  void ReadCompleted(const ConsoleRead &read);
  // A whole read, or a write the console took: this port works.
  void PortWorked(const QString &port);
  // `message` is German and says what the console now holds (JobMessages::Failure); `detail` is the
  // system's reason. PortFailed: the port did not open, so the job never began.
  void PortFailed(ConsoleJob job, const QString &message, const QString &detail);
  void Failed(ConsoleJob job, const QString &message, const QString &detail);
  // A file the job needed could not be stored: the backup before a write, the register file
  // of a read. The job failed; `message` says so.
  void StoreFailed(ConsoleJob job, const QString &message);
  // The console confirmed all `count` registers of the write.
  void Written(int count);
  void Compared(const QStringList &console);
  // The console read before a write: what it holds, beside what the write would send.
  void Previewed(const QStringList &sent, const QStringList &console);
  void Checked(const QStringList &sent, const QStringList &console);
  // A backup or a log line could not be stored: "Sicherung fehlgeschlagen: " and why.
  void Noted(const QString &text);
  void JournalFailed(const QString &text);
  // The job, and whatever it started (the write after its backup, the check after the write),
  // is over, however it ended.
  void Ended();

 private:
  void Begin(ConsoleJob job);
  // Begins `job` on `port` with a log line of its own.
  void Open(ConsoleJob job, const QString &port);
  void Step(JobStep step);
  bool Started(bool opened);
  void StartCheck();
  void StartWriteAfterBackup();
  // The backup read before a write could not be stored: the job fails, and nothing is sent.
  void RefuseWrite();
  void OnFinished();
  void OnReadCompleted(const ConsoleRead &read);
  // Saves the read in saveTo_ where it is given; false (the job failed) when it could not be.
  bool SaveRead();
  void OpenLine();
  // Appends the job's line, once; `message` empty keeps what the line says already.
  void CloseLine(const QString &result, const QString &message = QString());
  void EmitNote();

  ConsoleSession session_;
  ControlStates states_;
  ControlStates before_;
  ConsoleJob job_ = ConsoleJob::Read;
  QString port_;
  QStringList sent_;
  QStringList console_;
  bool check_ = false;
  QString file_;
  // The write waits for the backup read before it, or for the answer to the preview.
  bool writeNext_ = false;
  bool previewPending_ = false;
  int previewDifferences_ = 0;
  Compose compose_;
  QString summary_;
  QString program_ = QStringLiteral("quorex");
  QString backupVersion_;
  QString backupName_;
  // Why the last backup could not be stored.
  QString backupReason_;
  // The running job's log line, and what could not be stored since the job was started.
  std::optional<LogEntry> line_;
  QString note_;
  QString dataFolder_;
  QString saveTo_;
  // The factory reset command has left the line; what follows is its read.
  bool resetSent_ = false;
};
