// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// A text of a form or an item table, translated when it is used: the schemas are built before
// a translation may be installed.
struct FormText {
  const char *context = nullptr;
  const char *source = nullptr;

  QString Tr() const;
  bool IsEmpty() const { return !source; }
};
