// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DifferenceList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <set>

namespace {

std::set<int> RegisterNumbers(const std::vector<RegisterSpot> &spots) {
  std::set<int> registers;
  for (RegisterSpot spot : spots) registers.insert(spot.reg);
  return registers;
}

// "(Register 42)", "(Register 12, 13)": where to look in the register file.
QString Registers(const std::vector<RegisterSpot> &spots) {
  QStringList numbers;
  for (int reg : RegisterNumbers(spots)) numbers << QString::number(reg);
  return DifferenceList::tr("(Register %1)").arg(numbers.join(QStringLiteral(", ")));
}

}  // namespace

DifferenceList::DifferenceList(const QStringList &a, const QStringList &b)
    : differences_(SettingsCatalog().Compare(a, b)) {}

QString DifferenceList::Text(const QString &nameA, const QString &nameB) const {
  if (differences_.empty()) return tr("Keine Unterschiede.") + QLatin1Char('\n');
  const int width = int(std::max(nameA.size(), nameB.size())) + 1;
  const QString labelA = (nameA + QLatin1Char(':')).leftJustified(width);
  const QString labelB = (nameB + QLatin1Char(':')).leftJustified(width);
  QString text;
  for (const SettingsCatalog::Difference &difference : differences_) {
    text += difference.page + QStringLiteral(" / ") + difference.setting;
    // An unused register is already named by its number.
    if (difference.page != SettingsCatalog::UncoveredTitle())
      text += QLatin1Char(' ') + Registers(difference.spots);
    text += QStringLiteral("\n  %1 %2\n  %3 %4\n\n")
                .arg(labelA, difference.valueA, labelB, difference.valueB);
  }
  const int count = int(differences_.size());
  return text + (count == 1 ? tr("1 Unterschied.") : tr("%1 Unterschiede.").arg(count)) +
         QLatin1Char('\n');
}

QByteArray DifferenceList::Json() const {
  QJsonArray differences;
  for (const SettingsCatalog::Difference &difference : differences_) {
    QJsonArray registers;
    for (int reg : RegisterNumbers(difference.spots)) registers.append(reg);
    differences.append(QJsonObject{{QStringLiteral("id"), difference.id},
                                   {QStringLiteral("page"), difference.page},
                                   {QStringLiteral("setting"), difference.setting},
                                   {QStringLiteral("registers"), registers},
                                   {QStringLiteral("a"), difference.valueA},
                                   {QStringLiteral("b"), difference.valueB}});
  }
  const QJsonObject root{{QStringLiteral("format"), QStringLiteral("quorex-diff/1")},
                         {QStringLiteral("equal"), IsEqual()},
                         {QStringLiteral("differences"), differences}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
