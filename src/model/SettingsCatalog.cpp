// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsCatalog.h"

#include <map>
#include <set>

#include "Register.h"
#include "SettingSchema.h"

namespace {

QString WithoutColon(QString text) {
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

// A page's settings named as the page shows them. A bare name that repeats on the page is
// told apart by its group.
SettingsCatalog::Page Assemble(const PageSchema &schema) {
  SettingsCatalog::Page page;
  page.title = schema.title.Tr();
  for (const SettingSchema &entry : schema.settings) {
    SettingsCatalog::Setting setting;
    setting.id = QString::fromLatin1(entry.id);
    setting.page = page.title;
    setting.context = WithoutColon(entry.group.Tr());
    setting.name = WithoutColon(entry.name.Tr());
    setting.spots = entry.spots;
    setting.codec = entry.codec.get();
    setting.view = entry.view;
    page.settings.push_back(std::move(setting));
  }
  std::map<QString, int> count;
  for (const auto &setting : page.settings) ++count[setting.name];
  for (auto &setting : page.settings)
    setting.label = count[setting.name] > 1 && !setting.context.isEmpty()
                        ? setting.context + QStringLiteral(" / ") + setting.name
                        : setting.name;
  return page;
}

}  // namespace

QString SettingsCatalog::Setting::Chars(const QStringList &texts) const {
  QString chars;
  for (RegisterSpot spot : spots) {
    const QString text = spot.reg >= 0 && spot.reg < texts.size() ? texts.at(spot.reg) : QString();
    chars += spot.pos >= 0 && spot.pos < text.size() ? text.at(spot.pos) : QLatin1Char('-');
  }
  return chars;
}

QString SettingsCatalog::Setting::Value(const Register &image) const {
  return Value(image.AllTexts());
}

std::vector<RegisterSpot> SettingsCatalog::Page::Spots() const {
  std::set<RegisterSpot> spots;
  for (const Setting &setting : settings) spots.insert(setting.spots.begin(), setting.spots.end());
  return {spots.begin(), spots.end()};
}

const SettingsCatalog::Setting *SettingsCatalog::Page::Find(const QString &label) const {
  for (const Setting &setting : settings)
    if (setting.label == label) return &setting;
  return nullptr;
}

SettingsCatalog::SettingsCatalog() {
  for (const PageSchema *schema : AllPageSchemas()) pages_.push_back(Assemble(*schema));
}

const SettingsCatalog::Page *SettingsCatalog::FindPage(const QString &title) const {
  for (const Page &page : pages_)
    if (page.title == title) return &page;
  return nullptr;
}

const SettingsCatalog::Setting *SettingsCatalog::FindId(const QString &id) const {
  for (const Page &page : pages_)
    for (const Setting &setting : page.settings)
      if (setting.id == id) return &setting;
  return nullptr;
}

QString SettingsCatalog::RegisterLabel(int reg) { return tr("Register %1").arg(reg); }

QString SettingsCatalog::RegisterId(int reg) {
  return QStringLiteral("register.%1").arg(reg, 3, 10, QLatin1Char('0'));
}

QString SettingsCatalog::UncoveredTitle() { return tr("Übrige Register"); }
