// Two register images compared setting by setting, then register by register for the
// characters no page uses.
#include "SettingsCatalog.h"

namespace {

QChar CharAt(const QStringList &texts, RegisterSpot spot) {
  const QString text = texts.value(spot.reg);
  return spot.pos >= 0 && spot.pos < text.size() ? text.at(spot.pos) : QChar();
}

}  // namespace

std::vector<SettingsCatalog::Difference> SettingsCatalog::Compare(const QStringList &a,
                                                                  const QStringList &b) const {
  std::vector<Difference> differences;
  for (const Page &page : pages_) {
    for (const Setting &setting : page.settings) {
      const QString valueA = setting.Value(a);
      const QString valueB = setting.Value(b);
      if (valueA != valueB)
        differences.push_back({page.title, setting.label, valueA, valueB, setting.spots});
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
                             b.value(entry.reg), std::move(spots)});
  }
  return differences;
}
