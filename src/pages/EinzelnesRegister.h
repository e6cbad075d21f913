#pragma once

#include <QDialog>

class Register;

// Shows and replaces one register text by number.
class EinzelnesRegister : public QDialog {
  Q_OBJECT

 public:
  explicit EinzelnesRegister(Register &image, QWidget *parent = nullptr);
};
