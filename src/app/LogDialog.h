// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgrammingLog.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class LogDialog;
}

// "Protokoll ...": the programming log as a table, newest first (Zeit | Vorgang | Quorex | Port
// | Datei | Ergebnis), each row's message in its tooltip. The filter keeps the rows that hold
// its text in any column or in the message; "Exportieren ..." saves the rows shown as CSV.
class LogDialog : public QDialog {
  Q_OBJECT

 public:
  // `entries` in the log's order, oldest first. `damaged` lines that could not be read are
  // counted below the table.
  explicit LogDialog(const std::vector<LogEntry> &entries, int damaged = 0,
                     QWidget *parent = nullptr);
  ~LogDialog() override;

  // The entries the table shows now, from top to bottom.
  std::vector<LogEntry> ShownEntries() const;

 private:
  void ApplyFilter(const QString &text);
  void Export();

  std::unique_ptr<Ui::LogDialog> ui_;
  std::vector<LogEntry> entries_;  // newest first, one per row
  int damaged_ = 0;
};
