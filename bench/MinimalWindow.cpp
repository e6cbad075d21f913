// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// quorex-bench-minimal: the least a Qt Widgets program can show, one label in a window. The
// start-up benchmark sets the program beside it.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("Quorex"));
  label.resize(320, 200);
  label.show();
  return app.exec();
}
