// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class Sendezeitbegrenzung;
}

// Transmit time limit and transmitter pre-key time.
class Sendezeitbegrenzung : public ConfigPage {
  Q_OBJECT

 public:
  explicit Sendezeitbegrenzung(Register &image, QWidget *parent = nullptr);
  ~Sendezeitbegrenzung() override;

 private:
  // Completes the pre-key field to whole milliseconds of 10: the last digit is never stored.
  void CompleteVorlaufzeit();

  std::unique_ptr<Ui::Sendezeitbegrenzung> ui_;
};
