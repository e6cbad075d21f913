// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "SettingsCatalog.h"

// A register image as an editable text, one setting per line by its stable id:
//
//   # Squelchkonfiguration: Funkkreis 1 / SQL
//   squelch.kreis1.sql = SQL aktiv high
//
// then every register with characters no page uses, those characters given and the others
// written ".":
//
//   register.000 = .......0
//
// A value is what `quorex-cli set` takes; characters with no value a page would store are
// written "roh:" and the hex digits. Lines starting with "#" and empty lines are comments.
// Reading it back gives exactly the register image it was written from.
class SettingsText {
  Q_DECLARE_TR_FUNCTIONS(SettingsText)

 public:
  explicit SettingsText(const SettingsCatalog &catalog) : catalog_(catalog) {}

  // `source`: what the text was made from, named in its first comment lines.
  QString Export(const QStringList &texts, const QString &source) const;

  // Builds all 200 register texts from the text. Every setting (or, for a digit two settings
  // share, one of them) and every register line must be there, each once. On any fault
  // nothing is built: *errors lists every fault found, with its line number, and *texts is
  // untouched. Missing ids are named one per line, the first ten of them.
  bool Import(const QString &text, QStringList *texts, QStringList *errors) const;
  // The text's settings laid over `base` (200 register texts): what the text leaves out
  // stays as `base` has it, character by character. *changed gets the ids of the settings
  // and registers whose characters the text changed, in catalog order.
  bool ImportOver(const QStringList &base, const QString &text, QStringList *texts,
                  QStringList *errors, QStringList *changed = nullptr) const;

  // Import or ImportOver (with a `base`) of the text file at `path`: a regular file of at most
  // 1 MB, UTF-8. On failure *error says so in one sentence naming the file, and *details lists
  // the faults line by line (empty when the file could not be read at all).
  bool ReadFile(const QString &path, const QStringList *base, QStringList *texts, QString *error,
                QStringList *details, QStringList *changed = nullptr) const;

 private:
  bool Read(const QString &text, const QStringList *base, QStringList *texts,
            QStringList *errors) const;
  // Read's steps: each line taken as a register's or a setting's, then what no line gave named.
  struct Reading;
  void TakeLine(int number, const QString &line, Reading &reading) const;
  void TakeRegister(int number, const QString &id, const QString &value, Reading &reading) const;
  void TakeSetting(int number, const QString &id, const QString &value, Reading &reading) const;
  void NameMissing(Reading &reading) const;

  const SettingsCatalog &catalog_;
};
