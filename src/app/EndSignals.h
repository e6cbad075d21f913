// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C in the terminal that started the window, SIGTERM from a logout or a kill, SIGHUP when
// that terminal closes: each arrives as `Received` in the event loop, so the window can say
// what the console was left with before it ends. Nothing polls; the handler only writes the
// signal's number into a socket the event loop watches. From the first signal on, the
// default handling is back, so a second one ends the program at once. Unix only; elsewhere
// Start does nothing.
class EndSignals : public QObject {
  Q_OBJECT

 public:
  explicit EndSignals(QObject *parent = nullptr);
  ~EndSignals() override;

  // Takes over SIGINT, SIGTERM and SIGHUP; false when it could not (or on Windows).
  bool Start();

 signals:
  void Received(int number);

 private:
  void Read();

  QSocketNotifier *notifier_ = nullptr;
};
