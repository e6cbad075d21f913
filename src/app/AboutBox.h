// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutBox;
}

// "Info...": the program's name and version. OK accepts; Escape and the close box reject,
// which the main window takes as a reason to enable the configuration tree.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget *parent = nullptr);
  ~AboutBox() override;

 private:
  std::unique_ptr<Ui::AboutBox> ui_;
};
