#include "HeadsetKonfig.h"

HeadsetKonfig::HeadsetKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Headset Konfiguration"));
}
