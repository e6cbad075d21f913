// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QMimeData;
class QWidget;
class Register;

// The "&Datei" commands on the register image: Neu, Öffnen, Speichern, Speichern unter, the
// files used last and a register file dropped on the window. Before anything replaces the
// registers it offers to save what would be lost. While `blocked` answers true (a transfer
// needs the registers) Neu and the opening commands refuse.
//
// It also keeps count of the edits made on the pages, so that a read or a factory reset can
// offer to save edits that are in no file and were not sent.
class FileCommands : public QObject {
  Q_OBJECT

 public:
  FileCommands(QWidget *owner, Register &image, std::function<bool()> blocked);

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
  bool Save();
  bool SaveAs();

  // Before a read replaces edits in no file and not sent: the question "Neu" asks. Answers
  // whether to go on.
  bool SaveEditsFirst();
  void NoteEdit() { ++edits_; }
  // The registers now match the console (a read); they hold every edit so far.
  void EditsKept() { KeptUpTo(edits_); }
  // A write takes the edits so far with it; once the console has confirmed it, EditsSent
  // with the answer marks them kept.
  int EditsSending() const { return edits_; }
  void EditsSent(int edits) { KeptUpTo(edits); }

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
  bool SaveTo(const QString &path);
  void FillRecentMenu();
  void KeptUpTo(int edits);

  QWidget *owner_;
  Register &image_;
  std::function<bool()> blocked_;
  QMenu *recentMenu_ = nullptr;
  // Counts the pages closed with OK (or that changed a register); editsKept_ is the count at
  // which the registers last matched a file or the console.
  int edits_ = 0;
  int editsKept_ = 0;
};
