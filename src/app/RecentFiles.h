// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QMenu;

// The register files opened or saved last, newest first, for "Zuletzt geöffnet".
class RecentFiles {
 public:
  static constexpr int kLimit = 5;
  // How wide an entry's path may be shown before its middle is elided.
  static constexpr int kShownWidthPixels = 480;

  // `files` with `path` in front: an earlier entry for the same file goes, so does whatever
  // falls beyond kLimit. A list edited by hand is brought back within those rules as well.
  static QStringList Added(const QStringList &files, const QString &path);
  // `files` within the rules above, without adding anything.
  static QStringList Tidied(const QStringList &files);

  // Fills `menu` anew: one entry per file, numbered for the keyboard, a file that is no
  // longer there or is no regular file greyed, a very long path elided in the middle. Choosing an entry calls `open` with its path. The menu itself is
  // greyed while the list is empty.
  static void Fill(QMenu &menu, const QStringList &files,
                   const std::function<void(const QString &)> &open);
};
