// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PageTable.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

// One change of settings as the program made it: every register character it changed, with
// the character before and after, and a name a technician recognises (the page's title). Taking
// it back writes the characters before, doing it again those after; nothing else is touched,
// whatever happened to the other characters meanwhile.
class RegisterEdit {
 public:
  struct Change {
    RegisterSpot spot;
    QChar before;
    QChar after;
  };

  RegisterEdit() = default;
  explicit RegisterEdit(const QString &name) : name_(name) {}

  QString Name() const { return name_; }
  void SetName(const QString &name) { name_ = name; }
  const std::vector<Change> &Changes() const { return changes_; }
  bool IsEmpty() const { return changes_.empty(); }

  // In the order the characters were first changed.
  std::vector<RegisterSpot> Spots() const;
  QString Before() const;
  QString After() const;

  // Notes that `spot` went from `before` to `after`. A spot changed twice keeps its first
  // character before; one that ends where it started is no change at all.
  void Add(RegisterSpot spot, QChar before, QChar after);

  // The one way setting characters get into register texts: `chars` (one per spot, upper-case
  // hex digits; lower case is taken upper case) are written at `spots`, every other character
  // stays. All or nothing: a spot outside the texts, or a character that is no hex digit,
  // writes nothing and answers false. What changed is added to *edit.
  static bool Write(QStringList *texts, const std::vector<RegisterSpot> &spots,
                    const QString &chars, RegisterEdit *edit = nullptr);

 private:
  QString name_;
  std::vector<Change> changes_;
};
