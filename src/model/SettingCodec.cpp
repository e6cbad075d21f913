// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingCodec.h"

#include <QStringList>
#include <algorithm>

#include "DetailFmsTable.h"
#include "Register.h"

namespace {

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
         (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

bool IsDecimal(const QString &text) {
  return std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool IsHex(const QString &text) { return std::all_of(text.begin(), text.end(), IsHexDigit); }

QChar First(const QString &chars) { return chars.isEmpty() ? QChar() : chars.at(0); }

QString Quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString QuotedItems(const ItemTable &table) {
  QStringList texts;
  for (const Item &item : table.items) texts << Quoted(ItemText(item));
  return texts.join(QStringLiteral(", "));
}

// The item with exactly this text; else the one item whose text begins with it, case ignored
// (so "6" names "6: Feuerwehr"). A null QChar when there is none or more than one.
QChar ItemFor(const ItemTable &table, const QString &value) {
  const QChar exact = CharFor(table, value);
  if (!exact.isNull() || value.isEmpty()) return exact;
  QChar found;
  for (const Item &item : table.items) {
    if (!ItemText(item).startsWith(value, Qt::CaseInsensitive)) continue;
    if (!found.isNull()) return QChar();
    found = QChar::fromLatin1(item.value);
  }
  return found;
}

QString WithoutSpaces(QString text) {
  text.remove(QLatin1Char(' '));
  return text;
}

QString On() { return QStringLiteral("an"); }
QString Off() { return QStringLiteral("aus"); }

// "an", "ein" and "aus", case ignored; -1 for anything else.
int OnOff(const QString &value) {
  const QString word = value.trimmed().toLower();
  if (word == On() || word == QLatin1String("ein")) return 1;
  if (word == Off()) return 0;
  return -1;
}

QString OnOffAccepted() { return SettingCodec::tr("\"an\" oder \"aus\""); }

QString NotAccepted(const QString &value, const QString &accepted) {
  return SettingCodec::tr("Den Wert \"%1\" gibt es hier nicht; möglich: %2.").arg(value, accepted);
}

}  // namespace

QString FormText::Tr() const {
  return source ? QCoreApplication::translate(context, source) : QString();
}

QString SettingCodec::Describe(const QString &chars) const {
  const QString value = Decode(chars);
  return value.isNull() ? UnknownText(chars) : value;
}

QString SettingCodec::UnknownText(const QString &chars) {
  return tr("unbekannter Wert %1").arg(chars);
}

QString SettingCodec::ValueText(const QString &chars) const {
  const QString value = Decode(chars);
  if (!value.isNull()) {
    QString encoded = chars;
    QString error;
    if (Encode(value, &encoded, &error) && encoded == chars) return value;
  }
  return RawPrefix() + chars;
}

bool SettingCodec::Set(const QString &value, QString *chars, QString *error) const {
  if (!value.startsWith(RawPrefix())) return Encode(value, chars, error);
  const QString raw = value.mid(RawPrefix().size()).trimmed().toUpper();
  if (raw.size() != width_ || !IsHex(raw)) {
    *error =
        tr("Nach \"%1\" stehen genau %n Hex-Ziffern (0-9, A-F).", nullptr, width_).arg(RawPrefix());
    return false;
  }
  *chars = raw;
  return true;
}

// ---------------------------------------------------------------------------------------------

ChoiceCodec::ChoiceCodec(const ItemTable &table, int otherwise)
    : SettingCodec(1), table_(table), otherwise_(otherwise) {}

QString ChoiceCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  const QString text = TextFor(table_, c);
  if (text.isNull() && otherwise_ >= 0 && IsHexDigit(c)) return ItemText(table_.items[otherwise_]);
  return text;
}

bool ChoiceCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QChar c = ItemFor(table_, value);
  if (c.isNull()) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(c);
  return true;
}

QString ChoiceCodec::Accepted() const { return QuotedItems(table_); }

// ---------------------------------------------------------------------------------------------

CheckBoxCodec::CheckBoxCodec(bool anyDigitButZero)
    : SettingCodec(1), anyDigitButZero_(anyDigitButZero) {}

bool CheckBoxCodec::IsChecked(QChar c) const {
  return anyDigitButZero_ ? c != QLatin1Char('0') : c == QLatin1Char('1');
}

QChar CheckBoxCodec::Stored(bool checked) { return checked ? QLatin1Char('1') : QLatin1Char('0'); }

QString CheckBoxCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (c == QLatin1Char('0')) return Off();
  if (c == QLatin1Char('1') || (anyDigitButZero_ && IsHexDigit(c))) return On();
  return QString();
}

// The report's words for a box.
QString CheckBoxCodec::Describe(const QString &chars) const {
  const QString value = Decode(chars);
  if (value.isNull()) return UnknownText(chars);
  return value == On() ? tr("ein") : tr("aus");
}

bool CheckBoxCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const int on = OnOff(value);
  if (on < 0) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(Stored(on == 1));
  return true;
}

QString CheckBoxCodec::Accepted() const { return OnOffAccepted(); }

// ---------------------------------------------------------------------------------------------

MaskCodec::MaskCodec(std::array<FormText, 4> names, FormText none)
    : SettingCodec(1), names_(names), none_(none) {}

int MaskCodec::Bits(QChar c) { return Register::HexDigitToValue(c); }

QChar MaskCodec::Stored(int bits) { return Register::ValueToHexDigit(bits); }

QString MaskCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (!IsHexDigit(c)) return QString();
  QStringList ticked;
  for (int bit = 0; bit < 4; ++bit)
    if (Bits(c) & (1 << bit)) ticked << names_[bit].Tr();
  return ticked.isEmpty() ? none_.Tr() : ticked.join(QStringLiteral(", "));
}

bool MaskCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString trimmed = value.trimmed();
  int bits = 0;
  if (!trimmed.isEmpty() && trimmed.compare(none_.Tr(), Qt::CaseInsensitive) != 0) {
    for (const QString &part : trimmed.split(QLatin1Char(','))) {
      const QString name = part.trimmed();
      int bit = -1;
      for (int i = 0; i < 4 && bit < 0; ++i)
        if (name == QString::number(i + 1) ||
            name.compare(names_[i].Tr(), Qt::CaseInsensitive) == 0)
          bit = i;
      if (bit < 0) {
        *error = NotAccepted(value, Accepted());
        return false;
      }
      bits |= 1 << bit;
    }
  }
  *chars = QString(Stored(bits));
  return true;
}

QString MaskCodec::Accepted() const {
  return tr("die Kreise durch Kommas getrennt, z. B. \"1, 3\", oder \"%1\"").arg(none_.Tr());
}

// ---------------------------------------------------------------------------------------------

TextCodec::TextCodec(int width, int maxInput, Digits digits, Fill fill,
                     std::function<QString(const QString &)> words)
    : SettingCodec(width),
      maxInput_(std::min(maxInput, width)),
      digits_(digits),
      fill_(fill),
      words_(std::move(words)) {}

bool TextCodec::IsValid(const QString &chars) const {
  return chars.size() == Width() && (digits_ == Digits::Hex ? IsHex(chars) : IsDecimal(chars));
}

bool TextCodec::Complete(const QString &text, QString *chars, QString *error) const {
  const QString upper = text.toUpper();
  if (digits_ == Digits::Hex ? !Register::IsHexText(upper) : !IsDecimal(upper)) {
    // The key functions page's own message; a digits-only field lets nothing else be typed.
    *error = digits_ == Digits::Hex ? tr("Hexwert eingeben!") : tr("Bitte nur Ziffern eingeben.");
    return false;
  }
  if (upper.size() > maxInput_) {
    *error = tr("Das Feld nimmt höchstens %n Zeichen.", nullptr, maxInput_);
    return false;
  }
  *chars = fill_ == Fill::Left ? upper.rightJustified(Width(), QLatin1Char('0'))
                               : upper.leftJustified(Width(), QLatin1Char('0'));
  return true;
}

QString TextCodec::Decode(const QString &chars) const { return IsValid(chars) ? chars : QString(); }

QString TextCodec::Describe(const QString &chars) const {
  if (!IsValid(chars)) return UnknownText(chars);
  return words_ ? words_(chars) : chars;
}

bool TextCodec::Encode(const QString &value, QString *chars, QString *error) const {
  return Complete(value.trimmed(), chars, error);
}

QString TextCodec::Accepted() const {
  return digits_ == Digits::Hex ? tr("bis zu %n Hex-Ziffern (0-9, A-F)", nullptr, maxInput_)
                                : tr("bis zu %n Ziffern", nullptr, maxInput_);
}

// ---------------------------------------------------------------------------------------------

TonfolgeCodec::TonfolgeCodec(int width, int digits)
    : TextCodec(width, digits, Digits::Hex, Fill::Right) {}

QString TonfolgeCodec::Decode(const QString &chars) const {
  if (!IsValid(chars)) return QString();
  const QString rest = chars.mid(MaxInput());
  return rest == QString(rest.size(), QLatin1Char('0')) ? chars.left(MaxInput()) : QString();
}

QString TonfolgeCodec::Describe(const QString &chars) const {
  const QString digits = chars.left(MaxInput());
  const QString rest = chars.mid(MaxInput());
  if (chars.size() != Width() || !IsHex(digits)) return UnknownText(chars);
  if (rest != QString(rest.size(), QLatin1Char('0')))
    return tr("%1 (dahinter unbekannter Wert %2)").arg(digits, rest);
  return digits;
}

// ---------------------------------------------------------------------------------------------

NumberCodec::NumberCodec(int width, int min, int max, FormText unit)
    : SettingCodec(width), min_(min), max_(max), unit_(unit) {}

int NumberCodec::Read(const QString &chars) {
  int value = 0;
  for (QChar c : chars) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
    value = value * 10 + (c.unicode() - '0');
  }
  return value;
}

QString NumberCodec::Decode(const QString &chars) const {
  if (chars.size() != Width() || !IsDecimal(chars)) return QString();
  return QString::number(Read(chars));
}

QString NumberCodec::Describe(const QString &chars) const {
  const QString value = Decode(chars);
  if (value.isNull()) return UnknownText(chars);
  return unit_.IsEmpty() ? value : value + QLatin1Char(' ') + unit_.Tr();
}

bool NumberCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString text = value.trimmed();
  if (text.isEmpty()) {
    *error = tr("Geben Sie eine ganze Zahl ein.");
    return false;
  }
  bool number = false;
  const qlonglong n = text.toLongLong(&number);
  // A run of digits too long for any integer is out of range as well.
  if (!number || !IsDecimal(text) || n < min_ || n > max_) {
    *error = tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(min_).arg(max_);
    return false;
  }
  const QString digits = QString::number(n).rightJustified(Width(), QLatin1Char('0'));
  if (digits.size() != Width()) {  // a range wider than the setting's characters
    *error = tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(min_).arg(max_);
    return false;
  }
  *chars = digits;
  return true;
}

QString NumberCodec::Accepted() const {
  return tr("eine ganze Zahl von %1 bis %2").arg(min_).arg(max_);
}

// ---------------------------------------------------------------------------------------------

VorlaufzeitCodec::VorlaufzeitCodec() : SettingCodec(2) {}

QString VorlaufzeitCodec::Complete(const QString &text) {
  return text.left(2).leftJustified(2, QLatin1Char('0')) + QLatin1Char('0');
}

QString VorlaufzeitCodec::Shown(const QString &chars) { return chars + QLatin1Char('0'); }

QString VorlaufzeitCodec::Decode(const QString &chars) const {
  return chars.size() == Width() && IsDecimal(chars) ? Shown(chars) : QString();
}

QString VorlaufzeitCodec::Describe(const QString &chars) const {
  const QString value = Decode(chars);
  return value.isNull() ? UnknownText(chars) : tr("%1 ms").arg(value);
}

bool VorlaufzeitCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QString text = value.trimmed();
  if (!IsDecimal(text) || text.size() > 3) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = Complete(text).left(2);
  return true;
}

QString VorlaufzeitCodec::Accepted() const {
  return tr("bis zu 3 Ziffern, Millisekunden; die letzte Ziffer gilt als 0 (\"5\" wird 500)");
}

// ---------------------------------------------------------------------------------------------

int PackedDigit::Part(QChar c) {
  const int offset = c.unicode() - '0';
  return offset < 0 ? 0 : offset % kFlag;
}

QChar PackedDigit::Join(int part, bool flag) {
  return QChar::fromLatin1(char('0' + part + (flag ? kFlag : 0)));
}

PackedChoiceCodec::PackedChoiceCodec(const ItemTable &table) : SettingCodec(1), table_(table) {}

QString PackedChoiceCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (!PackedDigit::IsListed(c)) return QString();
  return TextFor(table_, PackedDigit::Join(PackedDigit::Part(c), false));
}

bool PackedChoiceCodec::Encode(const QString &value, QString *chars, QString *error) const {
  const QChar c = ItemFor(table_, value);
  if (c.isNull()) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  *chars = QString(PackedDigit::Join(c.unicode() - '0', PackedDigit::Flag(First(*chars))));
  return true;
}

QString PackedChoiceCodec::Accepted() const { return QuotedItems(table_); }

PackedFlagCodec::PackedFlagCodec(FormText off, FormText on, bool keepUnlisted)
    : SettingCodec(1), off_(off), on_(on), keepUnlisted_(keepUnlisted) {}

QString PackedFlagCodec::Decode(const QString &chars) const {
  const QChar c = First(chars);
  if (!PackedDigit::IsListed(c)) return QString();
  const bool flag = PackedDigit::Flag(c);
  if (IsCheckBox()) return flag ? On() : Off();
  return (flag ? on_ : off_).Tr();
}

QString PackedFlagCodec::Describe(const QString &chars) const {
  const QString value = Decode(chars);
  if (value.isNull()) return UnknownText(chars);
  if (!IsCheckBox()) return value;
  return value == On() ? tr("ein") : tr("aus");
}

bool PackedFlagCodec::Encode(const QString &value, QString *chars, QString *error) const {
  int flag = -1;
  if (IsCheckBox()) {
    flag = OnOff(value);
  } else if (value.trimmed() == off_.Tr() || value.trimmed() == on_.Tr()) {
    flag = value.trimmed() == on_.Tr() ? 1 : 0;
  }
  if (flag < 0) {
    *error = NotAccepted(value, Accepted());
    return false;
  }
  const QChar c = First(*chars);
  if (keepUnlisted_ && !PackedDigit::IsListed(c)) return true;
  *chars = QString(PackedDigit::Join(PackedDigit::Part(c), flag == 1));
  return true;
}

QString PackedFlagCodec::Accepted() const {
  if (IsCheckBox()) return OnOffAccepted();
  return Quoted(off_.Tr()) + QStringLiteral(", ") + Quoted(on_.Tr());
}

// ---------------------------------------------------------------------------------------------

namespace {

QString EditorText(const char *text) { return QCoreApplication::translate("DetailFMS", text); }

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
