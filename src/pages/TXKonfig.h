#pragma once

#include "ConfigPage.h"

// LED and function of an active TX input, per circuit.
class TXKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit TXKonfig(Register &image, QWidget *parent = nullptr);
};
