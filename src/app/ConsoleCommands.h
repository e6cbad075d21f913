// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TransferStates.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ConsoleController;
class EditHistory;
class ExtrasCommands;
class FileCommands;
class QWidget;
class Register;

// The window's four console buttons: "Senden", "Lesen", "Version des Quorex" and
// "Werkeinstellungen", each started on the controller at `portName`'s port, and what the window
// says when a job ends: a finished read taken into the registers, the status line, the box of a
// failure. Every text comes from the job's row (TransferStates::Texts). A complete read starts
// a new history of changes, a complete write sets the Stand to what it sent.
class ConsoleCommands : public QObject {
  Q_OBJECT

 public:
  ConsoleCommands(QWidget *owner, Register &image, ConsoleController &controller,
                  FileCommands &files, EditHistory &history, const ExtrasCommands &extras,
                  std::function<QString()> portName);

  void Senden();
  void Lesen();
  void Version();
  void Werkeinstellungen();

 signals:
  // How the last job ended, in one line for the window's status line.
  void Status(const QString &text);

 private:
  void ShowFailure(ConsoleJob job, const QString &message, const QString &detail);

  QWidget *owner_;
  Register &image_;
  ConsoleController &controller_;
  FileCommands &files_;
  EditHistory &history_;
  const ExtrasCommands &extras_;
  std::function<QString()> portName_;
  // What a running write takes to the console.
  QStringList sending_;
};
