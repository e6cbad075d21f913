// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChangesDialog.h"

#include "CompareDialog.h"
#include "ui_ChangesDialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeySequence>
#include <QSet>
#include <QTableWidgetItem>

namespace {

constexpr int kIdRole = Qt::UserRole;

// "0-7" for a run, "0, 3" otherwise.
QString Positions(const std::vector<int> &positions) {
  bool run = true;
  for (std::size_t i = 1; i < positions.size(); ++i)
    run = run && positions[i] == positions[i - 1] + 1;
  if (run && positions.size() > 1)
    return QStringLiteral("%1-%2").arg(positions.front()).arg(positions.back());
  QStringList numbers;
  for (int pos : positions) numbers << QString::number(pos);
  return numbers.join(QStringLiteral(", "));
}

}  // namespace

ChangesDialog::ChangesDialog(QWidget *parent)
    : QDialog(parent), ui_(std::make_unique<Ui::ChangesDialog>()) {
  ui_->setupUi(this);
  QTableWidget *table = ui_->changesTable;
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);

  // The table would take Ctrl+C for itself and copy just the one cell that has the focus.
  auto *copy = new QAction(tr("&Kopieren"), this);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  addAction(copy);
  table->addAction(copy);
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copy, &QAction::triggered, this, &ChangesDialog::Copy);
  connect(ui_->kopierenButton, &QPushButton::clicked, this, &ChangesDialog::Copy);
  connect(ui_->schliessenButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->zuruecknehmenButton, &QPushButton::clicked, this, [this] {
    const QStringList ids = SelectedIds();
    if (!ids.isEmpty() && takeBackUsable_) emit TakeBackRequested(ids);
  });
  // Enter on a row; the page opens once the view's signal has returned.
  connect(table, &QTableWidget::activated, this, [this] {
    QMetaObject::invokeMethod(this, &ChangesDialog::RequestOpen, Qt::QueuedConnection);
  });
  connect(ui_->oeffnenButton, &QPushButton::clicked, this, &ChangesDialog::RequestOpen);
  connect(table, &QTableWidget::itemSelectionChanged, this, &ChangesDialog::UpdateButtons);
  connect(table, &QTableWidget::currentCellChanged, this, &ChangesDialog::UpdateButtons);
  table->setFocus();
}

ChangesDialog::~ChangesDialog() = default;

void ChangesDialog::SetChanges(const std::vector<SettingsCatalog::Difference> &changes,
                               const QString &summary) {
  QTableWidget *table = ui_->changesTable;
  const QStringList selectedIds = SelectedIds();
  const QSet<QString> selected(selectedIds.begin(), selectedIds.end());
  const QString current = CurrentId();
  const int currentRow = table->currentRow();

  ui_->summaryLabel->setText(summary);
  table->setAccessibleDescription(summary);
  table->clearSelection();
  table->setRowCount(int(changes.size()));
  int row = 0;
  int keep = -1;
  for (const SettingsCatalog::Difference &change : changes) {
    const QString cells[] = {change.page, change.setting, change.valueA, change.valueB,
                             SpotsText(change.spots)};
    for (int column = 0; column < 5; ++column) {
      auto *item = new QTableWidgetItem(cells[column]);
      item->setData(kIdRole, change.id);
      table->setItem(row, column, item);
    }
    if (change.id == current) keep = row;
    ++row;
  }
  table->resizeColumnsToContents();
  if (row > 0) {
    // A row taken back leaves the keys where it stood.
    if (keep < 0) keep = qBound(0, currentRow, row - 1);
    table->selectionModel()->setCurrentIndex(table->model()->index(keep, 0),
                                             QItemSelectionModel::NoUpdate);
    for (int r = 0; r < row; ++r)
      if (selected.contains(table->item(r, 0)->data(kIdRole).toString())) table->selectRow(r);
  }
  UpdateButtons();
}

void ChangesDialog::SetTakeBackUsable(bool usable) {
  takeBackUsable_ = usable;
  UpdateButtons();
}

void ChangesDialog::UpdateButtons() {
  ui_->zuruecknehmenButton->setEnabled(takeBackUsable_ && !SelectedIds().isEmpty());
  ui_->oeffnenButton->setEnabled(!CurrentId().isEmpty());
  ui_->kopierenButton->setEnabled(ui_->changesTable->rowCount() > 0);
}

QStringList ChangesDialog::SelectedIds() const {
  QStringList ids;
  const QTableWidget *table = ui_->changesTable;
  for (const QModelIndex &index : table->selectionModel()->selectedRows())
    ids << table->item(index.row(), 0)->data(kIdRole).toString();
  return ids;
}

QString ChangesDialog::CurrentId() const {
  const QTableWidget *table = ui_->changesTable;
  const int row = table->currentRow();
  return row >= 0 && row < table->rowCount() ? table->item(row, 0)->data(kIdRole).toString()
                                             : QString();
}

void ChangesDialog::RequestOpen() {
  const QString id = CurrentId();
  if (!id.isEmpty()) emit OpenRequested(id);
}

QString ChangesDialog::CopyText() const { return CompareDialog::TableText(*ui_->changesTable); }

void ChangesDialog::Copy() const { QApplication::clipboard()->setText(CopyText()); }

QString ChangesDialog::SpotsText(const std::vector<RegisterSpot> &spots) {
  std::vector<std::pair<int, std::vector<int>>> groups;
  for (RegisterSpot spot : spots) {
    if (groups.empty() || groups.back().first != spot.reg) groups.push_back({spot.reg, {}});
    groups.back().second.push_back(spot.pos);
  }
  QStringList parts;
  for (const auto &[reg, positions] : groups)
    parts << (positions.size() == 1 ? tr("%1: Stelle %2") : tr("%1: Stellen %2"))
                 .arg(reg)
                 .arg(Positions(positions));
  return parts.join(QStringLiteral("; "));
}
