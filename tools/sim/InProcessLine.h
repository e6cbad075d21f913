// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleLine.h"

#include <QPointer>

class InProcessPort;

// The line inside the test program, under a name of its own ("quorex-sim-1", ...). The test
// hands its program's end (InProcessPort) to the program's session, whose SerialPort opens it
// under that name where it would open a serial port. Works wherever Qt does; nothing outside
// this process can reach it.
class InProcessLine : public ConsoleLine {
  Q_OBJECT

 public:
  explicit InProcessLine(QObject *parent = nullptr);
  ~InProcessLine() override;

  bool Open() override;
  void Close() override;
  bool IsOpen() const override;
  QString PortName() const override { return name_; }
  QIODevice *ProgramEnd() const override;
  QString ErrorString() const override { return QString(); }
  qint64 Write(const QByteArray &bytes) override;
  qint64 Unread() const override;
  bool UnreadIsExact() const override { return true; }
  void DropUnread() override;
  bool IsProgramConnected() const override { return IsOpen() && programConnected_; }

 private:
  // A hung-up port stays with the line until the line goes: the program may still hold it.
  QPointer<InProcessPort> port_;
  QString name_;
  bool programConnected_ = false;
};
