// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class TXKonfig;
}

// LED and function of an active TX input, per circuit.
class TXKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit TXKonfig(Register &image, QWidget *parent = nullptr);
  ~TXKonfig() override;

 private:
  std::unique_ptr<Ui::TXKonfig> ui_;
};
