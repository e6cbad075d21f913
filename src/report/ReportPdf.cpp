// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportPdf.h"

#include "OutputFile.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

QString ReportPdf::NotSavedText(const QString &path, const QString &reason) {
  return tr("Der Bericht konnte nicht in \"%1\" gespeichert werden:\n%2")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool ReportPdf::Write(const QString &html, const QString &path, const QString &title,
                      QString *error, const QPageLayout &layout) {
  const auto fail = [error, &path](const QString &why) {
    if (error) *error = NotSavedText(path, why);
    return false;
  };

  QString reason;
  const bool saved = OutputFile::Save(
      path,
      [&](QIODevice &file) {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        // No margins of the writer's own: print() lays a copy of the document out with 2 cm
        // margins (the page number sits in the bottom one) and would add these on top.
        writer.setPageLayout(layout.isValid()
                                 ? layout
                                 : QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                               QMarginsF(), QPageLayout::Millimeter));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
        return true;
      },
      &reason);
  return saved || fail(reason);
}
