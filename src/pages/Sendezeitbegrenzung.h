#pragma once

#include "ConfigPage.h"

// Transmit time limit and transmitter pre-key time.
class Sendezeitbegrenzung : public ConfigPage {
  Q_OBJECT

 public:
  explicit Sendezeitbegrenzung(Register &image, QWidget *parent = nullptr);
};
