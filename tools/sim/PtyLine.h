// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleLine.h"

class QSocketNotifier;

// The line as a pseudo-terminal: the program opens its device path and talks to it through
// the real QSerialPort code path. POSIX only.
//
// The line keeps a slave descriptor of its own open, so the pseudo-terminal outlives the
// program's open/close cycles (every transfer opens and closes the port). On Linux it also
// watches the device for the program's opens and closes; elsewhere it cannot tell them.
class PtyLine : public ConsoleLine {
  Q_OBJECT

 public:
  explicit PtyLine(QObject *parent = nullptr);
  ~PtyLine() override;

  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return masterFd_ >= 0; }
  QString PortName() const override { return devicePath_; }
  QString ErrorString() const override { return errorString_; }
  qint64 Write(const QByteArray &bytes) override;
  qint64 Unread() const override;
  bool UnreadIsExact() const override { return false; }
  void DropUnread() override;
  bool IsProgramConnected() const override;

 private:
  void OnMasterReadable();
  void OnWatchEvents();
  void OnWritable();

  int masterFd_ = -1;
  int slaveFd_ = -1;
  int watchFd_ = -1;
  int programOpens_ = 0;
  QSocketNotifier *readNotifier_ = nullptr;
  QSocketNotifier *writeNotifier_ = nullptr;
  QSocketNotifier *watchNotifier_ = nullptr;
  QString devicePath_;
  QString errorString_;
};
