// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ConsoleCommands.h"
#include "ConsoleController.h"
#include "EditHistory.h"
#include "ExtrasCommands.h"
#include "FileCommands.h"
#include "Register.h"

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <memory>

class EditCommands;
class QMenuBar;
class QTreeWidgetItem;

namespace Ui {
class CQuorexDlg;
}

// The program's one window: port choice, the four console buttons, progress bar and status
// line, the tree of configuration pages and the menus. It owns the register image for the
// whole run and wires the parts that do the work: the console jobs (ConsoleController), the
// "&Datei" commands (FileCommands), the "&Bearbeiten" menu and the history of changes
// (EditCommands, EditHistory), the "&Extras" menu (ExtrasCommands) and the tree's entries
// (ConfigTree). It is the only place that enables or disables the console buttons and the
// tree, and it looks after the keyboard focus and the closing.
class CQuorexDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CQuorexDlg(QWidget *parent = nullptr);
  ~CQuorexDlg() override;

  Register &Image() { return register_; }
  EditHistory &History() { return history_; }
  const ConsoleSession &Session() const { return controller_.Session(); }
  // The console jobs and the states of the buttons and the tree they follow.
  ConsoleController &Controller() { return controller_; }
  QMenuBar *MenuBar() const { return menuBar_; }

  // The port "Port:" shows when the window first appears, instead of the one it would offer.
  void ChoosePort(const QString &port) { startPort_ = port; }

  // Steps the progress bar once; past its end it starts over from the left.
  void StepProgress();

  // The console's pacing for transfers started from now on (tests shorten it).
  void SetTiming(const Timing &timing) { controller_.SetTiming(timing); }
  const Timing &TransferTiming() const { return controller_.GetTiming(); }
  // Where backups and the log go (tests keep their own).
  void SetDataFolder(const QString &folder) { controller_.SetDataFolder(folder); }
  // True while a transfer or a factory reset still holds the console.
  bool IsTransferRunning() const { return controller_.IsBusy(); }
  // True from the press of "Lesen" (or a confirmed factory reset, or a comparison or check
  // with the console) until that read has ended.
  bool IsReadPending() const { return controller_.IsReadPending(); }

  // The "&Datei" commands; each answers whether it went through.
  void New() { files_.New(); }
  bool Open() { return files_.Open(); }
  bool OpenFile(const QString &path) { return files_.OpenFile(path); }
  bool OpenKnownFile(const QString &path) { return files_.OpenKnownFile(path); }
  bool Save() { return files_.Save(); }
  bool SaveAs() { return files_.SaveAs(); }
  // The closing question; answers whether the program may end now.
  bool MayClose();
  // A signal ends the program without a question: a console job is broken off and logged as
  // if cancelled. Answers what the technician must be told, one line each.
  QStringList EndBySignal();

 public slots:
  void accept() override;  // Enter
  void reject() override;  // Escape, close box

 protected:
  void showEvent(QShowEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

 private:
  void BuildMenus();
  void ConnectController();
  void ApplyStates(const ControlStates &states);
  void PushPortName();
  QString PullPortName();
  void OnEntryChosen(QTreeWidgetItem *item);
  void OpenPendingPage();
  void OpenPage(QTreeWidgetItem *item);
  void OnHilfe();
  void OnInfo();
  void SetStatus(const QString &text);
  void RememberFocus();
  void RestoreFocus();
  void EndProgram();

  Register register_;
  std::unique_ptr<Ui::CQuorexDlg> ui_;
  ConsoleController controller_;
  EditHistory history_;
  FileCommands files_;
  ExtrasCommands extras_;
  ConsoleCommands console_;
  EditCommands *edits_ = nullptr;
  QMenuBar *menuBar_ = nullptr;
  bool portsFollowed_ = false;
  bool portsListed_ = false;
  QString portName_;
  QString startPort_;
  bool closing_ = false;
  bool endedBySignal_ = false;
  // The tree entry whose page opens once the tree's signal has returned. The tree keeps its
  // entries for the window's whole life.
  QTreeWidgetItem *pendingPage_ = nullptr;
  QPointer<QPushButton> focusBeforeTransfer_;
};
