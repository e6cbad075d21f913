// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SettingsCatalog.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

class Register;

// A readable account of one register image: titled "Einstellungsbericht", with the date and
// time, the register file and the console's version text where known, then every page's
// settings in words (SettingsCatalog) and last the 200 registers in hex. The same content
// comes as HTML (to show, save or print), as plain text (for a terminal) and as JSON (for
// programs). Building a report cannot fail.
class SettingsReport {
  Q_DECLARE_TR_FUNCTIONS(SettingsReport)

 public:
  struct Input {
    QStringList registers;  // the 200 register texts, register 0 first
    QString fileName;       // the register file; empty when there is none
    QString versionText;    // the console's version text; empty when none was read
    QDateTime created;      // when the report is made; shown to the minute
  };

  // The register texts, file path and version text of an image, made at `created`.
  static Input FromImage(const Register &image, const QDateTime &created);

  explicit SettingsReport(Input input);

  // "Einstellungsbericht".
  static QString Title();
  // `text` with every control character, stray surrogate and non-character replaced by "?":
  // file names and console answers may hold anything, a line of text or XML takes none of it.
  static QString Printable(const QString &text);

  // A complete XHTML document that declares UTF-8 (save it with toUtf8()): every text from
  // outside (labels, values, file name, version text) is escaped, and control characters are
  // replaced by "?", so it parses as XML. Tables carry border attributes, so QTextDocument
  // prints them as a browser shows them.
  QString Html() const;
  // The same content as lines of text: values aligned in a column per page, registers ten to
  // a line. Control characters from outside are replaced by "?".
  QString Text() const;
  // {"title", "created" (ISO 8601), "file" and "version" (null when unknown),
  //  "pages": [{"page", "settings": [{"setting", "value", "register", "positions": [...]}]}],
  //  "registers": [the texts as given]}. A setting spread over several registers names the
  // first in "register"/"positions" and the others in "further": [{"register", "positions"}].
  QByteArray Json() const;

 private:
  QString CreatedText() const;

  Input input_;
  SettingsCatalog catalog_;
};
