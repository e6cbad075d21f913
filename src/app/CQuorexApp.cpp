// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexApp.h"

#include "CQuorexDlg.h"
#include "GermanTranslation.h"

#include <QTimer>

// The icon is compiled into the window's library, whose resources must be registered by hand.
static void InitResources() { Q_INIT_RESOURCE(quorex); }

CQuorexApp::CQuorexApp(int &argc, char **argv) : QApplication(argc, argv) {
  InitResources();
  setWindowIcon(QIcon(QStringLiteral(":/quorex.png")));
  InstallGermanTranslation(*this);
}

int CQuorexApp::Run(const QString &filePath, const QString &port) {
  CQuorexDlg dialog;
  if (!port.isEmpty()) dialog.ChoosePort(port);
  connect(&dialog, &QDialog::finished, this, [] { QCoreApplication::exit(0); });
  ShowWindow(dialog, filePath);
  return exec();
}

void CQuorexApp::ShowWindow(CQuorexDlg &window, const QString &filePath) {
  window.show();
  if (!filePath.isEmpty())
    QTimer::singleShot(0, &window, [&window, filePath] { window.OpenFile(filePath); });
}
