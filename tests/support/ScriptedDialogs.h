// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DialogSeam.h"

#include <QList>
#include <QString>
#include <QStringList>

// Stands in for every message box and file dialog while installed: records what was shown
// and answers from the scripts below, so no test ever blocks on a modal box.
class ScriptedDialogs : public DialogSeam {
 public:
  struct Shown {
    QString text;
    QString caption;  // as given; empty means the application's name
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QString detailedText;
    QMessageBox::StandardButton defaultButton;
  };

  ScriptedDialogs() { DialogSeam::Install(this); }
  ~ScriptedDialogs() override { DialogSeam::Install(nullptr); }

  QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                          const QString &caption, QMessageBox::Icon icon,
                                          QMessageBox::StandardButtons buttons,
                                          const QString &detailedText,
                                          QMessageBox::StandardButton defaultButton) override;
  QString AskOpenFileName(QWidget *owner) override;
  // Answers from openNames as well.
  QString AskSettingsFileName(QWidget *owner) override;
  QString AskSaveFileName(QWidget *owner, const QString &proposed) override;
  QString AskReportFileName(QWidget *owner, QString *selectedFilter) override;
  QString AskCsvFileName(QWidget *owner) override;
  // Prints into the PDF file named next in printFiles, as "Drucken" to a file would.
  bool AskPrinter(QWidget *owner, QPrinter &printer) override;

  // Answers for the next boxes, in order; when none is left a box answers as a technician
  // pressing Enter would: its default button, or else its first one (OK, Yes).
  QList<QMessageBox::StandardButton> answers;
  // File names for the next file dialogs; an empty name (or none left) means cancelled.
  QStringList openNames;
  QStringList saveNames;
  // The file name each save dialog proposed, in order.
  QStringList saveProposals;
  // The settings report: file names and, beside each, the file type chosen in the dialog.
  QStringList reportNames;
  QStringList reportFilters;
  // Where the next exports of the programming log go.
  QStringList csvNames;
  // PDF files the next print dialogs print into; an empty name (or none left) cancels.
  QStringList printFiles;

  QList<Shown> shown;
  int openDialogs = 0;
  int saveDialogs = 0;
  int reportDialogs = 0;
  int csvDialogs = 0;
  int printDialogs = 0;

  const Shown &Last() const { return shown.constLast(); }
};
