// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsCommands.h"

#include "FileReason.h"
#include "NativePath.h"
#include "Register.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <set>

#include "RegisterEdit.h"
#include "RegisterFile.h"
#include "SettingsText.h"
#include "TerminalText.h"

using namespace ExitStatus;

namespace {

bool IsGlob(const QString &pattern) {
  return pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?')) ||
         pattern.contains(QLatin1Char('['));
}

QRegularExpression Glob(const QString &pattern) {
  return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern));
}

// An id, a glob ("squelch.*", "*.kreis1.*") or a leading part ending at a dot ("squelch").
bool Matches(const QString &id, const QString &pattern) {
  if (IsGlob(pattern)) return Glob(pattern).match(id).hasMatch();
  return id == pattern || id.startsWith(pattern + QLatin1Char('.'));
}

}  // namespace

SettingsCommands::SettingsCommands(const Invocation &invocation, Output output)
    : invocation_(invocation), output_(std::move(output)) {}

int SettingsCommands::Get() {
  QStringList texts;
  if (!LoadFile(invocation_.files.constFirst(), &texts)) return kFile;
  std::vector<const SettingsCatalog::Setting *> selected;
  if (!Select(invocation_.words, &selected)) return kUsage;

  if (invocation_.format == Invocation::Format::Json) {
    QJsonArray settings;
    for (const SettingsCatalog::Setting *setting : selected) {
      QJsonObject entry{{QStringLiteral("id"), setting->id},
                        {QStringLiteral("page"), setting->page},
                        {QStringLiteral("label"), setting->label},
                        {QStringLiteral("value"), setting->Value(texts)},
                        {QStringLiteral("chars"), setting->Chars(texts)}};
      const QString note = setting->codec->Note(setting->Chars(texts));
      if (!note.isEmpty()) entry.insert(QStringLiteral("note"), note);
      settings.append(entry);
    }
    const QJsonObject root{
        {QStringLiteral("format"), QStringLiteral("quorex-settings/1")},
        {QStringLiteral("file"),
         QDir::toNativeSeparators(QFileInfo(invocation_.files.constFirst()).absoluteFilePath())},
        {QStringLiteral("settings"), settings}};
    return output_.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
  }
  QString text;
  for (const SettingsCatalog::Setting *setting : selected)
    text += QStringLiteral("%1 = %2\n").arg(setting->id, setting->Value(texts));
  return output_.write(text.toUtf8());
}

int SettingsCommands::Set() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  if (!LoadFile(file, &texts)) return kFile;
  // Every assignment is checked before anything is written; a later one may change a digit
  // an earlier one shares, as two clicks on the page would.
  for (const QString &assignment : invocation_.words) {
    const int equals = assignment.indexOf(QLatin1Char('='));
    const QString id = assignment.left(equals).trimmed();
    if (equals < 0) {
      output_.error(tr("\"%1\" ist keine Zuweisung; erwartet wird ID=WERT.").arg(assignment),
                    QString());
      return kUsage;
    }
    const SettingsCatalog::Setting *setting = catalog_.FindId(id);
    if (!setting) {
      output_.error(tr("Unbekannte Einstellung \"%1\"; die IDs zeigt \"quorex-cli get DATEI\".")
                        .arg(id),
                    QString());
      return kUsage;
    }
    QString chars = setting->Chars(texts);
    QString error;
    if (!setting->codec->Set(assignment.mid(equals + 1), &chars, &error)) {
      output_.error(tr("%1 (%2 / %3): %4").arg(id, setting->page, setting->label, error),
                    QString());
      return kUsage;
    }
    const QString before = setting->Value(texts);
    RegisterEdit::Write(&texts, setting->spots, chars);
    output_.note(QStringLiteral("%1: %2 -> %3").arg(id, before, setting->Value(texts)));
  }
  return Save(invocation_.output.isEmpty() ? file : invocation_.output, texts);
}

int SettingsCommands::Export() {
  const QString file = invocation_.files.constFirst();
  QStringList texts;
  if (!LoadFile(file, &texts)) return kFile;
  return output_.write(SettingsText(catalog_)
                           .Export(texts, QDir::toNativeSeparators(QFileInfo(file).fileName()))
                           .toUtf8());
}

int SettingsCommands::Import() {
  QStringList base;
  if (!invocation_.base.isEmpty() && !LoadFile(invocation_.base, &base)) return kFile;
  QStringList texts;
  QString error;
  QStringList errors;
  QStringList changed;
  if (!SettingsText(catalog_).ReadFile(invocation_.files.constFirst(),
                                       base.isEmpty() ? nullptr : &base, &texts, &error, &errors,
                                       &changed)) {
    if (errors.isEmpty()) {
      output_.error(error, QString());
      return kFile;
    }
    output_.error(tr("%1 enthält Fehler; es wurde nichts geschrieben.")
                      .arg(QDir::toNativeSeparators(NativePath::Shown(invocation_.files.constFirst()))),
                  errors.join(QLatin1Char('\n')));
    return kUsage;
  }
  if (!base.isEmpty())
    output_.note(changed.isEmpty() ? tr("Der Text ändert nichts an der Grundlage.")
                                   : tr("geändert: %1").arg(changed.join(QStringLiteral(", "))));
  return Save(invocation_.output, texts);
}

bool SettingsCommands::LoadFile(const QString &path, QStringList *texts) {
  QString error;
  if (ReadRegisterFile(path, texts, &error)) return true;
  output_.error(error, QString());
  return false;
}

bool SettingsCommands::Select(const QStringList &patterns,
                              std::vector<const SettingsCatalog::Setting *> *selected) {
  for (const QString &pattern : patterns)
    if (IsGlob(pattern) && !Glob(pattern).isValid()) {
      output_.error(tr("\"%1\" ist kein gültiges Muster; es kennt *, ? und Zeichen in Klammern "
                       "wie [34] oder [1-4].")
                        .arg(pattern),
                    QString());
      return false;
    }
  std::set<QString> unused(patterns.begin(), patterns.end());
  for (const SettingsCatalog::Page &page : catalog_.Pages()) {
    for (const SettingsCatalog::Setting &setting : page.settings) {
      bool match = patterns.isEmpty();
      for (const QString &pattern : patterns) {
        if (!Matches(setting.id, pattern)) continue;
        match = true;
        unused.erase(pattern);
      }
      if (match) selected->push_back(&setting);
    }
  }
  if (unused.empty()) return true;
  output_.error(
      tr("Keine Einstellung passt zu \"%1\"; die IDs zeigt \"quorex-cli get DATEI\".")
          .arg(*unused.begin()),
      QString());
  return false;
}

int SettingsCommands::Save(const QString &path, const QStringList &texts) {
  QString error;
  if (!WriteRegisterFile(path, texts, &error)) {
    output_.error(error, QString());
    return kFile;
  }
  // A line break in the name would make a line of its own.
  output_.confirm(tr("gespeichert in: ") + TerminalText::Escaped(QDir::toNativeSeparators(path)));
  return kOk;
}

int SettingsCommands::JudgeApply(Compose *compose, QStringList *changed) const {
  const QString file = invocation_.files.constFirst();
  // Values do not depend on what they are laid over, so any base shows every fault.
  const QStringList blank(Register::kRegisterCount,
                          QString(Register::kRegisterLength, QLatin1Char('0')));
  QStringList texts;
  QString error;
  QStringList faults;
  if (!SettingsText(catalog_).ReadFile(file, &blank, &texts, &error, &faults)) {
    output_.error(
        faults.isEmpty() ? error : error + QLatin1Char(' ') + tr("Es wurde nichts gesendet."),
        faults.join(QLatin1Char('\n')));
    return faults.isEmpty() ? ExitStatus::kFile : ExitStatus::kUsage;
  }
  *compose = [this, file, changed](const QStringList &console, QStringList *out,
                                   QString *summary) {
    QStringList refused;
    if (!SettingsText(catalog_).ReadFile(file, &console, out, summary, &refused, changed))
      return false;
    *summary = changed->isEmpty() ? tr("Keine Einstellung geändert.")
                                  : tr("Geändert: %1").arg(changed->join(QStringLiteral(", ")));
    return true;
  };
  return ExitStatus::kOk;
}
