// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogDialog.h"

#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "ui_LogDialog.h"

#include <QDir>
#include <QHeaderView>
#include <QSaveFile>
#include <QTableWidgetItem>

LogDialog::LogDialog(const std::vector<LogEntry> &entries, int damaged, QWidget *parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::LogDialog>()),
      entries_(entries.rbegin(), entries.rend()),
      damaged_(damaged) {
  ui_->setupUi(this);
  QTableWidget *table = ui_->logTable;
  table->setRowCount(int(entries_.size()));
  int row = 0;
  for (const LogEntry &entry : entries_) {
    const QString cells[] = {ProgrammingLog::TimeText(entry.time),
                             ProgrammingLog::OperationText(entry.operation),
                             entry.console,
                             entry.port,
                             QDir::toNativeSeparators(entry.file),
                             ProgrammingLog::ResultText(entry.result)};
    for (int column = 0; column < 6; ++column) {
      auto *item = new QTableWidgetItem(cells[column]);
      if (!entry.message.isEmpty()) {
        item->setToolTip(entry.message);
        // A screen reader reads the message where a mouse would show it.
        item->setData(Qt::AccessibleDescriptionRole, entry.message);
      }
      table->setItem(row, column, item);
    }
    ++row;
  }
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->resizeColumnsToContents();
  if (row > 0) table->setCurrentIndex(table->model()->index(0, 0));

  connect(ui_->filterLineEdit, &QLineEdit::textChanged, this, &LogDialog::ApplyFilter);
  connect(ui_->exportButton, &QPushButton::clicked, this, &LogDialog::Export);
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::reject);
  ApplyFilter(QString());
  KeepTitleVisible(*this);
  ui_->filterLineEdit->setFocus();
}

LogDialog::~LogDialog() = default;

std::vector<LogEntry> LogDialog::ShownEntries() const {
  std::vector<LogEntry> shown;
  for (int row = 0; row < int(entries_.size()); ++row)
    if (!ui_->logTable->isRowHidden(row)) shown.push_back(entries_[size_t(row)]);
  return shown;
}

void LogDialog::ApplyFilter(const QString &text) {
  int shown = 0;
  for (int row = 0; row < int(entries_.size()); ++row) {
    const bool match = ProgrammingLog::Matches(entries_[size_t(row)], text.trimmed());
    ui_->logTable->setRowHidden(row, !match);
    if (match) ++shown;
  }
  QString count = shown == int(entries_.size())
                      ? tr("%1 Einträge").arg(shown)
                      : tr("%1 von %2 Einträgen").arg(shown).arg(entries_.size());
  if (damaged_ > 0) count += tr("; %1 beschädigte Zeilen übersprungen").arg(damaged_);
  ui_->countLabel->setText(count);
  ui_->exportButton->setEnabled(shown > 0);
}

void LogDialog::Export() {
  const QString path = DialogSeam::Instance().AskCsvFileName(this);
  if (path.isEmpty()) return;
  const QByteArray csv = ProgrammingLog::Csv(ShownEntries());
  QSaveFile file(path);
  // A full disk shows in flush(); commit() alone would put the short file in place.
  if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.flush() ||
      !file.commit()) {
    ShowMessage(this,
                tr("Die Datei\n%1\nkonnte nicht gespeichert werden:\n%2")
                    .arg(QDir::toNativeSeparators(path), file.errorString()),
                tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  ShowMessage(this, tr("gespeichert in: ") + QDir::toNativeSeparators(path));
}
