// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexApp.h"

#include "CQuorexDlg.h"
#include "EndSignals.h"
#include "GermanTranslation.h"

#include <QTimer>

#include <cstdio>

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
  // As quorex-cli does: the console's state is said and logged, the exit code is 128 + signal.
  EndSignals ends;
  connect(&ends, &EndSignals::Received, this, [&dialog](int number) {
    for (const QString &said : dialog.EndBySignal())
      for (const QString &line : said.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        std::fprintf(stderr, "quorex: %s\n", qUtf8Printable(line));
    QCoreApplication::exit(128 + number);
  });
  ends.Start();
  ShowWindow(dialog, filePath);
  return exec();
}

void CQuorexApp::ShowWindow(CQuorexDlg &window, const QString &filePath) {
  window.show();
  if (!filePath.isEmpty())
    QTimer::singleShot(0, &window, [&window, filePath] { window.OpenFile(filePath); });
}
