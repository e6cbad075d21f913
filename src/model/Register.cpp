// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Register.h"

#include "RegisterEdit.h"
#include "RegisterFile.h"

const QString Register::kVersionHint =
    QStringLiteral("Für Version muss Gerät zunächst ausgelesen werden.");
const QString Register::kEmptyRegister = QStringLiteral("00000000");

Register::Register() { Reset(); }

Register::~Register() = default;

void Register::Reset() {
  modified_ = false;
  filePath_.clear();
  versionText_ = kVersionHint;
  texts_.clear();
  for (int i = 0; i < kRegisterCount; ++i) texts_.append(kEmptyRegister);
}

QString Register::Text(int reg) const {
  if (reg < 0 || reg >= kRegisterCount) return QString();
  return texts_.at(reg);
}

QChar Register::Char(int reg, int pos) const {
  if (reg < 0 || reg >= kRegisterCount || pos < 0 || pos >= kRegisterLength) return QChar();
  return texts_.at(reg).at(pos);
}

bool Register::SetText(int reg, const QString &text) {
  const QString upper = text.toUpper();
  if (reg < 0 || reg >= kRegisterCount || !IsRegisterText(upper)) return false;
  texts_[reg] = upper;
  return true;
}

bool Register::SetChar(int reg, int pos, QChar c) {
  const QChar upper = c.toUpper();
  if (reg < 0 || reg >= kRegisterCount || pos < 0 || pos >= kRegisterLength) return false;
  if (!IsHexText(QString(upper)) || upper.isNull()) return false;
  texts_[reg][pos] = upper;
  return true;
}

bool Register::SetAllTexts(const QStringList &texts) {
  if (texts.size() != kRegisterCount) return false;
  QStringList upper;
  for (const QString &text : texts) {
    upper.append(text.toUpper());
    if (!IsRegisterText(upper.last())) return false;
  }
  texts_ = upper;
  return true;
}

bool Register::Write(const std::vector<RegisterSpot> &spots, const QString &chars,
                     RegisterEdit *edit) {
  return RegisterEdit::Write(&texts_, spots, chars, edit);
}

int Register::HexDigitToValue(QChar c) {
  const ushort u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return 0;
}

QChar Register::ValueToHexDigit(int value) {
  static const char kDigits[] = "0123456789ABCDEF";
  return QChar::fromLatin1(kDigits[value & 0xF]);
}

bool Register::IsHexText(const QString &text) {
  for (QChar c : text) {
    const ushort u = c.unicode();
    if (!((u >= '0' && u <= '9') || (u >= 'A' && u <= 'F'))) return false;
  }
  return true;
}

bool Register::IsRegisterText(const QString &text) {
  return text.size() == kRegisterLength && IsHexText(text);
}

static_assert(Register::kRegisterCount == kRegisterFileLines &&
                  Register::kRegisterLength == kRegisterFileLineLength,
              "a register file holds one line per register");

bool Register::SaveToFile(QString *error) const {
  return WriteRegisterFile(filePath_, texts_, error);
}

bool Register::LoadFromFile(const QString &path, QString *error) {
  QStringList texts;
  if (!ReadRegisterFile(path, &texts, error)) return false;
  texts_ = texts;
  filePath_ = path;
  return true;
}
