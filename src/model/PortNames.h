// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortEntry.h"

#include <QList>
#include <QString>

// Port names as text: how a port is shown, which typed names mean the same port, the order of
// the list, and which listed port is the one remembered from the last good transfer. Pure
// string work, the same on every system, so Windows' names are tested on Linux too.
class PortNames {
 public:
  // "ttyUSB0 – FT232R USB UART (FTDI, A10K3XYZ)"; the name alone when there is no description.
  static QString Label(const PortEntry &port);

  // The form two spellings of one port share: "/dev/ttyUSB0" and "ttyUSB0" give "ttyUSB0";
  // "\\.\COM12", "com12" and "COM12" give "COM12" (Windows' device names ignore case).
  static QString Key(const QString &name);
  static bool IsSamePort(const QString &a, const QString &b) { return Key(a) == Key(b); }

  // Names in the order a person counts: COM2 before COM10, ttyS2 before ttyS10, ttyACM0
  // before ttyS0 before ttyUSB0.
  static bool NaturalLess(const QString &a, const QString &b);
  static void Sort(QList<PortEntry> &ports);

  // The listed port to start with. An adapter remembered with its serial number is found under
  // whatever name it has now; else the remembered name, when listed; else an adapter known by
  // its USB ids alone, when exactly one listed port has them; else the first; else none.
  static QString StartPort(const QList<PortEntry> &listed, const PortEntry &remembered);
  // The listed port `name` stands for, or nullptr.
  static const PortEntry *Find(const QList<PortEntry> &listed, const QString &name);
};
