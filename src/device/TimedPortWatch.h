// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortWatch.h"

#include <QByteArray>
#include <QTimer>

#include <functional>

// Where the system tells nothing: looks every 2 s, and only while the window is active, so that
// a window in the background costs nothing. With a stamp that changes whenever ports may have
// come or gone (on Linux, /dev's time of change) a look that finds the stamp unchanged does not
// count as a change, and the ports are not listed for nothing.
class TimedPortWatch : public PortWatch {
  Q_OBJECT

 public:
  static constexpr int kIntervalMs = 2000;

  explicit TimedPortWatch(std::function<QByteArray()> stamp = {}, QObject *parent = nullptr);

  void SetActive(bool active) override;
  bool IsLooking() const { return timer_.isActive(); }

 private:
  void Look();

  std::function<QByteArray()> stamp_;
  QByteArray last_;
  QTimer timer_;
};
