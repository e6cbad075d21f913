#include "HoererLSKonfig.h"

HoererLSKonfig::HoererLSKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Hörer- und Lautsprecherkonfiguration"));
}
