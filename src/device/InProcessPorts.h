// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QIODevice;

// Lines that live inside this process, under a port name, for test programs that cannot give
// the program a real serial device (no pseudo-terminals on Windows). SerialPort opens such a
// device instead of a serial port of that name. The port listing never shows these names: it
// comes from the system alone. Main thread only.
class InProcessPorts {
 public:
  // The registering side keeps ownership; it removes the name before the device goes.
  static void Add(const QString &name, QIODevice *device);
  static void Remove(const QString &name);
  // nullptr when no line goes by that name.
  static QIODevice *Find(const QString &name);
};
