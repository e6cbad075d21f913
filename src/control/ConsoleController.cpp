// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleController.h"

#include "ConsoleMessages.h"
#include "JobMessages.h"
#include "LogOperation.h"
#include "RegisterFile.h"
#include "SerialPort.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace {

const QString kOk = QStringLiteral("ok");
const QString kFailed = QStringLiteral("failed");
const QString kCancelled = QStringLiteral("cancelled");

}  // namespace

ConsoleController::ConsoleController(QObject *parent) : QObject(parent) {
  connect(&session_, &ConsoleSession::Progress, this, &ConsoleController::Progress);
  connect(&session_, &ConsoleSession::ReadCompleted, this, &ConsoleController::OnReadCompleted);
  connect(&session_, &ConsoleSession::ResetSent, this, [this] {
    resetSent_ = true;
    emit ResetSent();
  });
  connect(&session_, &ConsoleSession::ResetReading, this,
          [this] { emit ProgressStarted(ConsoleJob::Reset); });
  connect(&session_, &ConsoleSession::Released, this, [this] {
    if (session_.Current() == ConsoleSession::Operation::Write) emit PortWorked(port_);
    Step(JobStep::Released);
  });
  connect(&session_, &ConsoleSession::Failed, this,
          [this](const QString &message, const QString &detail) {
            Step(JobStep::Failed);
            const QString said = JobMessages::Failure(job_, message);
            // A broken-off write says how far it got; a read that failed read nothing whole.
            if (line_ && (job_ == ConsoleJob::Write || job_ == ConsoleJob::WriteAndCheck))
              line_->registers = session_.RegistersSent();
            CloseLine(kFailed, JobMessages::WithDetail(said, detail));
            // The failure is what the status line says.
            note_.clear();
            emit Failed(job_, said, detail);
            emit Ended();
          });
  connect(&session_, &ConsoleSession::Finished, this, &ConsoleController::OnFinished);
}

// Built afresh each time, so the data folder is wherever the environment says now.
ConsoleJournal ConsoleController::Journal() const {
  return dataFolder_.isEmpty() ? ConsoleJournal(program_) : ConsoleJournal(program_, dataFolder_);
}

bool ConsoleController::IsReadPending() const {
  return session_.Current() == ConsoleSession::Operation::Read ||
         session_.Current() == ConsoleSession::Operation::Reset;
}

bool ConsoleController::IsFileCommandBlocked() const {
  return IsReadPending() ||
         (session_.Current() == ConsoleSession::Operation::Write && !session_.IsReleased());
}

PortListing ConsoleController::ListPorts(bool tryOpen) { return SerialPort::ListPorts(tryOpen); }

void ConsoleController::Begin(ConsoleJob job) {
  // A write still waiting for its end mark ends here: the technician wants the next job.
  if (line_) {
    if (session_.IsReleased()) line_->registers = int(sent_.size());
    CloseLine(kCancelled);
  }
  session_.Abort();
  writeNext_ = false;
  previewPending_ = false;
  // An apply's compose stays for its write, which begins as a job of its own.
  if (job != ConsoleJob::Write && job != ConsoleJob::WriteAndCheck) compose_ = nullptr;
  job_ = job;
  before_ = States();
  console_.clear();
  saveTo_.clear();
}

void ConsoleController::Abort() {
  const bool busy = session_.IsBusy();
  const bool released = session_.IsReleased();
  // Aborting counts what of a write had left the line up to this moment.
  session_.Abort();
  if (line_ && busy) {
    if (released)
      line_->registers = int(sent_.size());
    else if (job_ == ConsoleJob::Write || job_ == ConsoleJob::WriteAndCheck)
      line_->registers = session_.RegistersSent();
    CloseLine(kCancelled);
  }
  line_.reset();
  writeNext_ = false;
  previewPending_ = false;
  compose_ = nullptr;
}

void ConsoleController::Step(JobStep step) {
  const ControlStates now = States();
  const ControlStates next = TransferStates::After(job_, step, now, before_);
  if (next == now) return;
  states_ = next;
  emit StatesChanged(states_);
}

bool ConsoleController::Started(bool opened) {
  if (!opened) {
    Step(JobStep::PortFailed);
    const QString said = JobMessages::Failure(job_, ConsoleMessages::OpenFailed());
    CloseLine(kFailed, JobMessages::WithDetail(said, session_.PortError()));
    note_.clear();
    emit PortFailed(job_, said, session_.PortError());
    emit Ended();
    return false;
  }
  Step(JobStep::Started);
  if (job_ == ConsoleJob::Reset)
    emit Resetting();
  else
    emit ProgressStarted(job_);
  return true;
}

void ConsoleController::Open(ConsoleJob job, const QString &port) {
  Begin(job);
  port_ = port;
  note_.clear();
  OpenLine();
}

void ConsoleController::OpenLine() {
  LogEntry line;
  line.operation = TransferStates::Texts(job_).operation;
  line.port = port_;
  line_ = line;
}

void ConsoleController::CloseLine(const QString &result, const QString &message) {
  if (!line_) return;
  LogEntry line = std::move(*line_);
  line_.reset();
  line.result = result;
  if (!message.isEmpty()) line.message = message;
  const QString failure = Journal().Record(line);
  if (failure.isEmpty()) return;
  if (note_.isEmpty()) note_ = failure;
  emit JournalFailed(failure);
}

void ConsoleController::EmitNote() {
  const QString note = std::exchange(note_, QString());
  if (!note.isEmpty()) emit Noted(note);
}

bool ConsoleController::StartRead(const QString &port, const QString &saveTo) {
  Open(ConsoleJob::Read, port);
  saveTo_ = saveTo;
  return Started(session_.StartRead(port));
}

bool ConsoleController::StartWrite(const QString &port, const QStringList &texts, bool check,
                                   bool backUpFirst, const QString &file, bool lookFirst) {
  Open(lookFirst     ? ConsoleJob::Preview
       : backUpFirst ? ConsoleJob::Backup
       : check       ? ConsoleJob::WriteAndCheck
                     : ConsoleJob::Write,
       port);
  compose_ = nullptr;
  // The check compares with what went out, whatever the program holds by then.
  sent_ = texts;
  check_ = check;
  file_ = file;
  if (backUpFirst || lookFirst) return Started(session_.StartRead(port));
  line_->file = file_;
  return Started(session_.StartWrite(port, texts));
}

void ConsoleController::RefuseWrite() {
  Step(JobStep::Failed);
  const QString said = JobMessages::Failure(ConsoleJob::Backup, backupReason_);
  CloseLine(kFailed, said);
  // The failure is what the status line says.
  note_.clear();
  QMetaObject::invokeMethod(
      this,
      [this, said] {
        emit StoreFailed(ConsoleJob::Backup, said);
        emit Ended();
      },
      Qt::QueuedConnection);
}

bool ConsoleController::StartApply(const QString &port, Compose compose, bool check,
                                   const QString &file) {
  Open(ConsoleJob::Apply, port);
  compose_ = std::move(compose);
  summary_.clear();
  check_ = check;
  file_ = file;
  return Started(session_.StartRead(port));
}

void ConsoleController::StartWriteAfterBackup() {
  if (!std::exchange(writeNext_, false)) return;
  const QStringList backup = console_;
  const bool apply = bool(compose_);
  Begin(check_ ? ConsoleJob::WriteAndCheck : ConsoleJob::Write);
  OpenLine();
  if (apply) {
    line_->operation = QString::fromLatin1(LogOperation::kApply);
    line_->message = summary_;
  }
  line_->file = file_;
  line_->console = backupVersion_;
  line_->backup = backupName_;
  line_->differences = ConsoleJournal::DifferenceCount(sent_, backup);
  Started(session_.StartWrite(port_, sent_));
}

void ConsoleController::SendAfterPreview() {
  if (!std::exchange(previewPending_, false)) return;
  writeNext_ = true;
  StartWriteAfterBackup();
}

// The log says what was not sent, and how much it would have changed.
void ConsoleController::CancelAfterPreview() {
  if (!std::exchange(previewPending_, false)) return;
  LogEntry line;
  line.operation = TransferStates::Texts(ConsoleJob::Write).operation;
  line.port = port_;
  line.file = file_;
  line.console = backupVersion_;
  line.backup = backupName_;
  line.registers = 0;
  line.differences = previewDifferences_;
  line_ = line;
  CloseLine(kCancelled, tr("Nach dem Vergleich abgebrochen; es wurde nichts gesendet."));
  Step(JobStep::Cancelled);
  EmitNote();
  emit Ended();
}

bool ConsoleController::StartCompare(const QString &port) {
  Open(ConsoleJob::Compare, port);
  return Started(session_.StartRead(port));
}

bool ConsoleController::StartVerify(const QString &port, const QStringList &texts,
                                    const QString &file) {
  Open(ConsoleJob::Verify, port);
  sent_ = texts;
  file_ = file;
  line_->file = file;
  return Started(session_.StartRead(port));
}

bool ConsoleController::StartVersion(const QString &port) {
  Open(ConsoleJob::Version, port);
  return Started(session_.StartRead(port));
}

void ConsoleController::StartCheck() {
  Begin(ConsoleJob::Check);
  OpenLine();
  line_->file = file_;
  Started(session_.StartRead(port_));
}

void ConsoleController::AskReset() {
  Begin(ConsoleJob::Reset);
  Step(JobStep::Asked);
}

void ConsoleController::CancelReset() { Step(JobStep::Cancelled); }

bool ConsoleController::StartReset(const QString &port) {
  port_ = port;
  resetSent_ = false;
  note_.clear();
  OpenLine();
  return Started(session_.StartReset(port));
}

void ConsoleController::SetStates(const ControlStates &states) {
  if (states == states_) return;
  states_ = states;
  emit StatesChanged(states_);
}

void ConsoleController::Note(WindowEvent event) {
  // While a read runs the tree stays away; the read gives it back at its end.
  if (event == WindowEvent::AboutClosedWithoutOk && IsReadPending()) return;
  const ControlStates now = States();
  const ControlStates next = TransferStates::After(event, now);
  if (next == now) return;
  states_ = next;
  emit StatesChanged(states_);
}

void ConsoleController::OnReadCompleted(const ConsoleRead &read) {
  emit PortWorked(port_);
  console_ = read.texts;
  backupVersion_ = read.versionText;
  emit ReadCompleted(read);
  if (!line_) return;
  const QString failure = Journal().BackUpInto(read, &*line_, &backupReason_);
  line_->message = failure;
  if (failure.isEmpty()) return;
  note_ = failure;
  // Before a write the backup is the job's own aim: without it the job fails (RefuseWrite).
  if (job_ != ConsoleJob::Backup && job_ != ConsoleJob::Apply) emit JournalFailed(failure);
}

bool ConsoleController::SaveRead() {
  if (saveTo_.isEmpty()) return true;
  QString error;
  if (WriteRegisterFile(saveTo_, console_, &error)) {
    if (line_) line_->file = QDir::toNativeSeparators(QFileInfo(saveTo_).absoluteFilePath());
    return true;
  }
  CloseLine(kFailed, error);
  note_.clear();
  emit StoreFailed(job_, error);
  emit Ended();
  return false;
}

QString ConsoleController::Cancel() {
  const ConsoleSession::Operation operation = session_.Current();
  const bool confirmed = session_.IsWriteConfirmed();
  writeNext_ = false;
  // Abort counts what had left the line of a write up to this moment.
  session_.Abort();
  const int sent = session_.RegistersSent();
  const QString said = JobMessages::Failure(job_, JobMessages::Cancelled(operation, sent, confirmed, resetSent_));
  if (line_) {
    if (job_ == ConsoleJob::Write || job_ == ConsoleJob::WriteAndCheck) line_->registers = sent;
    CloseLine(kCancelled, said);
  }
  return said;
}

void ConsoleController::OnFinished() {
  switch (job_) {
    case ConsoleJob::Write:
    case ConsoleJob::WriteAndCheck:
      if (line_) line_->registers = session_.RegistersSent();
      CloseLine(kOk);
      emit Written(int(sent_.size()));
      if (job_ == ConsoleJob::WriteAndCheck) {
        QMetaObject::invokeMethod(this, &ConsoleController::StartCheck, Qt::QueuedConnection);
        break;
      }
      EmitNote();
      emit Ended();
      break;
    case ConsoleJob::Apply:
      if (compose_) {
        QString reason;
        if (!compose_(console_, &sent_, &summary_)) {
          reason = summary_;
          compose_ = nullptr;
          CloseLine(kOk);
          Step(JobStep::Failed);
          QMetaObject::invokeMethod(
              this,
              [this, reason] {
                emit Failed(ConsoleJob::Apply, reason, QString());
                emit Ended();
              },
              Qt::QueuedConnection);
          break;
        }
      }
      [[fallthrough]];
    case ConsoleJob::Backup:
      // Without a way back nothing is sent.
      if (line_ && line_->backup.isEmpty()) {
        RefuseWrite();
        break;
      }
      backupName_ = line_ ? line_->backup : QString();
      CloseLine(kOk);
      // The write starts once the session has wholly ended.
      writeNext_ = true;
      QMetaObject::invokeMethod(this, &ConsoleController::StartWriteAfterBackup,
                                Qt::QueuedConnection);
      break;
    case ConsoleJob::Preview:
      backupName_ = line_ ? line_->backup : QString();
      previewDifferences_ = ConsoleJournal::DifferenceCount(sent_, console_);
      if (line_) line_->differences = previewDifferences_;
      CloseLine(kOk);
      previewPending_ = true;
      QMetaObject::invokeMethod(
          this, [this, sent = sent_, texts = console_] { emit Previewed(sent, texts); },
          Qt::QueuedConnection);
      break;
    case ConsoleJob::Verify:
    case ConsoleJob::Compare:
      if (line_ && job_ == ConsoleJob::Verify) {
        const int differing = ConsoleJournal::DifferenceCount(sent_, console_);
        line_->differences = differing;
        // Settings that differ fail the comparison; the line says how many.
        if (differing > 0) CloseLine(kFailed, JobMessages::Differing(differing));
      }
      CloseLine(kOk);
      QMetaObject::invokeMethod(
          this,
          [this, texts = console_] {
            emit Compared(texts);
            EmitNote();
            emit Ended();
          },
          Qt::QueuedConnection);
      break;
    case ConsoleJob::Check:
      if (line_) {
        line_->differences = ConsoleJournal::DifferenceCount(sent_, console_);
        if (*line_->differences > 0) CloseLine(kFailed, JobMessages::NotTaken(port_));
      }
      CloseLine(kOk);
      QMetaObject::invokeMethod(
          this,
          [this, sent = sent_, texts = console_] {
            emit Checked(sent, texts);
            EmitNote();
            emit Ended();
          },
          Qt::QueuedConnection);
      break;
    case ConsoleJob::Read:
    case ConsoleJob::Reset:
    case ConsoleJob::Version:
      if (!SaveRead()) break;
      CloseLine(kOk);
      EmitNote();
      emit Ended();
      break;
  }
}
