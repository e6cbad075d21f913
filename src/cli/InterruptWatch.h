// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

// Ctrl+C (SIGINT), SIGTERM and SIGHUP as a Qt signal, so that a transfer can be broken off cleanly: the session
// aborted, the port closed, the technician told what the console now holds. The handler only
// sets a flag, which is all a signal handler may safely do; a timer looks at the flag.
class InterruptWatch : public QObject {
  Q_OBJECT

 public:
  explicit InterruptWatch(QObject *parent = nullptr);
  // Puts the default handling back.
  ~InterruptWatch() override;

  // From now on these signals end in Interrupted instead of ending the process. Calling it
  // again changes nothing.
  void Start();

 signals:
  // Once, with the signal's number; a second signal after it ends the process the usual way.
  void Interrupted(int signalNumber);

 private:
  void Check();

  QTimer timer_;
  bool started_ = false;
};
