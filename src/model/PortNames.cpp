// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortNames.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

QString PortNames::Label(const PortEntry &port) {
  const QString description = port.description.trimmed();
  if (description.isEmpty()) return port.name;
  QStringList more;
  for (const QString &part : {port.manufacturer.trimmed(), port.serialNumber.trimmed()})
    if (!part.isEmpty()) more.append(part);
  QString label = port.name + QStringLiteral(" – ") + description;
  if (!more.isEmpty()) label += QStringLiteral(" (") + more.join(QStringLiteral(", ")) + ')';
  return label;
}

QString PortNames::Key(const QString &name) {
  static const QRegularExpression windowsPrefix(QStringLiteral("^\\\\\\\\[.?]\\\\"));
  static const QRegularExpression comName(QStringLiteral("^COM[0-9]+$"),
                                          QRegularExpression::CaseInsensitiveOption);
  QString key = name.trimmed();
  if (key.startsWith(QLatin1String("/dev/"))) return key.mid(5);
  key.remove(windowsPrefix);
  if (comName.match(key).hasMatch()) key = key.toUpper();
  return key;
}

bool PortNames::NaturalLess(const QString &a, const QString &b) {
  qsizetype i = 0;
  qsizetype j = 0;
  while (i < a.size() && j < b.size()) {
    if (a.at(i).isDigit() && b.at(j).isDigit()) {
      // Compare the numbers by value: strip leading zeros, then the longer is larger.
      qsizetype endA = i;
      qsizetype endB = j;
      while (endA < a.size() && a.at(endA).isDigit()) ++endA;
      while (endB < b.size() && b.at(endB).isDigit()) ++endB;
      qsizetype startA = i;
      qsizetype startB = j;
      while (startA + 1 < endA && a.at(startA) == QLatin1Char('0')) ++startA;
      while (startB + 1 < endB && b.at(startB) == QLatin1Char('0')) ++startB;
      const qsizetype lengthA = endA - startA;
      const qsizetype lengthB = endB - startB;
      if (lengthA != lengthB) return lengthA < lengthB;
      const int order = QStringView(a).mid(startA, lengthA).compare(QStringView(b).mid(startB, lengthB));
      if (order != 0) return order < 0;
      i = endA;
      j = endB;
      continue;
    }
    const int order = QString::compare(a.at(i), b.at(j), Qt::CaseInsensitive);
    if (order != 0) return order < 0;
    ++i;
    ++j;
  }
  if ((a.size() - i) != (b.size() - j)) return (a.size() - i) < (b.size() - j);
  // Equal but for case or leading zeros: any fixed order will do.
  return a < b;
}

void PortNames::Sort(QList<PortEntry> &ports) {
  std::stable_sort(ports.begin(), ports.end(), [](const PortEntry &a, const PortEntry &b) {
    return NaturalLess(a.name, b.name);
  });
}

const PortEntry *PortNames::Find(const QList<PortEntry> &listed, const QString &name) {
  if (name.trimmed().isEmpty()) return nullptr;
  for (const PortEntry &port : listed)
    if (IsSamePort(port.name, name)) return &port;
  return nullptr;
}

QString PortNames::StartPort(const QList<PortEntry> &listed, const PortEntry &remembered) {
  const auto sameIds = [&remembered](const PortEntry &port) {
    return remembered.HasUsbIds() && port.vendorId == remembered.vendorId &&
           port.productId == remembered.productId;
  };
  const QString serial = remembered.serialNumber.trimmed();
  if (!serial.isEmpty()) {
    for (const PortEntry &port : listed)
      if (port.serialNumber.trimmed() == serial && (!remembered.HasUsbIds() || sameIds(port)))
        return port.name;
  }
  if (const PortEntry *port = Find(listed, remembered.name)) return port->name;
  // Two adapters of one make without serial numbers cannot be told apart: then none is chosen
  // for its ids.
  if (serial.isEmpty() && remembered.HasUsbIds() &&
      std::count_if(listed.begin(), listed.end(), sameIds) == 1)
    return std::find_if(listed.begin(), listed.end(), sameIds)->name;
  return listed.isEmpty() ? QString() : listed.constFirst().name;
}
