// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

#include "SettingCodec.h"

// A text field over several characters: hex digits (telegrams and their parts) or decimal
// digits (times and thresholds shown as they stand).
class TextCodec : public SettingCodec {
 public:
  enum class Digits { Hex, Decimal };
  enum class Fill { Left, Right };  // where "0" completes a short text

  // `maxInput`: what the field takes, at most `width`. `words`: the value in words, given the
  // valid characters; none: the characters themselves.
  TextCodec(int width, int maxInput, Digits digits, Fill fill,
            std::function<QString(const QString &)> words = {});

  // The characters a field text stands for: upper-cased and completed with "0"; false with
  // the page's message when the text is refused.
  bool Complete(const QString &text, QString *chars, QString *error) const;

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 protected:
  bool IsValid(const QString &chars) const;
  int MaxInput() const { return maxInput_; }

 private:
  int maxInput_;
  Digits digits_;
  Fill fill_;
  std::function<QString(const QString &)> words_;
};
