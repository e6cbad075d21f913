// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Ui {
class ChangesDialog;
}

// "Änderungen": every setting that differs from the Stand, one row each: Seite | Einstellung |
// vorher | jetzt | Register. The selected rows can be taken back ("Zurücknehmen"), Enter (or
// "Seite öffnen") asks for the page of the current row, Ctrl+C (or "Kopieren") copies the
// selected rows, or all, as tab-separated text. It changes nothing itself: whoever shows it
// answers its requests and gives it the list afresh.
class ChangesDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ChangesDialog(QWidget *parent = nullptr);
  ~ChangesDialog() override;

  // Fills the list; the current row and the selection stay where their settings are still
  // listed. `summary` says since when.
  void SetChanges(const std::vector<SettingsCatalog::Difference> &changes, const QString &summary);
  // Whether settings may be taken back now (no transfer needs them).
  void SetTakeBackUsable(bool usable);

  QString CopyText() const;
  void Copy() const;

  // The register column: "12: Stelle 3", "20: Stellen 0-7; 23: Stellen 1-2".
  static QString SpotsText(const std::vector<RegisterSpot> &spots);

 signals:
  void TakeBackRequested(const QStringList &ids);
  void OpenRequested(const QString &id);

 private:
  QStringList SelectedIds() const;
  QString CurrentId() const;
  void RequestOpen();
  void UpdateButtons();

  std::unique_ptr<Ui::ChangesDialog> ui_;
  bool takeBackUsable_ = true;
};
