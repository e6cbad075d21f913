#pragma once

#include "ConfigPage.h"

// Microphone choices and the headset detection threshold.
class HeadsetKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit HeadsetKonfig(Register &image, QWidget *parent = nullptr);
};
