// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class BUSYOutKonfig;
}

// When the console drives the BUSY line, per circuit.
class BUSYOutKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit BUSYOutKonfig(Register &image, QWidget *parent = nullptr);
  ~BUSYOutKonfig() override;

 private:
  std::unique_ptr<Ui::BUSYOutKonfig> ui_;
};
