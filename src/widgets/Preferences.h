// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortEntry.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

// What the program remembers between runs, in the user's QSettings (on Linux
// ~/.config/quorex/quorex.conf): the port of the last good transfer and its adapter, the
// folder of the file dialogs, the register files used last, where the window stood and whether
// a write is checked, backed up and looked at first. Nothing stored means
// every getter answers empty, and the program starts as it always has.
class Preferences {
 public:
  Preferences() = default;

  QString LastPort() const;
  // The name alone: whatever was known of the adapter before is forgotten.
  void SetLastPort(const QString &port);
  // The port with its adapter's serial number and USB ids, where they were known, so the same
  // adapter is found again under another name. Only name and identity are kept.
  PortEntry LastPortEntry() const;
  void SetLastPortEntry(const PortEntry &port);

  // The folder the file dialogs open in; empty when none is stored.
  QString LastFolder() const;
  void SetLastFolder(const QString &folder);

  // Newest first.
  QStringList RecentFiles() const;
  void SetRecentFiles(const QStringList &files);

  QByteArray WindowGeometry() const;
  void SetWindowGeometry(const QByteArray &geometry);

  // "Nach dem Senden prüfen"; off when nothing is stored.
  bool VerifyAfterWrite() const;
  void SetVerifyAfterWrite(bool verify);
  // "Vor dem Senden sichern"; off when nothing is stored.
  bool BackUpBeforeWrite() const;
  void SetBackUpBeforeWrite(bool backUp);
  // "Vor dem Senden Unterschiede zeigen"; off when nothing is stored.
  bool LookBeforeWrite() const;
  void SetLookBeforeWrite(bool look);
  // The port remembered last when it was a typed device path that still exists, else empty.
  QString TypedPortToOffer() const;
  // The port "Port:" starts with: `chosen` on the command line, else a typed path that worked
  // last time while it is there, else `offered` (the list's choice).
  QString PortToStartWith(const QString &offered, const QString &chosen) const;

  // QSettings reads its file whole when first asked: a settings file that is a named pipe
  // would hold the start up for ever, a device might never end. The first such file where
  // QSettings would look, or nothing when all are fine.
  static QString OddSettingsFile();
  // From now on QSettings keeps everything in `folder`, which must outlive every QSettings of
  // the run: the run starts with nothing remembered and leaves an odd file alone.
  static void KeepSettingsIn(const QString &folder);

 private:
  QSettings settings_;
};
