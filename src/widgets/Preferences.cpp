#include "Preferences.h"

namespace {

const QString kLastPort = QStringLiteral("port/last");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const QString kRecentFiles = QStringLiteral("files/recent");
const QString kWindowGeometry = QStringLiteral("window/geometry");
const QString kVerifyAfterWrite = QStringLiteral("verifyAfterWrite");

}  // namespace

QString Preferences::LastPort() const { return settings_.value(kLastPort).toString(); }

void Preferences::SetLastPort(const QString &port) { settings_.setValue(kLastPort, port); }

QString Preferences::LastFolder() const { return settings_.value(kLastFolder).toString(); }

void Preferences::SetLastFolder(const QString &folder) {
  settings_.setValue(kLastFolder, folder);
}

QStringList Preferences::RecentFiles() const {
  return settings_.value(kRecentFiles).toStringList();
}

void Preferences::SetRecentFiles(const QStringList &files) {
  settings_.setValue(kRecentFiles, files);
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
