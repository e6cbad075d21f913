// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "SettingCodec.h"

// Characters 9 and 10 of an FMS telegram: the status digit and the flags digit (TKI,
// direction, build stage), named together as the editor's group "Status oder Anweisung".
class FmsStatusCodec : public SettingCodec {
 public:
  FmsStatusCodec();

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;
};
