// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupStore.h"

#include <QAbstractTableModel>

#include <vector>

// The backups as a table, in the order given: Zeit | Quorex | Port | Anlass, each row's file
// name as its tooltip. Texts are made as the view asks for them, so two thousand backups open
// at once.
class BackupTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // A row's full path.
  static constexpr int kPathRole = Qt::UserRole;

  explicit BackupTableModel(std::vector<BackupStore::Backup> backups, QObject *parent = nullptr);

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  std::vector<BackupStore::Backup> backups_;
};
