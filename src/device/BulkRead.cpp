// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BulkRead.h"

#include "Protocol.h"
#include "Register.h"

namespace {
// "$R" + 3 digits + "\r"
constexpr int kReadRequestLength = 6;
// How late a timer may fire, in milliseconds, before the schedule gives way to it: up to one
// for arming in whole milliseconds, up to one more for the event loop's whole-millisecond wait.
constexpr double kTimerLatenessMs = 2.0;
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

// Request n is due when request n-1 has left the port plus the console's pause, reckoned on the
// transfer's monotonic clock from the time n-1 was due, not from the moment its timer happened
// to fire: a timer's lateness (a millisecond or two) then delays one request but is not added
// up over all 200. A request sent later than that (the event loop was held up) moves the
// schedule with it, so that no request ever follows the one before it by less than the pause
// less that lateness, and a held-up read never sends requests in a burst to catch up.
double BulkRead::NextDueMs(double dueMs, double sentMs) const {
  return qMax(dueMs, sentMs - kTimerLatenessMs) + Time().WireMs(kReadRequestLength) +
         Time().beforeRequestMs;
}

// Armed for the first whole millisecond at or after the due time: a timer never fires early
// by more than its clock's rounding, so a request is not sent before its pause is over.
void BulkRead::ArmRequestTimer() { requestTimer_.start(MsUntil(dueMs_)); }

void BulkRead::OnGreeting() {
  nextRequest_ = 0;
  dueMs_ = Now() + Time().beforeRequestMs;
  ArmRequestTimer();
}

void BulkRead::SendDueRequest() {
  const double now = Now();
  if (dueMs_ - now > Time().WireMs(1) / 10) {
    ArmRequestTimer();
    return;
  }
  Send(Protocol::ReadRequest(nextRequest_));
  ++nextRequest_;
  dueMs_ = NextDueMs(dueMs_, now);
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
