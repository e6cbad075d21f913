// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Saves the settings report, from the window and from quorex-cli alike: whole or not at all,
// never in place of anything but a regular file.
class ReportFile {
 public:
  enum class Kind { Html, Pdf };
  static bool Save(const QString &html, const QString &path, Kind kind, const QString &title,
                   QString *error);
};
