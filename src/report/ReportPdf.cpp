#include "ReportPdf.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

bool ReportPdf::Write(const QString &html, const QString &path, const QString &title,
                      QString *error) {
  const auto fail = [error, &path](const QString &why) {
    if (error)
      *error = tr("Der Bericht konnte nicht in \"%1\" gespeichert werden:\n%2").arg(path, why);
    return false;
  };

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  {
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QCoreApplication::applicationName());
    // No margins of the writer's own: print() lays a copy of the document out with 2 cm
    // margins (the page number sits in the bottom one) and would add these on top.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(), QPageLayout::Millimeter));
    QTextDocument document;
    document.setHtml(html);
    document.print(&writer);
  }
  if (file.error() != QFileDevice::NoError) return fail(file.errorString());
  if (!file.commit()) return fail(file.errorString());
  return true;
}
