// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BulkTransfer.h"

#include <QStringList>

// Sends all 200 register texts to the console: once the greeting names a Quorex, the 200
// write commands and "$PROGENDE\r" go out back to back. The buttons may come back 1000 ms
// after the last byte has left the port (Released), while the port stays open until the
// console's end mark arrives (Finished). The texts are taken at construction: what changes in
// the program meanwhile does not reach this write.
class BulkWrite : public BulkTransfer {
  Q_OBJECT

 public:
  BulkWrite(SerialPort &port, const QStringList &texts, const Timing &timing,
            QObject *parent = nullptr);

  // Write commands that have wholly left the line so far, 0 to 200: those the driver has taken
  // and whose line time has passed.
  int RegistersSent() const;
  // True from the first write command until every byte of the write has left the line.
  bool IsOnTheLine() const { return sending_ && !allOut_ && !stopped_; }
  // True once every byte has left the line and the console has answered with its end mark:
  // it holds the whole new set, whatever happens to the session from now on.
  bool IsConfirmed() const { return allOut_ && endMarkSeen_; }

 signals:
  void Released();

 protected:
  void OnGreeting() override;
  void OnEndMark() override;
  void StopTimers() override;
  QString DescribeFailure(const QString &reason) const override;
  // The console may chatter while it takes the commands; only its end mark counts.
  bool LimitsAnswerLength() const override { return false; }

 private:
  void CheckAllOut();
  void OnAllOut();
  void StepProgressWithWire();
  void CloseSession();
  void Release();

  const QStringList texts_;
  QTimer wireTimer_;
  QTimer progressTimer_;
  QTimer releaseTimer_;
  double sendStartMs_ = 0;
  double allOutDueMs_ = 0;
  int stepped_ = 0;
  long long handed_ = 0;  // bytes the driver has taken
  bool sending_ = false;
  bool stopped_ = false;
  int sentAtStop_ = 0;
  bool allOut_ = false;
  bool endMarkSeen_ = false;
  bool sessionClosed_ = false;
  bool released_ = false;
};
