// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChangesDialog.h"
#include "ModalHelper.h"
#include "Preferences.h"
#include "RegisterEdit.h"
#include "TemporarySettings.h"
#include "TestFiles.h"
#include "WidgetDriver.h"
#include "WindowBench.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <functional>

namespace {

QTreeWidgetItem *Entry(QTreeWidget *tree, const QString &text) {
  for (QTreeWidgetItemIterator it(tree); *it; ++it)
    if ((*it)->text(0) == text) return *it;
  qFatal("no entry %s", qPrintable(text));
}

// The window holds the keyboard, so that its shortcuts work.
void Activate(WindowBench &b) {
  b.window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&b.window));
}

// Opens the entry's page with Enter, as a technician would, and runs `act` on it.
void OnPage(WindowBench &b, const QString &entry, std::function<void(QDialog *)> act) {
  Activate(b);
  b.tree->expandAll();
  b.tree->setFocus();
  b.tree->setCurrentItem(Entry(b.tree, entry));
  auto seen = OnNextModal(std::move(act));
  QTest::keyClick(b.tree, Qt::Key_Return);
  QTRY_VERIFY(*seen);
  QTRY_VERIFY(!QApplication::activeModalWidget());
}

// Changes one control: a box or a button is clicked, a list moves on by one item, a field
// gets `typed`.
void Change(QWidget *control, const QString &typed) {
  if (auto *field = qobject_cast<QLineEdit *>(control)) return Type(field, typed);
  if (auto *combo = qobject_cast<QComboBox *>(control))
    return combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
  qobject_cast<QAbstractButton *>(control)->click();
}

// One change on a page, closed with OK.
void ChangeOnPage(WindowBench &b, const QString &entry, const QString &control,
                  const QString &typed = QString()) {
  OnPage(b, entry, [control, typed](QDialog *page) {
    Change(Child<QWidget>(page, control), typed);
    Ok(page);
    // A page that refuses its OK would hold the test up for good.
    if (page->isVisible()) page->reject();
  });
}

QString Shown(const QAction *action) { return QString(action->text()).remove(QLatin1Char('&')); }

bool Marked(QTreeWidget *tree, const QString &entry) {
  const QTreeWidgetItem *item = Entry(tree, entry);
  const bool bold = item->font(0).bold();
  const bool said = item->data(0, Qt::AccessibleDescriptionRole).toString() == "geändert";
  if (bold != said) qWarning("%s: bold and description disagree", qPrintable(entry));
  return bold && said;
}

}  // namespace

class TestEdits : public QObject {
  Q_OBJECT

 private slots:
  void init() { settings_.Clear(); }
  void everyPageUndoesAndRedoes_data();
  void everyPageUndoesAndRedoes();
  void saveAfterReadAsks_data();
  void saveAfterReadAsks();
  void backupStaysUntouched();
  void newHistory_data();
  void newHistory();
  void changesListTakesBack();
  void treeMarksComeAndGo();
  void noUndoWhileWriteSends();
  void takeOver_data();
  void takeOver();

 private:
  TemporarySettings settings_;
};

void TestEdits::everyPageUndoesAndRedoes_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("step");
  const auto row = [](const char *entry, const char *control, const char *step,
                      const char *typed = "") {
    QTest::newRow(entry) << entry << control << typed << step;
  };
  row("BUSY Ausgang Konfiguration", "ausgang1ComboBox", "BUSY Ausgang Konfiguration");
  row("BUSY Eingang Konfiguration", "led1ComboBox", "BUSY Eingang Konfiguration");
  row("Squelchkonfiguration", "sqlHigh1RadioButton", "Squelchkonfiguration");
  row("Funkkreiskonfiguration", "erlaubt1CheckBox", "Funkkreiskonfiguration");
  row("TX Konfiguration", "led1ComboBox", "TX Eingang Konfiguration");
  row("Duplexkonfiguration (->TETRA)", "duplex1RadioButton", "Duplex-Konfiguration");
  row("NF-Eingangskonfiguration", "deaktiviert1ComboBox", "NF-Eingangskonfiguration");
  row("Hörer-/LS-Konfiguration", "hoererAusRadioButton", "Hörer- und Lautsprecherkonfiguration");
  row("Tonbandrelais Konfiguration", "relMitTXCheckBox", "Tonbandrelais Konfiguration");
  row("Headset Konfiguration", "schwellwertLineEdit", "Headset Konfiguration", "77");
  row("Sendereinstellungen", "sendezeitLineEdit", "Sendereinstellungen", "120");
  row("Tastenfunktionen", "pttTelegramLineEdit", "Tastenfunktionen", "12345");
  row("Tonrufauswertung", "aktivierung1ComboBox", "Tonrufauswertung");
  row("Einzelnes Register lesen/schreiben", "inhaltLineEdit", "Register 150 schreiben", "1234ABCD");
}

// One change on each page is one step: undo brings back the 200 texts from before it, redo
// those after it, Ctrl+Z and Ctrl+Y as from the menu, each naming the step.
void TestEdits::everyPageUndoesAndRedoes() {
  QFETCH(QString, entry);
  QFETCH(QString, control);
  QFETCH(QString, typed);
  QFETCH(QString, step);
  WindowBench b;
  QVERIFY(b.Setup());
  // Characters most pages list for nothing, so that an OK rewrites more than the one changed.
  QVERIFY(b.Load(Pattern(QStringLiteral("5"))));
  const QStringList before = b.window.Image().AllTexts();
  if (control == "inhaltLineEdit") {
    OnPage(b, entry, [typed](QDialog *page) {
      Type(Child<QLineEdit>(page, "registernummerLineEdit"), QStringLiteral("150"));
      Type(Child<QLineEdit>(page, "inhaltLineEdit"), typed);
      Child<QPushButton>(page, "schreibenButton")->click();
      Child<QPushButton>(page, "zurueckButton")->click();
    });
  } else {
    ChangeOnPage(b, entry, control, typed);
  }
  const QStringList after = b.window.Image().AllTexts();
  QVERIFY(after != before);
  QAction *undo = b.Action("rueckgaengigAction");
  QAction *redo = b.Action("wiederholenAction");
  QCOMPARE(Shown(undo), "Rückgängig: " + step);
  QVERIFY(!redo->isEnabled());

  b.window.Image().SetModified(false);
  Activate(b);
  QTest::keyClick(&b.window, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(b.window.Image().AllTexts(), before);
  QVERIFY(b.window.Image().IsModified());
  QVERIFY(!undo->isEnabled());
  QCOMPARE(Shown(redo), "Wiederholen: " + step);
  QTest::keyClick(&b.window, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(b.window.Image().AllTexts(), after);
  QTest::keyClick(&b.window, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&b.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(b.window.Image().AllTexts(), after);
  QCOMPARE(Shown(undo), "Rückgängig: " + step);
}

void TestEdits::saveAfterReadAsks_data() {
  QTest::addColumn<bool>("reset");
  QTest::newRow("Lesen") << false;
  QTest::newRow("Werkeinstellungen") << true;
}

// platz1.rquorex opened, another console read, one setting changed, Ctrl+S: the old file keeps
// its bytes, and the dialog proposes a name after the console.
void TestEdits::saveAfterReadAsks() {
  QFETCH(bool, reset);
  WindowBench b;
  QVERIFY(b.Setup());
  b.console.SetIdentification("0123456789ABQuorex V 1.07 SN 4711");
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, Pattern("C").at(reg));
  const QString platz1 = b.Path(QStringLiteral("programm.rquorex"));
  QVERIFY(b.Load(Pattern(QStringLiteral("D"))));
  const QByteArray bytes = Contents(platz1);
  QVERIFY(b.window.Save());  // while the settings come from it, without a question
  QCOMPARE(b.dialogs.saveDialogs, 0);

  if (reset) b.dialogs.answers << QMessageBox::Ok;
  (reset ? b.werkeinstellungen : b.lesen)->click();
  QTRY_VERIFY(b.lesen->isEnabled());
  QCOMPARE(b.window.Image().AllTexts(),
           reset ? b.console.FactoryValues() : Pattern(QStringLiteral("C")));
  const QString line = b.window.findChild<StatusLine *>("sourceLine")->Status();
  QCOMPARE(line, "Gelesen: Quorex V 1.07 SN 4711 an " + b.console.DevicePath() +
                     " – nicht gespeichert");
  ChangeOnPage(b, "Funkkreiskonfiguration", "erlaubt2CheckBox");
  const QString platz2 = b.Path(QStringLiteral("platz2.rquorex"));
  b.dialogs.saveNames << platz2;
  Activate(b);
  QTest::keyClick(&b.window, Qt::Key_S, Qt::ControlModifier);

  QCOMPARE(b.dialogs.saveDialogs, 1);
  QVERIFY2(QRegularExpression("^Quorex_V_1\\.07_SN_4711_\\d{4}-\\d{2}-\\d{2}\\.rquorex$")
               .match(b.dialogs.saveProposals.value(0))
               .hasMatch(),
           qPrintable(b.dialogs.saveProposals.value(0)));
  QCOMPARE(Contents(platz1), bytes);
  Register saved;
  QVERIFY(saved.LoadFromFile(platz2));
  QCOMPARE(saved.AllTexts(), b.window.Image().AllTexts());
  QCOMPARE(b.window.findChild<StatusLine *>("sourceLine")->Status(), "Datei: platz2.rquorex");
}

// A backup opened from "Sicherungen ..." or the file dialog is a copy: a page changed,
// "Speichern" asks, the backups folder is refused and remembered nowhere, and the backup keeps
// its bytes.
void TestEdits::backupStaysUntouched() {
  WindowBench b;
  QVERIFY(b.Setup());
  b.lesen->click();
  QTRY_VERIFY(b.lesen->isEnabled());
  const QString backup = b.Journal().Backups().List().front().path;
  const QString backups = QFileInfo(backup).absolutePath();
  const QByteArray bytes = Contents(backup);
  b.dialogs.answers << QMessageBox::No;  // the read is not saved first
  b.Action("sicherungenAction")->trigger();
  QTRY_VERIFY(b.window.findChild<QTableView *>("backupsTable"));
  auto *table = b.window.findChild<QTableView *>("backupsTable");
  table->setFocus();
  QTest::keyClick(table, Qt::Key_Return);
  QTRY_COMPARE(b.Status(), "Sicherung geöffnet: " + QFileInfo(backup).fileName());

  ChangeOnPage(b, "Squelchkonfiguration", "sqlHigh2RadioButton");
  b.dialogs.saveNames << QDir(backups).filePath("kopie.rquorex") << b.Path("kopie.rquorex");
  QVERIFY(!b.window.Save());
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
  QVERIFY(b.window.Save());
  QCOMPARE(b.dialogs.saveDialogs, 2);
  QCOMPARE(QDir(backups).entryList(QDir::Files), QStringList{QFileInfo(backup).fileName()});
  QCOMPARE(Contents(backup), bytes);
  QVERIFY(!Preferences().RecentFiles().contains(backup));
  QCOMPARE(Preferences().LastFolder(), b.dir.path());

  // Found in the file dialog, a backup is a copy all the same.
  b.dialogs.openNames << backup;
  QVERIFY(b.window.Open());
  ChangeOnPage(b, "Squelchkonfiguration", "sqlHigh2RadioButton");
  b.dialogs.saveNames << b.Path("kopie2.rquorex");
  QVERIFY(b.window.Save());
  QCOMPARE(b.dialogs.saveDialogs, 3);
  QCOMPARE(Contents(backup), bytes);
  QVERIFY(!Preferences().RecentFiles().contains(backup));
}

void TestEdits::newHistory_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("Lesen") << "lesen";
  QTest::newRow("Werkeinstellungen") << "werkeinstellungen";
  QTest::newRow("Öffnen") << "open";
  QTest::newRow("Neu") << "new";
}

// What came before a read, an open or "Neu" cannot be undone into the new settings.
void TestEdits::newHistory() {
  QFETCH(QString, command);
  WindowBench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(Pattern(QStringLiteral("1"))));
  ChangeOnPage(b, "Tonbandrelais Konfiguration", "relMitTXCheckBox");
  QVERIFY(b.Action("rueckgaengigAction")->isEnabled());
  b.dialogs.answers << QMessageBox::No << QMessageBox::Ok;  // not saved first; reset: yes
  if (command == "open") QVERIFY(b.Load(Pattern(QStringLiteral("2"))));
  if (command == "new") b.window.New();
  if (command == "lesen" || command == "werkeinstellungen") {
    Child<QPushButton>(&b.window, command + "Button")->click();
    QTRY_VERIFY(b.lesen->isEnabled());
  }
  QVERIFY(!b.Action("rueckgaengigAction")->isEnabled());
  QCOMPARE(Shown(b.Action("rueckgaengigAction")), QStringLiteral("Rückgängig"));
  QVERIFY(!Marked(b.tree, "Tonbandrelais Konfiguration"));
}

// The list names every setting changed since the file was opened; the selected ones go back as
// one step, which undo takes back in turn. Enter opens the page at the setting's field.
void TestEdits::changesListTakesBack() {
  WindowBench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(QStringList(200, "00000000")));
  ChangeOnPage(b, "Squelchkonfiguration", "sqlHigh1RadioButton");
  ChangeOnPage(b, "Funkkreiskonfiguration", "erlaubt3CheckBox");
  const QStringList changed = b.window.Image().AllTexts();
  b.Action("aenderungenAction")->trigger();
  auto *dialog = b.window.findChild<ChangesDialog *>();
  QVERIFY(dialog);
  auto *table = Child<QTableWidget>(dialog, "changesTable");
  QCOMPARE(table->rowCount(), 2);
  QCOMPARE(dialog->CopyText(),
           QStringLiteral("Seite\tEinstellung\tvorher\tjetzt\tRegister\n"
                          "Funkkreiskonfiguration\tFunkkreis 3 erlaubt\taus\tein\t0: Stelle 2\n"
                          "Squelchkonfiguration\tFunkkreis 1 / SQL\tSQL aktiv low\t"
                          "SQL aktiv high\t2: Stelle 0\n"));

  table->setFocus();
  QTest::keyClick(table, Qt::Key_Down);  // the second row, selected
  auto seen = OnNextModal([](QDialog *page) {
    // The page's own choice: the window system may not have handed it the keyboard yet.
    QCOMPARE(page->focusWidget(), Child<QWidget>(page, "sqlHigh1RadioButton"));
    page->reject();
  });
  QTest::keyClick(table, Qt::Key_Return);
  QTRY_VERIFY(*seen);
  QTRY_VERIFY(!QApplication::activeModalWidget());

  Child<QPushButton>(dialog, "zuruecknehmenButton")->click();
  QCOMPARE(table->rowCount(), 1);
  QCOMPARE(b.window.Image().Text(2), "00000000");
  QCOMPARE(b.window.Image().Text(0), changed.at(0));
  QCOMPARE(Shown(b.Action("rueckgaengigAction")),
           QStringLiteral("Rückgängig: Funkkreis 1 / SQL zurücknehmen"));
  b.Action("rueckgaengigAction")->trigger();
  QCOMPARE(b.window.Image().AllTexts(), changed);
  QCOMPARE(table->rowCount(), 2);
}

// Bold, and "geändert" for a screen reader, from a change until the settings match the Stand
// again: undone, saved or sent. A group is marked with its entries.
void TestEdits::treeMarksComeAndGo() {
  WindowBench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(QStringList(200, "00000000")));
  ChangeOnPage(b, "BUSY Eingang Konfiguration", "led2ComboBox");
  QVERIFY(Marked(b.tree, "BUSY Eingang Konfiguration"));
  QVERIFY(Marked(b.tree, "BUSY-Konfiguration"));
  QVERIFY(!Marked(b.tree, "BUSY Ausgang Konfiguration"));
  b.Action("rueckgaengigAction")->trigger();
  QVERIFY(!Marked(b.tree, "BUSY-Konfiguration"));
  b.Action("wiederholenAction")->trigger();
  QVERIFY(b.window.Save());
  QVERIFY(!Marked(b.tree, "BUSY Eingang Konfiguration"));
  OnPage(b, "Einzelnes Register lesen/schreiben", [](QDialog *page) {
    Type(Child<QLineEdit>(page, "registernummerLineEdit"), QStringLiteral("199"));
    Type(Child<QLineEdit>(page, "inhaltLineEdit"), QStringLiteral("1"));
    Child<QPushButton>(page, "schreibenButton")->click();
    page->reject();
  });
  QVERIFY(Marked(b.tree, "Einzelnes Register lesen/schreiben"));
  QCOMPARE(b.window.findChild<StatusLine *>("sourceLine")->Status(),
           "Datei: programm.rquorex – geändert");
}

// From "Senden" until its last command is out neither Ctrl+Z nor the menu changes a setting.
// What was sent is the new Stand: a change made meanwhile stays a change.
void TestEdits::noUndoWhileWriteSends() {
  WindowBench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(QStringList(200, "00000000")));
  ChangeOnPage(b, "Headset Konfiguration", "schwellwertLineEdit", "42");
  const QStringList sent = b.window.Image().AllTexts();
  QAction *undo = b.Action("rueckgaengigAction");
  QVERIFY(undo->isEnabled());
  Activate(b);
  b.senden->click();
  QVERIFY(!undo->isEnabled());
  QTest::keyClick(&b.window, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(b.window.Image().AllTexts(), sent);
  RegisterEdit meanwhile(QStringLiteral("Hörer"));
  QVERIFY(b.window.Image().Write({{16, 0}}, QStringLiteral("1"), &meanwhile));
  b.window.History().Record(meanwhile);

  QTRY_VERIFY(b.lesen->isEnabled());
  QVERIFY(undo->isEnabled());
  QTRY_VERIFY(!Marked(b.tree, "Headset Konfiguration"));
  QCOMPARE(b.console.RegisterText(15), sent.at(15));
  QVERIFY(Marked(b.tree, "Hörer-/LS-Konfiguration"));
  QCOMPARE(Shown(undo), QStringLiteral("Rückgängig: Hörer"));
}

void TestEdits::takeOver_data() {
  QTest::addColumn<QString>("source");  // "file", "text" or "backup"
  QTest::addColumn<QString>("choice");  // "all", "none" or "some"
  QTest::addColumn<QStringList>("taken");  // registers that change, "" for the whole backup

  QTest::newRow("file, all") << "file" << "all" << QStringList{"0", "2", "150"};
  QTest::newRow("file, none") << "file" << "none" << QStringList{};
  QTest::newRow("file, all but one page") << "file" << "some" << QStringList{"0", "150"};
  QTest::newRow("text, all") << "text" << "all" << QStringList{"0", "150"};
  QTest::newRow("backup, all") << "backup" << "all" << QStringList{""};
}

// The settings in which a file, a text or a backup differs, each checked; what stays checked
// becomes one step, which undo takes back whole.
void TestEdits::takeOver() {
  QFETCH(QString, source);
  QFETCH(QString, choice);
  QFETCH(QStringList, taken);
  WindowBench b;
  QVERIFY(b.Setup());
  if (source == "backup") {
    b.lesen->click();
    QTRY_VERIFY(b.lesen->isEnabled());
    b.dialogs.answers << QMessageBox::No;  // the read is not saved before the next open
  }
  const QStringList program(200, "00000000");
  QVERIFY(b.Load(program));
  QStringList other = program;
  other[0] = "00100000";
  other[2] = "10000000";
  other[150] = "DEADBEEF";
  const QString file = b.Path(source == "text" ? "standort.txt" : "platz2.rquorex");
  QFile out(file);
  QVERIFY(out.open(QIODevice::WriteOnly));
  out.write(source == "text" ? "funkkreis.kreis3.erlaubt = ein\nregister.150 = DEADBEEF\n"
                             : (other.join("\r\n") + "\r\n").toLatin1());
  out.close();
  if (source == "backup") other = b.console.FactoryValues();

  QStringList shown;
  auto seen = OnNextModal([&](QDialog *dialog) {
    auto *table = Child<QTableWidget>(dialog, "differencesTable");
    auto *ok = Child<QPushButton>(dialog, "uebernehmenButton");
    for (int row = 0; row < table->rowCount(); ++row) {
      QCOMPARE(table->item(row, 0)->checkState(), Qt::Checked);
      shown << table->item(row, 1)->text();
    }
    if (choice == "none") {
      Child<QPushButton>(dialog, "keineButton")->click();
      QVERIFY(!ok->isEnabled());
      dialog->reject();
      return;
    }
    if (choice == "some") {
      auto *page = Child<QComboBox>(dialog, "pageComboBox");
      page->setCurrentText("Squelchkonfiguration");
      Child<QPushButton>(dialog, "keineButton")->click();
      page->setCurrentIndex(0);
      QCOMPARE(table->item(0, 0)->checkState(), Qt::Checked);
    }
    ok->click();
  });
  if (source == "backup") {
    b.Action("sicherungenAction")->trigger();
    QTRY_VERIFY(b.window.findChild<QTableView *>("backupsTable"));
    b.window.findChild<QTableView *>("backupsTable")->selectRow(0);
    b.window.findChild<QPushButton *>("uebernehmenButton")->click();
  } else {
    b.dialogs.openNames << file;
    b.Action("uebernehmenAction")->trigger();
  }
  QTRY_VERIFY(*seen);
  if (source == "file")
    QCOMPARE(shown, (QStringList{"Funkkreis 3 erlaubt", "Funkkreis 1 / SQL", "Register 150"}));

  QStringList expected = program;
  for (const QString &reg : taken)
    if (reg.isEmpty()) expected = other;
    else expected[reg.toInt()] = other.at(reg.toInt());
  QCOMPARE(b.window.Image().AllTexts(), expected);
  QAction *undo = b.Action("rueckgaengigAction");
  QCOMPARE(undo->isEnabled(), !taken.isEmpty());
  if (taken.isEmpty()) return;
  QVERIFY2(Shown(undo).endsWith(" übernehmen"), qPrintable(Shown(undo)));
  undo->trigger();
  QCOMPARE(b.window.Image().AllTexts(), program);
}

QTEST_MAIN(TestEdits)
#include "tst_edits.moc"
