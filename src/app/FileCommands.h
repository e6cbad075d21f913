// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class EditHistory;
class QMenu;
class QMimeData;
class QWidget;
class Register;

// The "&Datei" commands on the register image: Neu, Öffnen, Speichern, Speichern unter, the
// files used last and a register file dropped on the window. Before anything replaces the
// registers it offers to save what would be lost. While `blocked` answers true (a transfer
// needs the registers) Neu and the opening commands refuse.
//
// "Speichern" writes without asking only to the file the settings come from; settings read
// from a console or taken from a backup have none, and the dialog proposes a name. Nothing is
// saved into the folder `backupFolder` names: it holds the backups and nothing else.
class FileCommands : public QObject {
  Q_OBJECT

 public:
  FileCommands(QWidget *owner, Register &image, EditHistory &history,
               std::function<bool()> blocked, std::function<QString()> backupFolder);

  // Adds the commands to the "&Datei" menu, "Zuletzt geöffnet" included.
  void AddTo(QMenu &datei);

  void New();
  bool Open();
  // Loads a register file as "Öffnen ..." does once the name is chosen: a file that is not a
  // valid register file is refused with a message and changes nothing. Asks nothing first.
  bool OpenFile(const QString &path);
  // A file known without a file dialog (a recent file, a dropped file): refused while blocked,
  // and unsaved changes are offered for saving first.
  bool OpenKnownFile(const QString &path);
  // A backup, as OpenKnownFile, but taken as a copy: the settings come from no file, and the
  // backup is neither remembered nor its folder the dialogs'.
  bool OpenBackup(const QString &path);
  bool Save();
  bool SaveAs();

  // Before a read replaces changes neither saved nor sent: the question "Neu" asks. Answers
  // whether to go on.
  bool SaveEditsFirst();

  // A drag that brings one local register file, and its dropping.
  bool Accepts(const QMimeData *mime) const;
  void Drop(const QMimeData *mime);

 signals:
  // A register file was opened: "Senden" and the pages may be used.
  void Opened();
  // How the last command ended, in one line for the window's status line.
  void Status(const QString &text);

 private:
  bool SaveChangesFirst();
  bool AskSaveFirst();
  bool Load(const QString &path, bool copy);
  bool InBackups(const QString &path) const;
  QString AskSaveName();
  bool SaveTo(const QString &path);
  void FillRecentMenu();

  QWidget *owner_;
  Register &image_;
  EditHistory &history_;
  std::function<bool()> blocked_;
  std::function<QString()> backupFolder_;
  QMenu *recentMenu_ = nullptr;
};
