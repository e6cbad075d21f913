#include "BUSYInKonfig.h"

BUSYInKonfig::BUSYInKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("BUSY Eingang Konfiguration"));
}
