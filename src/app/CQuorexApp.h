#pragma once

#include <QApplication>

// The application object: German texts (Qt's own included), then the main window.
class CQuorexApp : public QApplication {
  Q_OBJECT

 public:
  CQuorexApp(int &argc, char **argv);

  // Shows the main window and runs until it ends the program.
  int Run();

  // Loads Qt's German translation for its own texts (file dialogs, standard buttons).
  static void InstallGermanTranslation(QCoreApplication &app);
};
