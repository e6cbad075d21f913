// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterEdit.h"

#include <QDialog>
#include <QString>

#include <memory>

class Register;

namespace Ui {
class EinzelnesRegister;
}

// Shows and replaces one register text of the register image by number, for settings no page
// covers. The console is not contacted: a change reaches it with the next "Senden".
class EinzelnesRegister : public QDialog {
  Q_OBJECT

 public:
  explicit EinzelnesRegister(Register &image, QWidget *parent = nullptr);
  ~EinzelnesRegister() override;

  // Shows register `reg` with the content field ready for typing.
  void ShowRegister(int reg);

 public slots:
  // Enter: takes the values from the fields and, when they pass, closes without storing.
  void accept() override;

 signals:
  // "Schreiben" changed the characters `edit` names: one step for "Rückgängig".
  void Written(const RegisterEdit &edit);

 protected:
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void OnLesen();
  void OnSchreiben();
  void OnHilfe();
  enum class Exchange { Taken, NoNumber, OutOfRange };
  // Fields -> members. Tells the technician when the number field is empty (the number keeps
  // its value) or out of 0 to 199 (the number holds what was typed).
  Exchange TakeValues();
  // Members -> fields.
  void PutValues();

  Register &image_;
  std::unique_ptr<Ui::EinzelnesRegister> ui_;
  int number_ = 0;
  QString content_;
};
