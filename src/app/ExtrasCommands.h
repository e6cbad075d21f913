// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CompareDialog;
class ConsoleController;
class QMenu;
class QWidget;
class Register;

// The "&Extras" menu: the settings report saved or printed, the comparison of the program's
// registers with a register file or with the console at `portName`'s port, the list of
// differences, the choices to check every write by reading it back and to back the console up
// before it, and to show what a write would change before it sends (all remembered between
// runs), the backups and the programming log. Nothing here
// changes the registers but a backup opened through `openFile`, which asks about unsaved edits
// as "Öffnen ..." does; nothing may hold the port while a job runs.
class ExtrasCommands : public QObject {
  Q_OBJECT

 public:
  ExtrasCommands(QWidget *owner, const Register &image, ConsoleController &controller,
                 std::function<QString()> portName,
                 std::function<bool(const QString &)> openFile);

  void AddTo(QMenu &extras);
  bool VerifyAfterWrite() const { return verifyAfterWrite_; }
  bool BackUpBeforeWrite() const { return backUpBeforeWrite_; }
  bool LookBeforeWrite() const { return lookBeforeWrite_; }

  void SaveReport();
  void PrintReport();
  void CompareWithFile();
  void CompareWithConsole(const QString &port);
  // "Sicherungen ..." and "Protokoll ...": window-modal, without a nested event loop.
  void ShowBackups();
  void ShowLog();

 signals:
  // How the last command ended, in one line for the window's status line.
  void Status(const QString &text);
  // "Einstellungen übernehmen ..." in the backups' list, for the backup at `path`; sent once
  // that list has closed.
  void TakeOverRequested(const QString &path);

 private:
  QString ReportHtml() const;
  // Adds a checkable entry that remembers its choice in `*flag` and through `store`.
  void AddChoice(QMenu &extras, const QString &text, const char *name, bool *flag,
                 void (*store)(bool));
  void ShowCheckResult(const QStringList &sent, const QStringList &console);
  // What "Senden" would change; the answer sends or sends nothing.
  void AskBeforeSending(const QStringList &sent, const QStringList &console);
  // "Keine Unterschiede." when the two sets are equal, else the list of differences.
  void ShowComparison(const QStringList &program, const QStringList &other, const QString &title,
                      const QString &summary, const QString &otherColumn);
  void ShowDifferences(const std::vector<SettingsCatalog::Difference> &differences,
                       const QString &title, const QString &summary,
                       const QString &programColumn, const QString &otherColumn);

  QWidget *owner_;
  const Register &image_;
  ConsoleController &controller_;
  std::function<QString()> portName_;
  std::function<bool(const QString &)> openFile_;
  bool verifyAfterWrite_ = false;
  bool backUpBeforeWrite_ = false;
  bool lookBeforeWrite_ = false;
  QPointer<CompareDialog> compareDialog_;
};
