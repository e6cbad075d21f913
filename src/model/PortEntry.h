// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>

// One serial port as the system reports it: plain data, the same for the window's port list
// and for quorex-cli. The adapter's identity (serial number, USB ids) stays with the adapter
// when the system gives it another name the next day.
struct PortEntry {
  // The name the port field holds and the port is opened with: "ttyUSB0", "COM12".
  QString name;
  QString description;   // "FT232R USB UART"; empty when the system knows nothing
  QString manufacturer;  // "FTDI"
  QString serialNumber;  // "A10K3XYZ"
  int vendorId = -1;     // USB ids; -1 when unknown
  int productId = -1;
  // This user may open it (on Linux: may read and write the device).
  bool canOpen = true;

  bool HasUsbIds() const { return vendorId >= 0 && productId >= 0; }
};

// The ports of one look at the system, and what to tell a user who may open none of some.
struct PortListing {
  QList<PortEntry> ports;
  // Empty, or which ports this user may not open and how to get the right (German).
  QString deniedHint;
};
