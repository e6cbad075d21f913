// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Why a serial device that exists cannot be opened, in words a technician can act on. On Linux
// a serial device belongs to a group (usually "dialout"), and only its members may open it.
class PortAccess {
 public:
  // The group to join for a device owned by `deviceGroup`.
  static QString GroupToJoin(const QString &deviceGroup);
  // Names the device and the group; says what to do, depending on whether the user already
  // belongs to that group.
  static QString PermissionHint(const QString &device, const QString &group, bool isMember);
  // The same for several devices of one group: one advice, the devices named together.
  static QString PermissionHint(const QStringList &devices, const QString &group, bool isMember);

  // "ttyUSB0" -> "/dev/ttyUSB0"; a path stays as it is.
  static QString DevicePath(const QString &portName);
  // True when `device` exists but this user may not read and write it.
  static bool IsDenied(const QString &device);
  // The hint for `device` as things stand: the device's group, the user's groups.
  static QString HintFor(const QString &device);
  // A serial device proper (/dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*): joining a group is the
  // cure for these, not necessarily for anything else the system reports as a port.
  static bool IsSerialDevice(const QString &device);
  // The hint for `devices`, which this user may not open: one paragraph per group to join, a
  // blank line between, the devices in natural order. Empty when there are none, and always
  // empty outside Linux.
  static QString DeniedPortsHint(const QStringList &devices);
};
