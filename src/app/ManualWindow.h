// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ManualWindow;
}

class QMenuBar;

// The manual for technicians ("Hilfe" -> "Handbuch"): the Markdown text compiled into the
// program, so it is there wherever the program is. Not modal, so it can stay open beside the
// window; a second call brings the open one to the front.
class ManualWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ManualWindow(QWidget *parent = nullptr);
  ~ManualWindow() override;

  // Opens the manual over `owner`, or raises the one already open.
  static ManualWindow *Show(QWidget *owner);
  // The "&Hilfe" menu of `bar` with "&Handbuch", on every system (the about entry joins it
  // where there is no window menu for it).
  static void AddMenu(QMenuBar &bar, QWidget &owner);
  // The manual's Markdown text.
  static QString Text();

 private:
  std::unique_ptr<Ui::ManualWindow> ui_;
};
