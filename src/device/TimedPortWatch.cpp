// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TimedPortWatch.h"

#include <utility>

TimedPortWatch::TimedPortWatch(std::function<QByteArray()> stamp, QObject *parent)
    : PortWatch(parent), stamp_(std::move(stamp)) {
  // The port field lists the ports once at the start; a change is what comes after that.
  if (stamp_) last_ = stamp_();
  timer_.setInterval(kIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &TimedPortWatch::Look);
}

void TimedPortWatch::SetActive(bool active) {
  if (!active)
    timer_.stop();
  else if (!timer_.isActive())
    timer_.start();
}

void TimedPortWatch::Look() {
  if (stamp_) {
    const QByteArray stamp = stamp_();
    if (stamp == last_) return;
    last_ = stamp;
  }
  emit Changed();
}
