// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleController.h"

#include "ConsoleMessages.h"
#include "LogOperation.h"
#include "Register.h"

#include <utility>

namespace {

const QString kOk = QStringLiteral("ok");
const QString kFailed = QStringLiteral("failed");
const QString kCancelled = QStringLiteral("cancelled");

}  // namespace

ConsoleController::ConsoleController(QObject *parent) : QObject(parent) {
  connect(&session_, &ConsoleSession::Progress, this, &ConsoleController::Progress);
  connect(&session_, &ConsoleSession::ReadCompleted, this, [this](const ConsoleRead &read) {
    emit PortWorked(port_);
    if (line_) {
      const QString failure = Journal().BackUpInto(read, &*line_, &backupReason_);
      line_->message = failure;
      if (!failure.isEmpty()) note_ = failure;
    }
    if (job_ == ConsoleJob::Compare || job_ == ConsoleJob::Check || job_ == ConsoleJob::Backup ||
        job_ == ConsoleJob::Preview || job_ == ConsoleJob::Apply) {
      console_ = read.texts;
      backupVersion_ = read.versionText;
    } else {
      emit ReadCompleted(read);
    }
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
            const QString said = FailureText(job_, message);
            // A broken-off write says how far it got; a read that failed read nothing whole.
            if (line_ && (job_ == ConsoleJob::Write || job_ == ConsoleJob::WriteAndCheck))
              line_->registers = session_.RegistersSent();
            CloseLine(kFailed, said);
            // The failure is what the status line says.
            note_.clear();
            emit Failed(job_, said, detail);
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

bool ConsoleController::TakeRead(const ConsoleRead &read, Register &image) {
  if (!image.SetAllTexts(read.texts)) return false;
  image.SetVersionText(read.versionText);
  image.SetModified(true);
  image.SetVersion107(read.version107);
  return true;
}

QString ConsoleController::FailureText(ConsoleJob job, const QString &message) {
  return TransferStates::Texts(job).failureLead + message;
}

QString ConsoleController::NotTakenText(const QString &port) {
  return tr("Der Quorex am Port %1 hat nach dem Senden nicht alle Einstellungen "
            "übernommen. Bitte senden Sie die Einstellungen erneut.")
      .arg(port);
}

QString ConsoleController::StatusReason(const QString &message, const QString &detail) {
  const QString general = ConsoleMessages::OpenFailed();
  if (detail.isEmpty()) return message;
  if (message.contains(general)) return QString(message).replace(general, detail);
  return message + QLatin1Char(' ') + detail;
}

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
    const QString said = FailureText(job_, ConsoleMessages::OpenFailed());
    CloseLine(kFailed, said);
    note_.clear();
    emit PortFailed(job_, said, session_.PortError());
    return false;
  }
  Step(JobStep::Started);
  if (job_ == ConsoleJob::Reset)
    emit Resetting();
  else
    emit ProgressStarted(job_);
  return true;
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
  if (!failure.isEmpty() && note_.isEmpty()) note_ = failure;
}

void ConsoleController::EmitNote() {
  const QString note = std::exchange(note_, QString());
  if (!note.isEmpty()) emit Noted(note);
}

bool ConsoleController::StartRead(const QString &port) {
  Begin(ConsoleJob::Read);
  port_ = port;
  note_.clear();
  OpenLine();
  return Started(session_.StartRead(port));
}

bool ConsoleController::StartWrite(const QString &port, const QStringList &texts, bool check,
                                   bool backUpFirst, const QString &file, bool lookFirst) {
  Begin(lookFirst     ? ConsoleJob::Preview
        : backUpFirst ? ConsoleJob::Backup
        : check     ? ConsoleJob::WriteAndCheck
                    : ConsoleJob::Write);
  compose_ = nullptr;
  port_ = port;
  note_.clear();
  // The check compares with what went out, whatever the program holds by then.
  sent_ = texts;
  check_ = check;
  file_ = file;
  OpenLine();
  if (backUpFirst || lookFirst) return Started(session_.StartRead(port));
  line_->file = file_;
  return Started(session_.StartWrite(port, texts));
}

void ConsoleController::RefuseWrite() {
  Step(JobStep::Failed);
  const QString said = FailureText(ConsoleJob::Backup, backupReason_);
  CloseLine(kFailed, said);
  // The failure is what the status line says.
  note_.clear();
  QMetaObject::invokeMethod(
      this, [this, said] { emit Failed(ConsoleJob::Backup, said, QString()); },
      Qt::QueuedConnection);
}

bool ConsoleController::StartApply(const QString &port, Compose compose, bool check,
                                   const QString &file) {
  Begin(ConsoleJob::Apply);
  compose_ = std::move(compose);
  summary_.clear();
  port_ = port;
  note_.clear();
  check_ = check;
  file_ = file;
  OpenLine();
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
}

bool ConsoleController::StartCompare(const QString &port) {
  Begin(ConsoleJob::Compare);
  port_ = port;
  note_.clear();
  OpenLine();
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

void ConsoleController::OnFinished() {
  switch (job_) {
    case ConsoleJob::Write:
    case ConsoleJob::WriteAndCheck:
      if (line_) line_->registers = session_.RegistersSent();
      CloseLine(kOk);
      emit Written(int(sent_.size()));
      if (job_ == ConsoleJob::WriteAndCheck)
        QMetaObject::invokeMethod(this, &ConsoleController::StartCheck, Qt::QueuedConnection);
      else
        EmitNote();
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
              this, [this, reason] { emit Failed(ConsoleJob::Apply, reason, QString()); },
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
    case ConsoleJob::Compare:
      CloseLine(kOk);
      QMetaObject::invokeMethod(
          this,
          [this, texts = console_] {
            emit Compared(texts);
            EmitNote();
          },
          Qt::QueuedConnection);
      break;
    case ConsoleJob::Check:
      if (line_) {
        line_->differences = ConsoleJournal::DifferenceCount(sent_, console_);
        if (*line_->differences > 0) CloseLine(kFailed, NotTakenText(port_));
      }
      CloseLine(kOk);
      QMetaObject::invokeMethod(
          this,
          [this, sent = sent_, texts = console_] {
            emit Checked(sent, texts);
            EmitNote();
          },
          Qt::QueuedConnection);
      break;
    case ConsoleJob::Read:
    case ConsoleJob::Reset:
      CloseLine(kOk);
      EmitNote();
      break;
  }
}
