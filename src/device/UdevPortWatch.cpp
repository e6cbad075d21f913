// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UdevPortWatch.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <libudev.h>

std::unique_ptr<UdevPortWatch> UdevPortWatch::Create() {
  // libudev hands out a monitor even without the daemon; it would never hear anything.
  if (!QFileInfo::exists(QStringLiteral("/run/udev/control"))) return nullptr;
  udev *context = udev_new();
  if (!context) return nullptr;
  udev_monitor *monitor = udev_monitor_new_from_netlink(context, "udev");
  if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
    if (monitor) udev_monitor_unref(monitor);
    udev_unref(context);
    return nullptr;
  }
  return std::unique_ptr<UdevPortWatch>(new UdevPortWatch(context, monitor));
}

UdevPortWatch::UdevPortWatch(udev *context, udev_monitor *monitor)
    : context_(context),
      monitor_(monitor),
      notifier_(new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this)) {
  connect(notifier_, &QSocketNotifier::activated, this, &UdevPortWatch::Receive);
}

UdevPortWatch::~UdevPortWatch() {
  delete notifier_;
  udev_monitor_unref(monitor_);
  udev_unref(context_);
}

// The socket does not block: everything that has come is taken, and told as one change.
void UdevPortWatch::Receive() {
  bool any = false;
  while (udev_device *device = udev_monitor_receive_device(monitor_)) {
    udev_device_unref(device);
    any = true;
  }
  if (any) emit Changed();
}
