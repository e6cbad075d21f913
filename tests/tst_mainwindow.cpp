// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "ManualWindow.h"
#include "DialogHelpers.h"
#include "ModalHelper.h"
#include "PageWatch.h"
#include "PortChooser.h"
#include "Preferences.h"
#include "QuorexVersion.h"
#include "ScriptedDialogs.h"
#include "SmallDisk.h"
#include "StatusLine.h"
#include "TemporarySettings.h"
#include "TestFiles.h"
#include "WindowBench.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
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
  void movingKeysOpenNothing_data();
  void movingKeysOpenNothing();
  void enterInTreeKeepsWindow();
  void accessibleActivationOpensPage();
  void readAndResetAskAboutEdits_data();
  void readAndResetAskAboutEdits();
  void statusAfterFileCommands();
  void statusLineIsPlainAndWhole();
  void statusLineFitsWhenShown();
  void statusNamesTheReason();
  void enterInPortKeepsWindow_data();
  void enterInPortKeepsWindow();
  void typedPortOfferedAgain_data();
  void typedPortOfferedAgain();
  void manualNamesItsSections();
  void helpKey();
  void mnemonicsUnique();
  void rememberedGeometryFitsScreen();
  void minimumSizeFitsSmallScreen();
  void windowIconIsThere();
  void escapeAtClosingQuestionKeepsEverything_data();
  void escapeAtClosingQuestionKeepsEverything();
  void enterAtResetQuestionResetsNothing();
  void firstSaveAsksAndTellsWhere();
  void saveAsNeverTellsWhere();
  void cancelledSaveKeepsChanges();
  void failedSaveIsReported();
#ifdef Q_OS_LINUX
  void saveOnFullDiskIsReported();
#endif
  void openEnablesSendenAndTree();
  void openRefusesMalformedFile();
  void newAndOpenAskBeforeDiscarding_data();
  void newAndOpenAskBeforeDiscarding();
  void newClearsPath();
  void closing_data();
  void closing();

 private:
  QString Path(const QString &name) const { return bench_->Path(name); }
  template <class T>
  T *Child(const char *name) {
    return window_->findChild<T *>(QString::fromLatin1(name));
  }
  // The tree, usable and holding the keyboard, with `row` (of the top level) current.
  QTreeWidget *TreeAt(int row);
  // Opens "Funkkreiskonfiguration" with Enter, ticks a box and closes it with OK: an edit.
  void EditOnPage();

  // Saving and closing are remembered; kept away from the user's own settings.
  TemporarySettings settings_;
  // The window on its own: the console is never started here.
  std::unique_ptr<WindowBench> bench_;
  CQuorexDlg *window_ = nullptr;
  ScriptedDialogs *dialogs_ = nullptr;
};

void TestMainWindow::init() {
  bench_ = std::make_unique<WindowBench>();
  window_ = &bench_->window;
  dialogs_ = &bench_->dialogs;
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void TestMainWindow::cleanup() {
  window_->Image().SetModified(false);
  bench_.reset();
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
  QCOMPARE(Child<QTreeWidget>("configTree")->accessibleName(), QStringLiteral("Konfiguration"));
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
  StartFrom(*window_, QStringLiteral("01011"));
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
  StartFrom(*window_, QStringLiteral("01011"));
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

QTreeWidget *TestMainWindow::TreeAt(int row) {
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_)) qWarning("window not active");
  QTreeWidget *tree = Child<QTreeWidget>("configTree");
  StartFrom(*window_, QStringLiteral("01011"));
  tree->setFocus();
  tree->setCurrentItem(tree->topLevelItem(row));
  return tree;
}

void TestMainWindow::EditOnPage() {
  QTreeWidget *tree = TreeAt(2);
  auto seen = OnNextModal([](QDialog *page) {
    auto *erlaubt = page->findChild<QCheckBox *>(QStringLiteral("erlaubt1CheckBox"));
    erlaubt->setChecked(!erlaubt->isChecked());
    page->accept();
  });
  QTest::keyClick(tree, Qt::Key_Return);
  QTRY_VERIFY(*seen);
  QTRY_VERIFY(!QApplication::activeModalWidget());
}

// Keys alone reach all 14 pages, the two below "BUSY-Konfiguration" included: Down only
// moves, Enter opens the current entry's page once, Escape closes it, and the keys go on from
// the same entry.
void TestMainWindow::keyboardWalkThroughTree() {
  PageWatch pages(window_);
  QTreeWidget *tree = TreeAt(0);
  QTest::keyClick(tree, Qt::Key_Return);  // a group has no page: Enter unfolds it
  QVERIFY(tree->topLevelItem(0)->isExpanded());
  for (int entry = 1; entry <= 14; ++entry) {
    const QTreeWidgetItem *before = tree->currentItem();
    QTest::keyClick(tree, Qt::Key_Down);
    QCoreApplication::processEvents();
    QTreeWidgetItem *current = tree->currentItem();
    QVERIFY(current != before);
    QCOMPARE(pages.opened.size(), entry - 1);
    QTest::keyClick(tree, Qt::Key_Return);
    QTRY_COMPARE(pages.opened.size(), entry);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(QApplication::focusWidget(), tree);
    QCOMPARE(tree->currentItem(), current);
    QVERIFY(tree->selectedItems().isEmpty());
  }
  QCOMPARE(QSet<QString>(pages.opened.begin(), pages.opened.end()).size(), 14);
  QCOMPARE(pages.opened.constFirst(), QStringLiteral("BUSYOutKonfig"));
  QCOMPARE(pages.opened.constLast(), QStringLiteral("EinzelnesRegister"));
  QVERIFY(window_->isVisible());
  QVERIFY(dialogs_->shown.isEmpty());
  QVERIFY(!window_->Image().IsModified());
}

void TestMainWindow::movingKeysOpenNothing_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::newRow("Down") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down};
  QTest::newRow("Up") << QList<int>{Qt::Key_Up, Qt::Key_Up};
  QTest::newRow("Home, End") << QList<int>{Qt::Key_End, Qt::Key_Home, Qt::Key_End};
  QTest::newRow("page keys") << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp};
  QTest::newRow("unfold, fold")
      << QList<int>{Qt::Key_Home, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left};
}

// What a page's first control would have taken for itself, had a key opened the page: no key
// that moves opens anything, so no register changes.
void TestMainWindow::movingKeysOpenNothing() {
  QFETCH(QList<int>, keys);
  QVERIFY(window_->Image().SetText(4, QStringLiteral("1020A000")));
  const QStringList before = window_->Image().AllTexts();
  PageWatch pages(window_);
  QTreeWidget *tree = TreeAt(3);
  for (int key : keys) {
    QTest::keyClick(tree, Qt::Key(key));
    QCoreApplication::processEvents();
  }
  QVERIFY2(pages.opened.isEmpty(), qPrintable(pages.opened.join(QLatin1Char(' '))));
  QCOMPARE(window_->Image().AllTexts(), before);
  QVERIFY(!window_->Image().IsModified());
  QCOMPARE(QApplication::focusWidget(), tree);
}

void TestMainWindow::enterInTreeKeepsWindow() {
  PageWatch pages(window_);
  QTreeWidget *tree = TreeAt(0);
  QTest::keyClick(tree, Qt::Key_Return);
  QTest::keyClick(tree, Qt::Key_Enter, Qt::KeypadModifier);
  QCoreApplication::processEvents();
  QVERIFY(window_->isVisible());
  QVERIFY(dialogs_->shown.isEmpty());
  QVERIFY(pages.opened.isEmpty());
  // Space opens the page just as Enter does, and a click opens the entry already current.
  tree->setCurrentItem(tree->topLevelItem(1));
  QTest::keyClick(tree, Qt::Key_Space);
  QTRY_COMPARE(pages.opened, QStringList{"Squelchkonfiguration"});
  QTRY_VERIFY(!QApplication::activeModalWidget());
  const QRect entry = tree->visualItemRect(tree->topLevelItem(1));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, entry.center());
  QTRY_COMPARE(pages.opened.size(), 2);
  QTRY_VERIFY(!QApplication::activeModalWidget());
  QVERIFY(window_->isVisible());
}

// A screen reader's activation of an entry opens its page, once, as Enter does.
void TestMainWindow::accessibleActivationOpensPage() {
  PageWatch pages(window_);
  QTreeWidget *tree = TreeAt(0);
  QAccessibleInterface *treeAccess = QAccessible::queryAccessibleInterface(tree);
  QVERIFY(treeAccess);
  QAccessibleInterface *entry = nullptr;
  for (int i = 0; i < treeAccess->childCount() && !entry; ++i) {
    QAccessibleInterface *child = treeAccess->child(i);
    if (child && child->text(QAccessible::Name) == QStringLiteral("Squelchkonfiguration"))
      entry = child;
  }
  QVERIFY(entry);
  QVERIFY(entry->actionInterface());
  const QStringList actions = entry->actionInterface()->actionNames();
  QVERIFY2(!actions.isEmpty(), "no action");
  entry->actionInterface()->doAction(actions.constFirst());
  QTRY_COMPARE(pages.opened, QStringList{"Squelchkonfiguration"});
  QTRY_VERIFY(!QApplication::activeModalWidget());
  QVERIFY(tree->selectedItems().isEmpty());
  QCOMPARE(tree->currentItem(), tree->topLevelItem(1));
}

void TestMainWindow::readAndResetAskAboutEdits_data() {
  QTest::addColumn<bool>("reset");
  QTest::addColumn<bool>("edited");
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("saveName");
  QTest::addColumn<QStringList>("boxes");
  for (const bool reset : {false, true}) {
    const QString goesOn = reset ? "reset question" : "port failure";
    const QByteArray name = reset ? "Werkeinstellungen" : "Lesen";
    QTest::newRow(name + ", nothing edited") << reset << false << 0 << false << QStringList{goesOn};
    QTest::newRow(name + ", Nein") << reset << true << int(QMessageBox::No) << false
                                   << QStringList{"save first", goesOn};
    QTest::newRow(name + ", Abbrechen") << reset << true << int(QMessageBox::Cancel) << false
                                        << QStringList{"save first"};
    QTest::newRow(name + ", Ja, saved") << reset << true << int(QMessageBox::Yes) << true
                                        << QStringList{"save first", "saved", goesOn};
    QTest::newRow(name + ", Ja, save cancelled")
        << reset << true << int(QMessageBox::Yes) << false << QStringList{"save first"};
  }
}

// Edits made on a page since the registers last matched a file or the console are offered
// for saving before a read could replace them; without such edits nothing is asked.
void TestMainWindow::readAndResetAskAboutEdits() {
  QFETCH(bool, reset);
  QFETCH(bool, edited);
  QFETCH(int, answer);
  QFETCH(bool, saveName);
  QFETCH(QStringList, boxes);
  const QString path = Path(QStringLiteral("edits.rquorex"));
  QFile::remove(path);
  if (edited) EditOnPage();
  // Whatever the image's modified flag says: a read sets it too.
  window_->Image().SetModified(true);
  Child<QComboBox>("portComboBox")->setEditText(QStringLiteral("/dev/no-such-port"));
  if (answer) dialogs_->answers << QMessageBox::StandardButton(answer);
  if (saveName) dialogs_->saveNames << path;
  Child<QPushButton>(reset ? "werkeinstellungenButton" : "lesenButton")->click();

  QStringList seen;
  for (const ScriptedDialogs::Shown &box : dialogs_->shown) {
    if (box.text == QStringLiteral("Die Einstellungen wurden geändert.\nWollen Sie die "
                                   "Änderungen vorher speichern?")) {
      QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      seen << QStringLiteral("save first");
    } else if (box.text.startsWith(QStringLiteral("gespeichert in: "))) {
      seen << QStringLiteral("saved");
    } else if (box.text == QStringLiteral("Gerät auf Werkeinstellungen zurücksetzen?")) {
      seen << QStringLiteral("reset question");
    } else if (box.text.startsWith(QStringLiteral("Das Gerät konnte nicht initialisiert"))) {
      seen << QStringLiteral("port failure");
    } else {
      seen << box.text;
    }
  }
  QCOMPARE(seen, boxes);
  QCOMPARE(QFile::exists(path), saveName);
  QVERIFY(Child<QPushButton>("lesenButton")->isEnabled());
  QVERIFY(Child<QPushButton>("werkeinstellungenButton")->isEnabled());
}

void TestMainWindow::statusAfterFileCommands() {
  auto *status = Child<StatusLine>("statusLine");
  QCOMPARE(status->Status(),
           QStringLiteral("Port wählen, dann „Lesen“ drücken – oder eine Registerdatei öffnen."));
  const QString path = Path(QStringLiteral("werkstatt.rquorex"));
  WriteFile(path, ValidFile());
  dialogs_->openNames << path;
  QVERIFY(window_->Open());
  QCOMPARE(status->Status(), QStringLiteral("Geöffnet: werkstatt.rquorex"));
  dialogs_->saveNames << Path(QStringLiteral("kopie.rquorex"));
  QVERIFY(window_->SaveAs());
  QCOMPARE(status->Status(), QStringLiteral("Gespeichert: kopie.rquorex"));
  const QString bad = Path(QStringLiteral("kaputt.rquorex"));
  WriteFile(bad, ValidFile("1234567"));
  dialogs_->openNames << bad;
  QVERIFY(!window_->Open());
  QVERIFY2(status->Status().startsWith(QStringLiteral("Fehler beim Öffnen: ")),
           qPrintable(status->Status()));
  QCOMPARE(status->toolTip(), status->Status());
  QCOMPARE(status->accessibleName(), status->Status());
}

// A console's text is shown as it is, on one line; too long, it is cut in the middle, and
// the tooltip and the accessible name keep the whole of it.
void TestMainWindow::statusLineIsPlainAndWhole() {
  auto *status = Child<StatusLine>("statusLine");
  const QString text = QStringLiteral("Gelesen: <b>Quorex</b> V 1.07 SN 4711 an /dev/serial/by-id/"
                                      "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0, 14:03:12");
  status->SetStatus(QStringLiteral("Gelesen: <b>Quorex</b> V 1.07\nSN 4711 an /dev/serial/by-id/"
                                   "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0, 14:03:12"));
  status->resize(200, status->height());
  QCOMPARE(status->textFormat(), Qt::PlainText);
  QCOMPARE(status->Status(), text);
  QCOMPARE(status->toolTip(), text);
  QCOMPARE(status->accessibleName(), text);
  QVERIFY2(status->text().contains(QChar(0x2026)), qPrintable(status->text()));
  QVERIFY(status->text().endsWith(QStringLiteral("14:03:12")));

  // Room for it on two lines: broken between words, nothing cut.
  const QString reason = QStringLiteral("Fehler beim Lesen: Der Port /dev/ttyUSB7 existiert nicht.");
  status->SetStatus(reason);
  status->resize(status->fontMetrics().horizontalAdvance(reason) * 2 / 3, status->height());
  QCOMPARE(status->text().count(QLatin1Char('\n')), 1);
  QCOMPARE(QString(status->text()).remove(QLatin1Char('\n')), reason);
  QVERIFY(status->height() >= 2 * status->fontMetrics().height());
}

// A status set while the line is hidden is fitted to its width when it shows.
void TestMainWindow::statusLineFitsWhenShown() {
  StatusLine line;
  const QString text = QStringLiteral("Gelesen: Quorex V 1.07 SN 4711 an /dev/serial/by-id/"
                                      "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0, 14:03:12");
  line.resize(200, line.sizeHint().height());
  line.SetStatus(text);
  QCOMPARE(line.text(), text);
  line.show();
  QVERIFY(QTest::qWaitForWindowExposed(&line));
  QVERIFY2(line.text().contains(QChar(0x2026)), qPrintable(line.text()));
  QCOMPARE(line.Status(), text);
}

// The box keeps its general text; the line says why, as "Details" does.
void TestMainWindow::statusNamesTheReason() {
  const QString port = QDir(Path(QStringLiteral("fehlt"))).filePath(QStringLiteral("ttyUSB7"));
  Child<QComboBox>("portComboBox")->setEditText(port);
  Child<QPushButton>("lesenButton")->click();
  QCOMPARE(dialogs_->shown.size(), 1);
  QVERIFY(dialogs_->Last().text.startsWith(
      QStringLiteral("Das Gerät konnte nicht initialisiert werden.\n")));
  QCOMPARE(Child<StatusLine>("statusLine")->Status(),
           QStringLiteral("Fehler beim Lesen: Der Port %1 existiert nicht.").arg(port));
}

void TestMainWindow::enterInPortKeepsWindow_data() {
  QTest::addColumn<bool>("changed");
  QTest::newRow("without changes") << false;
  QTest::newRow("with changes") << true;
}

// Enter confirms what was typed into "Port:"; it neither closes nor asks about closing.
void TestMainWindow::enterInPortKeepsWindow() {
  QFETCH(bool, changed);
  window_->Image().SetModified(changed);
  auto *port = Child<QComboBox>("portComboBox");
  QApplication::setActiveWindow(window_);
  QVERIFY(QTest::qWaitForWindowActive(window_));
  port->setFocus();
  port->lineEdit()->selectAll();
  QTest::keyClicks(port->lineEdit(), QStringLiteral("/dev/ttyUSB7"));
  QTest::keyClick(port->lineEdit(), Qt::Key_Return);
  QTest::keyClick(port->lineEdit(), Qt::Key_Enter);
  QCoreApplication::processEvents();
  QVERIFY(window_->isVisible());
  QVERIFY(dialogs_->shown.isEmpty());
  QCOMPARE(port->currentText(), QStringLiteral("/dev/ttyUSB7"));
  QCOMPARE(QApplication::focusWidget(), port);
}

void TestMainWindow::typedPortOfferedAgain_data() {
  QTest::addColumn<bool>("exists");
  QTest::addColumn<QString>("chosen");  // quorex --port
  QTest::newRow("typed path that is there") << true << QString();
  QTest::newRow("typed path that has gone") << false << QString();
  QTest::newRow("--port comes first") << true << QStringLiteral("/dev/ttyUSB9");
}

void TestMainWindow::typedPortOfferedAgain() {
  QFETCH(bool, exists);
  QFETCH(QString, chosen);
  const QString path = Path(QStringLiteral("pts-7"));
  if (exists) WriteFile(path, QByteArray());
  Preferences().SetLastPort(path);
  CQuorexDlg window;
  window.ChoosePort(chosen);
  // The ports are listed off the UI thread once the window is up; the start port follows.
  auto *chooser = window.findChild<PortChooser *>();
  QVERIFY(chooser);
  QSignalSpy listed(chooser, &PortChooser::PortsListed);
  window.show();
  QTRY_COMPARE(listed.count(), 1);
  const QString shown = window.findChild<QComboBox *>(QStringLiteral("portComboBox"))->currentText();
  if (!chosen.isEmpty())
    QCOMPARE(shown, chosen);
  else
    QCOMPARE(shown == path, exists);
}

// "Hilfe" -> "Handbuch" on every system; F1 stays the short help.
void TestMainWindow::manualNamesItsSections() {
  auto *action = window_->findChild<QAction *>(QStringLiteral("handbuchAction"));
  QVERIFY(action);
  QCOMPARE(action->text(), QStringLiteral("&Handbuch"));
  action->trigger();
  auto *manual = window_->findChild<ManualWindow *>();
  QVERIFY(manual && manual->isVisible());
  const QString text = manual->findChild<QTextBrowser *>()->toPlainText();
  for (const char *section :
       {"Das erste Lesen", "Ports und Berechtigungen", "Die Seiten",
        "Sicherungen und einen Quorex wiederherstellen", "Das Protokoll",
        "Vor dem Senden nachsehen", "Eine Einstellung finden", "Rückgängig machen",
        "Einstellungen mit Namen und quorex-cli", "Dieselben Einstellungen für viele Konsolen"})
    QVERIFY2(text.contains(QString::fromUtf8(section)), section);
  QVERIFY(!text.contains(QStringLiteral("SPDX")));
  action->trigger();
  QCOMPARE(window_->findChildren<ManualWindow *>().size(), 1);
}

// F1 shows the help of the window that has the keyboard: the page's own over a page.
void TestMainWindow::helpKey() {
  QTreeWidget *tree = TreeAt(2);
  QTest::keyClick(tree, Qt::Key_F1);
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().text, kHelp);
  auto seen = OnNextModal([](QDialog *page) {
    // Not qWaitForWindowActive: a window counts as active there as soon as the window it
    // belongs to is, before the page has the keyboard itself.
    if (!QTest::qWaitFor([page] { return page->isActiveWindow(); })) qWarning("page not active");
    QTest::keyClick(page, Qt::Key_F1);
    page->reject();
  });
  QTest::keyClick(tree, Qt::Key_Return);
  QTRY_VERIFY(*seen);
  QCOMPARE(dialogs_->shown.size(), 2);
  QVERIFY(dialogs_->Last().text != kHelp);
  QVERIFY2(dialogs_->Last().caption.startsWith(QStringLiteral("Hilfe")),
           qPrintable(dialogs_->Last().caption));
}

// Alt and one letter reach each button and menu of the window, no letter twice; a screen
// reader still names each button by the text it shows.
void TestMainWindow::mnemonicsUnique() {
  QStringList texts;
  for (const QAbstractButton *button : window_->findChildren<QAbstractButton *>())
    texts << button->text();
  for (const QAction *menu : window_->MenuBar()->actions()) texts << menu->text();
  QString letters;
  for (const QString &text : texts) {
    const int amp = QString(text).replace(QLatin1String("&&"), QLatin1String("xx")).indexOf('&');
    if (amp >= 0) letters += text.at(amp + 1).toLower();
  }
  for (const QChar letter : letters)
    QVERIFY2(letters.count(letter) == 1, qPrintable(texts.join(QLatin1Char('|'))));
  const struct {
    const char *button;
    const char *name;
  } named[] = {{"sendenButton", "Senden"}, {"lesenButton", "Lesen"},
               {"versionButton", "Version des Quorex"},
               {"werkeinstellungenButton", "Werkeinstellungen"},
               {"hilfeButton", "Hilfe..."}, {"infoButton", "Info..."}};
  for (const auto &entry : named) {
    auto *button = Child<QPushButton>(entry.button);
    QVERIFY2(button->text().contains(QLatin1Char('&')), entry.button);
    QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
             QString::fromUtf8(entry.name));
  }
}

// A place remembered on a larger screen, or at another scale, is moved and shrunk to fit.
void TestMainWindow::rememberedGeometryFitsScreen() {
  {
    QDialog before;
    before.setGeometry(-400, -300, 5000, 4000);
    Preferences().SetWindowGeometry(before.saveGeometry());
  }
  CQuorexDlg window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTRY_VERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
}

// A laptop's 1366 x 768, less a task bar and the title bar.
void TestMainWindow::minimumSizeFitsSmallScreen() {
  const QSize minimum = window_->minimumSize().expandedTo(window_->minimumSizeHint());
  QVERIFY2(minimum.width() <= 1366 && minimum.height() <= 768 - 48 - 32,
           qPrintable(QStringLiteral("%1x%2").arg(minimum.width()).arg(minimum.height())));
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
    QTest::keyClick(window_, Qt::Key_Escape);
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
  const QStringList before = QDir(bench_->dir.path()).entryList(QDir::Files);
  window_->Image().SetModified(true);
  QVERIFY(!window_->Save());
  QVERIFY(!window_->SaveAs());
  QCOMPARE(dialogs_->saveDialogs, 2);
  QVERIFY(window_->Image().IsModified());
  QVERIFY(window_->Image().FilePath().isEmpty());
  QCOMPARE(QDir(bench_->dir.path()).entryList(QDir::Files), before);
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

#ifdef Q_OS_LINUX
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
#endif

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
    QTest::keyClick(window_, Qt::Key_Escape);
  } else if (how == "enter") {
    // Where nothing has the keyboard that takes Enter: no push button, no field, not the tree.
    if (QWidget *focus = window_->focusWidget()) focus->clearFocus();
    QTest::keyClick(window_, Qt::Key_Return);
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
