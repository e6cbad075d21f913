// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PageTable.h"

#include <QChar>
#include <QDialog>
#include <QString>

#include <memory>

class QComboBox;

namespace Ui {
class DetailFMS;
}

// Field-by-field editor of one FMS telegram text. It edits a text the caller owns (at least
// 10 characters; the key functions page pads it) and rewrites its first ten characters on OK;
// Cancel leaves it untouched. It never sees the register image.
class DetailFMS : public QDialog {
  Q_OBJECT

 public:
  explicit DetailFMS(QString &text, QWidget *parent = nullptr);
  ~DetailFMS() override;

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent *event) override;

 private:
  void BindCombo(QComboBox *combo, const ItemTable &table, QChar *character);
  void LoadControls();
  void ShowHelp();

  std::unique_ptr<Ui::DetailFMS> ui_;
  QString &text_;
  QChar bos_;
  QChar land_;
  QChar status_;
  QChar flags_;
  QString ort_;
  QString fahrzeug_;
  bool loading_ = false;
};
