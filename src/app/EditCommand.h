// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterEdit.h"

#include <QUndoCommand>

#include <functional>

class Register;

// One step of "Rückgängig" and "Wiederholen": the characters of one change of settings,
// written back before or after through Register::Write. Either way the modified flag is set,
// as a page's OK sets it, and `done` runs.
class EditCommand : public QUndoCommand {
 public:
  EditCommand(Register &image, const RegisterEdit &edit, std::function<void()> done);

  void undo() override;
  void redo() override;

 private:
  void Write(const QString &chars);

  Register &image_;
  RegisterEdit edit_;
  std::function<void()> done_;
};
