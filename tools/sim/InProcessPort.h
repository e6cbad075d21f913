// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>

// The program's end of an in-process line: what SerialPort opens in place of a serial port.
// It behaves as a serial port does towards the program: readyRead, bytesWritten and
// bytesToWrite come from the event loop, never from inside the call that caused them; what
// the console sends while the port is closed waits for the next open; once the line is hung
// up, an open port reports readChannelFinished and the port cannot be opened again. Only one
// open at a time.
class InProcessPort : public QIODevice {
  Q_OBJECT

 public:
  explicit InProcessPort(QObject *parent = nullptr);

  bool open(OpenMode mode) override;
  void close() override;
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;
  qint64 bytesToWrite() const override;

  // The console's side.
  void Deliver(const QByteArray &bytes);
  qint64 Unread() const { return inbox_.size(); }
  void DropUnread() { inbox_.clear(); }
  void HangUp();

 signals:
  // What the console hears, in the order the program did it.
  void ProgramConnectionChanged(bool connected);
  void ProgramWrote(const QByteArray &bytes);

 protected:
  qint64 readData(char *data, qint64 maxSize) override;
  qint64 writeData(const char *data, qint64 size) override;

 private:
  struct Event {
    enum Kind { Opened, Wrote, Closed } kind;
    QByteArray bytes;
    int session;  // which open of the port it belongs to
  };

  void Post(Event event);
  void ScheduleTurn();
  void Turn();

  QList<Event> events_;
  QByteArray inbox_;
  qint64 pendingWrite_ = 0;
  int session_ = 0;
  bool turnScheduled_ = false;
  bool newData_ = false;
  bool hungUp_ = false;
  bool finishReported_ = false;
};
