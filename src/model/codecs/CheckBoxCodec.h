// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QString>

#include "SettingCodec.h"

// A check box: "1" checked, "0" unchecked.
class CheckBoxCodec : public SettingCodec {
 public:
  // `anyDigitButZero`: the page checks the box for every character but "0".
  explicit CheckBoxCodec(bool anyDigitButZero = false);

  // What the page shows for a stored character.
  bool IsChecked(QChar c) const;
  static QChar Stored(bool checked);

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  bool anyDigitButZero_;
};
