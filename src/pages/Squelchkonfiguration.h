#pragma once

#include "ConfigPage.h"

// Carrier input polarity and audio muting per circuit.
class Squelchkonfiguration : public ConfigPage {
  Q_OBJECT

 public:
  explicit Squelchkonfiguration(Register &image, QWidget *parent = nullptr);
};
