// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class Funkkreiskonfiguration;
}

// Which radio circuits exist, may be active together and are active after power-on, and what
// a key press does while no circuit is active.
class Funkkreiskonfiguration : public ConfigPage {
  Q_OBJECT

 public:
  explicit Funkkreiskonfiguration(Register &image, QWidget *parent = nullptr);
  ~Funkkreiskonfiguration() override;

 protected:
  void UpdateEnabling() override;

 private:
  std::unique_ptr<Ui::Funkkreiskonfiguration> ui_;
};
