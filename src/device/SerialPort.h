// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortEntry.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QIODevice;
class QSerialPort;

// Lines of the session owner's own by port name, opened in place of a serial port of that
// name (a test's simulated console); nullptr for a name it has no line for.
using LineSource = std::function<QIODevice *(const QString &portName)>;

// The serial port a console session talks through. 9600 baud, 8 data bits,
// no parity, opened exclusively. Transfers talk to Device() as a QIODevice and use the two
// serial operations they need through ClearInput() and LineBroken(), so the owner may hand in
// a line of its own where the port would open.
class SerialPort : public QObject {
  Q_OBJECT

 public:
  static constexpr int kBaudRate = 9600;
  static constexpr int kMaxCommandLength = 100;

  SerialPort();
  ~SerialPort() override;
  SerialPort(const SerialPort &) = delete;
  SerialPort &operator=(const SerialPort &) = delete;

  // 1 on success, -1 on failure (ErrorString() then says why). An open port is reused
  // whatever name is given, and its line settings are applied again. Given a `line`, opens
  // that under the name instead of a serial port.
  int OpenPort(const QString &name, QIODevice *line = nullptr);
  // Queues the text for sending; texts over 100 characters, and any text while the port is
  // closed, are dropped without a word, as the console protocol never needs them.
  void WriteText(const QByteArray &text);
  // Closes the port if it is open; closing a closed port does nothing.
  void ClosePort();

  bool IsOpen() const;
  QString ErrorString() const { return errorString_; }
  // The open port, or nullptr when it is closed.
  QIODevice *Device() const;
  // Drops whatever has come in and not been read, the driver's queue included.
  void ClearInput();

  // Every serial port the system reports, in natural order (COM2 before COM10), each with what
  // the system knows of its adapter, and the hint for those this user may not open. Only the
  // device's rights are looked at, so listing again and again disturbs no port; with `tryOpen`
  // each port that may be opened is also opened and closed at once, which tells a port held
  // by another program too.
  static PortListing ListPorts(bool tryOpen = false);

 signals:
  // The open line has gone: device unplugged, read or write failed, line hung up.
  void LineBroken();

 private:
  std::unique_ptr<QSerialPort> port_;
  // A line handed in, in place of port_; it belongs to whoever handed it in.
  QPointer<QIODevice> line_;
  QString errorString_;
};
