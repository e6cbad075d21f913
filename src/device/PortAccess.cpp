#include "PortAccess.h"

#include <QCollator>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <grp.h>
#include <unistd.h>

#include <vector>
#endif

namespace {

QString Tr(const char *text) { return QCoreApplication::translate("PortAccess", text); }

#ifdef Q_OS_LINUX
// The groups of this process, not those in /etc/group: a user added to a group only gains it
// with the next login, and until then the advice to join and log in again is the right one.
bool IsMemberOf(const QString &group) {
  const struct group *entry = getgrnam(group.toLocal8Bit().constData());
  if (!entry) return false;
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

QString PortAccess::DeniedPortsHint() {
  QStringList devices;
#ifdef Q_OS_LINUX
  static const QRegularExpression serialDevice(QStringLiteral("^/dev/tty(S|USB|ACM)[0-9]+$"));
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
    const QString device = info.systemLocation();
    if (serialDevice.match(device).hasMatch() && !devices.contains(device) && IsDenied(device))
      devices.append(device);
  }
  // In the order the port list would show them: ttyS2 before ttyS10.
  QCollator order;
  order.setNumericMode(true);
  std::sort(devices.begin(), devices.end(), order);
#endif
  QStringList hints;
  for (const QString &device : devices) hints.append(HintFor(device));
  return hints.join(QStringLiteral("\n\n"));
}
