// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProgressBar>
#include <QString>

// The progress bar of the console jobs: while one runs it fills once from the left and names
// its step and count ("Lesen 57 von 200"); once the buttons are back it is empty and says
// nothing.
class JobProgressBar : public QProgressBar {
  Q_OBJECT

 public:
  explicit JobProgressBar(QWidget *parent = nullptr) : QProgressBar(parent) {}

  // Without `counting` the bar names the step alone ("Zurücksetzen").
  void Start(const QString &phase, bool counting = true);
  // One step; past its end it starts over from the left.
  void Step();
  void Empty();
};
