// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BulkTransfer.h"
#include "ConsoleRead.h"

// Reads all 200 registers from the console: after the greeting, one read request every
// 20 ms (counted from the moment the previous one has left the port, on a fixed schedule),
// then "$PROGENDE\r".
// At the end mark the answer is checked as a whole; only a complete, well-formed answer is
// handed on (Answered), for the caller to take into its register image in one step.
// Finished follows 1000 ms after the port has been closed.
class BulkRead : public BulkTransfer {
  Q_OBJECT

 public:
  BulkRead(SerialPort &port, const Timing &timing, QObject *parent = nullptr);

 signals:
  void Answered(const ConsoleRead &read);

 protected:
  void OnGreeting() override;
  void OnEndMark() override;
  void StopTimers() override;

 private:
  // When the next request is due, after one due at `dueMs` was sent at `sentMs`.
  double NextDueMs(double dueMs, double sentMs) const;
  void ArmRequestTimer();
  void SendDueRequest();

  QTimer requestTimer_;
  QTimer finishTimer_;
  double dueMs_ = 0;
  int nextRequest_ = 0;
};
