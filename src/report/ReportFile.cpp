// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReportFile.h"

#include "OutputFile.h"
#include "ReportPdf.h"

bool ReportFile::Save(const QString &html, const QString &path, Kind kind, const QString &title,
                      QString *error) {
  if (kind == Kind::Pdf) return ReportPdf::Write(html, path, title, error);
  QString reason;
  if (OutputFile::Save(path, html.toUtf8(), &reason)) return true;
  if (error) *error = ReportPdf::NotSavedText(path, reason);
  return false;
}
