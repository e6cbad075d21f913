// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SendPreview.h"

#include "ui_SendPreview.h"

#include <QHeaderView>
#include <QTableWidgetItem>

#include <set>

namespace {

// The registers a setting lives in, as the single register dialog numbers them.
QString Registers(const std::vector<RegisterSpot> &spots) {
  std::set<int> regs;
  for (const RegisterSpot &spot : spots) regs.insert(spot.reg);
  QStringList numbers;
  for (int reg : regs) numbers << QString::number(reg);
  return numbers.join(QStringLiteral(", "));
}

}  // namespace

SendPreview::SendPreview(const std::vector<SettingsCatalog::Difference> &differences,
                         const QString &port, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::SendPreview>()) {
  ui_->setupUi(this);
  QTableWidget *table = ui_->differencesTable;
  const int count = int(differences.size());
  if (count == 0) {
    ui_->summaryLabel->setText(tr("Der Quorex hat bereits diese Einstellungen."));
    ui_->sendenButton->setText(tr("Trotzdem senden"));
    table->hide();
    adjustSize();
  } else {
    ui_->summaryLabel->setText(
        count == 1 ? tr("„Senden“ ändert im Quorex am Port %1 eine Einstellung:").arg(port)
                   : tr("„Senden“ ändert im Quorex am Port %1 diese %2 Einstellungen:")
                         .arg(port)
                         .arg(count));
  }
  table->setAccessibleDescription(ui_->summaryLabel->text());
  table->setRowCount(count);
  int row = 0;
  for (const SettingsCatalog::Difference &difference : differences) {
    const QString cells[] = {difference.page, difference.setting, difference.valueB,
                             difference.valueA, Registers(difference.spots)};
    for (int column = 0; column < 5; ++column)
      table->setItem(row, column, new QTableWidgetItem(cells[column]));
    ++row;
  }
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
  table->resizeColumnsToContents();
  if (count > 0) table->setCurrentIndex(table->model()->index(0, 0));
  connect(ui_->sendenButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(ui_->abbrechenButton, &QPushButton::clicked, this, &QDialog::reject);
  // The list takes the keyboard; Enter there is the default button's, "Abbrechen".
  if (count > 0)
    table->setFocus();
  else
    ui_->abbrechenButton->setFocus();
}

SendPreview::~SendPreview() = default;
