// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScriptedDialogs.h"

#include <QPrinter>

QMessageBox::StandardButton ScriptedDialogs::ShowMessage(QWidget *, const QString &text,
                                                         const QString &caption,
                                                         QMessageBox::Icon icon,
                                                         QMessageBox::StandardButtons buttons,
                                                         const QString &detailedText,
                                                         QMessageBox::StandardButton defaultButton) {
  shown.append({text, caption, icon, buttons, detailedText, defaultButton});
  if (!answers.isEmpty()) return answers.takeFirst();
  if (defaultButton != QMessageBox::NoButton) return defaultButton;
  for (auto button : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
    if (buttons.testFlag(button)) return button;
  return QMessageBox::NoButton;
}

QString ScriptedDialogs::AskOpenFileName(QWidget *) {
  ++openDialogs;
  return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedDialogs::AskSettingsFileName(QWidget *owner) { return AskOpenFileName(owner); }

QString ScriptedDialogs::AskSaveFileName(QWidget *, const QString &proposed) {
  ++saveDialogs;
  saveProposals << proposed;
  return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

QString ScriptedDialogs::AskReportFileName(QWidget *, QString *selectedFilter) {
  ++reportDialogs;
  const QString filter = reportFilters.isEmpty() ? QString() : reportFilters.takeFirst();
  if (selectedFilter) *selectedFilter = filter;
  return reportNames.isEmpty() ? QString() : reportNames.takeFirst();
}

QString ScriptedDialogs::AskCsvFileName(QWidget *) {
  ++csvDialogs;
  return csvNames.isEmpty() ? QString() : csvNames.takeFirst();
}

bool ScriptedDialogs::AskPrinter(QWidget *, QPrinter &printer) {
  ++printDialogs;
  const QString file = printFiles.isEmpty() ? QString() : printFiles.takeFirst();
  if (file.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  return true;
}
