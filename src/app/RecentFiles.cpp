// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecentFiles.h"

#include "NativePath.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// Two spellings of one file ("a/../x.rquorex", "x.rquorex" from the current folder) are one
// entry.
QString Key(const QString &path) {
  const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
#ifdef Q_OS_WIN
  return absolute.toCaseFolded();
#else
  return absolute;
#endif
}

}  // namespace

QStringList RecentFiles::Added(const QStringList &files, const QString &path) {
  QStringList list = files;
  if (!path.trimmed().isEmpty())
    list.prepend(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
  return Tidied(list);
}

QStringList RecentFiles::Tidied(const QStringList &files) {
  QStringList list;
  QStringList keys;
  for (const QString &file : files) {
    if (file.trimmed().isEmpty()) continue;
    const QString key = Key(file);
    if (keys.contains(key)) continue;
    keys.append(key);
    list.append(file);
    if (list.size() == kLimit) break;
  }
  return list;
}

void RecentFiles::Fill(QMenu &menu, const QStringList &files,
                       const std::function<void(const QString &)> &open) {
  menu.clear();
  const QStringList list = Tidied(files);
  for (int i = 0; i < list.size(); ++i) {
    const QString path = list.at(i);
    // A path of hundreds of characters would stretch the menu across the screen: the middle
    // goes, the folder's start and the file's name stay. The whole path is the tool tip.
    const QString name = QDir::toNativeSeparators(NativePath::Shown(path));
    QString shown = menu.fontMetrics().elidedText(name,
                                                  Qt::ElideMiddle, kShownWidthPixels);
    // A file name may hold "&", which a menu would take for a mnemonic.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction *action =
        menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), &menu, [open, path] {
          open(path);
        });
    action->setData(path);
    action->setToolTip(name);
    // Gone, or no register file at all (a folder, a pipe, a device): nothing to open.
    action->setEnabled(NativePath::IsRegularFile(path));
  }
  menu.menuAction()->setEnabled(!list.isEmpty());
}
