// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortsListing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <algorithm>

// One port per line under a header, in columns; "-" where the system knows nothing.
QByteArray PortsListing::Text(const PortListing &listing) {
  if (listing.ports.isEmpty()) return QByteArray();
  QList<QStringList> rows{{tr("Port"), tr("Beschreibung"), tr("Hersteller"), tr("Seriennummer"),
                           tr("Öffnen")}};
  for (const PortEntry &port : listing.ports) {
    QStringList row{port.name, port.description, port.manufacturer, port.serialNumber,
                    port.canOpen ? tr("ja") : tr("nein")};
    for (QString &cell : row)
      if (cell.trimmed().isEmpty()) cell = QStringLiteral("-");
    rows.append(row);
  }
  QList<int> widths(rows.constFirst().size(), 0);
  for (const QStringList &row : rows)
    for (int column = 0; column < row.size(); ++column)
      widths[column] = qMax(widths.at(column), int(row.at(column).size()));
  QString text;
  for (const QStringList &row : rows) {
    QString line;
    for (int column = 0; column < row.size(); ++column)
      line += column + 1 < row.size() ? row.at(column).leftJustified(widths.at(column) + 2)
                                      : row.at(column);
    text += line + QLatin1Char('\n');
  }
  return text.toUtf8();
}

QByteArray PortsListing::Json(const PortListing &listing) {
  QJsonArray ports;
  for (const PortEntry &port : listing.ports) {
    const auto id = [](int value) { return value < 0 ? QJsonValue() : QJsonValue(value); };
    ports.append(QJsonObject{{QStringLiteral("name"), port.name},
                             {QStringLiteral("description"), port.description},
                             {QStringLiteral("manufacturer"), port.manufacturer},
                             {QStringLiteral("serialNumber"), port.serialNumber},
                             {QStringLiteral("vendorId"), id(port.vendorId)},
                             {QStringLiteral("productId"), id(port.productId)},
                             {QStringLiteral("canOpen"), port.canOpen}});
  }
  const QJsonObject root{{QStringLiteral("format"), QStringLiteral("quorex-ports/1")},
                         {QStringLiteral("ports"), ports},
                         {QStringLiteral("deniedHint"), listing.deniedHint}};
  return QJsonDocument(root).toJson();
}

QString PortsListing::Advice(const PortListing &listing) {
  if (std::any_of(listing.ports.begin(), listing.ports.end(),
                  [](const PortEntry &port) { return port.canOpen; }))
    return QString();
  if (!listing.deniedHint.isEmpty()) return listing.deniedHint;
  if (listing.ports.isEmpty())
    return tr("Es wurde kein serieller Port gefunden. Bitte prüfen Sie, ob der Adapter "
              "eingesteckt ist.");
  return tr("Keiner der Ports lässt sich öffnen; sie sind wohl von einem anderen Programm "
            "belegt.");
}
