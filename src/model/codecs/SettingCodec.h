// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

// How one kind of setting is held in register characters. A codec sees only its setting's
// characters, in the order of the setting's spots, and knows two things:
// - Decode: the value in words (an item text, "ein"/"aus", a number with its unit), or a null
//   string when the characters have no meaning the page lists;
// - Encode: the characters for such a value, refusing what the page refuses, with the page's
//   message (or, where the page cannot be asked at all, a message of our own). It takes every
//   text Decode gives, so a value can be copied from any view into `quorex-cli set`.
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
  // On entry *chars holds the setting's characters as they stand (a codec whose digit is
  // shared with another setting keeps the other part); on success it holds the new ones.
  // On failure *chars is unchanged and *error says why.
  virtual bool Encode(const QString &value, QString *chars, QString *error) const = 0;
  // The values Encode takes, for an error message or a help text.
  virtual QString Accepted() const = 0;

  // The value as get, export, the report and the comparisons all write it: the decoded value
  // where encoding it gives back exactly these characters, else the characters themselves as
  // "roh:...". So every register image survives being written out and read back.
  QString ValueText(const QString &chars) const;
  // Why ValueText had to write "roh:": "unbekannter Wert", or what the page shows for
  // characters it would store otherwise. Empty when the value is in words.
  QString Note(const QString &chars) const;
  // ValueText with the note in brackets, for views a person reads.
  QString Describe(const QString &chars) const;
  // Encode, plus the "roh:" form: exactly Width() hex digits, case ignored, stored as they
  // are (a value no page would store, as the single register dialog can).
  bool Set(const QString &value, QString *chars, QString *error) const;

  static QString UnknownText();
  static QString RawPrefix() { return QStringLiteral("roh:"); }

 protected:
  explicit SettingCodec(int width) : width_(width) {}

 private:
  int width_;
};
