// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class BUSYInKonfig;
}

// LED and function of an active BUSY input, per circuit.
class BUSYInKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit BUSYInKonfig(Register &image, QWidget *parent = nullptr);
  ~BUSYInKonfig() override;

 private:
  std::unique_ptr<Ui::BUSYInKonfig> ui_;
};
