// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortWatch.h"

#include <memory>

class QSocketNotifier;
struct udev;
struct udev_monitor;

// Linux: udev's events for serial devices (subsystem "tty"), as they come, on the thread's own
// event loop. Nothing happens between two events. udev sends an event once the device node has
// its owner and rights, so a listing that follows sees the port as the user may use it.
class UdevPortWatch : public PortWatch {
  Q_OBJECT

 public:
  // nullptr where udev does not run (a container, a system without it): its monitor would stay
  // silent for ever.
  static std::unique_ptr<UdevPortWatch> Create();
  ~UdevPortWatch() override;

 private:
  UdevPortWatch(udev *context, udev_monitor *monitor);
  void Receive();

  udev *context_;
  udev_monitor *monitor_;
  QSocketNotifier *notifier_;
};
