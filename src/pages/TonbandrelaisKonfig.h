#pragma once

#include "ConfigPage.h"

// Tape recorder relay conditions and after-run time.
class TonbandrelaisKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit TonbandrelaisKonfig(Register &image, QWidget *parent = nullptr);
};
