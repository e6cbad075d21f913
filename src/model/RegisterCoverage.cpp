// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// Which register characters the pages cover, and which registers hold characters no page
// uses: what a comparison, a report and an export must show as whole registers.
#include <set>

#include "Register.h"
#include "SettingsCatalog.h"

std::vector<RegisterSpot> SettingsCatalog::CoveredSpots() const {
  std::set<RegisterSpot> spots;
  for (const Page &page : pages_)
    for (const Setting &setting : page.settings)
      spots.insert(setting.spots.begin(), setting.spots.end());
  return {spots.begin(), spots.end()};
}

std::vector<SettingsCatalog::UncoveredRegister> SettingsCatalog::Uncovered() const {
  const std::vector<RegisterSpot> covered = CoveredSpots();
  const std::set<RegisterSpot> used(covered.begin(), covered.end());
  std::vector<UncoveredRegister> uncovered;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
    UncoveredRegister entry;
    entry.reg = reg;
    for (int pos = 0; pos < Register::kRegisterLength; ++pos)
      if (!used.count({reg, pos})) entry.positions.push_back(pos);
    if (!entry.positions.empty()) uncovered.push_back(std::move(entry));
  }
  return uncovered;
}
