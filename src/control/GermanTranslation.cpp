// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GermanTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void InstallGermanTranslation(QCoreApplication &app) {
  const QLocale german(QLocale::German, QLocale::Germany);
  QLocale::setDefault(german);
  auto *translator = new QTranslator(&app);
  // A program linked with a static Qt (the Windows build) has no Qt folder beside it and
  // carries Qt's German texts inside.
  for (const QString &folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                QStringLiteral(":/translations")}) {
    if (translator->load(german, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return;
    }
  }
  delete translator;
}
