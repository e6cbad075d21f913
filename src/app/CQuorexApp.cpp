#include "CQuorexApp.h"

#include "CQuorexDlg.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

// The icon is compiled into the window's library, whose resources must be registered by hand.
static void InitResources() { Q_INIT_RESOURCE(quorex); }

CQuorexApp::CQuorexApp(int &argc, char **argv) : QApplication(argc, argv) {
  InitResources();
  setWindowIcon(QIcon(QStringLiteral(":/quorex.png")));
  InstallGermanTranslation(*this);
}

void CQuorexApp::InstallGermanTranslation(QCoreApplication &app) {
  const QLocale german(QLocale::German, QLocale::Germany);
  QLocale::setDefault(german);
  auto *translator = new QTranslator(&app);
  if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;  // the dialog seam names the standard buttons itself
}

int CQuorexApp::Run(const QString &filePath) {
  CQuorexDlg dialog;
  connect(&dialog, &QDialog::finished, this, [] { QCoreApplication::exit(0); });
  ShowWindow(dialog, filePath);
  return exec();
}

void CQuorexApp::ShowWindow(CQuorexDlg &window, const QString &filePath) {
  window.show();
  if (!filePath.isEmpty())
    QTimer::singleShot(0, &window, [&window, filePath] { window.OpenFile(filePath); });
}
