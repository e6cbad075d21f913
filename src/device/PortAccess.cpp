// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortAccess.h"

#include "PortNames.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <unistd.h>

#include <cerrno>
#include <vector>
#endif

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("PortAccess", text); }

#ifdef Q_OS_LINUX
// The groups of this process, not those in /etc/group: a user added to a group only gains it
// with the next login, and until then the advice to join and log in again is the right one.
// Ports are listed on a thread of their own while the window may explain a failed open, so
// the group is looked up the reentrant way.
bool IsMemberOf(const QString &group) {
  struct group storage {};
  struct group *entry = nullptr;
  std::vector<char> buffer(16384);
  int failed = 0;
  // A group with many members needs a bigger buffer.
  while ((failed = getgrnam_r(group.toLocal8Bit().constData(), &storage, buffer.data(),
                              buffer.size(), &entry)) == ERANGE &&
         buffer.size() < (1u << 24))
    buffer.resize(buffer.size() * 2);
  if (failed != 0 || !entry) return false;
  if (getegid() == entry->gr_gid) return true;
  const int count = getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<size_t>(count));
  const int filled = getgroups(count, groups.data());
  for (int i = 0; i < filled; ++i)
    if (groups[static_cast<size_t>(i)] == entry->gr_gid) return true;
  return false;
}
#endif

}  // namespace

QString PortAccess::GroupToJoin(const QString &deviceGroup) {
  // Nobody should be told to join root's group; a device left to root usually gets "dialout"
  // from the distribution's rules once they apply.
  const QString group = deviceGroup.trimmed();
  if (group.isEmpty() || group == QLatin1String("root")) return QStringLiteral("dialout");
  return group;
}

QString PortAccess::PermissionHint(const QString &device, const QString &group, bool isMember) {
  const QString join = GroupToJoin(group);
  if (isMember)
    return Tr("Für den Port %1 fehlt Ihnen die Berechtigung,\n"
              "obwohl Sie der Gruppe \"%2\" angehören.\n"
              "Bitte lassen Sie die Zugriffsrechte des Geräts prüfen.")
        .arg(device, join);
  // Broken into lines here, so that a tooltip stays narrow and the command stands whole.
  return Tr("Für den Port %1 fehlt Ihnen die Berechtigung.\n"
            "Bitte treten Sie der Gruppe \"%2\" bei:\n"
            "    sudo usermod -aG %2 $USER\n"
            "und melden Sie sich danach neu an.")
      .arg(device, join);
}

QString PortAccess::PermissionHint(const QStringList &devices, const QString &group,
                                   bool isMember) {
  if (devices.size() == 1) return PermissionHint(devices.constFirst(), group, isMember);
  const QString join = GroupToJoin(group);
  const QString named = devices.join(QStringLiteral(", "));
  if (isMember)
    return Tr("Für die Ports %1 fehlt Ihnen die Berechtigung,\n"
              "obwohl Sie der Gruppe \"%2\" angehören.\n"
              "Bitte lassen Sie die Zugriffsrechte der Geräte prüfen.")
        .arg(named, join);
  return Tr("Für die Ports %1 fehlt Ihnen die Berechtigung.\n"
            "Bitte treten Sie der Gruppe \"%2\" bei:\n"
            "    sudo usermod -aG %2 $USER\n"
            "und melden Sie sich danach neu an.")
      .arg(named, join);
}

QString PortAccess::DevicePath(const QString &portName) {
  const QString name = portName.trimmed();
  if (name.isEmpty() || name.startsWith(QLatin1Char('/'))) return name;
  return QStringLiteral("/dev/") + name;
}

bool PortAccess::IsDenied(const QString &device) {
  const QFileInfo info(device);
  return info.exists() && !(info.isReadable() && info.isWritable());
}

QString PortAccess::HintFor(const QString &device) {
#ifdef Q_OS_LINUX
  const QString group = GroupToJoin(QFileInfo(device).group());
  return PermissionHint(device, group, IsMemberOf(group));
#else
  return PermissionHint(device, QString(), false);
#endif
}

bool PortAccess::IsSerialDevice(const QString &device) {
  static const QRegularExpression serialDevice(QStringLiteral("^/dev/tty(S|USB|ACM)[0-9]+$"));
  return serialDevice.match(device).hasMatch();
}

QString PortAccess::DeniedPortsHint(const QStringList &devices) {
  QStringList hints;
#ifdef Q_OS_LINUX
  QStringList sorted;
  for (const QString &device : devices)
    if (!sorted.contains(device)) sorted.append(device);
  // In the order the port list shows them: ttyS2 before ttyS10.
  std::sort(sorted.begin(), sorted.end(), PortNames::NaturalLess);
  // A PC with four built-in ports and an adapter, all of group "dialout", gets one advice.
  QStringList groups;
  for (const QString &device : sorted) {
    const QString group = GroupToJoin(QFileInfo(device).group());
    if (!groups.contains(group)) groups.append(group);
  }
  for (const QString &group : groups) {
    QStringList ofGroup;
    for (const QString &device : sorted)
      if (GroupToJoin(QFileInfo(device).group()) == group) ofGroup.append(device);
    hints.append(PermissionHint(ofGroup, group, IsMemberOf(group)));
  }
#else
  Q_UNUSED(devices);
#endif
  return hints.join(QStringLiteral("\n\n"));
}
