#include "BulkRead.h"

#include "Protocol.h"
#include "Register.h"

namespace {
// "$R" + 3 digits + "\r"
constexpr int kReadRequestLength = 6;
}  // namespace

BulkRead::BulkRead(SerialPort &port, const Timing &timing, QObject *parent)
    : BulkTransfer(port, timing, parent) {
  requestTimer_.setSingleShot(true);
  requestTimer_.setTimerType(Qt::PreciseTimer);
  connect(&requestTimer_, &QTimer::timeout, this, &BulkRead::SendDueRequest);
  finishTimer_.setSingleShot(true);
  finishTimer_.setTimerType(Qt::PreciseTimer);
  connect(&finishTimer_, &QTimer::timeout, this, &BulkRead::Finish);
}

void BulkRead::StopTimers() {
  requestTimer_.stop();
  finishTimer_.stop();
}

// The console needs the pause after the previous request has left the line, so a late
// timer delays the next request rather than shortening its pause.
double BulkRead::RequestDueMs() const {
  const double lineFreeMs =
      nextRequest_ == 0 ? greetedAtMs_ : lastRequestMs_ + Time().WireMs(kReadRequestLength);
  return lineFreeMs + Time().beforeRequestMs;
}

// Timers count whole milliseconds and wake up late rather than early. Arming for the
// nearest millisecond instead of the next one keeps that lateness from adding up to several
// percent over 200 requests; a request is sent when it is due to within one bit time, the
// finest step in which anything can happen on the line.
void BulkRead::ArmRequestTimer() {
  requestTimer_.start(qMax(0, qRound(RequestDueMs() - Now())));
}

void BulkRead::OnGreeting() {
  greetedAtMs_ = Now();
  nextRequest_ = 0;
  ArmRequestTimer();
}

void BulkRead::SendDueRequest() {
  const double early = RequestDueMs() - Now();
  if (early > Time().WireMs(1) / 10) {
    requestTimer_.start(qMax(1, qRound(early)));
    return;
  }
  lastRequestMs_ = Now();
  Send(Protocol::ReadRequest(nextRequest_));
  ++nextRequest_;
  emit Progress(nextRequest_);
  WatchSilence();
  if (nextRequest_ < Register::kRegisterCount) {
    ArmRequestTimer();
    return;
  }
  Send(Protocol::ProgEnde());
  AwaitEndMark();
}

void BulkRead::OnEndMark() {
  const Protocol::Answer answer = Protocol::ParseAnswer(Received());
  if (!answer.ok) {
    Fail(answer.error);
    return;
  }
  StopWatchingSilence();
  ClosePort();
  finishTimer_.start(Time().afterTransferMs);
  emit Answered({answer.texts, answer.versionText, Protocol::IsVersion107(answer.versionText)});
}
