// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Preferences.h"

#include "NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kLastPort = QStringLiteral("port/last");
const QString kLastPortSerial = QStringLiteral("port/serialNumber");
const QString kLastPortVendor = QStringLiteral("port/vendorId");
const QString kLastPortProduct = QStringLiteral("port/productId");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kRecentFiles = QStringLiteral("files/recent");
const QString kWindowGeometry = QStringLiteral("window/geometry");
const QString kVerifyAfterWrite = QStringLiteral("verifyAfterWrite");
const QString kBackUpBeforeWrite = QStringLiteral("backUpBeforeWrite");
const QString kLookBeforeWrite = QStringLiteral("showDifferencesBeforeWrite");

}  // namespace

QString Preferences::LastPort() const { return settings_.value(kLastPort).toString(); }

void Preferences::SetLastPort(const QString &port) {
  PortEntry entry;
  entry.name = port;
  SetLastPortEntry(entry);
}

PortEntry Preferences::LastPortEntry() const {
  PortEntry port;
  port.name = LastPort();
  port.serialNumber = settings_.value(kLastPortSerial).toString();
  bool ok = false;
  const int vendor = settings_.value(kLastPortVendor).toInt(&ok);
  const bool vendorOk = ok && vendor >= 0 && vendor <= 0xFFFF;
  const int product = settings_.value(kLastPortProduct).toInt(&ok);
  // A hand-edited file with half an id pair or nonsense in it knows no ids.
  if (vendorOk && ok && product >= 0 && product <= 0xFFFF) {
    port.vendorId = vendor;
    port.productId = product;
  }
  return port;
}

void Preferences::SetLastPortEntry(const PortEntry &port) {
  settings_.setValue(kLastPort, port.name);
  if (port.serialNumber.trimmed().isEmpty())
    settings_.remove(kLastPortSerial);
  else
    settings_.setValue(kLastPortSerial, port.serialNumber.trimmed());
  if (port.HasUsbIds()) {
    settings_.setValue(kLastPortVendor, port.vendorId);
    settings_.setValue(kLastPortProduct, port.productId);
  } else {
    settings_.remove(kLastPortVendor);
    settings_.remove(kLastPortProduct);
  }
}

QString Preferences::LastFolder() const { return settings_.value(kLastFolder).toString(); }

void Preferences::SetLastFolder(const QString &folder) {
  settings_.setValue(kLastFolder, folder);
}

// A name that is no valid UTF-8 is kept as its bytes: the settings file stores text as UTF-8
// and would lose it.
QStringList Preferences::RecentFiles() const {
  const QVariant value = settings_.value(kRecentFiles);
  // A list of one is stored as that one entry.
  QVariantList entries = value.toList();
  if (entries.isEmpty() && value.isValid()) entries.append(value);
  QStringList files;
  for (const QVariant &entry : entries)
    files.append(entry.typeId() == QMetaType::QByteArray
                     ? NativePath::FromBytes(entry.toByteArray())
                     : entry.toString());
  return files;
}

void Preferences::SetRecentFiles(const QStringList &files) {
  QVariantList entries;
  for (const QString &file : files)
    entries.append(NativePath::HoldsRawBytes(file) ? QVariant(NativePath::ToBytes(file))
                                                   : QVariant(file));
  settings_.setValue(kRecentFiles, entries);
}

QByteArray Preferences::WindowGeometry() const {
  return settings_.value(kWindowGeometry).toByteArray();
}

void Preferences::SetWindowGeometry(const QByteArray &geometry) {
  settings_.setValue(kWindowGeometry, geometry);
}

bool Preferences::VerifyAfterWrite() const {
  return settings_.value(kVerifyAfterWrite, false).toBool();
}

void Preferences::SetVerifyAfterWrite(bool verify) {
  settings_.setValue(kVerifyAfterWrite, verify);
}

bool Preferences::BackUpBeforeWrite() const {
  return settings_.value(kBackUpBeforeWrite, false).toBool();
}

void Preferences::SetBackUpBeforeWrite(bool backUp) {
  settings_.setValue(kBackUpBeforeWrite, backUp);
}

bool Preferences::LookBeforeWrite() const {
  return settings_.value(kLookBeforeWrite, false).toBool();
}

void Preferences::SetLookBeforeWrite(bool look) { settings_.setValue(kLookBeforeWrite, look); }

// Only a typed name: a listed adapter is found again by PortNames::StartPort.
QString Preferences::TypedPortToOffer() const {
  const PortEntry port = LastPortEntry();
  if (port.name.isEmpty() || !port.serialNumber.isEmpty() || port.HasUsbIds()) return QString();
  return QFileInfo::exists(port.name) ? port.name : QString();
}

QString Preferences::PortToStartWith(const QString &offered, const QString &chosen) const {
  if (!chosen.isEmpty()) return chosen;
  const QString typed = TypedPortToOffer();
  return typed.isEmpty() ? offered : typed;
}

QString Preferences::OddSettingsFile() {
  // Where QSettings looks on this system: the program's own file and the organisation's
  // fallback, in the user's configuration folder and in the system's.
  const QString organization = QCoreApplication::organizationName();
  const QStringList names{organization + QLatin1Char('/') +
                              QCoreApplication::applicationName() + QStringLiteral(".conf"),
                          organization + QStringLiteral(".conf")};
  for (const QString &folder :
       QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
    for (const QString &name : names) {
      const QFileInfo info(QDir(folder).filePath(name));
      if (info.exists() && !info.isFile()) return info.filePath();
    }
  }
  return QString();
}

void Preferences::KeepSettingsIn(const QString &folder) {
  for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
    QSettings::setPath(QSettings::NativeFormat, scope, folder);
    QSettings::setPath(QSettings::IniFormat, scope, folder);
  }
}
