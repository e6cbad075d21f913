#pragma once

#include "ConfigPage.h"

// Earpiece and loudspeaker switching.
class HoererLSKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit HoererLSKonfig(Register &image, QWidget *parent = nullptr);
};
