// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// What a complete read of a console gives: its 200 register texts (8 upper-case hex digits
// each), the version text of its identification line and whether that names version 1.07.
struct ConsoleRead {
  QStringList texts;
  QString versionText;
  bool version107 = false;
};

Q_DECLARE_METATYPE(ConsoleRead)
