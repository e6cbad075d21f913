#include "Tonrufauswertung.h"

Tonrufauswertung::Tonrufauswertung(Register &image, QWidget *parent) : ConfigPage(image, parent) {
  setWindowTitle(tr("Tonrufauswertung"));
}
