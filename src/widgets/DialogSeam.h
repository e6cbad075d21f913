// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// Every message box and file dialog of the program goes through here, so that tests can
// install a scripted stand-in that records what was shown and answers as told.
class DialogSeam {
 public:
  virtual ~DialogSeam() = default;

  // An empty caption shows the application's name, as a box without a caption of its own
  // does on every platform. `defaultButton` is the one Enter presses (NoButton: Qt's choice).
  // Answers the button that closed the box.
  virtual QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                                  const QString &caption,
                                                  QMessageBox::Icon icon,
                                                  QMessageBox::StandardButtons buttons,
                                                  const QString &detailedText,
                                                  QMessageBox::StandardButton defaultButton) = 0;
  // Full path of the chosen register file, or empty when the technician cancelled.
  virtual QString AskOpenFileName(QWidget *owner) = 0;
  // "Einstellungen übernehmen": a register file, a backup or a settings text to take settings
  // from; full path, or empty when cancelled.
  virtual QString AskSettingsFileName(QWidget *owner) = 0;
  // `proposed`: the file name the dialog offers, or empty for none.
  virtual QString AskSaveFileName(QWidget *owner, const QString &proposed) = 0;
  // Where to save the settings report: full path, or empty when cancelled. *selectedFilter
  // is set to the file type chosen, ReportPdfFilter() or ReportHtmlFilter().
  virtual QString AskReportFileName(QWidget *owner, QString *selectedFilter) = 0;
  // Where to export the programming log as CSV: full path, or empty when cancelled.
  virtual QString AskCsvFileName(QWidget *owner) = 0;
  // The print dialog for `printer`; answers whether the technician chose to print.
  virtual bool AskPrinter(QWidget *owner, QPrinter &printer) = 0;

  static QString ReportPdfFilter();
  static QString ReportHtmlFilter();

  static DialogSeam &Instance();
  // Installs a stand-in (not owned); nullptr brings back the real dialogs.
  static void Install(DialogSeam *seam);
};

// Shorthand for DialogSeam::Instance().ShowMessage.
QMessageBox::StandardButton ShowMessage(QWidget *owner, const QString &text,
                                        const QString &caption = QString(),
                                        QMessageBox::Icon icon = QMessageBox::NoIcon,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString &detailedText = QString(),
                                        QMessageBox::StandardButton defaultButton =
                                            QMessageBox::NoButton);

// The box the real seam shows, built and not yet shown, so that a test can look at it. Its
// texts are plain text: a version line or a file name holding "<b>" shows those characters.
std::unique_ptr<QMessageBox> BuildMessageBox(
    QWidget *owner, const QString &text, const QString &caption, QMessageBox::Icon icon,
    QMessageBox::StandardButtons buttons, const QString &detailedText = QString(),
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// The register file dialog the real seam shows (open or save), built and not yet shown.
std::unique_ptr<QFileDialog> BuildFileDialog(QWidget *owner, QFileDialog::AcceptMode mode);
// The save dialog of the log's export ("Protokoll exportieren", *.csv).
std::unique_ptr<QFileDialog> BuildCsvDialog(QWidget *owner);
