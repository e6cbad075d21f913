// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Timing.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QIODevice;
class SerialPort;

// What a bulk read and a bulk write have in common: on an already opened port, wait, drop
// whatever has come in so far, send "$PROGSTART\r", collect the console's bytes (NUL bytes
// dropped) until more than 30 have arrived, hand over to the subclass, and end at the
// console's end mark. Everything runs on the thread that owns the port, driven by the port's
// signals and timers.
//
// A transfer that goes wrong (console silent for too long, port lost, unusable answer)
// closes the port and reports Failed. A transfer never touches the register image: it works on
// plain values and hands its result over in its signals.
class BulkTransfer : public QObject {
  Q_OBJECT

 public:
  // `port` must be open; the transfer closes it when it ends.
  BulkTransfer(SerialPort &port, const Timing &timing, QObject *parent = nullptr);
  ~BulkTransfer() override;

  void Start();
  // Ends the transfer at once without a signal: timers stopped, port closed.
  void Abort();
  bool IsActive() const { return active_; }

 signals:
  // Once per register; `done` counts from 1 to 200.
  void Progress(int done);
  void Finished();
  void Failed(const QString &reason);

 protected:
  // More than 30 characters have arrived.
  virtual void OnGreeting() = 0;
  // The end mark has arrived after AwaitEndMark().
  virtual void OnEndMark() = 0;
  // Stops the subclass's own timers when the transfer ends for whatever reason.
  virtual void StopTimers() {}
  // The message Failed carries for `reason`; a subclass adds what the console now holds.
  virtual QString DescribeFailure(const QString &reason) const { return reason; }

  const Timing &Time() const { return timing_; }
  const QByteArray &Received() const { return received_; }
  QIODevice *Port() const;
  // Milliseconds since Start().
  double Now() const;
  // Interval for a single-shot timer that must not fire before `dueMs`.
  int MsUntil(double dueMs) const;

  void Send(const QByteArray &text);
  // From now on the end mark ends the exchange; one already received counts at once.
  void AwaitEndMark();
  // The console owes us an answer: from now on, a silence longer than the limit since the last
  // byte received counts against it. Calling it again while watching changes nothing.
  void WatchSilence();
  // Whether more than the greeting may arrive before the end mark (a read's answers do, a
  // write's console only says "ENDE"). Without, a talkative console never ends a write.
  virtual bool LimitsAnswerLength() const { return true; }
  void StopWatchingSilence();
  void ClosePort();
  void Fail(const QString &reason);
  void Finish();

 private:
  void SendProgStart();
  void OnReadyRead();
  void OnLineBroken();
  void OnSilence();
  void Stop();

  SerialPort &port_;
  const Timing timing_;
  QByteArray received_;
  QElapsedTimer clock_;
  QTimer startTimer_;
  QTimer silenceTimer_;
  bool active_ = false;
  bool progStartSent_ = false;
  bool greeted_ = false;
  bool awaitingEndMark_ = false;
  bool watchingSilence_ = false;
};
