// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;

// The console's end of the line to the program: a pseudo-terminal the program opens like any
// serial port, or a line inside the test program itself. The console's pacing and manners sit
// above this and are the same on either.
class ConsoleLine : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // A new line with a name of its own; false (ErrorString() says why) when that is not possible.
  virtual bool Open() = 0;
  // Drops the line like a pulled cable: the program's end sees it vanish. The name is gone.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // What the program opens: a device path, or the name of an in-process line.
  virtual QString PortName() const = 0;
  // The program's end of an in-process line, which the program's session must be handed
  // under PortName(); nullptr for a line the program opens by its path, and once closed.
  virtual QIODevice *ProgramEnd() const { return nullptr; }
  virtual QString ErrorString() const = 0;

  // Hands bytes to the program's end and says how many it took: fewer when its input queue is
  // full, and Writable() follows once the program has read some.
  virtual qint64 Write(const QByteArray &bytes) = 0;
  // Bytes handed over that the program has not read yet.
  virtual qint64 Unread() const = 0;
  // Whether Unread() also counts what is still on its way to the program; a pseudo-terminal's
  // count misses what sits between its two ends.
  virtual bool UnreadIsExact() const = 0;
  // Drops them, as when the program's port closes.
  virtual void DropUnread() = 0;
  // Whether the program has its end open; a line that cannot tell says yes while it is open.
  virtual bool IsProgramConnected() const = 0;

 signals:
  // What the program wrote, in order; an open or close is reported before the bytes after it.
  void Received(const QByteArray &bytes);
  void ProgramConnectionChanged(bool connected);
  void Writable();
};
