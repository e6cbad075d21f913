// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class HoererLSKonfig;
}

// Earpiece and loudspeaker switching.
class HoererLSKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit HoererLSKonfig(Register &image, QWidget *parent = nullptr);
  ~HoererLSKonfig() override;

 private:
  std::unique_ptr<Ui::HoererLSKonfig> ui_;
};
