// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FileCommands.h"

#include "DialogSeam.h"
#include "EditHistory.h"
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

// QFileInfo takes two folders that do not exist for the same one.
bool SameFolder(const QString &a, const QString &b) {
  const QFileInfo first(a);
  const QFileInfo second(b);
#ifdef Q_OS_WIN
  const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
  const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
  if (first.exists() && second.exists())
    return first.canonicalFilePath().compare(second.canonicalFilePath(), cs) == 0;
  return QDir::cleanPath(first.absoluteFilePath())
             .compare(QDir::cleanPath(second.absoluteFilePath()), cs) == 0;
}

}  // namespace

FileCommands::FileCommands(QWidget *owner, Register &image, EditHistory &history,
                           std::function<bool()> blocked, std::function<QString()> backupFolder)
    : QObject(owner),
      owner_(owner),
      image_(image),
      history_(history),
      blocked_(std::move(blocked)),
      backupFolder_(std::move(backupFolder)) {}

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

bool FileCommands::SaveEditsFirst() { return !history_.HasChanges() || AskSaveFirst(); }

void FileCommands::New() {
  if (blocked_() || !SaveChangesFirst()) return;
  image_.Reset();
  history_.StartOver(EditHistory::Source::New);
  emit Status(tr("Neu: alle Register 00000000"));
}

bool FileCommands::Open() {
  if (blocked_() || !SaveChangesFirst()) return false;
  const QString path = DialogSeam::Instance().AskOpenFileName(owner_);
  if (path.isEmpty()) return false;
  return OpenFile(path);
}

bool FileCommands::OpenFile(const QString &path) { return Load(path, false); }

bool FileCommands::Load(const QString &path, bool copy) {
  // However a backup is reached (the file dialog, a recent entry, a drop), it stays a copy.
  copy = copy || InBackups(path);
  QString error;
  if (!image_.LoadFromFile(path, &error)) {
    emit Status(tr("Fehler beim Öffnen: ") + error);
    ShowMessage(owner_, error, tr("Fehler"), QMessageBox::Critical, QMessageBox::Ok);
    return false;
  }
  // The image now equals the file.
  image_.SetModified(false);
  const QString name = NativePath::Shown(QFileInfo(path).fileName());
  if (copy) {
    // "Speichern" must never write into a backup.
    image_.SetFilePath(QString());
    history_.StartOver(EditHistory::Source::Backup, path);
  } else {
    Remember(path);
    history_.StartOver(EditHistory::Source::File, path);
  }
  emit Opened();
  emit Status((copy ? tr("Sicherung geöffnet: ") : tr("Geöffnet: ")) + name);
  return true;
}

bool FileCommands::OpenKnownFile(const QString &path) {
  if (blocked_() || !SaveChangesFirst()) return false;
  return OpenFile(path);
}

bool FileCommands::OpenBackup(const QString &path) {
  if (blocked_() || !SaveChangesFirst()) return false;
  return Load(path, true);
}

bool FileCommands::InBackups(const QString &path) const {
  const QString backups = backupFolder_ ? backupFolder_() : QString();
  return !backups.isEmpty() && SameFolder(QFileInfo(path).absolutePath(), backups);
}

// The dialog remembers the folder chosen; a folder refused here is not remembered.
QString FileCommands::AskSaveName() {
  const QString folder = Preferences().LastFolder();
  const QString path =
      DialogSeam::Instance().AskSaveFileName(owner_, history_.ProposedFileName());
  if (path.isEmpty() || !InBackups(path)) return path;
  Preferences().SetLastFolder(folder);
  emit Status(tr("Nicht gespeichert: der Ordner der Sicherungen ist ihnen vorbehalten"));
  ShowMessage(owner_,
              tr("Im Ordner der Sicherungen legt das Programm nur seine Sicherungen ab.\n"
                 "Bitte wählen Sie einen anderen Ordner."),
              tr("Fehler"), QMessageBox::Warning, QMessageBox::Ok);
  return QString();
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
  history_.Saved(path);
  Remember(path);
  emit Status(tr("Gespeichert: ") + NativePath::Shown(QFileInfo(path).fileName()));
  return true;
}

bool FileCommands::Save() {
  if (!image_.FilePath().isEmpty()) return SaveTo(image_.FilePath());
  const QString path = AskSaveName();
  if (path.isEmpty()) return false;
  if (!SaveTo(path)) return false;
  ShowMessage(owner_, tr("gespeichert in: ") + QDir::toNativeSeparators(NativePath::Shown(path)));
  return true;
}

bool FileCommands::SaveAs() {
  const QString path = AskSaveName();
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
