#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class Squelchkonfiguration;
}

// Carrier input polarity and audio muting per circuit.
class Squelchkonfiguration : public ConfigPage {
  Q_OBJECT

 public:
  explicit Squelchkonfiguration(Register &image, QWidget *parent = nullptr);
  ~Squelchkonfiguration() override;

 private:
  std::unique_ptr<Ui::Squelchkonfiguration> ui_;
};
