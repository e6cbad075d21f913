#include "TonbandrelaisKonfig.h"

TonbandrelaisKonfig::TonbandrelaisKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Tonbandrelais Konfiguration"));
}
