#include "Squelchkonfiguration.h"

Squelchkonfiguration::Squelchkonfiguration(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Squelchkonfiguration"));
}
