#pragma once

#include "ConfigPage.h"

// LED and function of an active BUSY input, per circuit.
class BUSYInKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit BUSYInKonfig(Register &image, QWidget *parent = nullptr);
};
