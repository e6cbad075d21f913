// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <functional>

#include "PageTable.h"

// A text of a form or an item table, translated when it is used: the schemas are built before
// a translation may be installed.
struct FormText {
  const char *context = nullptr;
  const char *source = nullptr;

  QString Tr() const;
  bool IsEmpty() const { return !source; }
};

// How one kind of setting is held in register characters. A codec sees only its setting's
// characters, in the order of the setting's spots, and knows three things:
// - Decode: the value in the form `quorex-cli set` takes it (an item text, "an"/"aus", the
//   field's text), or a null string when the characters have no meaning the page lists;
// - Encode: the characters for such a value, refusing what the page refuses, with the page's
//   message (or, where the page cannot be asked at all, a message of our own);
// - Describe: the value in words for a report ("ein", "120 s").
// A character that is no upper-case hex digit (a register file lacking it reads as "-") never
// has a meaning.
//
// Codecs hold no state; the schemas share them between settings.
class SettingCodec {
  Q_DECLARE_TR_FUNCTIONS(SettingCodec)

 public:
  virtual ~SettingCodec() = default;

  // How many characters the setting has.
  int Width() const { return width_; }

  virtual QString Decode(const QString &chars) const = 0;
  virtual QString Describe(const QString &chars) const;
  // On entry *chars holds the setting's characters as they stand (a codec whose digit is
  // shared with another setting keeps the other part); on success it holds the new ones.
  // On failure *chars is unchanged and *error says why.
  virtual bool Encode(const QString &value, QString *chars, QString *error) const = 0;
  // The values Encode takes, for an error message or a help text.
  virtual QString Accepted() const = 0;

  // The value as an editable text writes it: the decoded value where encoding it gives back
  // exactly these characters, else the characters themselves as "roh:...". So every register
  // image survives being written out and read back.
  QString ValueText(const QString &chars) const;
  // Encode, plus the "roh:" form: exactly Width() hex digits, case ignored, stored as they
  // are (a value no page would store, as the single register dialog can).
  bool Set(const QString &value, QString *chars, QString *error) const;

  static QString UnknownText(const QString &chars);
  static QString RawPrefix() { return QStringLiteral("roh:"); }

 protected:
  explicit SettingCodec(int width) : width_(width) {}

 private:
  int width_;
};

// A choice from an item table: a combo box or a group of radio buttons, one character.
class ChoiceCodec : public SettingCodec {
 public:
  // `otherwise`: the index of the item that every other hex digit counts as, for a group
  // whose page reads any other character as that choice and stores it so; -1 for none.
  explicit ChoiceCodec(const ItemTable &table, int otherwise = -1);

  const ItemTable &Table() const { return table_; }
  // True when the page stores the checked choice whatever was read.
  bool Rewrites() const { return otherwise_ >= 0; }

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  const ItemTable &table_;
  int otherwise_;
};

// A check box: "1" checked, "0" unchecked.
class CheckBoxCodec : public SettingCodec {
 public:
  // `anyDigitButZero`: the page checks the box for every character but "0".
  explicit CheckBoxCodec(bool anyDigitButZero = false);

  // What the page shows for a stored character.
  bool IsChecked(QChar c) const;
  static QChar Stored(bool checked);

  QString Decode(const QString &chars) const override;
  QString Describe(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  bool anyDigitButZero_;
};

// One hex digit whose bits 0 to 3 are four check boxes, bit 0 the first.
class MaskCodec : public SettingCodec {
 public:
  MaskCodec(std::array<FormText, 4> names, FormText none);

  // The page reads a character that is no hex digit as no box ticked.
  static int Bits(QChar c);
  static QChar Stored(int bits);

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  std::array<FormText, 4> names_;
  FormText none_;
};

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
  QString Describe(const QString &chars) const override;
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

// A call key's tone sequence: 5 hex digits, then "000" that the page writes and never shows.
class TonfolgeCodec : public TextCodec {
 public:
  TonfolgeCodec(int width, int digits);

  QString Decode(const QString &chars) const override;
  QString Describe(const QString &chars) const override;
};

// A whole number with leading zeros, checked against a range when it is stored.
class NumberCodec : public SettingCodec {
 public:
  NumberCodec(int width, int min, int max, FormText unit);

  // As the page reads it: up to the first character that is no decimal digit ("1A5" -> 1).
  static int Read(const QString &chars);

  QString Decode(const QString &chars) const override;
  QString Describe(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  int min_;
  int max_;
  FormText unit_;
};

// The transmitter pre-key time: two digits in units of 10 ms; the field shows milliseconds,
// three digits whose last is always "0".
class VorlaufzeitCodec : public SettingCodec {
 public:
  VorlaufzeitCodec();

  // The field's text completed as the page completes it on leaving the field: "" -> "000",
  // "5" -> "500", "12" -> "120", "125" -> "120".
  static QString Complete(const QString &text);
  // The milliseconds the field shows for the stored characters: "25" -> "250".
  static QString Shown(const QString &chars);

  QString Decode(const QString &chars) const override;
  QString Describe(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;
};

// One digit packing a choice ("0" to "3") and a mode worth 4 ("4" to "7"); two settings
// share it, one codec for each part. Digits from "8" on mean nothing listed.
class PackedDigit {
 public:
  static constexpr int kFlag = 4;

  static bool IsListed(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('7'); }
  // The mode as the pages read any character: set above "3".
  static bool Flag(QChar c) { return c > QLatin1Char('3'); }
  // The choice as the duplex page reads any character: its distance from "0", modulo 4.
  static int Part(QChar c);
  static QChar Join(int part, bool flag);
};

// The choice part of a packed digit, from an item table whose values are "0" to "3".
class PackedChoiceCodec : public SettingCodec {
 public:
  explicit PackedChoiceCodec(const ItemTable &table);

  const ItemTable &Table() const { return table_; }

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  const ItemTable &table_;
};

// The mode part of a packed digit: a check box ("an"/"aus"), or a radio pair named by `off`
// and `on`. `keepUnlisted`: changing the mode leaves a digit with no listed choice as it is
// (the page could not add the mode to it); otherwise the choice is read as the page reads it.
class PackedFlagCodec : public SettingCodec {
 public:
  PackedFlagCodec(FormText off, FormText on, bool keepUnlisted);

  QString Decode(const QString &chars) const override;
  QString Describe(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;

 private:
  bool IsCheckBox() const { return off_.IsEmpty(); }

  FormText off_;
  FormText on_;
  bool keepUnlisted_;
};

// Characters 9 and 10 of an FMS telegram: the status digit and the flags digit (TKI,
// direction, build stage), named together as the editor's group "Status oder Anweisung".
class FmsStatusCodec : public SettingCodec {
 public:
  FmsStatusCodec();

  QString Decode(const QString &chars) const override;
  bool Encode(const QString &value, QString *chars, QString *error) const override;
  QString Accepted() const override;
};
