#pragma once

#include "ConfigPage.h"

// FMS identification on PTT and the functions of the call keys.
class Tastenfunktionen : public ConfigPage {
  Q_OBJECT

 public:
  explicit Tastenfunktionen(Register &image, QWidget *parent = nullptr);
};
