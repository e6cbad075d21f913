#include "TXKonfig.h"

TXKonfig::TXKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("TX Eingang Konfiguration"));
}
