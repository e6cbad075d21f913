// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QChar>
#include <QString>
#include <QtGlobal>

// Layout of one FMS telegram text: 10 hex characters, indexed from 0 here. Anything after the
// tenth character belongs to the caller and is left alone.
namespace DetailFmsTable {

inline constexpr int kTelegramLength = 10;

// Character 1: organisation; character 2: state.
inline constexpr int kBosIndex = 0;
inline constexpr int kLandIndex = 1;
// Characters 3-4: place code; characters 5-8: vehicle code.
inline constexpr int kOrtIndex = 2;
inline constexpr int kOrtLength = 2;
inline constexpr int kFahrzeugIndex = 4;
inline constexpr int kFahrzeugLength = 4;
// Character 9: status or instruction number; character 10: the flags digit.
inline constexpr int kStatusIndex = 8;
inline constexpr int kFlagsIndex = 9;

// The flags digit is TKI (bits 3-2) + direction (bit 1) + build stage (bit 0).
inline constexpr int kTkiValues[4] = {0, 4, 8, 12};  // "TKI 1", "TKI2", "TKI3", "TKI4"
inline constexpr int kAnweisungValue = 2;            // "Anweisung"; "Status" is 0
inline constexpr int kBaustufe2Value = 1;            // "Baustufe 2"; "Baustufe 1" is 0

// The three radio groups a flags digit stands for.
struct Flags {
  int tki = 0;  // index into kTkiValues: 0 = "TKI 1" ... 3 = "TKI4"
  bool anweisung = false;
  bool baustufe2 = false;
};

// Every value 0 to 15 splits into exactly one choice per group.
inline Flags SplitFlags(int value) {
  Flags flags;
  for (int i = 3; i >= 0; --i) {
    if (value >= kTkiValues[i]) {
      flags.tki = i;
      value -= kTkiValues[i];
      break;
    }
  }
  flags.anweisung = value >= kAnweisungValue;
  if (flags.anweisung) value -= kAnweisungValue;
  flags.baustufe2 = value == kBaustufe2Value;
  return flags;
}

inline int JoinFlags(const Flags &flags) {
  return kTkiValues[flags.tki] + (flags.anweisung ? kAnweisungValue : 0) +
         (flags.baustufe2 ? kBaustufe2Value : 0);
}

// The fields of one telegram, each as its characters stand.
struct Telegram {
  QChar bos;
  QChar land;
  QString ort;       // 2 characters
  QString fahrzeug;  // 4 characters
  QChar status;
  QChar flags;
};

// A text shorter than a telegram reads as if padded with "0", so no field is ever built around
// missing characters; characters after the tenth are not part of it.
inline Telegram ParseTelegram(const QString &text) {
  const QString t = text.left(kTelegramLength).leftJustified(kTelegramLength, QLatin1Char('0'));
  return {t.at(kBosIndex),
          t.at(kLandIndex),
          t.mid(kOrtIndex, kOrtLength),
          t.mid(kFahrzeugIndex, kFahrzeugLength),
          t.at(kStatusIndex),
          t.at(kFlagsIndex)};
}

// The 10 characters of a telegram; short place and vehicle codes are completed on the left
// with "0" ("7" -> "07").
inline QString FormatTelegram(const Telegram &telegram) {
  return QString(telegram.bos) + telegram.land +
         telegram.ort.rightJustified(kOrtLength, QLatin1Char('0'), true) +
         telegram.fahrzeug.rightJustified(kFahrzeugLength, QLatin1Char('0'), true) +
         telegram.status + telegram.flags;
}

// The radio buttons' texts as the editor's form shows them; shown through
// QCoreApplication::translate("DetailFMS", ...).
inline const char *const kTkiTexts[4] = {
    QT_TRANSLATE_NOOP("DetailFMS", "TKI 1"),
    QT_TRANSLATE_NOOP("DetailFMS", "TKI2"),
    QT_TRANSLATE_NOOP("DetailFMS", "TKI3"),
    QT_TRANSLATE_NOOP("DetailFMS", "TKI4"),
};
inline const char *const kStatusText = QT_TRANSLATE_NOOP("DetailFMS", "Status");
inline const char *const kAnweisungText = QT_TRANSLATE_NOOP("DetailFMS", "Anweisung");
inline const char *const kBaustufeTexts[2] = {
    QT_TRANSLATE_NOOP("DetailFMS", "Baustufe 1"),
    QT_TRANSLATE_NOOP("DetailFMS", "Baustufe 2"),
};

// The stored character is the first character of each item text.
inline const ItemTable kBosItems = {
    {
        {QT_TRANSLATE_NOOP("Items", "0:"), '0'},
        {QT_TRANSLATE_NOOP("Items", "1: Polizei (Länder)"), '1'},
        {QT_TRANSLATE_NOOP("Items", "2: Bundespolizei"), '2'},
        {QT_TRANSLATE_NOOP("Items", "3: Bundeskriminalamt"), '3'},
        {QT_TRANSLATE_NOOP("Items", "4: Katastrophenschutz"), '4'},
        {QT_TRANSLATE_NOOP("Items", "5: Zoll"), '5'},
        {QT_TRANSLATE_NOOP("Items", "6: Feuerwehr"), '6'},
        {QT_TRANSLATE_NOOP("Items", "7: Technisches Hilfswerk"), '7'},
        {QT_TRANSLATE_NOOP("Items", "8: Arbeiter-Samariter-Bund"), '8'},
        {QT_TRANSLATE_NOOP("Items", "9: Deutsches Rotes Kreuz"), '9'},
        {QT_TRANSLATE_NOOP("Items", "A: Johanniter-Unfall-Hilfe"), 'A'},
        {QT_TRANSLATE_NOOP("Items", "B: Malteser-Hilfsdienst"), 'B'},
        {QT_TRANSLATE_NOOP("Items", "C: Deutsche Lebensrettungsgesellschaft"), 'C'},
        {QT_TRANSLATE_NOOP("Items", "D: Rettungsdienst"), 'D'},
        {QT_TRANSLATE_NOOP("Items", "E: Zivilschutz (Warndienst)"), 'E'},
        {QT_TRANSLATE_NOOP("Items", "F: Fernwirktelegramme"), 'F'},
    },
    true};

inline const ItemTable kLandItems = {
    {
        {QT_TRANSLATE_NOOP("Items", "0: Sachsen"), '0'},
        {QT_TRANSLATE_NOOP("Items", "1: Bund"), '1'},
        {QT_TRANSLATE_NOOP("Items", "2: Baden-Württemberg"), '2'},
        {QT_TRANSLATE_NOOP("Items", "3: Bayern 1"), '3'},
        {QT_TRANSLATE_NOOP("Items", "4: Berlin"), '4'},
        {QT_TRANSLATE_NOOP("Items", "5: Bremen"), '5'},
        {QT_TRANSLATE_NOOP("Items", "6: Hamburg"), '6'},
        {QT_TRANSLATE_NOOP("Items", "7: Hessen"), '7'},
        {QT_TRANSLATE_NOOP("Items", "8: Niedersachsen"), '8'},
        {QT_TRANSLATE_NOOP("Items", "9: Nordrhein-Westfalen"), '9'},
        {QT_TRANSLATE_NOOP("Items", "A: Rheinland-Pfalz"), 'A'},
        {QT_TRANSLATE_NOOP("Items", "B: Schleswig-Holstein"), 'B'},
        {QT_TRANSLATE_NOOP("Items", "C: Saarland"), 'C'},
        {QT_TRANSLATE_NOOP("Items", "D: Bayern 2"), 'D'},
        {QT_TRANSLATE_NOOP("Items", "E: Mecklenburg-Vorpommern/Sachsen-Anhalt"), 'E'},
        {QT_TRANSLATE_NOOP("Items", "F: Brandenburg/Thüringen"), 'F'},
    },
    true};

inline const ItemTable kStatusItems = {
    {
        {QT_TRANSLATE_NOOP("Items", "0"), '0'},
        {QT_TRANSLATE_NOOP("Items", "1"), '1'},
        {QT_TRANSLATE_NOOP("Items", "2"), '2'},
        {QT_TRANSLATE_NOOP("Items", "3"), '3'},
        {QT_TRANSLATE_NOOP("Items", "4"), '4'},
        {QT_TRANSLATE_NOOP("Items", "5"), '5'},
        {QT_TRANSLATE_NOOP("Items", "6"), '6'},
        {QT_TRANSLATE_NOOP("Items", "7"), '7'},
        {QT_TRANSLATE_NOOP("Items", "8"), '8'},
        {QT_TRANSLATE_NOOP("Items", "9"), '9'},
        {QT_TRANSLATE_NOOP("Items", "A"), 'A'},
        {QT_TRANSLATE_NOOP("Items", "B"), 'B'},
        {QT_TRANSLATE_NOOP("Items", "C"), 'C'},
        {QT_TRANSLATE_NOOP("Items", "D"), 'D'},
        {QT_TRANSLATE_NOOP("Items", "E"), 'E'},
        {QT_TRANSLATE_NOOP("Items", "F"), 'F'},
    },
    true};

// The editor's fields of the key functions page's three telegrams.
const PageSchema &Schema();

}  // namespace DetailFmsTable
