#include "DuplexKonfig.h"

DuplexKonfig::DuplexKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Duplex-Konfiguration"));
}
