#include "EinzelnesRegister.h"

EinzelnesRegister::EinzelnesRegister(Register &image, QWidget *parent) : QDialog(parent) {
  Q_UNUSED(image);
  setWindowTitle(tr("Einzelnes Register Lesen/ Schreiben"));
}
