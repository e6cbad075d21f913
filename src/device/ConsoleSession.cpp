// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleSession.h"

#include "BulkRead.h"
#include "BulkWrite.h"
#include "ConsoleMessages.h"
#include "Protocol.h"
#include "Register.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cmath>

namespace {
// How long the driver may take to accept the reset command's few bytes before the wait for
// the line goes on regardless.
constexpr int kResetHandOverMs = 1000;
}  // namespace

ConsoleSession::ConsoleSession(QObject *parent) : QObject(parent) {
  qRegisterMetaType<ConsoleRead>();
  resetOutTimer_.setSingleShot(true);
  resetOutTimer_.setTimerType(Qt::PreciseTimer);
  connect(&resetOutTimer_, &QTimer::timeout, this, [this] {
    if (QIODevice *device = port_.Device()) device->disconnect(this);
    port_.ClosePort();
    resetOnTheLine_ = false;
    emit ResetSent();
    resetPauseTimer_.start(timing_.afterResetMs);
  });
  resetPauseTimer_.setSingleShot(true);
  resetPauseTimer_.setTimerType(Qt::PreciseTimer);
  connect(&resetPauseTimer_, &QTimer::timeout, this, &ConsoleSession::StartResetRead);
}

ConsoleSession::~ConsoleSession() { Abort(); }

bool ConsoleSession::IsWriteConfirmed() const { return write_ && write_->IsConfirmed(); }

bool ConsoleSession::IsOnTheLine() const {
  return resetOnTheLine_ || (write_ && write_->IsOnTheLine());
}

bool ConsoleSession::Open(const QString &portName) {
  Abort();
  portName_ = portName;
  return OpenPort() == 1;
}

int ConsoleSession::OpenPort() {
  return port_.OpenPort(portName_, lines_ ? lines_(portName_.trimmed()) : nullptr);
}

void ConsoleSession::Abort() {
  if (write_ && write_->IsActive()) registersSent_ = write_->RegistersSent();
  resetOutTimer_.stop();
  resetPauseTimer_.stop();
  resetOnTheLine_ = false;
  if (transfer_) {
    transfer_->Abort();
    transfer_->deleteLater();
  }
  transfer_ = nullptr;
  write_ = nullptr;
  if (QIODevice *device = port_.Device()) device->disconnect(this);
  port_.ClosePort();
  operation_ = Operation::None;
}

// The transfer may still be inside one of its own signals: it goes once that has returned.
void ConsoleSession::End() {
  if (transfer_) transfer_->deleteLater();
  transfer_ = nullptr;
  write_ = nullptr;
  operation_ = Operation::None;
}

void ConsoleSession::Run(BulkTransfer *transfer) {
  transfer_ = transfer;
  released_ = false;
  connect(transfer, &BulkTransfer::Progress, this, &ConsoleSession::Progress);
  connect(transfer, &BulkTransfer::Failed, this, [this, transfer](const QString &message) {
    if (transfer != transfer_) return;
    if (write_) registersSent_ = write_->RegistersSent();
    const bool afterReset = operation_ == Operation::Reset;
    End();
    emit Failed(afterReset ? ConsoleMessages::ResetReadFailed(message) : message, QString());
  });
  transfer->Start();
}

bool ConsoleSession::StartRead(const QString &portName) {
  if (!Open(portName)) return false;
  operation_ = Operation::Read;
  RunRead();
  return true;
}

void ConsoleSession::RunRead() {
  auto *read = new BulkRead(port_, timing_, this);
  connect(read, &BulkRead::Answered, this, &ConsoleSession::ReadCompleted);
  connect(read, &BulkTransfer::Finished, this, [this, read] {
    if (read != transfer_) return;
    End();
    emit Released();
    emit Finished();
  });
  Run(read);
}

bool ConsoleSession::StartWrite(const QString &portName, const QStringList &texts) {
  if (!Open(portName)) return false;
  operation_ = Operation::Write;
  registersSent_ = 0;
  auto *write = new BulkWrite(port_, texts, timing_, this);
  write_ = write;
  connect(write, &BulkWrite::Released, this, [this, write] {
    if (write != transfer_) return;
    released_ = true;
    emit Released();
  });
  connect(write, &BulkTransfer::Finished, this, [this, write] {
    if (write != transfer_) return;
    registersSent_ = write->RegistersSent();
    End();
    emit Finished();
  });
  Run(write);
  return true;
}

bool ConsoleSession::StartReset(const QString &portName) {
  if (!Open(portName)) return false;
  operation_ = Operation::Reset;
  resetOnTheLine_ = true;
  resetBytes_ = 0;
  for (const QByteArray &text :
       {Protocol::ProgStart(), Protocol::ResetCommand(), Protocol::ProgEnde()}) {
    port_.WriteText(text);
    resetBytes_ += text.size();
  }
  // The driver takes the bytes first; they are on the line once their wire time has passed
  // after that. Only then may the port close, and the console's pause start.
  QIODevice *device = port_.Device();
  connect(device, &QIODevice::bytesWritten, this, &ConsoleSession::CheckResetOut);
  resetOutTimer_.start(kResetHandOverMs + int(std::ceil(timing_.WireMs(resetBytes_))));
  CheckResetOut();
  return true;
}

void ConsoleSession::CheckResetOut() {
  QIODevice *device = port_.Device();
  if (!resetOnTheLine_ || !device || device->bytesToWrite() > 0) return;
  device->disconnect(this);
  resetOutTimer_.start(int(std::ceil(timing_.WireMs(resetBytes_))));
}

void ConsoleSession::StartResetRead() {
  if (OpenPort() != 1) {
    operation_ = Operation::None;
    emit Failed(ConsoleMessages::ResetReadFailed(ConsoleMessages::OpenFailed()), port_.ErrorString());
    return;
  }
  RunRead();
}
