// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "FormText.h"
#include "SettingCodec.h"

// The mode part of a packed digit: a check box ("an"/"aus"), or a radio pair named by `off`
// and `on`. `keepUnlisted`: changing the mode leaves a digit with no listed choice as it is
// (the page could not add the mode to it); otherwise the choice is read as the page reads it.
class PackedFlagCodec : public SettingCodec {
 public:
  PackedFlagCodec(FormText off, FormText on, bool keepUnlisted);

  // What the page shows for a stored character: the mode set above "3", listed or not.
  static bool IsSet(QChar c);
  // `c` with the mode set or not, its choice kept; a digit with no listed choice stays as it
  // is where the codec keeps it.
  QChar WithFlag(QChar c, bool set) const;

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  bool IsCheckBox() const { return off_.IsEmpty(); }

  FormText off_;
  FormText on_;
  bool keepUnlisted_;
};
