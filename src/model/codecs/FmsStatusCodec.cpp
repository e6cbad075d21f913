// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FmsStatusCodec.h"

#include <QCoreApplication>
#include <QStringList>

#include "CodecText.h"
#include "DetailFmsTable.h"
#include "Register.h"

using CodecText::IsHex;
using CodecText::NotAccepted;

namespace {

QString EditorText(const char *text) { return QCoreApplication::translate("DetailFMS", text); }

QString WithoutSpaces(QString text) {
  text.remove(QLatin1Char(' '));
  return text;
}

}  // namespace

FmsStatusCodec::FmsStatusCodec() : SettingCodec(2) {}

QString FmsStatusCodec::Decode(const QString &chars) const {
  using namespace DetailFmsTable;
  if (chars.size() != 2 || !IsHex(chars)) return QString();
  const QString status = TextFor(kStatusItems, chars.at(0));
  const Flags flags = SplitFlags(Register::HexDigitToValue(chars.at(1)));
  return QStringLiteral("%1 %2, %3, %4")
      .arg(EditorText(flags.anweisung ? kAnweisungText : kStatusText), status,
           EditorText(kTkiTexts[flags.tki]), EditorText(kBaustufeTexts[flags.baustufe2]));
}

bool FmsStatusCodec::Encode(const QString &value, QString *chars, QString *error) const {
  using namespace DetailFmsTable;
  const QStringList parts = value.split(QLatin1Char(','));
  const QStringList first = parts.value(0).simplified().split(QLatin1Char(' '));
  const auto refuse = [&] {
    *error = NotAccepted(value, Accepted());
    return false;
  };
  if (parts.size() != 3 || first.size() != 2) return refuse();
  Flags flags;
  if (first.at(0).compare(EditorText(kAnweisungText), Qt::CaseInsensitive) == 0)
    flags.anweisung = true;
  else if (first.at(0).compare(EditorText(kStatusText), Qt::CaseInsensitive) != 0)
    return refuse();
  const QChar status = CharFor(kStatusItems, first.at(1).toUpper());
  if (status.isNull()) return refuse();
  // "TKI 2" and "TKI2" alike: the editor's buttons are not written alike either.
  const auto find = [](const QString &part, const char *const *texts, int count) {
    for (int i = 0; i < count; ++i)
      if (WithoutSpaces(part).compare(WithoutSpaces(EditorText(texts[i])), Qt::CaseInsensitive) ==
          0)
        return i;
    return -1;
  };
  flags.tki = find(parts.at(1), kTkiTexts, 4);
  const int baustufe = find(parts.at(2), kBaustufeTexts, 2);
  if (flags.tki < 0 || baustufe < 0) return refuse();
  flags.baustufe2 = baustufe == 1;
  *chars = QString(status) + Register::ValueToHexDigit(JoinFlags(flags));
  return true;
}

QString FmsStatusCodec::Accepted() const {
  return tr(
      "\"Status\" oder \"Anweisung\" mit der Ziffer 0-F, die TKI und die Baustufe, z. B. "
      "\"Status F, TKI 1, Baustufe 1\"");
}
