// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

// What differs between two register sets, by setting in words and by unused register, as the
// settings catalog sees it: as text for a terminal or as JSON for programs. Used by diff
// (two files) and by verify (a file and the console).
class DifferenceList {
  Q_DECLARE_TR_FUNCTIONS(DifferenceList)

 public:
  DifferenceList(const QStringList &a, const QStringList &b);

  // Every character of a register belongs to some setting or to an unused register, and the
  // catalog tells any two stored characters apart, so no differences means equal registers.
  bool IsEqual() const { return differences_.empty(); }

  // One block per difference: "page / setting (Register n)", then the value of each side
  // after its name; a count at the end, or "Keine Unterschiede.".
  QString Text(const QString &nameA, const QString &nameB) const;
  // {"format": "quorex-diff/1", "equal": bool, "differences": [{"id", "page", "setting",
  // "registers", "a", "b"}]}: the registers are those the text names.
  QByteArray Json() const;

 private:
  std::vector<SettingsCatalog::Difference> differences_;
};
