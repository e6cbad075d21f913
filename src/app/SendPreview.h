// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace Ui {
class SendPreview;
}

// What "Senden" would change in the console, asked before anything is sent: one row per
// setting, Seite | Einstellung | Quorex | Programm | Register. Accepted sends, rejected (the
// default, and Escape) sends nothing. Without differences it says so and offers
// "Trotzdem senden".
class SendPreview : public QDialog {
  Q_OBJECT

 public:
  // `differences` as SettingsCatalog::Compare(program, console) gives them.
  SendPreview(const std::vector<SettingsCatalog::Difference> &differences, const QString &port,
              QWidget *parent = nullptr);
  ~SendPreview() override;

 private:
  std::unique_ptr<Ui::SendPreview> ui_;
};
