// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LogIndex.h"
#include "ProgrammingLog.h"

#include <QDialog>

#include <memory>
#include <vector>

class LogTableModel;

namespace Ui {
class LogDialog;
}

// "Protokoll ...": the programming log as a table, newest first (Zeit | Vorgang | Quorex | Port
// | Datei | Ergebnis), each row's message in its tooltip. The filter keeps the rows that hold
// its text in any column or in the message; "Exportieren ..." saves the rows shown as CSV.
// The rows are read from the log as they are shown, so a log of years opens at once.
class LogDialog : public QDialog {
  Q_OBJECT

 public:
  // `log` has been loaded, in whole or its newest lines; the lines it could not read are
  // counted below the table.
  explicit LogDialog(std::unique_ptr<LogIndex> log, QWidget *parent = nullptr);
  ~LogDialog() override;

  // The entries the table shows now, from top to bottom.
  std::vector<LogEntry> ShownEntries() const;

 private:
  void ApplyFilter(const QString &text);
  void ShowCount();
  void Export();

  std::unique_ptr<Ui::LogDialog> ui_;
  LogTableModel *model_ = nullptr;
};
