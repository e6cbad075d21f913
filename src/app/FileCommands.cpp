// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileCommands.h"

#include "DialogSeam.h"
#include "NativePath.h"
#include "Preferences.h"
#include "RecentFiles.h"
#include "Register.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

// The local file a drag's URI names. QUrl takes the percent-encoded bytes for UTF-8 and would
// lose a name that is not; the bytes are taken as they are.
QString LocalFile(const QUrl &url, const QByteArray &uriList) {
  const QByteArray line = uriList.split('\n').value(0).trimmed();
  if (line.startsWith("file://")) {
    const QByteArray bytes = QByteArray::fromPercentEncoding(QUrl(QString::fromLatin1(line))
                                                                 .path(QUrl::FullyEncoded)
                                                                 .toLatin1());
    const QString path = NativePath::FromBytes(bytes);
    if (NativePath::HoldsRawBytes(path)) return path;
  }
  return url.toLocalFile();
}

// The register file a drag brings, or empty: one local file, named *.rquorex.
QString RegisterFileIn(const QMimeData *mime) {
  if (!mime || !mime->hasUrls()) return QString();
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.constFirst().isLocalFile()) return QString();
  const QString path =
      LocalFile(urls.constFirst(), mime->data(QStringLiteral("text/uri-list")));
  if (!path.endsWith(QLatin1String(".rquorex"), Qt::CaseInsensitive)) return QString();
  return path;
}

// The platform's keys for the command, and `key` among them in any case: on Windows, for
// one, "Speichern unter" has no standard key of its own.
void SetShortcut(QAction *action, QKeySequence::StandardKey standard, const QKeySequence &key) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
  keys.removeAll(key);
  keys.prepend(key);
  action->setShortcuts(keys);
}

// A register file opened or saved: first in "Zuletzt geöffnet", its folder the dialogs'.
void Remember(const QString &path) {
  Preferences preferences;
  preferences.SetRecentFiles(RecentFiles::Added(preferences.RecentFiles(), path));
  preferences.SetLastFolder(QFileInfo(path).absolutePath());
}

}  // namespace

FileCommands::FileCommands(QWidget *owner, Register &image, std::function<bool()> blocked)
    : QObject(owner), owner_(owner), image_(image), blocked_(std::move(blocked)) {}

void FileCommands::AddTo(QMenu &datei) {
  QAction *neu = datei.addAction(tr("&Neu"), this, &FileCommands::New);
  QAction *oeffnen = datei.addAction(tr("Ö&ffnen ..."), this, &FileCommands::Open);
  QAction *speichern = datei.addAction(tr("&Speichern "), this, &FileCommands::Save);
  QAction *speichernUnter = datei.addAction(tr("Speichern &unter ..."), this, &FileCommands::SaveAs);
  recentMenu_ = datei.addMenu(tr("&Zuletzt geöffnet"));
  recentMenu_->setObjectName(QStringLiteral("zuletztMenu"));
  SetShortcut(neu, QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N));
  SetShortcut(oeffnen, QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
  SetShortcut(speichern, QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
  SetShortcut(speichernUnter, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  // A shortcut bypasses the menu, and with it the greying below: the commands refuse on their
  // own while a transfer needs the registers.
  connect(&datei, &QMenu::aboutToShow, this, [this, neu, oeffnen] {
    neu->setEnabled(!blocked_());
    oeffnen->setEnabled(!blocked_());
    FillRecentMenu();
  });
  FillRecentMenu();
}

// Filled afresh each time "Datei" opens, as files come and go meanwhile, and never from
// inside one of its own entries, which the filling replaces.
void FileCommands::FillRecentMenu() {
  RecentFiles::Fill(*recentMenu_, Preferences().RecentFiles(),
                    [this](const QString &path) { OpenKnownFile(path); });
  if (blocked_()) recentMenu_->menuAction()->setEnabled(false);
}

bool FileCommands::AskSaveFirst() {
  const auto answer = ShowMessage(
      owner_, tr("Die Einstellungen wurden geändert.\nWollen Sie die Änderungen vorher speichern?"),
      tr("Änderungen Speichern"), QMessageBox::Question,
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer == QMessageBox::Yes) return Save();
  return answer == QMessageBox::No;
}

bool FileCommands::SaveChangesFirst() { return !image_.IsModified() || AskSaveFirst(); }

bool FileCommands::SaveEditsFirst() { return edits_ == editsKept_ || AskSaveFirst(); }

void FileCommands::KeptUpTo(int edits) { editsKept_ = qMax(editsKept_, edits); }

void FileCommands::New() {
  if (blocked_() || !SaveChangesFirst()) return;
  image_.Reset();
  // Whatever was edited is gone for good now.
  EditsKept();
  emit Status(tr("Neu: alle Register 00000000"));
}

bool FileCommands::Open() {
  if (blocked_() || !SaveChangesFirst()) return false;
  const QString path = DialogSeam::Instance().AskOpenFileName(owner_);
  if (path.isEmpty()) return false;
  return OpenFile(path);
}

bool FileCommands::OpenFile(const QString &path) {
  QString error;
  if (!image_.LoadFromFile(path, &error)) {
    emit Status(tr("Fehler beim Öffnen: ") + error);
    ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return false;
  }
  // The image now equals the file.
  image_.SetModified(false);
  EditsKept();
  Remember(path);
  emit Opened();
  emit Status(tr("Geöffnet: ") + NativePath::Shown(QFileInfo(path).fileName()));
  return true;
}

bool FileCommands::OpenKnownFile(const QString &path) {
  if (blocked_() || !SaveChangesFirst()) return false;
  return OpenFile(path);
}

bool FileCommands::SaveTo(const QString &path) {
  const QString previous = image_.FilePath();
  image_.SetFilePath(path);
  QString error;
  if (!image_.SaveToFile(&error)) {
    image_.SetFilePath(previous);
    emit Status(tr("Fehler beim Speichern: ") + error);
    ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return false;
  }
  image_.SetModified(false);
  EditsKept();
  Remember(path);
  emit Status(tr("Gespeichert: ") + NativePath::Shown(QFileInfo(path).fileName()));
  return true;
}

bool FileCommands::Save() {
  if (!image_.FilePath().isEmpty()) return SaveTo(image_.FilePath());
  const QString path = DialogSeam::Instance().AskSaveFileName(owner_);
  if (path.isEmpty()) return false;
  if (!SaveTo(path)) return false;
  ShowMessage(owner_, tr("gespeichert in: ") + QDir::toNativeSeparators(NativePath::Shown(path)));
  return true;
}

bool FileCommands::SaveAs() {
  const QString path = DialogSeam::Instance().AskSaveFileName(owner_);
  if (path.isEmpty()) return false;
  return SaveTo(path);
}

bool FileCommands::Accepts(const QMimeData *mime) const {
  return !RegisterFileIn(mime).isEmpty() && !blocked_();
}

void FileCommands::Drop(const QMimeData *mime) {
  const QString path = RegisterFileIn(mime);
  if (path.isEmpty() || blocked_()) return;
  // The drag source waits until the drop returns; the question about unsaved changes must not
  // hold it up.
  QMetaObject::invokeMethod(
      this, [this, path] { OpenKnownFile(path); }, Qt::QueuedConnection);
}
