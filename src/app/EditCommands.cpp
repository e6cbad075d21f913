// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EditCommands.h"

#include "ChangesDialog.h"
#include "ConfigPage.h"
#include "ConfigTree.h"
#include "DialogHelpers.h"
#include "DialogSeam.h"
#include "EditHistory.h"
#include "EinzelnesRegister.h"
#include "NativePath.h"
#include "Register.h"
#include "RegisterFile.h"
#include "SettingsText.h"
#include "StatusLine.h"
#include "TakeOverDialog.h"

#include <QAction>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QSet>
#include <QTreeWidget>

#include <algorithm>

namespace {

// A step's name in a menu entry: an "&" of its own is no mnemonic.
QString Named(const QString &command, const QString &step) {
  if (step.isEmpty()) return command;
  QString name = step;
  name.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return command + QStringLiteral(": ") + name;
}

}  // namespace

EditCommands::EditCommands(QWidget *owner, EditHistory &history, QTreeWidget &tree,
                           StatusLine &line)
    : QObject(owner), owner_(owner), history_(history), tree_(tree), line_(line) {
  connect(&history_, &EditHistory::Changed, this, &EditCommands::Refresh);
  // A step's redo runs before the stack counts it: the names follow the stack itself.
  connect(&history_.Steps(), &QUndoStack::indexChanged, this, &EditCommands::UpdateActions);
  Refresh();
}

void EditCommands::AddTo(QMenu &bearbeiten) {
  undo_ = bearbeiten.addAction(tr("&Rückgängig"), this, &EditCommands::Undo);
  undo_->setObjectName(QStringLiteral("rueckgaengigAction"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_ = bearbeiten.addAction(tr("&Wiederholen"), this, &EditCommands::Redo);
  redo_->setObjectName(QStringLiteral("wiederholenAction"));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  bearbeiten.addSeparator();
  QAction *changes = bearbeiten.addAction(tr("&Änderungen ..."), this, &EditCommands::ShowChanges);
  changes->setObjectName(QStringLiteral("aenderungenAction"));
  bearbeiten.addSeparator();
  takeOver_ =
      bearbeiten.addAction(tr("Einstellungen ü&bernehmen ..."), this, &EditCommands::TakeOver);
  takeOver_->setObjectName(QStringLiteral("uebernehmenAction"));
  UpdateActions();
}

void EditCommands::SetUsable(bool usable) {
  usable_ = usable;
  UpdateActions();
  if (dialog_) dialog_->SetTakeBackUsable(usable);
}

void EditCommands::Undo() {
  if (usable_) history_.Steps().undo();
}

void EditCommands::Redo() {
  if (usable_) history_.Steps().redo();
}

void EditCommands::UpdateActions() {
  if (!undo_) return;
  const QUndoStack &steps = history_.Steps();
  undo_->setText(Named(tr("&Rückgängig"), steps.canUndo() ? steps.undoText() : QString()));
  redo_->setText(Named(tr("&Wiederholen"), steps.canRedo() ? steps.redoText() : QString()));
  undo_->setEnabled(usable_ && steps.canUndo());
  redo_->setEnabled(usable_ && steps.canRedo());
  takeOver_->setEnabled(usable_);
}

void EditCommands::Refresh() {
  const QString line = history_.Line();
  line_.SetStatus(line);
  tree_.setAccessibleDescription(line);
  const auto changes = history_.Changes();
  QSet<QString> pages;
  for (const auto &change : changes) pages.insert(change.page);
  ConfigTree::MarkChanged(tree_, pages);
  UpdateActions();
  if (!dialog_) return;
  const QString since = history_.StandText();
  dialog_->SetChanges(changes, changes.empty()
                                   ? tr("Keine Einstellung hat sich %1 geändert.").arg(since)
                                   : tr("Einstellungen, die sich %1 geändert haben:").arg(since));
}

void EditCommands::ShowChanges() {
  if (!dialog_) {
    auto *dialog = new ChangesDialog(owner_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    KeepTitleVisible(*dialog);
    connect(dialog, &ChangesDialog::TakeBackRequested, this, [this](const QStringList &ids) {
      if (usable_) history_.TakeBack(ids);
    });
    connect(dialog, &ChangesDialog::OpenRequested, this, &EditCommands::OpenSetting);
    dialog_ = dialog;
    dialog_->SetTakeBackUsable(usable_);
    Refresh();
  }
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void EditCommands::TakeOver() {
  if (!usable_) return;
  const QString path = DialogSeam::Instance().AskSettingsFileName(owner_);
  if (!path.isEmpty()) TakeOverFrom(path);
}

void EditCommands::TakeOverFrom(const QString &path) {
  if (!usable_) return;
  const QStringList program = history_.Image().AllTexts();
  QStringList other;
  QString error;
  // A register file or a backup as it stands; else a settings text over the program's own.
  if (!ReadRegisterFile(path, &other, &error)) {
    QString textError;
    QStringList details;
    if (!SettingsText(history_.Catalog()).ReadFile(path, &program, &other, &textError, &details)) {
      // Whichever reading got further names the fault.
      ShowMessage(owner_, details.isEmpty() ? error : textError, tr("Fehler"),
                  QMessageBox::Critical, QMessageBox::Ok, details.join(QLatin1Char('\n')));
      return;
    }
  }
  std::vector<SettingsCatalog::Difference> differences =
      history_.Catalog().Compare(program, other);
  // The FMS editor's fields are seen in their telegrams; one box each is enough.
  differences.erase(std::remove_if(differences.begin(), differences.end(),
                                   [this](const SettingsCatalog::Difference &difference) {
                                     const auto *setting = history_.Catalog().FindId(difference.id);
                                     return setting && setting->view;
                                   }),
                    differences.end());
  const QString name = NativePath::Shown(QFileInfo(path).fileName());
  if (differences.empty()) {
    ShowMessage(owner_, tr("%1 enthält keine Einstellung, die sich vom Programm unterscheidet.")
                            .arg(name),
                tr("Einstellungen übernehmen"), QMessageBox::Information, QMessageBox::Ok);
    return;
  }
  TakeOverDialog dialog(differences, tr("In %1").arg(name),
                        tr("Einstellungen, in denen sich %1 vom Programm unterscheidet:").arg(name),
                        owner_);
  KeepTitleVisible(dialog);
  // The registers may have changed under a long look at the list (a read finishing): only
  // what is still usable is taken.
  if (dialog.exec() != QDialog::Accepted || !usable_) return;
  history_.TakeOver(other, dialog.CheckedIds(), name);
}

void EditCommands::OpenSetting(const QString &id) {
  // As in the tree: no page while a read is about to replace the registers.
  if (!tree_.isEnabled()) return;
  for (const auto &change : history_.Changes()) {
    if (change.id != id) continue;
    const QTreeWidgetItem *item = ConfigTree::FindPage(tree_, change.page);
    if (!item) return;
    RunPage(*item, change.spots);
    break;
  }
  if (dialog_) {
    dialog_->raise();
    dialog_->activateWindow();
  }
}

bool EditCommands::RunPage(const QTreeWidgetItem &item, const std::vector<RegisterSpot> &focus,
                           const QString &name) {
  std::unique_ptr<QDialog> page = ConfigTree::CreatePage(item, history_.Image(), owner_);
  if (!page) return false;
  auto *configPage = qobject_cast<ConfigPage *>(page.get());
  if (configPage && !configPage->CheckRegisters()) return false;
  if (configPage && !focus.empty()) configPage->FocusSetting(focus.front(), name);
  if (auto *single = qobject_cast<EinzelnesRegister *>(page.get())) {
    connect(single, &EinzelnesRegister::Written, this,
            [this](const RegisterEdit &edit) { history_.Record(edit); });
    if (!focus.empty()) single->ShowRegister(focus.front().reg);
  }
  if (page->exec() == QDialog::Accepted && configPage) history_.Record(configPage->Edit());
  return true;
}
