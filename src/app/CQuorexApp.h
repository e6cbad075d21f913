// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>

class CQuorexDlg;

// The application object: German texts (Qt's own included), then the main window.
class CQuorexApp : public QApplication {
  Q_OBJECT

 public:
  CQuorexApp(int &argc, char **argv);

  // Shows the main window and runs until it ends the program. A register file named on the
  // command line (absolute path, or empty for none) is opened once the window is up; a port
  // named there is the one "Port:" starts with.
  int Run(const QString &filePath = QString(), const QString &port = QString());

  // The start-up of Run without its event loop: shows `window` and queues the opening of
  // `filePath`, so that a refusal appears over the window rather than before it.
  static void ShowWindow(CQuorexDlg &window, const QString &filePath);
};
