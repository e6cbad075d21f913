// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AboutBox.h"

class QMenuBar;

// The same about box, opened from the window menu's "Inf&o über Quorex..."; its result is
// not looked at.
class CAboutDlg : public AboutBox {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget *parent = nullptr) : AboutBox(parent) {}

  // Windows users find "About" in the window's system menu; elsewhere there is no such menu,
  // so the entry goes where those users look for it: the "Hilfe" menu of `bar` (made when
  // there is none; the application menu on macOS).
  static void AddToWindowMenu(QWidget &window, QMenuBar &bar);
};
