#include "Tastenfunktionen.h"

Tastenfunktionen::Tastenfunktionen(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Tastenfunktionen"));
}
