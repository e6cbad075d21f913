#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QSerialPort;

// The serial port a console session talks through. 9600 baud, 8 data bits,
// no parity, opened exclusively. Transfers talk to Device() as a QIODevice.
class SerialPort {
 public:
  static constexpr int kBaudRate = 9600;
  static constexpr int kMaxCommandLength = 100;

  SerialPort();
  ~SerialPort();
  SerialPort(const SerialPort &) = delete;
  SerialPort &operator=(const SerialPort &) = delete;

  // 1 on success, -1 on failure (ErrorString() then says why). An open port is reused
  // whatever name is given, and its line settings are applied again.
  int OpenPort(const QString &name);
  // Queues the text for sending; texts over 100 characters, and any text while the port is
  // closed, are dropped without a word, as the console protocol never needs them.
  void WriteText(const QByteArray &text);
  // Closes the port if it is open; closing a closed port does nothing.
  void ClosePort();

  bool IsOpen() const;
  QString ErrorString() const { return errorString_; }
  // The open port, or nullptr when it is closed.
  QSerialPort *Device() const;

  // Ports that can be opened right now, in the order the port combo box lists them. On
  // Windows the names COM1 to COM9 are probed; elsewhere the ports the system reports.
  static QStringList ListPorts();
  // The port the combo box starts with: `remembered` when the list holds it (by name, or as
  // "/dev/" + name), else the first listed port, else none.
  static QString StartPort(const QStringList &listed, const QString &remembered);

 private:
  std::unique_ptr<QSerialPort> port_;
  QString errorString_;
};
