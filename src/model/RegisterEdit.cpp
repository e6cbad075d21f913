// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterEdit.h"

#include <algorithm>

namespace {

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

}  // namespace

std::vector<RegisterSpot> RegisterEdit::Spots() const {
  std::vector<RegisterSpot> spots;
  spots.reserve(changes_.size());
  for (const Change &change : changes_) spots.push_back(change.spot);
  return spots;
}

QString RegisterEdit::Before() const {
  QString chars;
  for (const Change &change : changes_) chars += change.before;
  return chars;
}

QString RegisterEdit::After() const {
  QString chars;
  for (const Change &change : changes_) chars += change.after;
  return chars;
}

void RegisterEdit::Add(RegisterSpot spot, QChar before, QChar after) {
  const auto found = std::find_if(changes_.begin(), changes_.end(),
                                  [spot](const Change &change) { return change.spot == spot; });
  if (found == changes_.end()) {
    if (before != after) changes_.push_back({spot, before, after});
    return;
  }
  found->after = after;
  if (found->before == after) changes_.erase(found);
}

bool RegisterEdit::Write(QStringList *texts, const std::vector<RegisterSpot> &spots,
                         const QString &chars, RegisterEdit *edit) {
  if (int(spots.size()) != chars.size()) return false;
  const QString upper = chars.toUpper();
  for (std::size_t i = 0; i < spots.size(); ++i) {
    const RegisterSpot spot = spots[i];
    if (spot.reg < 0 || spot.reg >= texts->size() || spot.pos < 0 ||
        spot.pos >= texts->at(spot.reg).size() || !IsHexDigit(upper.at(int(i))))
      return false;
  }
  for (std::size_t i = 0; i < spots.size(); ++i) {
    QChar &stored = (*texts)[spots[i].reg][spots[i].pos];
    if (edit) edit->Add(spots[i], stored, upper.at(int(i)));
    stored = upper.at(int(i));
  }
  return true;
}
