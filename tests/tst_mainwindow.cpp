#include "CQuorexDlg.h"
#include "ModalHelper.h"
#include "QuorexVersion.h"
#include "ScriptedDialogs.h"
#include "SmallDisk.h"
#include "TemporarySettings.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

const QString kHelp = QStringLiteral(
    "Lesen Sie bitte vor dem Ändern der Einstellungen die aktuellen\n"
    "Geräteeinstellungen aus oder laden Sie zuvor gespeicherte Ein-\n"
    "stellungen über \"Datei\"->\"Öffnen\".\n"
    "So lange keine sinnvollen Einstellungen geladen wurden, ist die\n"
    "Schaltfläche \"Senden\" deaktiviert, um ein versehentliches\n"
    "Überschreiben der bisherigen Einstellungen zu verhindern.\n\n"
    "Vorgenommene Einstellungen können über \"Datei\"->\"Speichern\"\n"
    "als Datei für die spätere Wiederherstellung gesichert werden.\n");

QByteArray ValidFile(const QByteArray &first = "12345678") {
  QByteArray data = first + "\r\n";
  for (int i = 1; i < 200; ++i) data += "00000000\r\n";
  return data;
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void initialState();
  void treeEntriesInOrder();
  void datei_menu();
  void progressBarStartsOverPastItsEnd();
  void helpText();
  void aboutBoxEscapeEnablesTree();
  void aboutBoxOkLeavesTree();
  void aboutBoxNamesVersion();
  void treeOpensPageAndClearsSelection();
  void groupEntryOpensNothing();
  void keyboardWalkThroughTree();
  void windowIconIsThere();
  void escapeAtClosingQuestionKeepsEverything_data();
  void escapeAtClosingQuestionKeepsEverything();
  void enterAtResetQuestionResetsNothing();
  void firstSaveAsksAndTellsWhere();
  void saveAsNeverTellsWhere();
  void cancelledSaveKeepsChanges();
  void failedSaveIsReported();
  void saveOnFullDiskIsReported();
  void openEnablesSendenAndTree();
  void openRefusesMalformedFile();
  void newAndOpenAskBeforeDiscarding_data();
  void newAndOpenAskBeforeDiscarding();
  void newClearsPath();
  void closing_data();
  void closing();

 private:
  QString Path(const QString &name) const { return dir_.filePath(name); }
  void WriteFile(const QString &path, const QByteArray &data);
  template <class T>
  T *Child(const char *name) {
    return window_->findChild<T *>(QString::fromLatin1(name));
  }

  // Saving and closing are remembered; kept away from the user's own settings.
  TemporarySettings settings_;
  QTemporaryDir dir_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<CQuorexDlg> window_;
};

void TestMainWindow::init() {
  dialogs_ = std::make_unique<ScriptedDialogs>();
  window_ = std::make_unique<CQuorexDlg>();
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestMainWindow::cleanup() {
  window_->Image().SetModified(false);
  window_.reset();
  dialogs_.reset();
}

void TestMainWindow::WriteFile(const QString &path, const QByteArray &data) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(data);
}

void TestMainWindow::initialState() {
  QCOMPARE(window_->windowTitle(), QStringLiteral("Quorex Programmiersoftware"));
  QVERIFY(!Child<QPushButton>("sendenButton")->isEnabled());
  QVERIFY(Child<QPushButton>("lesenButton")->isEnabled());
  QVERIFY(!Child<QPushButton>("versionButton")->isEnabled());
  QVERIFY(Child<QPushButton>("werkeinstellungenButton")->isEnabled());
  QVERIFY(Child<QPushButton>("hilfeButton")->isEnabled());
  QVERIFY(Child<QPushButton>("infoButton")->isEnabled());
  QVERIFY(Child<QComboBox>("portComboBox")->isEnabled());
  QVERIFY(Child<QComboBox>("portComboBox")->isEditable());
  QVERIFY(!Child<QTreeWidget>("configTree")->isEnabled());
  QCOMPARE(Child<QProgressBar>("progressBar")->minimum(), 0);
  QCOMPARE(Child<QProgressBar>("progressBar")->maximum(), 200);
  QVERIFY(window_->Image().IsVersion107());
}

void TestMainWindow::treeEntriesInOrder() {
  QTreeWidget *tree = Child<QTreeWidget>("configTree");
  QStringList roots;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) roots << tree->topLevelItem(i)->text(0);
  QCOMPARE(roots, QStringList({"BUSY-Konfiguration", "Squelchkonfiguration",
                               "Funkkreiskonfiguration", "TX Konfiguration",
                               "Duplexkonfiguration (->TETRA)", "NF-Eingangskonfiguration",
                               "Hörer-/LS-Konfiguration", "Tonbandrelais Konfiguration",
                               "Headset Konfiguration", "Sendereinstellungen", "Tastenfunktionen",
                               "Tonrufauswertung", "Einzelnes Register lesen/schreiben"}));
  QTreeWidgetItem *busy = tree->topLevelItem(0);
  QCOMPARE(busy->childCount(), 2);
  QCOMPARE(busy->child(0)->text(0), QStringLiteral("BUSY Ausgang Konfiguration"));
  QCOMPARE(busy->child(1)->text(0), QStringLiteral("BUSY Eingang Konfiguration"));
  QVERIFY(!busy->isExpanded());
}

void TestMainWindow::datei_menu() {
  QMenuBar *bar = window_->MenuBar();
  QMenu *datei = bar->actions().constFirst()->menu();
  QCOMPARE(bar->actions().constFirst()->text(), QStringLiteral("&Datei"));
  QStringList entries;
  for (QAction *action : datei->actions()) entries << action->text();
  QCOMPARE(entries, QStringList({"&Neu", "Ö&ffnen ...", "&Speichern ", "Speichern &unter ...",
                                 "&Zuletzt geöffnet", "&Beenden"}));
  QVERIFY(datei->actions().at(4)->menu());
}

void TestMainWindow::progressBarStartsOverPastItsEnd() {
  QProgressBar *bar = Child<QProgressBar>("progressBar");
  for (int i = 0; i < 200; ++i) window_->StepProgress();
  QCOMPARE(bar->value(), 200);
  window_->StepProgress();
  QCOMPARE(bar->value(), 1);
  for (int i = 0; i < 199; ++i) window_->StepProgress();
  QCOMPARE(bar->value(), 200);
}

void TestMainWindow::helpText() {
  Child<QPushButton>("hilfeButton")->click();
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().text, kHelp);
  QCOMPARE(dialogs_->Last().caption, QStringLiteral("Hilfe"));
  QCOMPARE(dialogs_->Last().icon, QMessageBox::Information);
  QCOMPARE(dialogs_->Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestMainWindow::aboutBoxEscapeEnablesTree() {
  auto seen = OnNextModal([](QDialog *about) {
    QTest::keyClick(about, Qt::Key_Escape);
  });
  Child<QPushButton>("infoButton")->click();
  QVERIFY(*seen);
  QVERIFY(Child<QTreeWidget>("configTree")->isEnabled());
  QVERIFY(!Child<QPushButton>("sendenButton")->isEnabled());
}

void TestMainWindow::aboutBoxOkLeavesTree() {
  auto seen = OnNextModal([](QDialog *about) { about->accept(); });
  Child<QPushButton>("infoButton")->click();
  QVERIFY(*seen);
  QVERIFY(!Child<QTreeWidget>("configTree")->isEnabled());
}

// The texts stay as they were; only the number is the build's own.
void TestMainWindow::aboutBoxNamesVersion() {
  QString title;
  QString name;
  auto seen = OnNextModal([&](QDialog *about) {
    title = about->windowTitle();
    name = about->findChild<QLabel *>(QStringLiteral("nameLabel"))->text();
    about->accept();
  });
  Child<QPushButton>("infoButton")->click();
  QVERIFY(*seen);
  QCOMPARE(title, QStringLiteral("Info über Quorex"));
  QCOMPARE(name, QStringLiteral("Quorex Programmiersoftware Version ") +
                     QString::fromLatin1(kQuorexVersion));
  QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
              .match(QString::fromLatin1(kQuorexVersion))
              .hasMatch());
}

void TestMainWindow::treeOpensPageAndClearsSelection() {
  QTreeWidget *tree = Child<QTreeWidget>("configTree");
  tree->setEnabled(true);
  QVERIFY(window_->Image().SetText(0, QStringLiteral("1000000A")));
  for (int round = 0; round < 2; ++round) {
    QString title;
    auto seen = OnNextModal([&](QDialog *page) {
      title = page->windowTitle();
      page->reject();
    });
    tree->topLevelItem(2)->setSelected(true);
    QTRY_VERIFY(*seen);
    QCOMPARE(title, QStringLiteral("Funkkreiskonfiguration"));
    QVERIFY(tree->selectedItems().isEmpty());
  }
}

void TestMainWindow::groupEntryOpensNothing() {
  QTreeWidget *tree = Child<QTreeWidget>("configTree");
  tree->setEnabled(true);
  bool opened = false;
  OnNextModal([&](QDialog *page) {
    opened = true;
    page->reject();
  }, 300);
  tree->topLevelItem(0)->setSelected(true);
  QTest::qWait(400);
  QVERIFY(!opened);
  QVERIFY(tree->selectedItems().isEmpty());
}

// Keys alone reach every page, the two below "BUSY-Konfiguration" included; each key opens at
// most one page, the first Escape closes it, and the entry stays where the keys left it.
void TestMainWindow::keyboardWalkThroughTree() {
  QTreeWidget *tree = Child<QTreeWidget>("configTree");
  tree->setEnabled(true);
  tree->setFocus();
  QStringList opened;
  const auto press = [&](Qt::Key key, const QString &expectPage) {
    std::shared_ptr<bool> seen;
    if (!expectPage.isEmpty())
      seen = OnNextModal([&opened](QDialog *page) {
        opened << page->windowTitle();
        QTest::keyClick(page, Qt::Key_Escape);
      });
    QTest::keyClick(tree, key);
    if (seen) QTRY_VERIFY(*seen);
    QCoreApplication::processEvents();
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(tree->selectedItems().isEmpty());
  };
  press(Qt::Key_Home, QString());  // "BUSY-Konfiguration" opens nothing
  QCOMPARE(tree->currentItem()->text(0), QStringLiteral("BUSY-Konfiguration"));
  press(Qt::Key_Right, QString());
  QVERIFY(tree->topLevelItem(0)->isExpanded());
  press(Qt::Key_Down, QStringLiteral("BUSY Ausgang Konfiguration"));
  QCOMPARE(tree->currentItem()->text(0), QStringLiteral("BUSY Ausgang Konfiguration"));
  press(Qt::Key_Down, QStringLiteral("BUSY Eingang Konfiguration"));
  press(Qt::Key_Space, QStringLiteral("BUSY Eingang Konfiguration"));
  QCOMPARE(tree->currentItem()->text(0), QStringLiteral("BUSY Eingang Konfiguration"));
  press(Qt::Key_Down, QStringLiteral("Squelchkonfiguration"));
  press(Qt::Key_Up, QStringLiteral("BUSY Eingang Konfiguration"));
  press(Qt::Key_Up, QStringLiteral("BUSY Ausgang Konfiguration"));
  press(Qt::Key_Up, QString());
  press(Qt::Key_Left, QString());
  QVERIFY(!tree->topLevelItem(0)->isExpanded());
  QCOMPARE(opened, QStringList({"BUSY Ausgang Konfiguration", "BUSY Eingang Konfiguration",
                                "BUSY Eingang Konfiguration", "Squelchkonfiguration",
                                "BUSY Eingang Konfiguration", "BUSY Ausgang Konfiguration"}));
  QVERIFY(window_->isVisible());
}

void TestMainWindow::windowIconIsThere() {
  QVERIFY(!window_->windowIcon().pixmap(32, 32).isNull());
}

void TestMainWindow::escapeAtClosingQuestionKeepsEverything_data() {
  QTest::addColumn<QString>("how");
  for (const char *how : {"escape", "close", "beenden"}) QTest::newRow(how) << QString(how);
}

// "Abbrechen" (what Escape answers) at the closing question keeps the window and the edits.
void TestMainWindow::escapeAtClosingQuestionKeepsEverything() {
  QFETCH(QString, how);
  QVERIFY(window_->Image().SetText(5, QStringLiteral("ABCDEF01")));
  window_->Image().SetModified(true);
  dialogs_->answers << QMessageBox::Cancel;
  if (how == "escape")
    QTest::keyClick(window_.get(), Qt::Key_Escape);
  else if (how == "close")
    window_->close();
  else
    window_->MenuBar()->actions().constFirst()->menu()->actions().constLast()->trigger();
  QCOMPARE(dialogs_->shown.size(), 1);
  QVERIFY(window_->isVisible());
  QVERIFY(window_->Image().IsModified());
  QCOMPARE(window_->Image().Text(5), QStringLiteral("ABCDEF01"));
  QCOMPARE(dialogs_->saveDialogs, 0);
}

// Enter at the reset question answers its default button, "Abbrechen": no port is opened.
void TestMainWindow::enterAtResetQuestionResetsNothing() {
  Child<QComboBox>("portComboBox")->setEditText(QStringLiteral("/dev/no-such-port"));
  Child<QPushButton>("werkeinstellungenButton")->click();
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().text, QStringLiteral("Gerät auf Werkeinstellungen zurücksetzen?"));
  QCOMPARE(dialogs_->Last().buttons, QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(dialogs_->Last().defaultButton, QMessageBox::Cancel);
  QVERIFY(Child<QPushButton>("werkeinstellungenButton")->isEnabled());
  QVERIFY(Child<QPushButton>("lesenButton")->isEnabled());
}

void TestMainWindow::firstSaveAsksAndTellsWhere() {
  const QString path = Path(QStringLiteral("first.rquorex"));
  dialogs_->saveNames << path;
  window_->Image().SetModified(true);
  QVERIFY(window_->Save());
  QCOMPARE(dialogs_->saveDialogs, 1);
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().text, QStringLiteral("gespeichert in: ") + QDir::toNativeSeparators(path));
  QCOMPARE(dialogs_->Last().caption, QString());
  QCOMPARE(dialogs_->Last().icon, QMessageBox::NoIcon);
  QCOMPARE(QFileInfo(path).size(), 2000);
  QVERIFY(!window_->Image().IsModified());

  QVERIFY(window_->Image().SetText(1, QStringLiteral("ABCDEF01")));
  QVERIFY(window_->Save());
  QCOMPARE(dialogs_->saveDialogs, 1);
  QCOMPARE(dialogs_->shown.size(), 1);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().startsWith("00000000\r\nABCDEF01\r\n"));
}

void TestMainWindow::saveAsNeverTellsWhere() {
  window_->Image().SetFilePath(Path(QStringLiteral("old.rquorex")));
  const QString path = Path(QStringLiteral("as.rquorex"));
  dialogs_->saveNames << path;
  window_->Image().SetModified(true);
  QVERIFY(window_->SaveAs());
  QCOMPARE(dialogs_->saveDialogs, 1);
  QVERIFY(dialogs_->shown.isEmpty());
  QVERIFY(QFile::exists(path));
  QCOMPARE(window_->Image().FilePath(), path);
  QVERIFY(!window_->Image().IsModified());
}

void TestMainWindow::cancelledSaveKeepsChanges() {
  const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
  window_->Image().SetModified(true);
  QVERIFY(!window_->Save());
  QVERIFY(!window_->SaveAs());
  QCOMPARE(dialogs_->saveDialogs, 2);
  QVERIFY(window_->Image().IsModified());
  QVERIFY(window_->Image().FilePath().isEmpty());
  QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), before);
}

void TestMainWindow::failedSaveIsReported() {
  window_->Image().SetModified(true);
  dialogs_->saveNames << Path(QStringLiteral("missing/folder/x.rquorex"));
  QVERIFY(!window_->Save());
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(dialogs_->Last().icon, QMessageBox::Critical);
  QVERIFY(dialogs_->Last().text.contains(QStringLiteral("missing")));
  QVERIFY(window_->Image().IsModified());
  QVERIFY(window_->Image().FilePath().isEmpty());
}

// "Speichern " over a file on a disk that has no room left for the new one.
void TestMainWindow::saveOnFullDiskIsReported() {
  SmallDisk disk;
  if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
  const QString path = disk.FilePath(QStringLiteral("old.rquorex"));
  WriteFile(path, ValidFile("0BADF00D"));
  QVERIFY(disk.Fill());
  window_->Image().SetFilePath(path);
  QVERIFY(window_->Image().SetText(0, QStringLiteral("12345678")));
  window_->Image().SetModified(true);

  QVERIFY(!window_->Save());
  QCOMPARE(dialogs_->saveDialogs, 0);
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(dialogs_->Last().icon, QMessageBox::Critical);
  QVERIFY2(dialogs_->Last().text.startsWith(
               QStringLiteral("Die Datei\n%1\nkonnte nicht gespeichert werden:\n")
                   .arg(QDir::toNativeSeparators(path))),
           qPrintable(dialogs_->Last().text));
  QVERIFY(window_->Image().IsModified());
  QCOMPARE(window_->Image().FilePath(), path);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), ValidFile("0BADF00D"));
}

void TestMainWindow::openEnablesSendenAndTree() {
  const QString path = Path(QStringLiteral("in.rquorex"));
  WriteFile(path, ValidFile());
  dialogs_->openNames << path;
  QVERIFY(window_->Open());
  QVERIFY(dialogs_->shown.isEmpty());
  QCOMPARE(window_->Image().Text(0), QStringLiteral("12345678"));
  QCOMPARE(window_->Image().FilePath(), path);
  QVERIFY(!window_->Image().IsModified());
  QVERIFY(Child<QPushButton>("sendenButton")->isEnabled());
  QVERIFY(Child<QTreeWidget>("configTree")->isEnabled());
  QVERIFY(!Child<QPushButton>("versionButton")->isEnabled());
}

void TestMainWindow::openRefusesMalformedFile() {
  const QString path = Path(QStringLiteral("bad.rquorex"));
  WriteFile(path, ValidFile("1234567"));
  dialogs_->openNames << path;
  QVERIFY(!window_->Open());
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().caption, QStringLiteral("Fehler"));
  QVERIFY(dialogs_->Last().text.contains(QStringLiteral("Zeile 1 ")));
  QCOMPARE(window_->Image().Text(0), QStringLiteral("00000000"));
  QVERIFY(window_->Image().FilePath().isEmpty());
  QVERIFY(!Child<QPushButton>("sendenButton")->isEnabled());
  QVERIFY(!Child<QTreeWidget>("configTree")->isEnabled());
}

void TestMainWindow::newAndOpenAskBeforeDiscarding_data() {
  QTest::addColumn<bool>("open");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("replaced");
  QTest::newRow("new, cancel") << false << int(QMessageBox::Cancel) << false;
  QTest::newRow("new, no") << false << int(QMessageBox::No) << true;
  QTest::newRow("new, yes, save cancelled") << false << int(QMessageBox::Yes) << false;
  QTest::newRow("open, cancel") << true << int(QMessageBox::Cancel) << false;
  QTest::newRow("open, no") << true << int(QMessageBox::No) << true;
  QTest::newRow("open, yes, save cancelled") << true << int(QMessageBox::Yes) << false;
}

void TestMainWindow::newAndOpenAskBeforeDiscarding() {
  QFETCH(bool, open);
  QFETCH(int, answer);
  QFETCH(bool, replaced);
  const QString path = Path(QStringLiteral("in.rquorex"));
  WriteFile(path, ValidFile("AAAAAAAA"));
  QVERIFY(window_->Image().SetText(0, QStringLiteral("CAFEBABE")));
  window_->Image().SetModified(true);
  dialogs_->answers << QMessageBox::StandardButton(answer);
  dialogs_->openNames << path;
  if (open)
    window_->Open();
  else
    window_->New();
  QCOMPARE(dialogs_->shown.constFirst().caption, QStringLiteral("Änderungen Speichern"));
  QCOMPARE(dialogs_->shown.constFirst().buttons,
           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  const QString expected =
      replaced ? (open ? QStringLiteral("AAAAAAAA") : QStringLiteral("00000000"))
               : QStringLiteral("CAFEBABE");
  QCOMPARE(window_->Image().Text(0), expected);
  QCOMPARE(window_->Image().IsModified(), !replaced);
}

void TestMainWindow::newClearsPath() {
  const QString path = Path(QStringLiteral("in.rquorex"));
  WriteFile(path, ValidFile());
  dialogs_->openNames << path;
  QVERIFY(window_->Open());
  window_->Image().SetVersionText(QStringLiteral("Quorex V 1.07"));
  window_->New();
  QVERIFY(window_->Image().FilePath().isEmpty());
  QCOMPARE(window_->Image().Text(0), QStringLiteral("00000000"));
  QCOMPARE(window_->Image().VersionText(), Register::kVersionHint);
  QVERIFY(Child<QPushButton>("sendenButton")->isEnabled());
  QVERIFY(Child<QTreeWidget>("configTree")->isEnabled());
  dialogs_->saveNames << Path(QStringLiteral("again.rquorex"));
  QVERIFY(window_->Save());
  QCOMPARE(dialogs_->saveDialogs, 1);
}

void TestMainWindow::closing_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("modified");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("saveName");
  QTest::addColumn<bool>("closed");
  QTest::addColumn<bool>("saved");
  for (const QString how : {"escape", "enter", "close", "beenden"}) {
    const QByteArray h = how.toLatin1();
    QTest::newRow(h + ", unmodified") << how << false << 0 << false << true << false;
    QTest::newRow(h + ", no") << how << true << int(QMessageBox::No) << false << true << false;
    QTest::newRow(h + ", yes, saved")
        << how << true << int(QMessageBox::Yes) << true << true << true;
    QTest::newRow(h + ", yes, cancelled")
        << how << true << int(QMessageBox::Yes) << false << false << false;
  }
}

void TestMainWindow::closing() {
  QFETCH(QString, how);
  QFETCH(bool, modified);
  QFETCH(int, answer);
  QFETCH(bool, saveName);
  QFETCH(bool, closed);
  QFETCH(bool, saved);
  const QString path = Path(QStringLiteral("closing.rquorex"));
  QFile::remove(path);
  window_->Image().SetModified(modified);
  if (answer) dialogs_->answers << QMessageBox::StandardButton(answer);
  if (saveName) dialogs_->saveNames << path;

  if (how == "escape") {
    QTest::keyClick(window_.get(), Qt::Key_Escape);
  } else if (how == "enter") {
    Child<QTreeWidget>("configTree")->setEnabled(true);
    Child<QTreeWidget>("configTree")->setFocus();
    QTest::keyClick(window_.get(), Qt::Key_Return);
  } else if (how == "close") {
    window_->close();
  } else {
    window_->MenuBar()->actions().constFirst()->menu()->actions().constLast()->trigger();
  }

  // A first save also tells where it went.
  QCOMPARE(dialogs_->shown.size(), (modified ? 1 : 0) + (saved ? 1 : 0));
  if (modified) {
    QCOMPARE(dialogs_->shown.constFirst().text,
             QStringLiteral("Wollen Sie vor dem Schließen der Anwendung die Änderungen speichern?"));
    QCOMPARE(dialogs_->shown.constFirst().caption, QStringLiteral("Änderungen Speichern"));
    QCOMPARE(dialogs_->shown.constFirst().icon, QMessageBox::Question);
    QCOMPARE(dialogs_->shown.constFirst().buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  }
  QCOMPARE(window_->isVisible(), !closed);
  QCOMPARE(QFile::exists(path), saved);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
