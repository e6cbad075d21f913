// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InProcessLine.h"

#include "InProcessPort.h"

namespace {
// Every line of the process gets a name of its own, so a new start after a hang-up is another
// port, as it is with a pseudo-terminal.
int NextLineNumber() {
  static int number = 0;
  return ++number;
}
}  // namespace

InProcessLine::InProcessLine(QObject *parent) : ConsoleLine(parent) {}

InProcessLine::~InProcessLine() { Close(); }

bool InProcessLine::Open() {
  if (IsOpen()) return true;
  port_ = new InProcessPort(this);
  name_ = QStringLiteral("quorex-sim-%1").arg(NextLineNumber());
  programConnected_ = false;
  connect(port_, &InProcessPort::ProgramWrote, this, &ConsoleLine::Received);
  connect(port_, &InProcessPort::ProgramConnectionChanged, this, [this](bool connected) {
    programConnected_ = connected;
    emit ProgramConnectionChanged(connected);
  });
  return true;
}

void InProcessLine::Close() {
  if (!port_) return;
  port_->disconnect(this);
  port_->HangUp();
  port_ = nullptr;
  programConnected_ = false;
}

bool InProcessLine::IsOpen() const { return port_ != nullptr; }

QIODevice *InProcessLine::ProgramEnd() const { return port_; }

qint64 InProcessLine::Write(const QByteArray &bytes) {
  if (!port_) return 0;
  port_->Deliver(bytes);
  return bytes.size();
}

qint64 InProcessLine::Unread() const { return port_ ? port_->Unread() : 0; }

void InProcessLine::DropUnread() {
  if (port_) port_->DropUnread();
}
