// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingSchema.h"

#include <QtGlobal>

#include <vector>

// Key functions page: register 19 positions 0-2 and 5-6, registers 20-22 whole, register 23
// positions 0-6, registers 31 and 32 whole. Register 19 positions 3, 4, 7 and register 23
// position 7 belong to other settings.
namespace TastenfunktionenTable {

// "FMS Kennung bei PTT": stored "1" or "0"; every character but "0" shows the box checked.
inline constexpr RegisterSpot kFmsKennungBeiPtt = {19, 0};
// "auf Kreis:" of "PTT": a 4-bit mask, bit 0 = circuit 1 ... bit 3 = circuit 4.
inline constexpr RegisterSpot kPttKreise = {23, 0};

// The PTT identification telegram: characters 1-8 in a whole register, 9-10 in register 23.
inline constexpr int kPttTelegramRegister = 20;
inline constexpr RegisterSpot kPttTelegramRest = {23, 1};

// Characters 1-8 of a telegram fill its whole register; characters 9 and 10 are two
// neighbouring positions of register 23, the first of them named as "rest" below.
inline constexpr int kTelegramHead = 8;
// A tone sequence is 5 digits at the start of its register; the page writes "000" after them.
inline constexpr int kTonfolgeDigits = 5;
inline constexpr int kRegisterPositions = 8;

// The ten characters of a telegram, in the order of its text.
inline std::vector<RegisterSpot> TelegramSpots(int reg, RegisterSpot rest) {
  std::vector<RegisterSpot> spots;
  for (int pos = 0; pos < kTelegramHead; ++pos) spots.push_back({reg, pos});
  spots.push_back(rest);
  spots.push_back({rest.reg, rest.pos + 1});
  return spots;
}

// Telegram and tone sequence registers are replaced whole, so all their positions belong to
// the page.
inline std::vector<RegisterSpot> WholeRegister(int reg) {
  std::vector<RegisterSpot> spots;
  for (int pos = 0; pos < kRegisterPositions; ++pos) spots.push_back({reg, pos});
  return spots;
}

// Everything of one call key; index 0 is "RUF 1 Taste", index 1 "RUF 2 Taste".
struct RufKey {
  RegisterSpot funktion;        // function code, see kFunktion* below
  RegisterSpot kreise;          // 4-bit mask as kPttKreise; "0" = "auf aktuellen Kreis"
  int telegramRegister;         // FMS telegram characters 1-8
  RegisterSpot telegramRest;    // FMS telegram characters 9-10 (two positions)
  int tonfolgeRegister;         // tone sequence: 5 digits, then "000"
};

inline constexpr RufKey kRufKeys[2] = {
    {{19, 1}, {19, 5}, 21, {23, 3}, 31},
    {{19, 2}, {19, 6}, 22, {23, 5}, 32},
};

// Function codes of the call keys.
inline constexpr char kFunktionKeine = '0';
inline constexpr char kFunktionRufSenden = '1';
inline constexpr char kFunktionFmsSenden = '2';
inline constexpr char kFunktionTonfolgeSenden = '3';

inline const ItemTable kRuf1FunktionItems = {
    {
        {QT_TRANSLATE_NOOP("Items", "Keine"), kFunktionKeine},
        {QT_TRANSLATE_NOOP("Items", "RUF1 senden"), kFunktionRufSenden},
        {QT_TRANSLATE_NOOP("Items", "FMS senden"), kFunktionFmsSenden},
        {QT_TRANSLATE_NOOP("Items", "Tonfolge senden"), kFunktionTonfolgeSenden},
    },
    true};

inline const ItemTable kRuf2FunktionItems = {
    {
        {QT_TRANSLATE_NOOP("Items", "Keine"), kFunktionKeine},
        {QT_TRANSLATE_NOOP("Items", "RUF2 senden"), kFunktionRufSenden},
        {QT_TRANSLATE_NOOP("Items", "FMS senden"), kFunktionFmsSenden},
        {QT_TRANSLATE_NOOP("Items", "Tonfolge senden"), kFunktionTonfolgeSenden},
    },
    true};

// Length limits of the telegram fields. The field of a key whose stored function is "Keine"
// or unknown starts at 0 (an unknown code leaves the field enabled, yet it takes nothing);
// choosing "Keine" or the plain call fills the disabled field with 8 zeros, limit 8.
inline constexpr int kTelegramLimit = 10;
inline constexpr int kTonfolgeLimit = 5;
inline constexpr int kRufSendenLimit = 8;
inline constexpr int kKeineLimit = 0;

// The label of a call key's telegram field: it names what the field holds for the chosen
// function. Shown through QCoreApplication::translate("Tastenfunktionen", ...).
inline const char *const kTelegrammLabel = QT_TRANSLATE_NOOP("Tastenfunktionen", "FMS Telegramm:");
inline const char *const kTonfolgeLabel = QT_TRANSLATE_NOOP("Tastenfunktionen", "Tonfolge:");

// The page's settings (PageSchemas.cpp).
const PageSchema &Schema();

}  // namespace TastenfunktionenTable
