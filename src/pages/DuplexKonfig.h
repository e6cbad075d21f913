#pragma once

#include "ConfigPage.h"

// Duplex mode per circuit and the muting of circuits without PTT.
class DuplexKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit DuplexKonfig(Register &image, QWidget *parent = nullptr);
};
