// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class DuplexKonfig;
}

// Duplex mode per circuit and the muting of circuits without PTT.
class DuplexKonfig : public ConfigPage {
  Q_OBJECT

 public:
  explicit DuplexKonfig(Register &image, QWidget *parent = nullptr);
  ~DuplexKonfig() override;

 private:
  void BindMuting();

  std::unique_ptr<Ui::DuplexKonfig> ui_;
};
