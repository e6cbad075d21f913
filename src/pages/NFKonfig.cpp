#include "NFKonfig.h"

NFKonfig::NFKonfig(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("NF-Eingangskonfiguration"));
}
