// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// A transfer's progress for someone watching a terminal: "[#####.....] Register 57/200",
// redrawn in place on stderr. Where stderr is a file or a pipe (a log, a script), a bar would
// only leave a trail of carriage returns, so there it shows nothing.
class ProgressBar {
  Q_DECLARE_TR_FUNCTIONS(ProgressBar)

 public:
  explicit ProgressBar(bool enabled) : enabled_(enabled) {}

  static bool StderrIsTerminal();

  // `done` of the 200 registers; the line ends once all are done.
  void Show(int done);
  // A line of its own for a longer wait without progress (the console resetting itself).
  void Note(const QString &text);
  // Ends a bar that stopped part way, so that a message starts on a line of its own.
  void Break();

 private:
  bool enabled_;
  bool lineOpen_ = false;
};
