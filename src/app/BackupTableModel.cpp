// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BackupTableModel.h"

#include "ProgrammingLog.h"

namespace {

enum Column { kZeit, kQuorex, kPort, kAnlass, kColumns };

}  // namespace

BackupTableModel::BackupTableModel(std::vector<BackupStore::Backup> backups, QObject *parent)
    : QAbstractTableModel(parent), backups_(std::move(backups)) {}

int BackupTableModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(backups_.size());
}

int BackupTableModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant BackupTableModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const BackupStore::Backup &backup = backups_[size_t(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case kZeit: return ProgrammingLog::TimeText(backup.time);
        case kQuorex: return backup.console;
        case kPort: return backup.port;
        case kAnlass: return backup.occasion;
      }
      break;
    case Qt::ToolTipRole: return backup.fileName;
    case kPathRole: return backup.path;
  }
  return QVariant();
}

QVariant BackupTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  switch (section) {
    case kZeit: return tr("Zeit");
    case kQuorex: return tr("Quorex");
    case kPort: return tr("Port");
    case kAnlass: return tr("Anlass");
  }
  return QVariant();
}
