// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EditCommand.h"

#include "Register.h"

#include <utility>

EditCommand::EditCommand(Register &image, const RegisterEdit &edit, std::function<void()> done)
    : QUndoCommand(edit.Name()), image_(image), edit_(edit), done_(std::move(done)) {}

void EditCommand::undo() { Write(edit_.Before()); }

void EditCommand::redo() { Write(edit_.After()); }

void EditCommand::Write(const QString &chars) {
  image_.Write(edit_.Spots(), chars);
  image_.SetModified(true);
  if (done_) done_();
}
