// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PageTable.h"

#include <QObject>
#include <QPointer>

#include <vector>

class ChangesDialog;
class EditHistory;
class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class StatusLine;

// The "&Bearbeiten" menu and what shows the history of changes in the window: "Rückgängig"
// and "Wiederholen", each naming its step, "Änderungen ..." with the list of changes, the
// line that says where the settings come from, and the marks of changed pages in the tree.
// It also runs the pages, so that every page's change becomes a step. Undo, redo and taking
// back are refused while a transfer needs the registers (SetUsable).
class EditCommands : public QObject {
  Q_OBJECT

 public:
  EditCommands(QWidget *owner, EditHistory &history, QTreeWidget &tree, StatusLine &line);

  void AddTo(QMenu &bearbeiten);
  void SetUsable(bool usable);
  bool IsUsable() const { return usable_; }

  void Undo();
  void Redo();
  // "Änderungen ...": not modal, so it can stay open beside the pages; a second call brings
  // it to the front.
  void ShowChanges();
  // "Einstellungen übernehmen ...": asks for a register file, a backup or a settings text and
  // runs TakeOverFrom on it.
  void TakeOver();
  // Lists the settings in which the file at `path` differs from the program, each with a box
  // to check; the checked ones become one step. A settings text may hold only some settings:
  // the others count as the program's own. Refused, with a message, while a transfer needs
  // the registers or when the file cannot be read.
  void TakeOverFrom(const QString &path);

  // Runs the page of `item` on the register image; its OK, or each "Schreiben" of the single
  // register dialog, becomes a step. `focus`: the spots of the setting whose control gets the
  // keyboard first, `name` its name on the page where the spots hold more than one setting.
  // Answers false when there was no page to run.
  bool RunPage(const QTreeWidgetItem &item, const std::vector<RegisterSpot> &focus = {},
               const QString &name = QString());

 private:
  void Refresh();
  void UpdateActions();
  void OpenSetting(const QString &id);

  QWidget *owner_;
  EditHistory &history_;
  QTreeWidget &tree_;
  StatusLine &line_;
  QAction *undo_ = nullptr;
  QAction *redo_ = nullptr;
  QAction *takeOver_ = nullptr;
  bool usable_ = true;
  QPointer<ChangesDialog> dialog_;
};
