// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EditHistory.h"

#include "BackupStore.h"
#include "EditCommand.h"
#include "NativePath.h"
#include "Register.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QString Dash() { return QStringLiteral(" \u2013 "); }

QString FileName(const QString &path) { return NativePath::Shown(QFileInfo(path).fileName()); }

}  // namespace

EditHistory::EditHistory(Register &image, QObject *parent)
    : QObject(parent), image_(image), stand_(image.AllTexts()) {}

const SettingsCatalog &EditHistory::Catalog() const {
  if (!catalog_) catalog_ = std::make_unique<SettingsCatalog>();
  return *catalog_;
}

void EditHistory::SetStand(Event event) {
  stand_ = image_.AllTexts();
  standEvent_ = event;
  standTime_ = QDateTime::currentDateTime();
}

void EditHistory::StartOver(Source source, const QString &name, const QString &port) {
  steps_.clear();
  source_ = source;
  name_ = name;
  port_ = port;
  sourceTime_ = QDateTime::currentDateTime();
  saved_ = source == Source::File ? image_.AllTexts() : QStringList();
  switch (source) {
    case Source::Start: SetStand(Event::Start); break;
    case Source::New: SetStand(Event::New); break;
    case Source::File: SetStand(Event::Open); break;
    case Source::Read: SetStand(Event::Read); break;
    case Source::Backup: SetStand(Event::Backup); break;
  }
  emit Changed();
}

void EditHistory::Saved(const QString &path) {
  source_ = Source::File;
  name_ = path;
  port_.clear();
  saved_ = image_.AllTexts();
  SetStand(Event::Save);
  emit Changed();
}

void EditHistory::Sent(const QStringList &texts) {
  stand_ = texts;
  standEvent_ = Event::Send;
  standTime_ = QDateTime::currentDateTime();
  emit Changed();
}

void EditHistory::Record(const RegisterEdit &edit) {
  if (edit.IsEmpty()) return;
  steps_.push(new EditCommand(image_, edit, [this] { emit Changed(); }));
}

bool EditHistory::TakeBack(const QStringList &ids) {
  return Adopt(stand_, ids, [](const QString &single, int count) {
    return count == 1 ? tr("%1 zurücknehmen").arg(single)
                      : tr("%1 Einstellungen zurücknehmen").arg(count);
  });
}

bool EditHistory::TakeOver(const QStringList &from, const QStringList &ids,
                           const QString &source) {
  return Adopt(from, ids, [&source](const QString &single, int count) {
    return count == 1 ? tr("%1 aus %2 übernehmen").arg(single, source)
                      : tr("%1 Einstellungen aus %2 übernehmen").arg(count).arg(source);
  });
}

bool EditHistory::Adopt(const QStringList &from, const QStringList &ids,
                        const std::function<QString(const QString &, int)> &name) {
  QStringList texts = image_.AllTexts();
  RegisterEdit edit;
  QString single;
  for (const QString &id : ids) {
    std::vector<RegisterSpot> spots;
    QString chars;
    if (const SettingsCatalog::Setting *setting = Catalog().FindId(id)) {
      // Set rather than the characters alone: a packed digit keeps the other setting's part.
      spots = setting->spots;
      chars = setting->Chars(texts);
      QString error;
      if (!setting->codec->Set(setting->codec->ValueText(setting->Chars(from)), &chars, &error))
        continue;
      single = setting->label;
    } else {
      for (const SettingsCatalog::UncoveredRegister &entry : Catalog().Uncovered()) {
        if (SettingsCatalog::RegisterId(entry.reg) != id) continue;
        for (int pos : entry.positions) {
          spots.push_back({entry.reg, pos});
          chars += from.value(entry.reg).mid(pos, 1);
        }
        single = entry.Label();
      }
    }
    RegisterEdit::Write(&texts, spots, chars, &edit);
  }
  if (edit.IsEmpty()) return false;
  edit.SetName(name(single, int(ids.size())));
  Record(edit);
  return true;
}

bool EditHistory::HasChanges() const { return image_.AllTexts() != stand_; }

std::vector<SettingsCatalog::Difference> EditHistory::Changes() const {
  // Most refreshes come with nothing changed (a start, a read, an open): no settings to weigh.
  const QStringList texts = image_.AllTexts();
  if (texts == stand_) return {};
  std::vector<SettingsCatalog::Difference> changes = Catalog().Compare(stand_, texts);
  changes.erase(std::remove_if(changes.begin(), changes.end(),
                               [this](const SettingsCatalog::Difference &change) {
                                 const SettingsCatalog::Setting *setting =
                                     Catalog().FindId(change.id);
                                 return setting && setting->view;
                               }),
                changes.end());
  return changes;
}

QString EditHistory::Line() const {
  QString line;
  switch (source_) {
    case Source::Start: line = tr("Noch nichts gelesen oder geöffnet"); break;
    case Source::New: line = tr("Neu"); break;
    case Source::File: line = tr("Datei: %1").arg(FileName(name_)); break;
    case Source::Read: line = tr("Gelesen: %1 an %2").arg(name_, port_); break;
    case Source::Backup: line = tr("Sicherung: %1").arg(FileName(name_)); break;
  }
  if (HasChanges()) return line + Dash() + tr("geändert");
  const bool inFile = source_ == Source::File && image_.AllTexts() == saved_;
  if (source_ == Source::Start || inFile) return line;
  return line + Dash() + tr("nicht gespeichert");
}

QString EditHistory::StandText() const {
  const QString time = standTime_.toString(QStringLiteral("HH:mm:ss"));
  switch (standEvent_) {
    case Event::Start: break;
    case Event::New: return tr("seit \"Neu\" um %1").arg(time);
    case Event::Read: return tr("seit dem Lesen um %1").arg(time);
    case Event::Open: return tr("seit dem Öffnen um %1").arg(time);
    case Event::Backup: return tr("seit dem Öffnen der Sicherung um %1").arg(time);
    case Event::Save: return tr("seit dem Speichern um %1").arg(time);
    case Event::Send: return tr("seit dem Senden um %1").arg(time);
  }
  return tr("seit dem Start");
}

QString EditHistory::ProposedFileName() const {
  if (source_ != Source::Read) return QString();
  return BackupStore::Kennung(name_) + QLatin1Char('_') +
         sourceTime_.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".rquorex");
}
