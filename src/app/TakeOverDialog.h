// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Ui {
class TakeOverDialog;
}

// "Einstellungen übernehmen": the settings in which another set (a register file, a backup, a
// settings text) differs from the program, one row each with a check box, all checked at
// first: Seite | Einstellung | Im Programm | the other side. "Seite:" shows one page's rows
// only; "Alle" and "Keine" check or clear the rows shown. "Übernehmen" closes the dialog with
// every checked row, shown or not; it changes nothing itself.
class TakeOverDialog : public QDialog {
  Q_OBJECT

 public:
  // `otherColumn` names the other side ("In der Datei"), `summary` says where it comes from.
  TakeOverDialog(const std::vector<SettingsCatalog::Difference> &differences,
                 const QString &otherColumn, const QString &summary, QWidget *parent = nullptr);
  ~TakeOverDialog() override;

  // The ids of the checked rows, in list order.
  QStringList CheckedIds() const;

 private:
  void CheckShown(bool checked);
  void ShowPage(int index);
  void UpdateCount();

  std::unique_ptr<Ui::TakeOverDialog> ui_;
  QString summary_;
};
