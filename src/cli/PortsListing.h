// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// The serial ports as `quorex-cli ports` shows them: text for people, JSON for scripts.
class PortsListing {
  Q_DECLARE_TR_FUNCTIONS(PortsListing)

 public:
  static QByteArray Text(const PortListing &listing);
  static QByteArray Json(const PortListing &listing);
  // What to do next when no port in `listing` can be opened; empty when one can.
  static QString Advice(const PortListing &listing);
};
