// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTreeWidget>

// The configuration tree as a technician walks it: arrow keys, Home, End, the page keys and
// Left/Right only move the current entry or fold a group. Enter, Return, Space, a click, or
// an assistive tool's activation choose the entry, once each (a group unfolds or folds).
//
// Moving never selects; a selection comes only from outside (a screen reader's activation,
// a test) and counts as a choice, after which it is cleared, so the same entry can be chosen
// again.
class ConfigTreeView : public QTreeWidget {
  Q_OBJECT

 public:
  explicit ConfigTreeView(QWidget *parent = nullptr);

 signals:
  void EntryChosen(QTreeWidgetItem *item);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                       const QEvent *event) const override;
  void keyPressEvent(QKeyEvent *event) override;

 private:
  void OnSelectionChanged();
  void Choose(QTreeWidgetItem *item);
};
