#pragma once

#include "ConfigPage.h"

// When the console drives the BUSY line, per circuit.
class BUSYOutKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit BUSYOutKonfig(Register &image, QWidget *parent = nullptr);
};
