// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BulkWrite.h"

#include "ConsoleMessages.h"
#include "Protocol.h"
#include "Register.h"

#include <QIODevice>

#include <cmath>

namespace {
// "$P" + 3 digits + 8 characters + "\r"
constexpr int kWriteCommandLength = 14;
}  // namespace

BulkWrite::BulkWrite(SerialPort &port, const QStringList &texts, const Timing &timing,
                     QObject *parent)
    : BulkTransfer(port, timing, parent), texts_(texts) {
  wireTimer_.setSingleShot(true);
  wireTimer_.setTimerType(Qt::PreciseTimer);
  connect(&wireTimer_, &QTimer::timeout, this, &BulkWrite::CheckAllOut);
  progressTimer_.setTimerType(Qt::PreciseTimer);
  connect(&progressTimer_, &QTimer::timeout, this, &BulkWrite::StepProgressWithWire);
  releaseTimer_.setSingleShot(true);
  releaseTimer_.setTimerType(Qt::PreciseTimer);
  connect(&releaseTimer_, &QTimer::timeout, this, &BulkWrite::Release);
}

void BulkWrite::StopTimers() {
  // Whatever ends the write, the count stops where the line stopped.
  if (!stopped_) sentAtStop_ = RegistersSent();
  stopped_ = true;
  wireTimer_.stop();
  progressTimer_.stop();
  releaseTimer_.stop();
}

void BulkWrite::OnGreeting() {
  if (!Protocol::IsQuorexGreeting(Received())) {
    Fail(ConsoleMessages::WrongDevice());
    return;
  }
  // The console says nothing while it takes the commands, about 3 s at 9600 baud; its
  // silence only counts once everything is out.
  StopWatchingSilence();
  sendStartMs_ = Now();
  sending_ = true;
  connect(Port(), &QIODevice::bytesWritten, this,
          [this](qint64 written) { handed_ += written; });
  long long bytes = 0;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
    const QByteArray command = Protocol::WriteCommand(reg, texts_.value(reg));
    Send(command);
    bytes += command.size();
  }
  Send(Protocol::ProgEnde());
  bytes += Protocol::ProgEnde().size();

  // The driver takes the bytes at once; they leave the port at line speed. The progress bar
  // follows the line rather than jumping to its end.
  allOutDueMs_ = sendStartMs_ + Time().WireMs(bytes);
  wireTimer_.start(MsUntil(allOutDueMs_));
  progressTimer_.start(qMax(1, int(Time().WireMs(kWriteCommandLength))));
  connect(Port(), &QIODevice::bytesWritten, this, &BulkWrite::CheckAllOut);
  AwaitEndMark();
}

void BulkWrite::StepProgressWithWire() {
  const int due = qMin(Register::kRegisterCount,
                       int((Now() - sendStartMs_) / Time().WireMs(kWriteCommandLength)));
  while (stepped_ < due) {
    ++stepped_;
    emit Progress(stepped_);
  }
}

// All out once the line time has passed and the port has handed every byte to the driver.
void BulkWrite::CheckAllOut() {
  if (allOut_ || !IsActive()) return;
  if (Now() < allOutDueMs_) {
    if (!wireTimer_.isActive()) wireTimer_.start(MsUntil(allOutDueMs_));
    return;
  }
  if (Port() && Port()->bytesToWrite() > 0) return;  // bytesWritten calls again
  OnAllOut();
}

void BulkWrite::OnAllOut() {
  allOut_ = true;
  progressTimer_.stop();
  while (stepped_ < Register::kRegisterCount) {
    ++stepped_;
    emit Progress(stepped_);
  }
  releaseTimer_.start(Time().afterTransferMs);
  if (endMarkSeen_)
    CloseSession();
  else
    WatchSilence();
}

void BulkWrite::OnEndMark() {
  // Closing the port earlier would cut off bytes still on their way out.
  endMarkSeen_ = true;
  if (allOut_) CloseSession();
}

void BulkWrite::CloseSession() {
  StopWatchingSilence();
  ClosePort();
  sessionClosed_ = true;
  if (released_) Finish();
}

void BulkWrite::Release() {
  released_ = true;
  emit Released();
  if (sessionClosed_ && IsActive()) Finish();
}

int BulkWrite::RegistersSent() const {
  if (stopped_) return sentAtStop_;
  if (allOut_) return Register::kRegisterCount;
  if (!sending_) return 0;
  const double commandMs = Time().WireMs(kWriteCommandLength);
  const long long byLine = static_cast<long long>((Now() - sendStartMs_) / commandMs);
  const long long byDriver = handed_ / kWriteCommandLength;
  return int(qBound(0LL, qMin(byLine, byDriver), static_cast<long long>(Register::kRegisterCount)));
}

// A write that breaks off part way leaves the console with a mix of old and new settings; the
// technician must hear that, and how far it got.
QString BulkWrite::DescribeFailure(const QString &reason) const {
  if (allOut_)
    return ConsoleMessages::NotConfirmed();
  const int sent = RegistersSent();
  if (sent == 0) return reason;
  return reason + QStringLiteral("\n\n") + ConsoleMessages::BrokenOff(sent);
}
