// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JobProgressBar.h"

void JobProgressBar::Start(const QString &phase, bool counting) {
  setValue(minimum());
  setFormat(counting ? tr("%1 %v von %m").arg(phase) : phase);
  setTextVisible(true);
}

void JobProgressBar::Step() {
  const int span = maximum() - minimum();
  int next = qMax(value(), minimum()) + 1;
  if (next > maximum() && span > 0) next = (next - minimum()) % span + minimum();
  setValue(next);
}

void JobProgressBar::Empty() {
  setValue(minimum());
  setTextVisible(false);
}
