#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

// What the program remembers between runs, in the user's QSettings (on Linux
// ~/.config/quorex/quorex.conf): the port of the last good transfer, the folder of the file
// dialogs, the register files used last, where the window stood and whether a write is
// checked. Nothing stored means
// every getter answers empty, and the program starts as it always has.
class Preferences {
 public:
  Preferences() = default;

  QString LastPort() const;
  void SetLastPort(const QString &port);

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

 private:
  QSettings settings_;
};
