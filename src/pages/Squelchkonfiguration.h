// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

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
