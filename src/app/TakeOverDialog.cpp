// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TakeOverDialog.h"

#include "CompareDialog.h"
#include "ui_TakeOverDialog.h"

#include <QTableWidgetItem>

namespace {

constexpr int kIdRole = Qt::UserRole;

}  // namespace

TakeOverDialog::TakeOverDialog(const std::vector<SettingsCatalog::Difference> &differences,
                               const QString &otherColumn, const QString &summary,
                               QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TakeOverDialog>()), summary_(summary) {
  ui_->setupUi(this);
  QTableWidget *table = ui_->differencesTable;
  table->horizontalHeaderItem(3)->setText(otherColumn);
  CompareDialog::FillTable(*table, differences);
  ui_->pageComboBox->addItem(tr("Alle Seiten"));
  int row = 0;
  for (const SettingsCatalog::Difference &difference : differences) {
    // The box sits in the row's first cell, so a screen reader names it with its page and
    // Space toggles it where the row is current.
    QTableWidgetItem *first = table->item(row, 0);
    first->setFlags(first->flags() | Qt::ItemIsUserCheckable);
    first->setCheckState(Qt::Checked);
    first->setData(kIdRole, difference.id);
    if (ui_->pageComboBox->findText(difference.page) < 0)
      ui_->pageComboBox->addItem(difference.page);
    ++row;
  }
  table->resizeColumnsToContents();
  if (row > 0) table->setCurrentCell(0, 0);

  connect(table, &QTableWidget::itemChanged, this, &TakeOverDialog::UpdateCount);
  connect(ui_->pageComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
          &TakeOverDialog::ShowPage);
  connect(ui_->alleButton, &QPushButton::clicked, this, [this] { CheckShown(true); });
  connect(ui_->keineButton, &QPushButton::clicked, this, [this] { CheckShown(false); });
  connect(ui_->uebernehmenButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->abbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
  UpdateCount();
  table->setFocus();
}

TakeOverDialog::~TakeOverDialog() = default;

QStringList TakeOverDialog::CheckedIds() const {
  QStringList ids;
  const QTableWidget *table = ui_->differencesTable;
  for (int row = 0; row < table->rowCount(); ++row)
    if (table->item(row, 0)->checkState() == Qt::Checked)
      ids << table->item(row, 0)->data(kIdRole).toString();
  return ids;
}

void TakeOverDialog::CheckShown(bool checked) {
  QTableWidget *table = ui_->differencesTable;
  for (int row = 0; row < table->rowCount(); ++row)
    if (!table->isRowHidden(row))
      table->item(row, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void TakeOverDialog::ShowPage(int index) {
  QTableWidget *table = ui_->differencesTable;
  const QString page = ui_->pageComboBox->itemText(index);
  for (int row = 0; row < table->rowCount(); ++row)
    table->setRowHidden(row, index > 0 && table->item(row, 0)->text() != page);
}

void TakeOverDialog::UpdateCount() {
  const int checked = int(CheckedIds().size());
  const QString count =
      tr("%1 von %2 Einstellungen angekreuzt.").arg(checked).arg(ui_->differencesTable->rowCount());
  ui_->summaryLabel->setText(summary_ + QLatin1Char('\n') + count);
  ui_->differencesTable->setAccessibleDescription(summary_ + QLatin1Char(' ') + count);
  ui_->uebernehmenButton->setEnabled(checked > 0);
}
