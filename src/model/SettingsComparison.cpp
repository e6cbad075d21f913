// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// Two register images compared setting by setting, then register by register for the
// characters no page uses.
#include "SettingsCatalog.h"

#include <algorithm>
#include <set>

namespace {

QChar CharAt(const QStringList &texts, RegisterSpot spot) {
  const QString text = texts.value(spot.reg);
  return spot.pos >= 0 && spot.pos < text.size() ? text.at(spot.pos) : QChar();
}

}  // namespace

// A setting differs when its value in words differs. A page may show two stored characters
// alike ("Hörer immer an" for "1" and for "2"); such a change still counts, shown with the
// stored characters, unless a setting sharing the character already shows it in words (the
// two settings of one packed digit).
std::vector<SettingsCatalog::Difference> SettingsCatalog::Compare(const QStringList &a,
                                                                  const QStringList &b) const {
  std::set<RegisterSpot> shown;
  for (const Page &page : pages_)
    for (const Setting &setting : page.settings)
      if (setting.Value(a) != setting.Value(b))
        shown.insert(setting.spots.begin(), setting.spots.end());

  std::vector<Difference> differences;
  for (const Page &page : pages_) {
    for (const Setting &setting : page.settings) {
      QString valueA = setting.Value(a);
      QString valueB = setting.Value(b);
      if (valueA == valueB) {
        const bool unseen = std::any_of(
            setting.spots.begin(), setting.spots.end(), [&](RegisterSpot spot) {
              return CharAt(a, spot) != CharAt(b, spot) && !shown.count(spot);
            });
        if (!unseen) continue;
        valueA = tr("%1 (gespeichert: %2)").arg(valueA, setting.Chars(a));
        valueB = tr("%1 (gespeichert: %2)").arg(valueB, setting.Chars(b));
      }
      differences.push_back(
          {page.title, setting.label, valueA, valueB, setting.spots, setting.id});
    }
  }
  for (const UncoveredRegister &entry : Uncovered()) {
    std::vector<RegisterSpot> spots;
    bool differs = false;
    for (int pos : entry.positions) {
      spots.push_back({entry.reg, pos});
      differs = differs || CharAt(a, spots.back()) != CharAt(b, spots.back());
    }
    if (differs)
      differences.push_back({UncoveredTitle(), entry.Label(), a.value(entry.reg),
                             b.value(entry.reg), std::move(spots), RegisterId(entry.reg)});
  }
  return differences;
}
