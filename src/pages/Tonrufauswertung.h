// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConfigPage.h"

#include <memory>

namespace Ui {
class Tonrufauswertung;
}

// Tone call evaluation and circuit activation per circuit.
class Tonrufauswertung : public ConfigPage {
  Q_OBJECT

 public:
  explicit Tonrufauswertung(Register &image, QWidget *parent = nullptr);
  ~Tonrufauswertung() override;

 private:
  std::unique_ptr<Ui::Tonrufauswertung> ui_;
};
