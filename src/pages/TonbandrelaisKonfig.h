// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class TonbandrelaisKonfig;
}

// Tape recorder relay conditions and after-run time.
class TonbandrelaisKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit TonbandrelaisKonfig(Register &image, QWidget *parent = nullptr);
  ~TonbandrelaisKonfig() override;

 private:
  std::unique_ptr<Ui::TonbandrelaisKonfig> ui_;
};
