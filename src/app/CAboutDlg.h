#pragma once

#include "AboutBox.h"

// The same about box, opened from the window menu's "Inf&o über Quorex..."; its result is
// not looked at.
class CAboutDlg : public AboutBox {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget *parent = nullptr) : AboutBox(parent) {}
};
