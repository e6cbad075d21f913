#pragma once

#include "ConfigPage.h"

// Tone call evaluation and circuit activation per circuit.
class Tonrufauswertung : public ConfigPage {
  Q_OBJECT

 public:
  explicit Tonrufauswertung(Register &image, QWidget *parent = nullptr);
};
