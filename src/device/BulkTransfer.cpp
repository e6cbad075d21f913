// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BulkTransfer.h"

#include "ConsoleMessages.h"
#include "Protocol.h"
#include "SerialPort.h"

#include <QIODevice>

#include <cmath>

BulkTransfer::BulkTransfer(SerialPort &port, const Timing &timing, QObject *parent)
    : QObject(parent), port_(port), timing_(timing) {
  startTimer_.setSingleShot(true);
  startTimer_.setTimerType(Qt::PreciseTimer);
  connect(&startTimer_, &QTimer::timeout, this, &BulkTransfer::SendProgStart);
  silenceTimer_.setSingleShot(true);
  connect(&silenceTimer_, &QTimer::timeout, this, &BulkTransfer::OnSilence);
}

BulkTransfer::~BulkTransfer() { Abort(); }

QIODevice *BulkTransfer::Port() const { return port_.Device(); }

double BulkTransfer::Now() const { return clock_.nsecsElapsed() / 1e6; }

int BulkTransfer::MsUntil(double dueMs) const {
  return qMax(0, int(std::ceil(dueMs - Now())));
}

void BulkTransfer::Start() {
  QIODevice *port = Port();
  if (!port) {
    Fail(ConsoleMessages::PortNotOpen());
    return;
  }
  active_ = true;
  progStartSent_ = false;
  received_.clear();
  port_.ClearInput();
  clock_.start();
  connect(port, &QIODevice::readyRead, this, &BulkTransfer::OnReadyRead);
  connect(&port_, &SerialPort::LineBroken, this, &BulkTransfer::OnLineBroken);
  startTimer_.start(timing_.beforeProgStartMs);
}

// Whatever waits on the line now was meant for an earlier session (a greeting of a session
// cut off, the answers to a reset): taken for this session's greeting, it would let 200
// commands go out before the console has even heard "$PROGSTART\r".
void BulkTransfer::SendProgStart() {
  port_.ClearInput();
  progStartSent_ = true;
  Send(Protocol::ProgStart());
  WatchSilence();
}

void BulkTransfer::Send(const QByteArray &text) { port_.WriteText(text); }

void BulkTransfer::OnReadyRead() {
  QIODevice *port = Port();
  if (!active_ || !port) return;
  QByteArray chunk = port->readAll();
  if (!progStartSent_) return;
  // A zero byte is line noise, never part of an answer.
  chunk.replace(QByteArray(1, '\0'), QByteArray());
  if (chunk.isEmpty()) return;
  if (watchingSilence_) silenceTimer_.start();

  if (!greeted_) {
    // The greeting is judged on exactly its first 31 characters.
    const qsizetype wanted = Protocol::kGreetingLength + 1 - received_.size();
    received_ += chunk.left(wanted);
    chunk.remove(0, wanted);
    if (!Protocol::IsGreetingComplete(received_)) return;
    greeted_ = true;
    OnGreeting();
    if (!active_) return;
  }
  received_ += chunk;
  if (LimitsAnswerLength()) {
    if (received_.size() > Protocol::kMaxAnswerLength) {
      Fail(ConsoleMessages::AnswerTooLong(Protocol::kMaxAnswerLength));
      return;
    }
  } else if (received_.size() > Protocol::kMaxAnswerLength) {
    // Only the greeting and a possible end mark matter: keep the greeting and, after it, the
    // end mark if it has come (a driver may hand it over with a long run of chatter in front),
    // or else just enough of the tail that an end mark split over two chunks is still found.
    const qsizetype head = Protocol::kGreetingLength + 1;
    const qsizetype mark = received_.indexOf(Protocol::EndMark(), head);
    const qsizetype from =
        mark >= 0 ? mark : received_.size() - (Protocol::EndMark().size() - 1);
    received_ = received_.left(head) + received_.mid(from);
  }
  if (awaitingEndMark_ && Protocol::HasEndMark(received_)) {
    awaitingEndMark_ = false;
    OnEndMark();
  }
}

void BulkTransfer::AwaitEndMark() {
  awaitingEndMark_ = true;
  if (Protocol::HasEndMark(received_)) {
    awaitingEndMark_ = false;
    OnEndMark();
  }
}

void BulkTransfer::WatchSilence() {
  if (watchingSilence_) return;
  watchingSilence_ = true;
  silenceTimer_.start(timing_.silenceTimeoutMs);
}

void BulkTransfer::StopWatchingSilence() {
  watchingSilence_ = false;
  silenceTimer_.stop();
}

void BulkTransfer::OnSilence() {
  Fail(ConsoleMessages::NoAnswer());
}

void BulkTransfer::OnLineBroken() {
  if (!active_) return;
  Fail(ConsoleMessages::LineBroken());
}

void BulkTransfer::ClosePort() {
  if (QIODevice *port = Port()) port->disconnect(this);
  port_.disconnect(this);
  port_.ClosePort();
}

void BulkTransfer::Stop() {
  active_ = false;
  awaitingEndMark_ = false;
  startTimer_.stop();
  StopWatchingSilence();
  StopTimers();
}

void BulkTransfer::Abort() {
  if (!active_) return;
  Stop();
  ClosePort();
}

void BulkTransfer::Fail(const QString &reason) {
  Abort();
  emit Failed(DescribeFailure(reason));
}

void BulkTransfer::Finish() {
  Stop();
  emit Finished();
}
