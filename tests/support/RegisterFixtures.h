// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Register.h"
#include "SimulatedConsole.h"

#include <QString>
#include <QStringList>
#include <QtTest>

// Register sets the tests start from and compare with: recognisable patterns, a console's
// factory values, and single registers named "5=00020000". Shared by every test of registers.

// 200 different register texts: `prefix` followed by the register number ("AB000042").
inline QStringList Pattern(const QString &prefix) {
  QStringList texts;
  for (int reg = 0; reg < 200; ++reg)
    texts.append(prefix +
                 QString::number(reg).rightJustified(8 - prefix.size(), QLatin1Char('0')));
  return texts;
}

// What a fresh console holds.
inline QStringList FactoryValues() { return SimulatedConsole().FactoryValues(); }

// `texts` with "n=TEXT" changes.
inline QStringList Changed(QStringList texts, const QStringList &changes) {
  for (const QString &change : changes) {
    const QStringList parts = change.split(QLatin1Char('='));
    texts[parts.at(0).toInt()] = parts.at(1);
  }
  return texts;
}

// The factory values with Funkkreis 1 switched off: one setting differs, in words "ein"/"aus".
inline QStringList FunkkreisOneOff() {
  QStringList texts = FactoryValues();
  texts[0][0] = QLatin1Char('0');
  return texts;
}

// "5=00020000" sets register 5 to that text.
inline void SetRegisters(Register &image, const QStringList &texts) {
  for (const QString &text : texts) {
    const QStringList parts = text.split(QLatin1Char('='));
    QVERIFY2(image.SetText(parts.at(0).toInt(), parts.at(1)), qPrintable(text));
  }
}

// Compares in the same "5=00020000" form, so a failure names the register.
inline void CompareRegisters(const Register &image, const QStringList &texts) {
  for (const QString &text : texts) {
    const QStringList parts = text.split(QLatin1Char('='));
    QCOMPARE(parts.at(0) + QLatin1Char('=') + image.Text(parts.at(0).toInt()), text);
  }
}

// A console's registers, all 200 at once.
inline void SetRegisters(SimulatedConsole &console, const QStringList &texts) {
  for (int reg = 0; reg < 200; ++reg) console.SetRegisterText(reg, texts.at(reg));
}

inline QStringList Registers(const SimulatedConsole &console) {
  QStringList texts;
  for (int reg = 0; reg < 200; ++reg) texts << console.RegisterText(reg);
  return texts;
}
