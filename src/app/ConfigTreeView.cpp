// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConfigTreeView.h"

#include <QKeyEvent>
#include <QSignalBlocker>

ConfigTreeView::ConfigTreeView(QWidget *parent) : QTreeWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QTreeWidget::itemClicked, this, &ConfigTreeView::EntryChosen);
  connect(this, &QTreeWidget::itemSelectionChanged, this, &ConfigTreeView::OnSelectionChanged);
}

QItemSelectionModel::SelectionFlags ConfigTreeView::selectionCommand(const QModelIndex &,
                                                                     const QEvent *) const {
  return QItemSelectionModel::NoUpdate;
}

void ConfigTreeView::keyPressEvent(QKeyEvent *event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      // Taken here in any case: the window would read an Enter it gets as "close".
      if (event->modifiers() & ~Qt::KeypadModifier) break;
      event->accept();
      if (QTreeWidgetItem *item = currentItem()) Choose(item);
      return;
    default:
      break;
  }
  QTreeWidget::keyPressEvent(event);
}

void ConfigTreeView::OnSelectionChanged() {
  const QList<QTreeWidgetItem *> selected = selectedItems();
  if (selected.isEmpty()) return;
  QTreeWidgetItem *item = selected.constFirst();
  {
    const QSignalBlocker blocker(this);
    clearSelection();
  }
  viewport()->update();
  // The keys go on from the chosen entry.
  setCurrentItem(item);
  Choose(item);
}

// A group has no page of its own: choosing it by key or by a screen reader unfolds or folds
// it. A click does not, as a double click would fold what the first click unfolded.
void ConfigTreeView::Choose(QTreeWidgetItem *item) {
  if (item->childCount() > 0)
    item->setExpanded(!item->isExpanded());
  else
    emit EntryChosen(item);
}
