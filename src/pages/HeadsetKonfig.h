// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class HeadsetKonfig;
}

// Microphone choices and the headset detection threshold.
class HeadsetKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit HeadsetKonfig(Register &image, QWidget *parent = nullptr);
  ~HeadsetKonfig() override;

 private:
  std::unique_ptr<Ui::HeadsetKonfig> ui_;
};
