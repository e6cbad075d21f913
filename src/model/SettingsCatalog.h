// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PageTable.h"
#include "SettingCodec.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

class Register;

// Every setting of every configuration page (and of the FMS telegram editor), named as the
// page names it and read from a register image in words. Assembled from the pages' schemas
// (SettingSchema.h), whose codecs the pages bind, so a page, a report, a comparison and the
// command-line tool cannot disagree. The comparison lives in SettingsComparison.cpp, the
// registers no page covers in RegisterCoverage.cpp.
//
// A register image is handed over as its 200 register texts, register 0 first
// (Register::AllTexts(), or the lines of a register file). The catalog never changes it.
// Missing registers or characters read as unknown values; nothing here can fail.
//
// The texts are taken from the current translation when the catalog is built: build a new
// catalog after a language change.
class SettingsCatalog {
  Q_DECLARE_TR_FUNCTIONS(SettingsCatalog)

 public:
  struct Setting {
    // Stable ASCII id ("squelch.kreis1.sql"), unique in the catalog.
    QString id;
    // The page's window title, e.g. "Funkkreiskonfiguration".
    QString page;
    // The control's label or group title as the page shows it, without a trailing colon
    // ("Funkkreis 1 erlaubt"). `context` is the surrounding group (empty if none), `name` the
    // bare label; `label` is "context / name" where the bare name alone would repeat on the
    // page ("Funkkreis 3 / SQL"), else the bare name. Unique within its page.
    QString label;
    QString context;
    QString name;
    // Every register character the setting covers, in the order of its value.
    std::vector<RegisterSpot> spots;
    // How the characters are read and written; owned by the page's schema.
    const SettingCodec *codec = nullptr;
    // Another setting's characters seen part by part (the FMS editor's fields).
    bool view = false;

    // The setting's characters; one the image lacks reads as "-".
    QString Chars(const QStringList &texts) const;
    // The value in words: an item text, "ein"/"aus", a number with its unit, a telegram text,
    // the names of the checked boxes of a mask; "roh:" and the stored characters for
    // characters the page would not store so. `quorex-cli set` takes it back as it stands.
    QString Value(const QStringList &texts) const { return codec->ValueText(Chars(texts)); }
    QString Value(const Register &image) const;
    // Value, and in brackets why it is "roh:" ("roh:2 (unbekannter Wert)").
    QString Described(const QStringList &texts) const { return codec->Describe(Chars(texts)); }
  };

  struct Page {
    QString title;
    std::vector<Setting> settings;

    // The union of the settings' spots, in register and position order.
    std::vector<RegisterSpot> Spots() const;
    // nullptr when the page has no setting of that label.
    const Setting *Find(const QString &label) const;
  };

  // A register with positions that no page uses.
  struct UncoveredRegister {
    int reg = 0;
    std::vector<int> positions;  // all 8 for a register no page touches

    QString Label() const { return RegisterLabel(reg); }
  };

  // One line of a comparison of two register images.
  struct Difference {
    QString page;     // page title, or UncoveredTitle() for an uncovered register
    QString setting;  // setting label, or "Register n"
    QString valueA;   // value in words, or the whole hex text of an uncovered register
    QString valueB;
    std::vector<RegisterSpot> spots;  // the setting's spots, or the register's unused ones
    QString id;                       // the setting's id, or RegisterId()
  };

  SettingsCatalog();

  // In register order of the pages' first settings; "Detail FMS" follows "Tastenfunktionen".
  const std::vector<Page> &Pages() const { return pages_; }
  // nullptr when no page has that title.
  const Page *FindPage(const QString &title) const;
  // nullptr when no setting has that id.
  const Setting *FindId(const QString &id) const;

  // Every spot some page covers, in register and position order, each once (RegisterCoverage).
  std::vector<RegisterSpot> CoveredSpots() const;
  // Every register with at least one position no page covers, in register order.
  std::vector<UncoveredRegister> Uncovered() const;

  // What differs between two images: first every setting whose value in words differs, in
  // catalog order, then every register whose unused positions differ (shown with its whole
  // hex text). Two equal images give an empty list (SettingsComparison).
  std::vector<Difference> Compare(const QStringList &a, const QStringList &b) const;

  // "Register 17".
  static QString RegisterLabel(int reg);
  // "register.017": the id of a register's characters that no page uses.
  static QString RegisterId(int reg);
  // The heading of registers and positions no page uses: "Übrige Register".
  static QString UncoveredTitle();

 private:
  std::vector<Page> pages_;
};
