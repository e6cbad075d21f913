// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TemporarySettings.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

TemporarySettings::TemporarySettings() : organization_(QCoreApplication::organizationName()) {
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  QCoreApplication::setOrganizationName(QStringLiteral("quorex-test-") +
                                        QUuid::createUuid().toString(QUuid::WithoutBraces));
}

TemporarySettings::~TemporarySettings() {
  Clear();
  QCoreApplication::setOrganizationName(organization_);
}

void TemporarySettings::Clear() {
  QSettings settings;
  settings.clear();
  settings.sync();
}
