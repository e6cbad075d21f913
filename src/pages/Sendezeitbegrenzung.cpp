#include "Sendezeitbegrenzung.h"

Sendezeitbegrenzung::Sendezeitbegrenzung(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Sendereinstellungen"));
}
