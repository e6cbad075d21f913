// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PageTable.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

class RegisterEdit;

// The program's working copy of the console's 200 EEPROM registers, plus what travels with
// them: the version line, the register file path and the two flags. It never holds a register
// text that is not exactly 8 upper-case hex digits: every writer goes through a checked setter.
// The serial port is not part of it: the console session owns the port and hands its results
// over as plain values.
class Register {
 public:
  static constexpr int kRegisterCount = 200;
  static constexpr int kRegisterLength = 8;
  static const QString kVersionHint;
  static const QString kEmptyRegister;

  Register();
  virtual ~Register();
  Register(const Register &) = delete;
  Register &operator=(const Register &) = delete;

  // Back to the state of a new image. Leaves the version 1.07 flag alone.
  void Reset();

  // Register access by number (0 to 199) and position (0 to 7). Out-of-range numbers read
  // as empty / '\0' and are never written.
  QString Text(int reg) const;
  QChar Char(int reg, int pos) const;
  // Refuse anything that is not 8 hex digits (text) or one hex digit (char); lower-case
  // digits are stored upper case. Return whether the value was stored.
  bool SetText(int reg, const QString &text);
  bool SetChar(int reg, int pos, QChar c);
  // All 200 at once, or nothing when one of them is not a valid register text.
  bool SetAllTexts(const QStringList &texts);
  // Setting characters at their spots, as every change of settings writes them
  // (RegisterEdit::Write): all or nothing; what changed is added to *edit.
  bool Write(const std::vector<RegisterSpot> &spots, const QString &chars,
             RegisterEdit *edit = nullptr);
  QStringList AllTexts() const { return texts_; }

  QString VersionText() const { return versionText_; }
  void SetVersionText(const QString &text) { versionText_ = text; }
  QString FilePath() const { return filePath_; }
  void SetFilePath(const QString &path) { filePath_ = path; }
  bool IsModified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  bool IsVersion107() const { return version107_; }
  void SetVersion107(bool set) { version107_ = set; }

  static int HexDigitToValue(QChar c);
  static QChar ValueToHexDigit(int value);
  static bool IsHexText(const QString &text);
  // True for exactly 8 characters 0-9/A-F (upper case only).
  static bool IsRegisterText(const QString &text);

  // Writes the 200 texts to the register file path. Never leaves a half-written file: on
  // failure the old file stays as it was, *error says why, and false is answered.
  bool SaveToFile(QString *error = nullptr) const;
  // Reads a register file into the 200 texts and, on success, makes `path` the register file
  // path. A file that cannot be read or is malformed changes nothing; *error says why.
  bool LoadFromFile(const QString &path, QString *error = nullptr);

 private:
  QString versionText_;
  QString filePath_;
  bool modified_ = false;
  QStringList texts_;
  bool version107_ = true;
};
