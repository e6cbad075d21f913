// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InProcessPort.h"

#include <QMetaObject>

#include <cstring>

InProcessPort::InProcessPort(QObject *parent) : QIODevice(parent) {}

bool InProcessPort::open(OpenMode mode) {
  if (hungUp_) {
    setErrorString(QStringLiteral("Die Leitung ist aufgelegt."));
    return false;
  }
  if (isOpen()) {
    setErrorString(QStringLiteral("Die Leitung ist schon geöffnet."));
    return false;
  }
  // Unbuffered: what the program has not read stays in inbox_, where the console can drop it.
  if (!QIODevice::open(mode | Unbuffered)) return false;
  ++session_;
  Post({Event::Opened, QByteArray(), session_});
  newData_ = !inbox_.isEmpty();
  ScheduleTurn();
  return true;
}

void InProcessPort::close() {
  if (!isOpen()) return;
  QIODevice::close();
  Post({Event::Closed, QByteArray(), session_});
}

qint64 InProcessPort::bytesAvailable() const { return inbox_.size() + QIODevice::bytesAvailable(); }

qint64 InProcessPort::bytesToWrite() const { return pendingWrite_; }

qint64 InProcessPort::readData(char *data, qint64 maxSize) {
  const qint64 n = qMin<qint64>(maxSize, inbox_.size());
  if (n > 0) std::memcpy(data, inbox_.constData(), static_cast<size_t>(n));
  inbox_.remove(0, n);
  return n;
}

qint64 InProcessPort::writeData(const char *data, qint64 size) {
  if (hungUp_) {
    setErrorString(QStringLiteral("Die Leitung ist aufgelegt."));
    return -1;
  }
  pendingWrite_ += size;
  Post({Event::Wrote, QByteArray(data, static_cast<int>(size)), session_});
  return size;
}

void InProcessPort::Deliver(const QByteArray &bytes) {
  if (hungUp_ || bytes.isEmpty()) return;
  inbox_.append(bytes);
  newData_ = true;
  if (isOpen()) ScheduleTurn();
}

void InProcessPort::HangUp() {
  hungUp_ = true;
  // Whatever was on its way either way goes with the line.
  inbox_.clear();
  events_.clear();
  pendingWrite_ = 0;
  if (isOpen()) ScheduleTurn();
}

void InProcessPort::Post(Event event) {
  events_.append(std::move(event));
  ScheduleTurn();
}

void InProcessPort::ScheduleTurn() {
  if (turnScheduled_) return;
  turnScheduled_ = true;
  QMetaObject::invokeMethod(this, &InProcessPort::Turn, Qt::QueuedConnection);
}

// One turn of the event loop's worth: what was posted before it started goes over, what its
// listeners do in answer waits for the next turn, as it would with a real port.
void InProcessPort::Turn() {
  turnScheduled_ = false;
  const QList<Event> events = std::move(events_);
  events_.clear();
  for (const Event &event : events) {
    if (hungUp_) break;
    switch (event.kind) {
      case Event::Opened:
        emit ProgramConnectionChanged(true);
        break;
      case Event::Closed:
        emit ProgramConnectionChanged(false);
        break;
      case Event::Wrote:
        emit ProgramWrote(event.bytes);
        pendingWrite_ = qMax<qint64>(0, pendingWrite_ - event.bytes.size());
        if (isOpen() && event.session == session_) emit bytesWritten(event.bytes.size());
        break;
    }
  }
  if (!isOpen()) return;
  if (hungUp_) {
    if (!finishReported_) {
      finishReported_ = true;
      emit readChannelFinished();
    }
    return;
  }
  if (newData_ && !inbox_.isEmpty()) {
    newData_ = false;
    emit readyRead();
  }
  if (!events_.isEmpty() || (newData_ && !inbox_.isEmpty())) ScheduleTurn();
}
