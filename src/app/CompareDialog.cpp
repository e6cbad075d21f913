// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CompareDialog.h"

#include "ui_CompareDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeySequence>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

// A cell is one field of a tab-separated line: tabs and line breaks inside it would split it.
QString Field(const QString &text) {
  QString field = text;
  for (QChar &c : field)
    if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
      c = QLatin1Char(' ');
  return field;
}

}  // namespace

CompareDialog::CompareDialog(const std::vector<SettingsCatalog::Difference> &differences,
                             const QString &programColumn, const QString &otherColumn,
                             const QString &summary, QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CompareDialog>()) {
  ui_->setupUi(this);
  ui_->summaryLabel->setText(summary);
  QTableWidget *table = ui_->differencesTable;
  table->horizontalHeaderItem(2)->setText(programColumn);
  table->horizontalHeaderItem(3)->setText(otherColumn);
  table->setAccessibleDescription(summary);
  FillTable(*table, differences);
  table->resizeColumnsToContents();
  // The arrow keys start at the first row without selecting it, so Ctrl+C still copies all.
  if (!differences.empty()) table->setCurrentIndex(table->model()->index(0, 0));
  table->clearSelection();

  // The table would take Ctrl+C for itself and copy just the one cell that has the focus.
  auto *copy = new QAction(tr("&Kopieren"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(copy);
  table->addAction(copy);
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copy, &QAction::triggered, this, &CompareDialog::Copy);
  connect(ui_->copyButton, &QPushButton::clicked, this, &CompareDialog::Copy);
  connect(ui_->closeButton, &QPushButton::clicked, this, &QDialog::reject);
  table->setFocus();
}

CompareDialog::~CompareDialog() = default;

void CompareDialog::FillTable(QTableWidget &table,
                              const std::vector<SettingsCatalog::Difference> &differences) {
  table.setRowCount(int(differences.size()));
  int row = 0;
  for (const SettingsCatalog::Difference &difference : differences) {
    const QString cells[] = {difference.page, difference.setting, difference.valueA,
                             difference.valueB};
    for (int column = 0; column < 4; ++column)
      table.setItem(row, column, new QTableWidgetItem(cells[column]));
    ++row;
  }
  // One line of text per row, as in a list, rather than the table's roomy default.
  table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().height() + 6);
}

QString CompareDialog::CopyText() const { return TableText(*ui_->differencesTable); }

QString CompareDialog::TableText(const QTableWidget &table) {
  QList<int> rows;
  for (const QModelIndex &index : table.selectionModel()->selectedRows()) rows.append(index.row());
  std::sort(rows.begin(), rows.end());
  if (rows.isEmpty())
    for (int row = 0; row < table.rowCount(); ++row) rows.append(row);

  QStringList header;
  for (int column = 0; column < table.columnCount(); ++column)
    header.append(Field(table.horizontalHeaderItem(column)->text()));
  QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (int row : rows) {
    QStringList fields;
    for (int column = 0; column < table.columnCount(); ++column)
      fields.append(Field(table.item(row, column)->text()));
    text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

void CompareDialog::Copy() const { QApplication::clipboard()->setText(CopyText()); }
