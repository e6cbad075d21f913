#include "ConsoleController.h"

#include "Register.h"

ConsoleController::ConsoleController(QObject *parent) : QObject(parent) {
  connect(&session_, &ConsoleSession::Progress, this, &ConsoleController::Progress);
  connect(&session_, &ConsoleSession::ReadCompleted, this, [this](const ConsoleRead &read) {
    emit PortWorked(port_);
    if (job_ == ConsoleJob::Compare || job_ == ConsoleJob::Check)
      console_ = read.texts;
    else
      emit ReadCompleted(read);
  });
  connect(&session_, &ConsoleSession::ResetSent, this,
          [this] { emit ProgressStarted(ConsoleJob::Reset); });
  connect(&session_, &ConsoleSession::Released, this, [this] {
    if (session_.Current() == ConsoleSession::Operation::Write) emit PortWorked(port_);
    Step(JobStep::Released);
  });
  connect(&session_, &ConsoleSession::Failed, this,
          [this](const QString &message, const QString &detail) {
            Step(JobStep::Failed);
            emit Failed(job_, message, detail);
          });
  connect(&session_, &ConsoleSession::Finished, this, &ConsoleController::OnFinished);
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

void ConsoleController::Begin(ConsoleJob job) {
  // A write still waiting for its end mark ends here: the technician wants the next job.
  session_.Abort();
  job_ = job;
  before_ = States();
  console_.clear();
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
    emit PortFailed(job_, session_.PortError());
    return false;
  }
  Step(JobStep::Started);
  if (job_ != ConsoleJob::Reset) emit ProgressStarted(job_);
  return true;
}

bool ConsoleController::StartRead(const QString &port) {
  Begin(ConsoleJob::Read);
  port_ = port;
  return Started(session_.StartRead(port));
}

bool ConsoleController::StartWrite(const QString &port, const QStringList &texts, bool check) {
  Begin(check ? ConsoleJob::WriteAndCheck : ConsoleJob::Write);
  port_ = port;
  // The check compares with what went out, whatever the program holds by then.
  sent_ = texts;
  return Started(session_.StartWrite(port, texts));
}

bool ConsoleController::StartCompare(const QString &port) {
  Begin(ConsoleJob::Compare);
  port_ = port;
  return Started(session_.StartRead(port));
}

void ConsoleController::StartCheck() {
  Begin(ConsoleJob::Check);
  Started(session_.StartRead(port_));
}

void ConsoleController::AskReset() {
  Begin(ConsoleJob::Reset);
  Step(JobStep::Asked);
}

void ConsoleController::CancelReset() { Step(JobStep::Cancelled); }

bool ConsoleController::StartReset(const QString &port) {
  port_ = port;
  return Started(session_.StartReset(port));
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
      emit Written(int(sent_.size()));
      if (job_ == ConsoleJob::WriteAndCheck)
        QMetaObject::invokeMethod(this, &ConsoleController::StartCheck, Qt::QueuedConnection);
      break;
    case ConsoleJob::Compare:
      QMetaObject::invokeMethod(
          this, [this, texts = console_] { emit Compared(texts); }, Qt::QueuedConnection);
      break;
    case ConsoleJob::Check:
      QMetaObject::invokeMethod(
          this, [this, sent = sent_, texts = console_] { emit Checked(sent, texts); },
          Qt::QueuedConnection);
      break;
    case ConsoleJob::Read:
    case ConsoleJob::Reset:
      break;
  }
}
