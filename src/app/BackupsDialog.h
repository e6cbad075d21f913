// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "BackupStore.h"
#include "CompareDialog.h"

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Ui {
class BackupsDialog;
}

// "Sicherungen ...": the backups of every console read, newest first (Zeit | Quorex | Port |
// Anlass). "Öffnen" (or Enter, or a double click) closes the dialog with the chosen backup, for
// the caller to open as "Öffnen ..." opens a file; "Mit Programm vergleichen" shows the settings
// in which the program and the backup differ; "Ordner anzeigen" opens the folder in the file
// manager; "Einstellungen übernehmen ..." closes it asking to take settings from the chosen
// backup (TakeOverRequested).
class BackupsDialog : public QDialog {
  Q_OBJECT

 public:
  // `programTexts` are the program's 200 registers, compared with a backup on request.
  BackupsDialog(const std::vector<BackupStore::Backup> &backups, const QString &folder,
                const QStringList &programTexts, QWidget *parent = nullptr);
  ~BackupsDialog() override;

  // The backup chosen with "Öffnen": its full path, or empty.
  QString ChosenFile() const { return chosen_; }
  // The list of differences shown last, while it is open.
  CompareDialog *Comparison() const { return comparison_; }

 signals:
  void TakeOverRequested(const QString &path);

 private:
  QString SelectedPath() const;
  void UpdateButtons();
  void OpenSelected();
  void CompareSelected();
  void ShowFolder();

  std::unique_ptr<Ui::BackupsDialog> ui_;
  QString folder_;
  QStringList programTexts_;
  QString chosen_;
  QPointer<CompareDialog> comparison_;
};
