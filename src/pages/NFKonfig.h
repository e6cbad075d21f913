// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class NFKonfig;
}

// Audio paths of deactivated and activated circuits.
class NFKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit NFKonfig(Register &image, QWidget *parent = nullptr);
  ~NFKonfig() override;

 private:
  std::unique_ptr<Ui::NFKonfig> ui_;
};
