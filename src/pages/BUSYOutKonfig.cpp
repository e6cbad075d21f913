#include "BUSYOutKonfig.h"

BUSYOutKonfig::BUSYOutKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("BUSY Ausgang Konfiguration"));
}
