// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LogTableModel.h"

#include <QDir>

#include <numeric>

namespace {

enum Column { kZeit, kVorgang, kQuorex, kPort, kDatei, kErgebnis, kColumns };

}  // namespace

LogTableModel::LogTableModel(std::unique_ptr<LogIndex> index, QObject *parent)
    : QAbstractTableModel(parent), index_(std::move(index)), shown_(size_t(index_->Count())) {
  std::iota(shown_.begin(), shown_.end(), 0);
  if (!index_->HasOlder()) return;
  reader_.start([this, read = index_->OlderReader()] {
    const std::shared_ptr<LogIndex::Older> older = read(closing_);
    if (closing_) return;
    QMetaObject::invokeMethod(
        this, [this, older] { TakeOlder(older); }, Qt::QueuedConnection);
  });
}

LogTableModel::~LogTableModel() {
  closing_ = true;
  reader_.waitForDone();
}

// The rows shown so far are the newest; the older ones that match come in below them.
void LogTableModel::TakeOlder(const std::shared_ptr<LogIndex::Older> &older) {
  index_->TakeOlder(*older);
  std::vector<int> shown = index_->Matching(filter_);
  const int before = rowCount();
  if (int(shown.size()) > before) {
    beginInsertRows(QModelIndex(), before, int(shown.size()) - 1);
    shown_ = std::move(shown);
    endInsertRows();
  } else {
    shown_ = std::move(shown);
  }
  emit Completed();
}

int LogTableModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(shown_.size());
}

int LogTableModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : kColumns;
}

LogEntry LogTableModel::EntryAt(int row) const {
  return index_->Entry(shown_[shown_.size() - 1 - size_t(row)]);
}

QVariant LogTableModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  if (role == Qt::DisplayRole) {
    const LogEntry entry = EntryAt(index.row());
    switch (index.column()) {
      case kZeit: return ProgrammingLog::TimeText(entry.time);
      case kVorgang: return ProgrammingLog::OperationText(entry.operation);
      case kQuorex: return entry.console;
      case kPort: return entry.port;
      case kDatei: return QDir::toNativeSeparators(entry.file);
      case kErgebnis: return ProgrammingLog::ResultText(entry.result);
    }
  }
  // A screen reader reads the message where a mouse would show it.
  if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) {
    const QString message = EntryAt(index.row()).message;
    if (!message.isEmpty()) return message;
  }
  return QVariant();
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  switch (section) {
    case kZeit: return tr("Zeit");
    case kVorgang: return tr("Vorgang");
    case kQuorex: return tr("Quorex");
    case kPort: return tr("Port");
    case kDatei: return tr("Datei");
    case kErgebnis: return tr("Ergebnis");
  }
  return QVariant();
}

void LogTableModel::SetFilter(const QString &text) {
  beginResetModel();
  filter_ = text;
  shown_ = index_->Matching(text);
  endResetModel();
}

std::vector<LogEntry> LogTableModel::ShownEntries() const {
  std::vector<LogEntry> entries;
  entries.reserve(shown_.size());
  for (int row = 0; row < rowCount(); ++row) entries.push_back(EntryAt(row));
  return entries;
}
