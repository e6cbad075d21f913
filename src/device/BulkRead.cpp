#include "BulkRead.h"

#include "Protocol.h"
#include "Register.h"

namespace {
// "$R" + 3 digits + "\r"
constexpr int kReadRequestLength = 6;
}  // namespace

BulkRead::BulkRead(Register &image, const Timing &timing, QObject *parent)
    : BulkTransfer(image, timing, parent) {
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

// Due times are counted from the greeting rather than from the previous timer, so that
// timer latency does not add up over 200 requests.
double BulkRead::RequestDueMs(int reg) const {
  return greetedAtMs_ + (reg + 1) * double(Time().beforeRequestMs) +
         reg * Time().WireMs(kReadRequestLength);
}

void BulkRead::OnGreeting() {
  greetedAtMs_ = Now();
  nextRequest_ = 0;
  requestTimer_.start(MsUntil(RequestDueMs(0)));
}

void BulkRead::SendDueRequest() {
  const double due = RequestDueMs(nextRequest_);
  if (Now() < due) {
    requestTimer_.start(MsUntil(due));
    return;
  }
  Send(Protocol::ReadRequest(nextRequest_));
  ++nextRequest_;
  emit Progress();
  WatchSilence();
  if (nextRequest_ < Register::kRegisterCount) {
    requestTimer_.start(MsUntil(RequestDueMs(nextRequest_)));
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
  Register &image = Image();
  image.SetAllTexts(answer.texts);
  image.SetVersionText(answer.versionText);
  image.SetModified(true);
  image.SetVersion107(Protocol::IsVersion107(answer.versionText));
  StopWatchingSilence();
  ClosePort();
  finishTimer_.start(Time().afterTransferMs);
}
