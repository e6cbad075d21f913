// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LogIndex.h"

#include <QAbstractTableModel>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <vector>

// The programming log as a table, newest first: Zeit | Vorgang | Quorex | Port | Datei |
// Ergebnis, each row's message as its tooltip and its description for a screen reader. Rows
// are read from the log as the view asks for them, so a log of any length opens at once. Where
// the index holds the newest lines only, the older ones are read on a thread of their own and
// come in below them.
class LogTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // `index` has been loaded, in whole or its newest lines.
  explicit LogTableModel(std::unique_ptr<LogIndex> index, QObject *parent = nullptr);
  ~LogTableModel() override;

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // Keeps the rows in which `text` occurs, ignoring case, in any column or in the message.
  void SetFilter(const QString &text);
  int Total() const { return index_->Count(); }
  int Damaged() const { return index_->Damaged(); }
  // False while older lines are still being read.
  bool IsComplete() const { return !index_->HasOlder(); }
  // The entries of the rows shown, from top to bottom.
  std::vector<LogEntry> ShownEntries() const;

 signals:
  // The older lines have come in.
  void Completed();

 private:
  LogEntry EntryAt(int row) const;
  void TakeOlder(const std::shared_ptr<LogIndex::Older> &older);

  std::unique_ptr<LogIndex> index_;
  QString filter_;
  // The lines shown, oldest first; row 0 is the last of them.
  std::vector<int> shown_;
  std::atomic<bool> closing_{false};
  // Declared last, so it is the first to go: it waits for the older lines' reading, which
  // `closing_` cuts short.
  QThreadPool reader_;
};
