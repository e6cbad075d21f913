#pragma once

#include "ConfigPage.h"

// Audio paths of deactivated and activated circuits.
class NFKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit NFKonfig(Register &image, QWidget *parent = nullptr);
};
