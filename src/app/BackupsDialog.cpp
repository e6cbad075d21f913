// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupsDialog.h"

#include "BackupTableModel.h"
#include "CompareDialog.h"
#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "RegisterFile.h"
#include "SettingsCatalog.h"
#include "ui_BackupsDialog.h"

#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QUrl>

namespace {

// The column widths come from the newest backups, not from every one of them.
constexpr int kRowsMeasured = 200;

}  // namespace

BackupsDialog::BackupsDialog(const std::vector<BackupStore::Backup> &backups,
                             const QString &folder, const QStringList &programTexts,
                             QWidget *parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::BackupsDialog>()),
      folder_(folder),
      programTexts_(programTexts) {
  ui_->setupUi(this);
  const bool none = backups.empty();
  QTableView *table = ui_->backupsTable;
  table->setModel(new BackupTableModel(backups, this));
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
  table->resizeColumnsToContents();
  ui_->folderLabel->setText(none
                                ? tr("Noch keine Sicherungen im Ordner %1.")
                                      .arg(QDir::toNativeSeparators(folder))
                                : tr("Ordner: %1").arg(QDir::toNativeSeparators(folder)));
  if (!none) table->selectRow(0);

  connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &BackupsDialog::UpdateButtons);
  // Enter reaches "Öffnen" as the default button; a double click opens the same way.
  connect(table, &QTableView::doubleClicked, this, &BackupsDialog::OpenSelected);
  connect(ui_->openButton, &QPushButton::clicked, this, &BackupsDialog::OpenSelected);
  connect(ui_->compareButton, &QPushButton::clicked, this, &BackupsDialog::CompareSelected);
  connect(ui_->folderButton, &QPushButton::clicked, this, &BackupsDialog::ShowFolder);
  connect(ui_->uebernehmenButton, &QPushButton::clicked, this, [this] {
    const QString path = SelectedPath();
    if (path.isEmpty()) return;
    reject();
    emit TakeOverRequested(path);
  });
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::reject);
  UpdateButtons();
  KeepTitleVisible(*this);
  table->setFocus();
}

BackupsDialog::~BackupsDialog() = default;

QString BackupsDialog::SelectedPath() const {
  const QModelIndexList selected = ui_->backupsTable->selectionModel()->selectedRows();
  return selected.isEmpty() ? QString()
                            : selected.constFirst().data(BackupTableModel::kPathRole).toString();
}

void BackupsDialog::UpdateButtons() {
  const bool chosen = !SelectedPath().isEmpty();
  ui_->openButton->setEnabled(chosen);
  ui_->compareButton->setEnabled(chosen);
  ui_->uebernehmenButton->setEnabled(chosen);
}

void BackupsDialog::OpenSelected() {
  chosen_ = SelectedPath();
  if (!chosen_.isEmpty()) accept();
}

void BackupsDialog::CompareSelected() {
  const QString path = SelectedPath();
  if (path.isEmpty()) return;
  QStringList texts;
  QString error;
  if (!ReadRegisterFile(path, &texts, &error)) {
    ShowMessage(this, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return;
  }
  const QString title = tr("Vergleich mit Sicherung");
  const auto differences = SettingsCatalog().Compare(programTexts_, texts);
  if (differences.empty()) {
    ShowMessage(this, tr("Keine Unterschiede."), title, QMessageBox::Information,
                QMessageBox::Ok);
    return;
  }
  // Beside this list rather than over it, so the next backup can be compared too.
  if (comparison_) comparison_->close();
  comparison_ = new CompareDialog(
      differences, tr("Im Programm"), tr("In der Sicherung"),
      tr("Einstellungen, die sich im Programm und in der Sicherung %1 unterscheiden:")
          .arg(QDir::toNativeSeparators(path)),
      this);
  comparison_->setAttribute(Qt::WA_DeleteOnClose);
  comparison_->setWindowTitle(title);
  KeepTitleVisible(*comparison_);
  comparison_->show();
  comparison_->raise();
  comparison_->activateWindow();
}

void BackupsDialog::ShowFolder() {
  // Before the first backup the folder may not exist yet; the file manager shows it empty.
  QDir().mkpath(folder_);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder_)))
    ShowMessage(this,
                tr("Der Ordner %1 konnte nicht angezeigt werden.")
                    .arg(QDir::toNativeSeparators(folder_)),
                tr("Fehler"), QMessageBox::Warning, QMessageBox::Ok);
}
