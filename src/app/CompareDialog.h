// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

class QTableWidget;

namespace Ui {
class CompareDialog;
}

// The settings that differ between the program's registers and another set (a register file,
// the console): one row per setting, Seite | Einstellung | Im Programm | the other side. Ctrl+C
// (or "Kopieren") copies the selected rows, or all of them when none is selected, as
// tab-separated text with a header line, ready for a spreadsheet or a service report.
class CompareDialog : public QDialog {
  Q_OBJECT

 public:
  // The columns name the two sides ("Im Programm", "In der Datei"); `summary` says what was
  // compared with what.
  CompareDialog(const std::vector<SettingsCatalog::Difference> &differences,
                const QString &programColumn, const QString &otherColumn, const QString &summary,
                QWidget *parent = nullptr);
  ~CompareDialog() override;

  // The text Ctrl+C puts on the clipboard.
  QString CopyText() const;
  void Copy() const;
  // A table's selected rows, or all of them when none is selected, under its header line:
  // one line per row, its cells separated by tabs.
  static QString TableText(const QTableWidget &table);
  // Fills `table` with one row per difference (its four columns), one line of text high; the
  // caller fits the columns once it has added what else its rows show.
  static void FillTable(QTableWidget &table,
                        const std::vector<SettingsCatalog::Difference> &differences);

 private:
  std::unique_ptr<Ui::CompareDialog> ui_;
};
