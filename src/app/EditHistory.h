// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RegisterEdit.h"
#include "SettingsCatalog.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <vector>

class Register;

// Where the settings in the window come from, what they were when they last matched a file or
// a console (the "Stand": the last read, open, save or complete write), and every change made
// since, each a step on Qt's undo stack. A read, an open and "Neu" start a new history; saving
// and sending only set a new Stand.
//
// Every change of settings the window makes is pushed here (Record) after or instead of being
// written: a step's redo writes its characters after, its undo those before, both through
// Register::Write, and sets the modified flag as a page's OK does.
class EditHistory : public QObject {
  Q_OBJECT

 public:
  enum class Source { Start, New, File, Read, Backup };

  explicit EditHistory(Register &image, QObject *parent = nullptr);

  Register &Image() const { return image_; }
  QUndoStack &Steps() { return steps_; }

  // The registers as they stand now came from `source`: `name` is the file's full path (File,
  // Backup) or the console's version text (Read), `port` the port it was read at.
  void StartOver(Source source, const QString &name = QString(), const QString &port = QString());
  // Saved to the file at `path`: the settings come from it from now on.
  void Saved(const QString &path);
  // A complete write took `texts` to the console.
  void Sent(const QStringList &texts);

  // One step; an edit that changed nothing is none. Pushing writes the characters after, which
  // a page's OK has already written.
  void Record(const RegisterEdit &edit);
  // Puts the settings of `ids` (or the unused characters of "register.NNN") back as they were
  // at the Stand, as one step. A digit two settings share gets back only the part of the
  // setting taken back. Answers whether anything changed.
  bool TakeBack(const QStringList &ids);
  // Takes the settings of `ids` (or "register.NNN") as `from` (200 register texts) has them,
  // as one step named after `source`; a shared digit as in TakeBack.
  bool TakeOver(const QStringList &from, const QStringList &ids, const QString &source);

  Source GetSource() const { return source_; }
  const QStringList &Stand() const { return stand_; }
  // Something differs from the Stand: changes neither saved nor sent.
  bool HasChanges() const;
  // Every setting that differs from the Stand, in words, as the comparison names it; the FMS
  // editor's views of the telegrams are left out, their telegrams are listed.
  std::vector<SettingsCatalog::Difference> Changes() const;
  // Made at its first use: a start with nothing changed never needs it.
  const SettingsCatalog &Catalog() const;

  // "Datei: platz1.rquorex", "Gelesen: Quorex V 1.07 SN 4711 an /dev/ttyUSB0 – nicht
  // gespeichert", "… – geändert".
  QString Line() const;
  // Since when the Stand holds: "seit dem Lesen um 14:03:12".
  QString StandText() const;
  // For settings read from a console, a file name made of its version text and the day of the
  // read ("Quorex_V_1.07_SN_4711_2026-12-10.rquorex"); empty otherwise.
  QString ProposedFileName() const;

 signals:
  // The registers, the Stand or where they come from changed.
  void Changed();

 private:
  // The settings of `ids` as `from` has them, as one step; `name` makes the step's name from
  // the setting's label (one) or the count (several).
  bool Adopt(const QStringList &from, const QStringList &ids,
             const std::function<QString(const QString &single, int count)> &name);

  enum class Event { Start, New, Read, Open, Backup, Save, Send };
  void SetStand(Event event);

  Register &image_;
  QUndoStack steps_;
  mutable std::unique_ptr<SettingsCatalog> catalog_;
  QStringList stand_;
  // The texts of the file the settings come from, as it was opened or saved.
  QStringList saved_;
  Source source_ = Source::Start;
  QString name_;
  QString port_;
  QDateTime sourceTime_;
  Event standEvent_ = Event::Start;
  QDateTime standTime_;
};
