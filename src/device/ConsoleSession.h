// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleRead.h"
#include "SerialPort.h"
#include "Timing.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <utility>

class BulkRead;
class BulkTransfer;
class BulkWrite;

// The one place that talks to a console, for the window and the command line alike. It owns
// the serial port and runs one operation at a time, each an event-driven state machine on the
// thread that owns the session: bulk read, bulk write, factory reset (which ends in a read).
// Inputs are plain values, results come back in signals; the session never touches a register
// image, so a caller takes a finished read into its own image in one step, or nothing.
//
// Every operation opens the port afresh with the name it is given and closes it when it ends.
class ConsoleSession : public QObject {
  Q_OBJECT

 public:
  enum class Operation { None, Read, Write, Reset };

  explicit ConsoleSession(QObject *parent = nullptr);
  ~ConsoleSession() override;

  // Lines of the owner's own, asked for by port name at every open; a name without one is
  // opened as a serial port.
  void SetLineSource(LineSource lines) { lines_ = std::move(lines); }
  // The console's pacing for operations started from now on.
  void SetTiming(const Timing &timing) { timing_ = timing; }
  const Timing &GetTiming() const { return timing_; }

  // Each starts its operation and answers true, or answers false when the port cannot be
  // opened (PortError() says why; nothing is emitted). Whatever ran before ends silently.
  bool StartRead(const QString &portName);
  bool StartWrite(const QString &portName, const QStringList &texts);
  // "$PROGSTART\r", the reset command and "$PROGENDE\r"; once they have left the line the port
  // closes, the console gets its pause to reset itself, and a read of the same port follows.
  bool StartReset(const QString &portName);
  // Ends whatever runs at once, without a signal.
  void Abort();

  Operation Current() const { return operation_; }
  bool IsBusy() const { return operation_ != Operation::None; }
  // True while bytes of a write, or the reset command, are still on their way to the console:
  // cutting the line now would leave the console half programmed.
  bool IsOnTheLine() const;
  // True once the running write has let the console's buttons come back.
  bool IsReleased() const { return released_; }
  // Write commands that have wholly left the line in the current (or last) write.
  int RegistersSent() const { return registersSent_; }
  // True once the console has confirmed the whole of the running write with its end mark.
  bool IsWriteConfirmed() const;

  QString PortError() const { return port_.ErrorString(); }
  bool IsPortOpen() const { return port_.IsOpen(); }

 signals:
  // Once per register; `done` counts from 1 to 200.
  void Progress(int done);
  // A complete, checked read (also the read that ends a factory reset): take it now.
  void ReadCompleted(const ConsoleRead &read);
  // The console may be given the next operation: for a write 1000 ms after its last byte (it
  // may still wait for the end mark), for a read 1000 ms after its answer.
  void Released();
  // The factory reset command has left the line; the read follows after the console's pause.
  void ResetSent();
  // The operation has ended for good, after Released.
  void Finished();
  // The operation ended early. `message` is German and says what the console now holds;
  // `detail` is the operating system's reason where there is one.
  void Failed(const QString &message, const QString &detail);

 private:
  bool Open(const QString &portName);
  int OpenPort();
  void Run(BulkTransfer *transfer);
  void RunRead();
  void StartResetRead();
  void CheckResetOut();
  void End();

  SerialPort port_;
  LineSource lines_;
  Timing timing_;
  Operation operation_ = Operation::None;
  QString portName_;
  QPointer<BulkTransfer> transfer_;
  BulkWrite *write_ = nullptr;
  bool released_ = false;
  int registersSent_ = 0;

  // Factory reset: the bytes handed over, the wait until they are out, the console's pause.
  long long resetBytes_ = 0;
  bool resetOnTheLine_ = false;
  QTimer resetOutTimer_;
  QTimer resetPauseTimer_;
};
