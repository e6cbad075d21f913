// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "CommandLine.h"
#include "ConsoleScripts.h"
#include "ModalHelper.h"
#include "NativePath.h"
#include "PortAccess.h"
#include "PortNames.h"
#include "Preferences.h"
#include "RecentFiles.h"
#include "ScriptedDialogs.h"
#include "WindowBench.h"
#include "SimulatedConsole.h"
#include "TemporarySettings.h"
#include "TestFiles.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

PortEntry Port(const QString &name) {
  PortEntry port;
  port.name = name;
  return port;
}

QList<PortEntry> Ports(const QStringList &names) {
  QList<PortEntry> ports;
  for (const QString &name : names) ports.append(Port(name));
  return ports;
}

QMenu *DateiMenu(CQuorexDlg &window) {
  return window.MenuBar()->actions().constFirst()->menu();
}

QMenu *RecentMenu(CQuorexDlg &window) {
  return window.findChild<QMenu *>(QStringLiteral("zuletztMenu"));
}

QAction *Entry(CQuorexDlg &window, const QString &text) {
  for (QAction *action : DateiMenu(window)->actions())
    if (action->text() == text) return action;
  return nullptr;
}

// What "Datei" -> "Zuletzt geöffnet" offers once "Datei" has opened: text, and whether it can
// be chosen ("+") or is greyed ("-").
QStringList RecentEntries(CQuorexDlg &window) {
  emit DateiMenu(window)->aboutToShow();
  QStringList entries;
  for (QAction *action : RecentMenu(window)->actions())
    entries << (action->isEnabled() ? QStringLiteral("+") : QStringLiteral("-")) + action->text();
  return entries;
}

// Drags `mime` over the window and drops it there; answers whether the window took the drag
// and the drop.
QPair<bool, bool> DragAndDrop(QWidget &window, QMimeData &mime) {
  const QPoint where = window.rect().center();
  QDragEnterEvent enter(where, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(where), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &drop);
  return {enter.isAccepted(), drop.isAccepted()};
}

}  // namespace

class TestDesktop : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void preferencesSurviveRestart_data();
  void preferencesSurviveRestart();
  void startPort_data();
  void startPort();
  void portRememberedAfterTransfer_data();
  void portRememberedAfterTransfer();
  void fileDialogStartsInLastFolder_data();
  void fileDialogStartsInLastFolder();
  void recentFilesList_data();
  void recentFilesList();
  void recentMenuNewestFirstMissingGreyed();
  void recentMenuGreysOddEntriesElidesLongOnes();
  void freshStartRemembersNothing();
  void recentEntryOpensLikeOpen_data();
  void recentEntryOpensLikeOpen();
  void shortcuts_data();
  void shortcuts();
  void drop_data();
  void drop();
  void recentAndDropRefusedDuringWrite();
  void geometryRestored_data();
  void geometryRestored();
  void permissionHint_data();
  void permissionHint();
#ifdef Q_OS_LINUX
  void openFailureNamesGroup();
#endif
#ifdef Q_OS_UNIX
  void nameNotUtf8OpensAndSaves_data();
  void nameNotUtf8OpensAndSaves();
#endif

 private:
  QString Path(const QString &name) const { return dir_.filePath(name); }
  QString WriteFile(const QString &name, const QByteArray &data);
  CQuorexDlg &ShowWindow();

  TemporarySettings settings_;
  QTemporaryDir dir_;
  SimulatedConsole console_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<CQuorexDlg> window_;
};

void TestDesktop::initTestCase() {
  qRegisterMetaType<SimulatedConsole::Fault>();
  QVERIFY(dir_.isValid());
  QVERIFY2(console_.Start(), qPrintable(console_.ErrorString()));
}

void TestDesktop::init() {
  settings_.Clear();
  console_.ClearReceived();
  dialogs_ = std::make_unique<ScriptedDialogs>();
}

void TestDesktop::cleanup() {
  if (window_) window_->Image().SetModified(false);
  window_.reset();
  dialogs_.reset();
  console_.SetFault(Fault::None);
  console_.SetWireTime(false);
}

QString TestDesktop::WriteFile(const QString &name, const QByteArray &data) {
  return ::WriteFile(Path(name), data);
}

CQuorexDlg &TestDesktop::ShowWindow() {
  window_ = std::make_unique<CQuorexDlg>();
  window_->SetTiming(Fast());
  window_->Controller().SetLineSource(LinesOf(console_));
  window_->SetDataFolder(Path(QStringLiteral("daten")));
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("window not exposed");
  return *window_;
}

void TestDesktop::preferencesSurviveRestart_data() {
  QTest::addColumn<QString>("port");
  QTest::addColumn<QString>("folder");
  QTest::addColumn<QStringList>("recent");
  QTest::newRow("USB adapter") << "ttyUSB0" << "/home/technik/Wache"
                               << QStringList{"/home/technik/Wache/a.rquorex",
                                              "/home/technik/b.rquorex"};
  // A list of one is written like a plain text; a comma in it must not split it.
  QTest::newRow("one file, comma in its name")
      << "/dev/pts/4" << "/tmp" << QStringList{"/tmp/Kreis 1, Wache.rquorex"};
  QTest::newRow("umlauts and spaces") << "COM3" << "/home/jürgen/Einsätze 2024"
                                      << QStringList{"/home/jürgen/Einsätze 2024/Süd.rquorex",
                                                     "/home/jürgen/Nord.rquorex"};
}

// What one run stores, the next run reads back from the file on disk, which lies in the test's
// own folder, not in the user's.
void TestDesktop::preferencesSurviveRestart() {
  QFETCH(QString, port);
  QFETCH(QString, folder);
  QFETCH(QStringList, recent);
  const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00", 8);
  {
    Preferences preferences;
    preferences.SetLastPort(port);
    preferences.SetLastFolder(folder);
    preferences.SetRecentFiles(recent);
    preferences.SetWindowGeometry(geometry);
  }
#ifndef Q_OS_WIN
  // Windows keeps them in the registry, under the test's own organisation name.
  const QString file = QSettings().fileName();
  QVERIFY2(file.startsWith(settings_.Folder() + QLatin1Char('/')), qPrintable(file));
  QVERIFY(QFileInfo::exists(file));

  QSettings fromDisk(file, QSettings::IniFormat);
  QCOMPARE(fromDisk.value(QStringLiteral("port/last")).toString(), port);
#endif
  const Preferences next;
  QCOMPARE(next.LastPort(), port);
  QCOMPARE(next.LastFolder(), folder);
  QCOMPARE(next.RecentFiles(), recent);
  QCOMPARE(next.WindowGeometry(), geometry);
}

void TestDesktop::startPort_data() {
  QTest::addColumn<QStringList>("listed");
  QTest::addColumn<QString>("remembered");
  QTest::addColumn<QString>("expected");
  const QString pty = console_.DevicePath();
  QTest::newRow("nothing remembered: the first")
      << QStringList{"ttyS0", "ttyUSB0"} << "" << "ttyS0";
  QTest::newRow("remembered and listed") << QStringList{"ttyS0", "ttyUSB0"} << "ttyUSB0"
                                         << "ttyUSB0";
  QTest::newRow("remembered as typed path") << QStringList{"ttyS0", "ttyUSB0"} << "/dev/ttyUSB0"
                                            << "ttyUSB0";
  QTest::newRow("simulated console listed") << QStringList{"ttyS0", pty} << pty << pty;
  QTest::newRow("remembered, unplugged since") << QStringList{"ttyS0", "ttyUSB1"} << pty
                                               << "ttyS0";
  QTest::newRow("a longer name is another port")
      << QStringList{"ttyS0", "ttyUSB10"} << "ttyUSB1" << "ttyS0";
  QTest::newRow("exact name among longer ones")
      << QStringList{"ttyUSB10", "ttyUSB1"} << "ttyUSB1" << "ttyUSB1";
  QTest::newRow("nothing listed") << QStringList{} << "ttyUSB0" << "";
}

void TestDesktop::startPort() {
  QFETCH(QStringList, listed);
  QFETCH(QString, remembered);
  QFETCH(QString, expected);
  QCOMPARE(PortNames::StartPort(Ports(listed), Port(remembered)), expected);
}

void TestDesktop::portRememberedAfterTransfer_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<bool>("remembered");
  QTest::newRow("read completed") << "lesen" << Fault::None << true;
  QTest::newRow("write released") << "senden" << Fault::None << true;
  QTest::newRow("factory reset and its read") << "werkeinstellungen" << Fault::None << true;
  QTest::newRow("read, console silent") << "lesen" << Fault::Silent << false;
  QTest::newRow("read, malformed answer") << "lesen" << Fault::MalformedLine << false;
  QTest::newRow("read, too few answers") << "lesen" << Fault::TooFewLines << false;
  QTest::newRow("write, console silent") << "senden" << Fault::Silent << false;
  QTest::newRow("write, another device") << "senden" << Fault::OtherDevice << false;
  QTest::newRow("comparison with the console") << "vergleichen" << Fault::None << true;
  QTest::newRow("comparison, console silent") << "vergleichen" << Fault::Silent << false;
}

// Only a port that worked is worth offering next time; and what is stored is a name the port
// list recognises.
void TestDesktop::portRememberedAfterTransfer() {
  QFETCH(QString, button);
  QFETCH(Fault, fault);
  QFETCH(bool, remembered);
  Preferences().SetLastPort(QStringLiteral("ttyUSB7"));
  CQuorexDlg &window = ShowWindow();
  console_.SetFault(fault);
  window.findChild<QComboBox *>(QStringLiteral("portComboBox"))->setEditText(console_.DevicePath());
  // What a loaded register file gives: "Senden", and with it the comparison.
  StartFrom(window, QStringLiteral("11010"));
  if (button == "vergleichen") {
    window.findChild<QAction *>(QStringLiteral("quorexVergleichenAction"))->trigger();
  } else {
    if (button == "werkeinstellungen") dialogs_->answers << QMessageBox::Ok;
    window.findChild<QPushButton *>(button + QStringLiteral("Button"))->click();
  }
  QVERIFY(window.IsTransferRunning());
  QTRY_VERIFY_WITH_TIMEOUT(!window.IsTransferRunning(), 10000);

  const QString stored = Preferences().LastPort();
  if (remembered) {
    QCOMPARE(stored, console_.DevicePath());
    QCOMPARE(PortNames::StartPort(Ports({QStringLiteral("ttyS0"), console_.DevicePath()}),
                                  Preferences().LastPortEntry()),
             console_.DevicePath());
  } else {
    QVERIFY(!dialogs_->shown.isEmpty());
    QCOMPARE(dialogs_->Last().caption, QStringLiteral("Fehler"));
    QCOMPARE(stored, QStringLiteral("ttyUSB7"));
  }
}

void TestDesktop::fileDialogStartsInLastFolder_data() {
  QTest::addColumn<bool>("save");
  QTest::addColumn<QString>("stored");  // below the test folder
  QTest::addColumn<bool>("startsThere");
  QTest::newRow("open, folder stored") << false << "Wache" << true;
  QTest::newRow("save, folder stored") << true << "Wache" << true;
  QTest::newRow("open, folder removed since") << false << "weg" << false;
}

// The real file dialogs, not the scripted ones: they start where the last file was, and the
// folder of the file chosen there is the next start.
void TestDesktop::fileDialogStartsInLastFolder() {
  QFETCH(bool, save);
  QFETCH(QString, stored);
  QFETCH(bool, startsThere);
  dialogs_.reset();
  WriteFile(QStringLiteral("Wache/w.rquorex"), "");
  const QString existing = WriteFile(QStringLiteral("Nord/n.rquorex"), ValidFile("12345678"));
  // Saving over a file would ask first; a new name does not.
  const QString chosen = save ? Path(QStringLiteral("Nord/neu.rquorex")) : existing;
  Preferences().SetLastFolder(Path(stored));
  QString startedIn;
  auto seen = OnNextModal([&](QDialog *dialog) {
    auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
    if (!fileDialog) return dialog->reject();
    startedIn = fileDialog->directory().absolutePath();
    // Typed, as the file list may still be loading and would not take a selection yet.
    auto *name = fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!name) return dialog->reject();
    name->setText(chosen);
    QMetaObject::invokeMethod(fileDialog, "accept");
    if (fileDialog->isVisible()) fileDialog->reject();  // the answer below then tells
  });
  const QString answer = save ? DialogSeam::Instance().AskSaveFileName(nullptr, QString())
                              : DialogSeam::Instance().AskOpenFileName(nullptr);
  QVERIFY(*seen);
  QCOMPARE(startedIn == Path(stored), startsThere);
  QCOMPARE(answer, chosen);
  QCOMPARE(Preferences().LastFolder(), QFileInfo(chosen).absolutePath());
}

void TestDesktop::recentFilesList_data() {
  QTest::addColumn<QStringList>("before");
  QTest::addColumn<QString>("added");
  QTest::addColumn<QStringList>("after");
  const QString r = QDir::rootPath() + QStringLiteral("r/");  // "/r/" or "C:/r/"
  QTest::newRow("first") << QStringList{} << r + "a.rquorex" << QStringList{r + "a.rquorex"};
  QTest::newRow("newest first") << QStringList{r + "a.rquorex"} << r + "b.rquorex"
                                << QStringList{r + "b.rquorex", r + "a.rquorex"};
  QTest::newRow("again moves to the front")
      << QStringList{r + "c.rquorex", r + "b.rquorex", r + "a.rquorex"} << r + "a.rquorex"
      << QStringList{r + "a.rquorex", r + "c.rquorex", r + "b.rquorex"};
  QTest::newRow("sixth pushes out the oldest")
      << QStringList{r + "5", r + "4", r + "3", r + "2", r + "1"} << r + "6"
      << QStringList{r + "6", r + "5", r + "4", r + "3", r + "2"};
  QTest::newRow("the newest again keeps five")
      << QStringList{r + "5", r + "4", r + "3", r + "2", r + "1"} << r + "1"
      << QStringList{r + "1", r + "5", r + "4", r + "3", r + "2"};
  QTest::newRow("another spelling of the same file")
      << QStringList{r + "a.rquorex", r + "b.rquorex"} << r + "x/../b.rquorex"
      << QStringList{r + "b.rquorex", r + "a.rquorex"};
  QTest::newRow("list edited by hand")
      << QStringList{r + "1", "", r + "1", r + "2", r + "3", r + "./2", r + "4", r + "5",
                     r + "6"}
      << ""
      << QStringList{r + "1", r + "2", r + "3", r + "4", r + "5"};
  QTest::newRow("relative name made absolute")
      << QStringList{} << "rel.rquorex" << QStringList{QDir::current().filePath("rel.rquorex")};
}

void TestDesktop::recentFilesList() {
  QFETCH(QStringList, before);
  QFETCH(QString, added);
  QFETCH(QStringList, after);
  QCOMPARE(RecentFiles::Added(before, added), after);
}

// Six files opened or saved: the last five show, newest first, each once; one deleted since
// is greyed. The dialogs start in the folder of the last of them.
void TestDesktop::recentMenuNewestFirstMissingGreyed() {
  CQuorexDlg &window = ShowWindow();
  QStringList paths;
  for (const char *name : {"a.rquorex", "b.rquorex", "c.rquorex", "d.rquorex"})
    paths << WriteFile(QString::fromLatin1(name), ValidFile("11111111"));
  for (const QString &path : paths) QVERIFY(window.OpenFile(path));
  const QString saved = Path(QStringLiteral("Meier & Sohn.rquorex"));
  dialogs_->saveNames << saved;
  QVERIFY(window.SaveAs());
  const QString sub = WriteFile(QStringLiteral("Wache/f.rquorex"), ValidFile("22222222"));
  dialogs_->openNames << sub;
  QVERIFY(window.Open());
  QVERIFY(window.OpenFile(paths.at(1)));  // b again
  QVERIFY(QFile::remove(paths.at(3)));    // d is gone

  const auto shown = [](const QString &path) { return QDir::toNativeSeparators(path); };
  QCOMPARE(RecentEntries(window),
           QStringList({"+&1 " + shown(paths.at(1)), "+&2 " + shown(sub),
                        "+&3 " + shown(saved).replace("&", "&&"), "-&4 " + shown(paths.at(3)),
                        "+&5 " + shown(paths.at(2))}));
  QVERIFY(RecentMenu(window)->menuAction()->isEnabled());
  QCOMPARE(Preferences().LastFolder(), QFileInfo(paths.at(1)).absolutePath());
  QVERIFY(window.OpenFile(sub));
  QCOMPARE(Preferences().LastFolder(), Path(QStringLiteral("Wache")));
  QVERIFY(dialogs_->shown.isEmpty());
}

// A list edited by hand, or a file replaced since: only regular files can be chosen, and a
// path of hundreds of characters does not stretch the menu.
void TestDesktop::recentMenuGreysOddEntriesElidesLongOnes() {
  const QString folder = Path(QStringLiteral("Ordner.rquorex"));
  QVERIFY(QDir().mkpath(folder));
#ifdef Q_OS_UNIX
  const QString pipe = Path(QStringLiteral("pipe.rquorex"));
  QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
#else
  // No pipe can lie in a folder here; another folder is the second odd entry.
  const QString pipe = Path(QStringLiteral("Ordner 2.rquorex"));
  QVERIFY(QDir().mkpath(pipe));
#endif
  const QString longName =
      WriteFile(QString(20, QLatin1Char('x')) + QStringLiteral("/") + QString(200, QLatin1Char('y')) +
                    QStringLiteral(".rquorex"),
                ValidFile("11111111"));
  Preferences().SetRecentFiles({folder, pipe, longName});
  CQuorexDlg &window = ShowWindow();
  const QStringList entries = RecentEntries(window);
  QCOMPARE(entries.size(), 3);
  QCOMPARE(entries.at(0), "-&1 " + QDir::toNativeSeparators(folder));
  QCOMPARE(entries.at(1), "-&2 " + QDir::toNativeSeparators(pipe));
  QVERIFY2(entries.at(2).startsWith(QStringLiteral("+&3 ")) &&
               entries.at(2).endsWith(QStringLiteral("yy.rquorex")) &&
               entries.at(2).contains(QChar(0x2026)) && entries.at(2).size() < longName.size(),
           qPrintable(entries.at(2)));
  QCOMPARE(RecentMenu(window)->actions().at(2)->toolTip(), QDir::toNativeSeparators(longName));
}

// Nothing stored: an empty, greyed "Zuletzt geöffnet", nothing remembered until a file or a
// transfer has worked. A refused file is not remembered either.
void TestDesktop::freshStartRemembersNothing() {
  CQuorexDlg &window = ShowWindow();
  QVERIFY(RecentEntries(window).isEmpty());
  QVERIFY(!RecentMenu(window)->menuAction()->isEnabled());
  const QString bad = WriteFile(QStringLiteral("bad.rquorex"), ValidFile("1234567"));
  QVERIFY(!window.OpenFile(bad));
  dialogs_->saveNames << Path(QStringLiteral("missing/folder/x.rquorex"));
  QVERIFY(!window.SaveAs());
  QVERIFY(RecentEntries(window).isEmpty());
  QVERIFY(Preferences().LastFolder().isEmpty());
  QVERIFY(Preferences().LastPort().isEmpty());
  QCOMPARE(dialogs_->shown.size(), 2);
}

void TestDesktop::recentEntryOpensLikeOpen_data() {
  QTest::addColumn<bool>("modified");
  QTest::addColumn<int>("answer");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<bool>("opened");
  QTest::addColumn<QStringList>("captions");
  const QByteArray good = ValidFile("AAAAAAAA");
  QTest::newRow("no changes") << false << 0 << good << true << QStringList{};
  QTest::newRow("changes, Nein") << true << int(QMessageBox::No) << good << true
                                 << QStringList{"Änderungen Speichern"};
  QTest::newRow("changes, Abbrechen") << true << int(QMessageBox::Cancel) << good << false
                                      << QStringList{"Änderungen Speichern"};
  QTest::newRow("changes, Ja, save cancelled") << true << int(QMessageBox::Yes) << good << false
                                               << QStringList{"Änderungen Speichern"};
  QTest::newRow("no longer a register file")
      << false << 0 << ValidFile("AAAAAAA") << false << QStringList{"Fehler"};
}

void TestDesktop::recentEntryOpensLikeOpen() {
  QFETCH(bool, modified);
  QFETCH(int, answer);
  QFETCH(QByteArray, content);
  QFETCH(bool, opened);
  QFETCH(QStringList, captions);
  const QString path = WriteFile(QStringLiteral("recent.rquorex"), ValidFile("AAAAAAAA"));
  Preferences().SetRecentFiles({path});
  CQuorexDlg &window = ShowWindow();
  QCOMPARE(RecentEntries(window).size(), 1);
  WriteFile(QStringLiteral("recent.rquorex"), content);  // changed since the menu was filled
  QVERIFY(window.Image().SetText(0, QStringLiteral("CAFEBABE")));
  window.Image().SetModified(modified);
  if (answer) dialogs_->answers << QMessageBox::StandardButton(answer);

  RecentMenu(window)->actions().constFirst()->trigger();
  QStringList shownCaptions;
  for (const auto &box : dialogs_->shown) shownCaptions << box.caption;
  QCOMPARE(shownCaptions, captions);
  QCOMPARE(window.Image().Text(0),
           opened ? QStringLiteral("AAAAAAAA") : QStringLiteral("CAFEBABE"));
  QCOMPARE(window.Image().FilePath() == path, opened);
  QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("sendenButton"))->isEnabled(), opened);
  QCOMPARE(dialogs_->openDialogs, 0);
}

void TestDesktop::shortcuts_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QKeySequence>("key");
  QTest::addColumn<int>("openDialogs");
  QTest::addColumn<int>("saveDialogs");
  QTest::addColumn<bool>("cleared");
  QTest::addColumn<bool>("closed");
  QTest::newRow("Neu") << "&Neu" << QKeySequence(Qt::CTRL | Qt::Key_N) << 0 << 0 << true << false;
  QTest::newRow("Öffnen") << "Ö&ffnen ..." << QKeySequence(Qt::CTRL | Qt::Key_O) << 1 << 0
                          << false << false;
  QTest::newRow("Speichern") << "&Speichern " << QKeySequence(Qt::CTRL | Qt::Key_S) << 0 << 1
                             << false << false;
  QTest::newRow("Speichern unter") << "Speichern &unter ..."
                                   << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S) << 0 << 1
                                   << false << false;
  QTest::newRow("Beenden") << "&Beenden" << QKeySequence(Qt::CTRL | Qt::Key_Q) << 0 << 0 << false
                           << true;
}

// Each key is on its entry, with the entry's text unchanged, and pressing it in the window
// runs that entry and no other.
void TestDesktop::shortcuts() {
  QFETCH(QString, entry);
  QFETCH(QKeySequence, key);
  QFETCH(int, openDialogs);
  QFETCH(int, saveDialogs);
  QFETCH(bool, cleared);
  QFETCH(bool, closed);
  CQuorexDlg &window = ShowWindow();
  QAction *action = Entry(window, entry);
  QVERIFY(action);
  QVERIFY2(action->shortcuts().contains(key), qPrintable(key.toString()));
  QVERIFY(window.Image().SetText(0, QStringLiteral("CAFEBABE")));
  window.Image().SetModified(false);
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));

  QTest::keySequence(&window, key);
  QCOMPARE(dialogs_->openDialogs, openDialogs);
  QCOMPARE(dialogs_->saveDialogs, saveDialogs);
  QCOMPARE(window.Image().Text(0),
           cleared ? QStringLiteral("00000000") : QStringLiteral("CAFEBABE"));
  QCOMPARE(window.isVisible(), !closed);
}

void TestDesktop::drop_data() {
  QTest::addColumn<QStringList>("urls");  // file names in the test folder, or whole URLs
  QTest::addColumn<bool>("modified");
  QTest::addColumn<bool>("accepted");
  QTest::addColumn<bool>("opened");
  QTest::addColumn<QStringList>("captions");
  QTest::newRow("one register file") << QStringList{"set.rquorex"} << false << true << true
                                     << QStringList{};
  QTest::newRow("suffix in capitals") << QStringList{"SET.RQUOREX"} << false << true << true
                                      << QStringList{};
  QTest::newRow("changes, Nein") << QStringList{"set.rquorex"} << true << true << true
                                 << QStringList{"Änderungen Speichern"};
  QTest::newRow("another suffix") << QStringList{"set.txt"} << false << false << false
                                  << QStringList{};
  QTest::newRow("suffix not at the end")
      << QStringList{"set.rquorex.bak"} << false << false << false << QStringList{};
  QTest::newRow("two register files") << QStringList{"set.rquorex", "SET.RQUOREX"} << false
                                      << false << false << QStringList{};
  QTest::newRow("not a local file") << QStringList{"https://example.org/set.rquorex"} << false
                                    << false << false << QStringList{};
  QTest::newRow("not a register file inside") << QStringList{"bad.rquorex"} << false << true
                                              << false << QStringList{"Fehler"};
  QTest::newRow("no files at all") << QStringList{} << false << false << false << QStringList{};
}

void TestDesktop::drop() {
  QFETCH(QStringList, urls);
  QFETCH(bool, modified);
  QFETCH(bool, accepted);
  QFETCH(bool, opened);
  QFETCH(QStringList, captions);
  for (const char *name : {"set.rquorex", "SET.RQUOREX", "set.txt", "set.rquorex.bak"})
    WriteFile(QString::fromLatin1(name), ValidFile("D0D0D0D0"));
  WriteFile(QStringLiteral("bad.rquorex"), ValidFile("D0D0D0D"));
  CQuorexDlg &window = ShowWindow();
  QVERIFY(window.acceptDrops());
  QVERIFY(window.Image().SetText(0, QStringLiteral("CAFEBABE")));
  window.Image().SetModified(modified);
  if (modified) dialogs_->answers << QMessageBox::No;

  QMimeData mime;
  QList<QUrl> list;
  for (const QString &url : urls)
    list << (url.contains(QLatin1Char(':')) ? QUrl(url) : QUrl::fromLocalFile(Path(url)));
  if (list.isEmpty())
    mime.setText(QStringLiteral("set.rquorex"));
  else
    mime.setUrls(list);
  const QPair<bool, bool> taken = DragAndDrop(window, mime);
  QCOMPARE(taken.first, accepted);
  QCOMPARE(taken.second, accepted);

  // The file opens once the drop has returned.
  if (opened || !captions.isEmpty()) {
    QTRY_COMPARE(window.Image().Text(0),
                 opened ? QStringLiteral("D0D0D0D0") : QStringLiteral("CAFEBABE"));
    QTRY_COMPARE(dialogs_->shown.size(), captions.size());
  }
  QCoreApplication::processEvents();
  QStringList shownCaptions;
  for (const auto &box : dialogs_->shown) shownCaptions << box.caption;
  QCOMPARE(shownCaptions, captions);
  QCOMPARE(window.Image().Text(0),
           opened ? QStringLiteral("D0D0D0D0") : QStringLiteral("CAFEBABE"));
  if (opened) QCOMPARE(QFileInfo(window.Image().FilePath()).fileName(), urls.constFirst());
}

// While a write still needs the registers, neither a recent file nor a dropped one may
// replace them, and nothing asks; once the write has let go, both work again.
void TestDesktop::recentAndDropRefusedDuringWrite() {
  const QString path = WriteFile(QStringLiteral("during.rquorex"), ValidFile("EEEEEEEE"));
  Preferences().SetRecentFiles({path});
  CQuorexDlg &window = ShowWindow();
  Timing paced = Fast();
  paced.baudRate = 9600;
  window.SetTiming(paced);
  console_.SetWireTime(true);
  window.findChild<QComboBox *>(QStringLiteral("portComboBox"))->setEditText(console_.DevicePath());
  const QStringList texts = Pattern(QStringLiteral("C"));
  QVERIFY(window.Image().SetAllTexts(texts));
  window.Image().SetModified(true);
  auto *senden = window.findChild<QPushButton *>(QStringLiteral("sendenButton"));
  StartFrom(window, QStringLiteral("11010"));
  senden->click();
  QTRY_VERIFY(console_.Received().contains("$P050"));

  QCOMPARE(RecentEntries(window).size(), 1);
  QVERIFY(!RecentMenu(window)->menuAction()->isEnabled());
  QVERIFY(!window.OpenKnownFile(path));
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QCOMPARE(DragAndDrop(window, mime), qMakePair(false, false));
  QCoreApplication::processEvents();
  QVERIFY(dialogs_->shown.isEmpty());
  QCOMPARE(window.Image().AllTexts(), texts);
  QVERIFY(senden->isEnabled() == false);

  QTRY_VERIFY_WITH_TIMEOUT(senden->isEnabled(), 10000);
  QCOMPARE(RecentEntries(window).size(), 1);
  QVERIFY(RecentMenu(window)->menuAction()->isEnabled());
  dialogs_->answers << QMessageBox::No;
  QCOMPARE(DragAndDrop(window, mime), qMakePair(true, true));
  QTRY_COMPARE(window.Image().Text(0), QStringLiteral("EEEEEEEE"));
  QCOMPARE(dialogs_->shown.size(), 1);
}

void TestDesktop::geometryRestored_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("Beenden") << "beenden";
  QTest::newRow("close box") << "close";
  QTest::newRow("Escape") << "escape";
}

// Wherever the window stood when the program ended, it stands there at the next start.
void TestDesktop::geometryRestored() {
  QFETCH(QString, how);
  CQuorexDlg &first = ShowWindow();
  const QRect fresh = first.geometry();
  const QRect moved(fresh.topLeft() + QPoint(37, 23), fresh.size() + QSize(61, -17));
  first.setGeometry(moved);
  QTRY_COMPARE(first.geometry(), moved);
  if (how == "beenden")
    Entry(first, QStringLiteral("&Beenden"))->trigger();
  else if (how == "close")
    first.close();
  else
    QTest::keyClick(&first, Qt::Key_Escape);
  QVERIFY(!first.isVisible());
  QVERIFY(!Preferences().WindowGeometry().isEmpty());

  CQuorexDlg &second = ShowWindow();
  QCOMPARE(second.geometry(), moved);
  QVERIFY(dialogs_->shown.isEmpty());
}

void TestDesktop::permissionHint_data() {
  QTest::addColumn<QString>("device");
  QTest::addColumn<QString>("group");
  QTest::addColumn<bool>("member");
  QTest::addColumn<QStringList>("says");
  QTest::addColumn<QStringList>("never");
  QTest::newRow("not a member") << "/dev/ttyUSB0" << "uucp" << false
                                << QStringList{"/dev/ttyUSB0", "\"uucp\"",
                                               "sudo usermod -aG uucp $USER", "neu an"}
                                << QStringList{"dialout"};
  QTest::newRow("member already") << "/dev/ttyACM0" << "dialout" << true
                                  << QStringList{"/dev/ttyACM0", "\"dialout\""}
                                  << QStringList{"usermod", "neu an"};
  QTest::newRow("group unknown") << "/dev/ttyS3" << "" << false
                                 << QStringList{"/dev/ttyS3", "usermod -aG dialout $USER"}
                                 << QStringList{"\"\""};
  QTest::newRow("owned by root's group") << "/dev/ttyS0" << "root" << false
                                         << QStringList{"usermod -aG dialout $USER"}
                                         << QStringList{"root"};
}

void TestDesktop::permissionHint() {
  QFETCH(QString, device);
  QFETCH(QString, group);
  QFETCH(bool, member);
  QFETCH(QStringList, says);
  QFETCH(QStringList, never);
  const QString hint = PortAccess::PermissionHint(device, group, member);
  for (const QString &part : says) QVERIFY2(hint.contains(part), qPrintable(hint));
  for (const QString &part : never) QVERIFY2(!hint.contains(part), qPrintable(hint));
}

#ifdef Q_OS_LINUX
// A device this user may not open: the failure's details name it and its group. Root may open
// anything, so only an ordinary user can see this.
void TestDesktop::openFailureNamesGroup() {
  if (geteuid() == 0) QSKIP("Root may open every device; run as an ordinary user to check this.");
  const QString device = WriteFile(QStringLiteral("ttyLocked"), QByteArray());
  QVERIFY(QFile::setPermissions(device, QFileDevice::Permissions()));
  QVERIFY(PortAccess::IsDenied(device));
  CQuorexDlg &window = ShowWindow();
  window.findChild<QComboBox *>(QStringLiteral("portComboBox"))->setEditText(device);
  window.findChild<QPushButton *>(QStringLiteral("lesenButton"))->click();
  QCOMPARE(dialogs_->shown.size(), 1);
  const QString details = dialogs_->Last().detailedText;
  QVERIFY2(details.contains(device), qPrintable(details));
  // The file's group is this user's own, so the advice is not to join it but to check rights.
  QVERIFY2(details.contains(QLatin1Char('"') + QFileInfo(device).group() + QLatin1Char('"')),
           qPrintable(details));
  QVERIFY2(!details.contains(QStringLiteral("usermod")), qPrintable(details));
  QVERIFY(Preferences().LastPort().isEmpty());
}
#endif

QTEST_MAIN(TestDesktop)
#ifdef Q_OS_UNIX
void TestDesktop::nameNotUtf8OpensAndSaves_data() {
  QTest::addColumn<QString>("way");
  QTest::addColumn<QByteArray>("name");
  for (const char *way : {"command line", "recent entry", "drop"}) {
    QTest::addRow("%s, Latin-1 umlaut", way) << way << QByteArray("Einsatz\xe4.rquorex");
    QTest::addRow("%s, overlong slash", way) << way << QByteArray("\xc0\xaf\xff.rquorex");
  }
}

// A name written on an older system is no valid UTF-8; each way into the program still finds
// the file, and "Speichern" writes back to the same name, with no second file beside it.
void TestDesktop::nameNotUtf8OpensAndSaves() {
  QFETCH(QString, way);
  QFETCH(QByteArray, name);
  QTemporaryDir folder;
  const QByteArray bytes = QFile::encodeName(folder.path()) + '/' + name;
  const QString path = NativePath::FromBytes(bytes);
  // QTemporaryDir cannot spell the name either.
  const auto removeFile = qScopeGuard([&bytes] { ::unlink(bytes.constData()); });
  const auto writeRaw = [&bytes](const QByteArray &data) {
    std::FILE *file = std::fopen(bytes.constData(), "wb");
    QVERIFY(file && std::fwrite(data.constData(), 1, size_t(data.size()), file) == size_t(data.size()));
    std::fclose(file);
  };
  writeRaw(ValidFile("D0D0D0D0"));

  if (way == QLatin1String("recent entry")) Preferences().SetRecentFiles({path});
  CQuorexDlg &window = ShowWindow();
  if (way == QLatin1String("command line")) {
    QByteArray program("quorex");
    QByteArray argument = bytes;
    char *argv[] = {program.data(), argument.data()};
    CommandLine line;
    QCOMPARE(line.Parse(NativePath::Arguments(2, argv)), CommandLine::Request::Run);
    window.OpenFile(line.FilePath());
  } else if (way == QLatin1String("recent entry")) {
    QCOMPARE(RecentEntries(window).value(0).left(4), QStringLiteral("+&1 "));
    RecentMenu(window)->actions().constFirst()->trigger();
  } else {
    QMimeData mime;
    mime.setUrls({QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"))});
    QCOMPARE(DragAndDrop(window, mime), qMakePair(true, true));
  }
  QTRY_COMPARE(window.Image().Text(0), QStringLiteral("D0D0D0D0"));
  QVERIFY(dialogs_->shown.isEmpty());
  QCOMPARE(window.Image().FilePath(), path);
  QCOMPARE(Preferences().RecentFiles().value(0), path);

  QVERIFY(window.Image().SetText(0, QStringLiteral("CAFEBABE")));
  Entry(window, QStringLiteral("&Speichern "))->trigger();
  QVERIFY(dialogs_->shown.isEmpty());
  std::FILE *file = std::fopen(bytes.constData(), "rb");
  QVERIFY(file);
  char first[8] = {};
  QCOMPARE(std::fread(first, 1, 8, file), size_t(8));
  std::fclose(file);
  QCOMPARE(QByteArray(first, 8), QByteArray("CAFEBABE"));
  // Qt's own listing would skip the very names looked for.
  DIR *listing = ::opendir(QFile::encodeName(folder.path()).constData());
  QVERIFY(listing);
  QByteArrayList names;
  while (const dirent *entry = ::readdir(listing))
    if (entry->d_name[0] != '.') names << entry->d_name;
  ::closedir(listing);
  QCOMPARE(names, QByteArrayList{name});
}
#endif

#include "tst_desktop.moc"
