// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogDialog.h"

#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "LogTableModel.h"
#include "OutputFile.h"
#include "ui_LogDialog.h"

#include <QDir>
#include <QHeaderView>

namespace {

constexpr int kRowsMeasured = 200;

}  // namespace

LogDialog::LogDialog(std::unique_ptr<LogIndex> log, QWidget *parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::LogDialog>()),
      model_(new LogTableModel(std::move(log), this)) {
  ui_->setupUi(this);
  QTableView *table = ui_->logTable;
  table->setModel(model_);
  // Rows of one height: the view places any of them without measuring those above.
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  // The widths come from the rows a screenful or two down, not from every row of the log.
  table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
  table->resizeColumnsToContents();

  connect(ui_->filterLineEdit, &QLineEdit::textChanged, this, &LogDialog::ApplyFilter);
  connect(model_, &LogTableModel::Completed, this, &LogDialog::ShowCount);
  connect(ui_->exportButton, &QPushButton::clicked, this, &LogDialog::Export);
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::reject);
  ApplyFilter(QString());
  KeepTitleVisible(*this);
  ui_->filterLineEdit->setFocus();
}

LogDialog::~LogDialog() = default;

std::vector<LogEntry> LogDialog::ShownEntries() const { return model_->ShownEntries(); }

void LogDialog::ApplyFilter(const QString &text) {
  model_->SetFilter(text.trimmed());
  if (model_->rowCount() > 0) ui_->logTable->setCurrentIndex(model_->index(0, 0));
  ShowCount();
}

// Until the older lines are in, the count says so, and the file would not hold them all.
void LogDialog::ShowCount() {
  const int shown = model_->rowCount();
  QString count = shown == model_->Total()
                      ? tr("%1 Einträge").arg(shown)
                      : tr("%1 von %2 Einträgen").arg(shown).arg(model_->Total());
  if (!model_->IsComplete()) {
    count += tr("; ältere werden noch gelesen ...");
  } else if (model_->Damaged() > 0) {
    count += tr("; %1 beschädigte Zeilen übersprungen").arg(model_->Damaged());
  }
  ui_->countLabel->setText(count);
  ui_->exportButton->setEnabled(shown > 0 && model_->IsComplete());
}

void LogDialog::Export() {
  const QString path = DialogSeam::Instance().AskCsvFileName(this);
  if (path.isEmpty()) return;
  // Saved as every file for the technician: whole or not at all, never in place of a pipe or
  // a device, and the reason in German.
  QString reason;
  if (!OutputFile::Save(path, ProgrammingLog::Csv(ShownEntries()), &reason)) {
    ShowMessage(this,
                tr("Die Datei\n%1\nkonnte nicht gespeichert werden:\n%2")
                    .arg(QDir::toNativeSeparators(path), reason),
                tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  ShowMessage(this, tr("gespeichert in: ") + QDir::toNativeSeparators(path));
}
