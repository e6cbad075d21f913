// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QPageLayout>
#include <QString>

// Prints an HTML report (SettingsReport::Html) into a PDF file: A4 portrait, page numbers at
// the foot, tables split across pages with their header rows repeated. Needs a
// QGuiApplication (for fonts); no widgets, so it also serves a command-line program on the
// "offscreen" platform.
class ReportPdf {
  Q_DECLARE_TR_FUNCTIONS(ReportPdf)

 public:
  // Writes `html` to `path`, replacing the file only once the PDF is complete. On failure
  // the old file stays, *error (when given) says why in German, and false is answered.
  // `title` goes into the PDF's document properties. Without a valid `layout` the pages are
  // A4 upright.
  static bool Write(const QString &html, const QString &path, const QString &title,
                    QString *error = nullptr, const QPageLayout &layout = QPageLayout());
  // The German message for a report not saved at `path`.
  static QString NotSavedText(const QString &path, const QString &reason);
};

