// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsText.h"

#include <map>
#include <set>

#include "FileReason.h"
#include "NativePath.h"
#include "Register.h"
#include "RegisterEdit.h"
#include "SettingsReport.h"

#include <QDir>
#include <QFile>

namespace {

// A settings text is small; anything larger is no export of ours.
constexpr qint64 kMaxTextSize = 1024 * 1024;

const QChar kCovered = QLatin1Char('.');

// Every register line's id begins so (SettingsCatalog::RegisterId).
QString RegisterPrefix() { return QStringLiteral("register."); }

}  // namespace

QString SettingsText::Export(const QStringList &texts, const QString &source) const {
  QString text =
      tr("# Quorex-Einstellungen aus %1\n"
         "# Eine Einstellung je Zeile: ID = Wert. Werte wie bei \"quorex-cli set\";\n"
         "# \"roh:\" mit Hex-Ziffern steht für Zeichen, die keine Seite so speichert.\n"
         "# Zurück in eine Registerdatei: quorex-cli import DIESE_DATEI -o NEU.rquorex\n")
          .arg(SettingsReport::Printable(source));
  for (const SettingsCatalog::Page &page : catalog_.Pages()) {
    bool first = true;
    for (const SettingsCatalog::Setting &setting : page.settings) {
      if (setting.view) continue;
      if (first) text += QStringLiteral("\n# == %1 ==\n").arg(page.title);
      first = false;
      const QString chars = setting.Chars(texts);
      const QString note = setting.codec->Note(chars);
      text += QStringLiteral("# %1: %2%3\n%4 = %5\n")
                  .arg(page.title, setting.label,
                       note.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(note), setting.id,
                       setting.codec->ValueText(chars));
    }
  }
  text +=
      tr("\n# == %1 ==\n"
         "# Stellen, die keine Seite nutzt; \".\" steht für eine Stelle einer Einstellung oben.\n")
          .arg(SettingsCatalog::UncoveredTitle());
  for (const SettingsCatalog::UncoveredRegister &entry : catalog_.Uncovered()) {
    QString line(Register::kRegisterLength, kCovered);
    const QString stored = texts.value(entry.reg);
    for (int pos : entry.positions)
      line[pos] = pos < stored.size() ? stored.at(pos) : QLatin1Char('0');
    text += QStringLiteral("%1 = %2\n").arg(SettingsCatalog::RegisterId(entry.reg), line);
  }
  return text;
}

// What an import has built and found so far.
struct SettingsText::Reading {
  QStringList image;
  // Every character some line gave (or named in a refused line).
  std::set<RegisterSpot> given;
  std::map<QString, int> seen;  // id -> line
  std::map<int, std::vector<int>> uncovered;
  QStringList found;
};

bool SettingsText::Import(const QString &text, QStringList *texts, QStringList *errors) const {
  return Read(text, nullptr, texts, errors);
}

bool SettingsText::ImportOver(const QStringList &base, const QString &text, QStringList *texts,
                              QStringList *errors, QStringList *changed) const {
  QStringList image;
  if (!Read(text, &base, &image, errors)) return false;
  if (changed) {
    changed->clear();
    for (const SettingsCatalog::Page &page : catalog_.Pages())
      for (const SettingsCatalog::Setting &setting : page.settings)
        if (!setting.view && setting.Chars(image) != setting.Chars(base)) *changed << setting.id;
    for (const SettingsCatalog::UncoveredRegister &entry : catalog_.Uncovered())
      for (int pos : entry.positions)
        if (image.value(entry.reg).mid(pos, 1) != base.value(entry.reg).mid(pos, 1)) {
          *changed << SettingsCatalog::RegisterId(entry.reg);
          break;
        }
  }
  *texts = image;
  return true;
}

bool SettingsText::Read(const QString &text, const QStringList *base, QStringList *texts,
                        QStringList *errors) const {
  Reading reading;
  reading.image =
      QStringList(Register::kRegisterCount, QString(Register::kRegisterLength, QLatin1Char('0')));
  if (base) {
    if (base->size() != Register::kRegisterCount) {
      *errors = QStringList{tr("Die Grundlage hat keine 200 Register.")};
      return false;
    }
    for (int reg = 0; reg < Register::kRegisterCount; ++reg)
      if (base->at(reg).size() == Register::kRegisterLength) reading.image[reg] = base->at(reg);
  }
  for (const SettingsCatalog::UncoveredRegister &entry : catalog_.Uncovered())
    reading.uncovered[entry.reg] = entry.positions;

  const QStringList lines = text.split(QLatin1Char('\n'));
  for (int i = 0; i < lines.size(); ++i) TakeLine(i + 1, lines.at(i).trimmed(), reading);
  // Over a base, the base gives what no line gave.
  if (!base) NameMissing(reading);

  if (!reading.found.isEmpty()) {
    *errors = reading.found;
    return false;
  }
  *texts = reading.image;
  return true;
}

void SettingsText::TakeLine(int number, const QString &line, Reading &reading) const {
  if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) return;
  const int equals = line.indexOf(QLatin1Char('='));
  if (equals < 0) {
    reading.found << tr("Zeile %1: erwartet wird \"ID = Wert\".").arg(number);
    return;
  }
  const QString id = line.left(equals).trimmed();
  const QString value = line.mid(equals + 1).trimmed();
  const auto [previous, fresh] = reading.seen.emplace(id, number);
  if (!fresh) {
    reading.found << tr("Zeile %1: %2 steht schon in Zeile %3.")
                         .arg(QString::number(number), id, QString::number(previous->second));
    return;
  }
  if (id.startsWith(RegisterPrefix()))
    TakeRegister(number, id, value, reading);
  else
    TakeSetting(number, id, value, reading);
}

// "register.017 = ....0..0": the characters no page uses, the others written ".".
void SettingsText::TakeRegister(int number, const QString &id, const QString &value,
                                Reading &reading) const {
  bool ok = false;
  const QString digits = id.mid(RegisterPrefix().size());
  const int reg = digits.size() == 3 ? digits.toInt(&ok) : -1;
  const auto entry = reading.uncovered.find(reg);
  // Only the written form: "register.+24" or "register. 24" would be a second line for
  // register 24, which "seen" does not know by that name.
  if (!ok || entry == reading.uncovered.end() || id != SettingsCatalog::RegisterId(reg)) {
    reading.found << tr("Zeile %1: unbekannte Einstellung \"%2\".").arg(number).arg(id);
    return;
  }
  const std::set<int> free(entry->second.begin(), entry->second.end());
  const QString upper = value.toUpper();
  bool valid = upper.size() == Register::kRegisterLength;
  for (int pos = 0; valid && pos < upper.size(); ++pos)
    valid = free.count(pos) ? Register::IsHexText(QString(upper.at(pos)))
                            : upper.at(pos) == kCovered;
  for (int pos : entry->second) reading.given.insert({reg, pos});
  if (!valid) {
    QString pattern(Register::kRegisterLength, kCovered);
    for (int pos : entry->second) pattern[pos] = QLatin1Char('H');
    reading.found << tr("Zeile %1: %2 braucht 8 Zeichen wie %3: H eine Hex-Ziffer, \".\" eine "
                        "Stelle einer Einstellung.")
                         .arg(number)
                         .arg(id, pattern);
    return;
  }
  std::vector<RegisterSpot> spots;
  QString chars;
  for (int pos : entry->second) {
    spots.push_back({reg, pos});
    chars += upper.at(pos);
  }
  RegisterEdit::Write(&reading.image, spots, chars);
}

void SettingsText::TakeSetting(int number, const QString &id, const QString &value,
                               Reading &reading) const {
  const SettingsCatalog::Setting *setting = catalog_.FindId(id);
  if (!setting) {
    reading.found << tr("Zeile %1: unbekannte Einstellung \"%2\".").arg(number).arg(id);
    return;
  }
  // A refused line is named for its fault, not once more as missing.
  reading.given.insert(setting->spots.begin(), setting->spots.end());
  QString chars = setting->Chars(reading.image);
  QString error;
  if (!setting->codec->Set(value, &chars, &error)) {
    reading.found << tr("Zeile %1: %2: %3").arg(number).arg(id, error);
    return;
  }
  RegisterEdit::Write(&reading.image, setting->spots, chars);
}

// Whatever no line gave would be a guess: name what is missing instead.
void SettingsText::NameMissing(Reading &reading) const {
  QStringList missing;
  for (const SettingsCatalog::Page &page : catalog_.Pages())
    for (const SettingsCatalog::Setting &setting : page.settings)
      for (RegisterSpot spot : setting.spots)
        if (!setting.view && !reading.given.count(spot)) {
          missing << setting.id;
          break;
        }
  for (const auto &[reg, positions] : reading.uncovered)
    for (int pos : positions)
      if (!reading.given.count({reg, pos})) {
        missing << SettingsCatalog::RegisterId(reg);
        break;
      }
  if (missing.isEmpty()) return;
  constexpr int kNamed = 10;
  reading.found << tr("Es fehlen:");
  for (const QString &id : missing.mid(0, kNamed)) reading.found << QStringLiteral("  ") + id;
  if (missing.size() > kNamed) reading.found << tr("und %1 weitere").arg(missing.size() - kNamed);
}

bool SettingsText::ReadFile(const QString &path, const QStringList *base, QStringList *texts,
                            QString *error, QStringList *details, QStringList *changed) const {
  details->clear();
  const QString shown = QDir::toNativeSeparators(NativePath::Shown(path));
  QFile file;
  qint64 size = 0;
  const bool regular = NativePath::IsRegularFile(path, &size);
  QString reason;
  if (!regular || size > kMaxTextSize || !NativePath::OpenForReading(file, path, &reason)) {
    if (regular && size > kMaxTextSize) {
      reason = tr("sie ist größer als 1 MB");
    } else if (!regular) {
      const QString kind = FileReason::NotRegular(path);
      reason = kind.isEmpty() ? tr("es gibt sie nicht")
                              : tr("es ist keine gewöhnliche Datei, sondern %1").arg(kind);
    } else {
      reason = FileReason::FromText(reason);
    }
    *error = tr("Die Datei %1 kann nicht gelesen werden: %2.").arg(shown, reason);
    return false;
  }
  const QString text = QString::fromUtf8(file.readAll());
  const bool read = base ? ImportOver(*base, text, texts, details, changed)
                         : Import(text, texts, details);
  if (!read) *error = tr("%1 enthält Fehler.").arg(shown);
  return read;
}
