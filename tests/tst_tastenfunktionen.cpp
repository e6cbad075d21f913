// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "DetailFMS.h"
#include "ModalHelper.h"
#include "Register.h"
#include "ScriptedDialogs.h"
#include "WindowBench.h"
#include "Tastenfunktionen.h"
#include "WidgetDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QAccessible>
#include <QtTest>

namespace {

// The page as the technician sees it: opened on an image and shown.
struct Page {
  explicit Page(Register &image) : dialog(image) { dialog.show(); }

  template <class W>
  W *Get(const QString &name) {
    W *widget = dialog.findChild<W *>(name);
    if (!widget) qFatal("no widget %s", qPrintable(name));
    return widget;
  }
  QLineEdit *Field(const QString &key) { return Get<QLineEdit>(key + "TelegramLineEdit"); }
  QCheckBox *Box(const QString &name) { return Get<QCheckBox>(name); }
  QComboBox *Funktion(const QString &key) { return Get<QComboBox>(key + "FunktionComboBox"); }
  void Ok() { Get<QPushButton>("okButton")->click(); }

  Tastenfunktionen dialog;
};

}  // namespace

class TestTastenfunktionen : public QObject {
  Q_OBJECT

 private slots:
  void loadsByFunction_data();
  void loadsByFunction();
  void okWritesTelegramRegisters_data();
  void okWritesTelegramRegisters();
  void okWithoutChangesKeepsWhatItCannotShow();
  void textsUpperCasedAndPadded_data();
  void textsUpperCasedAndPadded();
  void lengthLimitKeepsFirstCharacters_data();
  void lengthLimitKeepsFirstCharacters();
  void longTelegramSwitchedToToneSequence();
  void textFromAnywhereHeldToLimit_data();
  void textFromAnywhereHeldToLimit();
  void unknownFunctionKeepsTelegram();
  void circuitBoxToggledWithoutClick();
  void nonHexTextRefused_data();
  void nonHexTextRefused();
  void circuitBoxes_data();
  void circuitBoxes();
  void noCircuitReadsBackAsCurrentCircuit();
  void functionChangeKeepsOtherControls();
  void detailEditsPaddedText();
  void detailCancelledLeavesField();
  void cancelWritesNothing();
  void helpHasNoIconAndTheApplicationCaption();
  void treeEntryOpensPage();
};

void TestTastenfunktionen::loadsByFunction_data() {
  QTest::addColumn<QString>("reg19");
  QTest::addColumn<QString>("funktion");
  QTest::addColumn<QString>("label");
  QTest::addColumn<bool>("fieldEnabled");
  QTest::addColumn<bool>("detailEnabled");
  QTest::addColumn<QString>("text");
  // Register 21 "11223344", 23 pos 3-4 "55", register 31 "67890123" in every row.
  QTest::newRow("Keine") << "00000000"
                         << "Keine"
                         << "FMS Telegramm:" << false << false << "";
  QTest::newRow("RUF1 senden") << "01000000"
                               << "RUF1 senden"
                               << "FMS Telegramm:" << false << false << "";
  QTest::newRow("FMS senden") << "02000000"
                              << "FMS senden"
                              << "FMS Telegramm:" << true << true << "1122334455";
  QTest::newRow("Tonfolge senden") << "03000000"
                                   << "Tonfolge senden"
                                   << "Tonfolge:" << true << false << "67890";
  QTest::newRow("unknown code") << "0A000000"
                                << ""
                                << "FMS Telegramm:" << true << false << "";
}

void TestTastenfunktionen::loadsByFunction() {
  QFETCH(QString, reg19);
  QFETCH(QString, funktion);
  QFETCH(QString, label);
  QFETCH(bool, fieldEnabled);
  QFETCH(bool, detailEnabled);
  QFETCH(QString, text);
  Register image;
  SetRegisters(image, {"19=" + reg19, "21=11223344", "23=00055000", "31=67890123"});
  Page page(image);
  QCOMPARE(page.dialog.windowTitle(), QStringLiteral("Tastenfunktionen"));
  QCOMPARE(page.Funktion("ruf1")->currentText(), funktion);
  QCOMPARE(page.Get<QLabel>("ruf1TelegramLabel")->text(), label);
  QCOMPARE(page.Get<QLabel>("ruf1TelegramLabel")->isEnabled(), fieldEnabled);
  QCOMPARE(page.Field("ruf1")->isEnabled(), fieldEnabled);
  QCOMPARE(page.Get<QPushButton>("ruf1DetailButton")->isEnabled(), detailEnabled);
  QCOMPARE(page.Field("ruf1")->text(), text);
  QVERIFY(page.Field("ptt")->isEnabled());
  QVERIFY(page.Get<QPushButton>("pttDetailButton")->isEnabled());
  QCOMPARE(page.Get<QPushButton>("okButton")->text(), QStringLiteral("Ok"));
  QVERIFY(page.Get<QPushButton>("okButton")->isDefault());
  const QStringList items = {"FMS senden", "Keine", "RUF1 senden", "Tonfolge senden"};
  for (int i = 0; i < items.size(); ++i) QCOMPARE(page.Funktion("ruf1")->itemText(i), items[i]);
  QVERIFY(!page.Funktion("ruf1")->isEditable());
}

void TestTastenfunktionen::okWritesTelegramRegisters_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("stored");        // function code at register 19 before opening
  QTest::addColumn<QString>("choose");        // function chosen on the page, or none
  QTest::addColumn<QString>("typed");         // typed into the key's field, or nothing when null
  QTest::addColumn<QStringList>("expected");  // "reg=text" after OK

  // Register 21/22 "11111111", 23 "0ABCDEF0", 31/32 "99999999" before every row.
  QTest::newRow("Keine chosen") << "ruf1"
                                << "2"
                                << "Keine" << QString()
                                << QStringList{"19=00200000", "21=00000000", "23=0AB00EF0",
                                               "31=99999999"};
  QTest::newRow("RUF1 senden chosen")
      << "ruf1"
      << "2"
      << "RUF1 senden" << QString() << QStringList{"19=01200000", "21=00000000", "23=0AB00EF0"};
  QTest::newRow("Keine as stored")
      << "ruf1"
      << "0"
      << "" << QString() << QStringList{"19=00200000", "21=00000000", "23=0AB00EF0"};
  QTest::newRow("Tonfolge 12345") << "ruf1"
                                  << "2"
                                  << "Tonfolge senden"
                                  << "12345"
                                  << QStringList{"19=03200000", "21=11111111", "23=0AB00EF0",
                                                 "31=12345000"};
  QTest::newRow("FMS telegram RUF 2")
      << "ruf2"
      << "0"
      << "FMS senden"
      << "6912A0B1F3" << QStringList{"19=02200000", "22=6912A0B1", "23=0ABCDF30", "32=99999999"};
  QTest::newRow("Tonfolge RUF 2") << "ruf2"
                                  << "3"
                                  << ""
                                  << "54"
                                  << QStringList{"19=02300000", "22=11111111", "23=0ABCD000",
                                                 "32=54000000"};
}

void TestTastenfunktionen::okWritesTelegramRegisters() {
  QFETCH(QString, key);
  QFETCH(QString, stored);
  QFETCH(QString, choose);
  QFETCH(QString, typed);
  QFETCH(QStringList, expected);
  Register image;
  const int codePos = key == "ruf1" ? 1 : 2;
  QString reg19 = QStringLiteral("02200000");  // the other key sends its FMS telegram
  reg19[codePos] = stored.at(0);
  SetRegisters(image,
       {"19=" + reg19, "21=11111111", "22=11111111", "23=0ABCDEF0", "31=99999999", "32=99999999"});
  Page page(image);
  if (!choose.isEmpty()) Choose(page.Funktion(key), choose);
  if (!typed.isNull()) Type(page.Field(key), typed);
  page.Ok();
  QCOMPARE(page.dialog.result(), int(QDialog::Accepted));
  for (const QString &value : expected) {
    const QStringList parts = value.split(QLatin1Char('='));
    QCOMPARE(image.Text(parts.at(0).toInt()), parts.at(1));
  }
  QVERIFY(image.IsModified());
}

// An unknown function code shows an empty box and survives OK; the settings of other pages in
// registers 19 and 23 are never touched; every box's own register is rebuilt.
void TestTastenfunktionen::okWithoutChangesKeepsWhatItCannotShow() {
  Register image;
  SetRegisters(image, {"19=57345A98", "20=ABCDEF12", "21=21212121", "22=22222222", "23=5123456F",
               "31=31313131", "32=12345678"});
  Page page(image);
  QCOMPARE(page.Funktion("ruf1")->currentIndex(), -1);
  QVERIFY(page.Box("fmsKennungBeiPttCheckBox")->isChecked());  // "5" is not "0"
  QVERIFY(!page.Box("ruf1AktuellerKreisCheckBox")->isChecked());
  QVERIFY(page.Box("ruf1Kreis2CheckBox")->isChecked() &&
          page.Box("ruf1Kreis4CheckBox")->isChecked());
  QVERIFY(page.Box("pttKreis1CheckBox")->isChecked() && page.Box("pttKreis3CheckBox")->isChecked());
  QCOMPARE(page.Field("ptt")->text(), QStringLiteral("ABCDEF1212"));
  QCOMPARE(page.Field("ruf2")->text(), QStringLiteral("12345"));
  page.Ok();
  QCOMPARE(image.Text(19), QStringLiteral("17345A98"));
  QCOMPARE(image.Text(20), QStringLiteral("ABCDEF12"));
  // The unknown function keeps its telegram, characters 9-10 in register 23 included.
  QCOMPARE(image.Text(21), QStringLiteral("21212121"));
  QCOMPARE(image.Text(22), QStringLiteral("22222222"));
  QCOMPARE(image.Text(23), QStringLiteral("5123400F"));
  QCOMPARE(image.Text(31), QStringLiteral("31313131"));
  QCOMPARE(image.Text(32), QStringLiteral("12345000"));
  QVERIFY(image.IsModified());
}

void TestTastenfunktionen::textsUpperCasedAndPadded_data() {
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("reg");
  QTest::addColumn<QString>("head");  // characters 1-8
  QTest::addColumn<int>("restPos");   // where characters 9-10 go in register 23
  QTest::addColumn<QString>("rest");
  QTest::newRow("PTT 7 digits") << "ptt"
                                << "1234567" << 20 << "12345670" << 1 << "00";
  QTest::newRow("PTT lower case") << "ptt"
                                  << "abcdef01c9" << 20 << "ABCDEF01" << 1 << "C9";
  QTest::newRow("PTT empty") << "ptt"
                             << "" << 20 << "00000000" << 1 << "00";
  QTest::newRow("RUF 1 lower case") << "ruf1"
                                    << "0a0b0c0d0e" << 21 << "0A0B0C0D" << 3 << "0E";
  QTest::newRow("RUF 2 nine digits") << "ruf2"
                                     << "123456789" << 22 << "12345678" << 5 << "90";
}

void TestTastenfunktionen::textsUpperCasedAndPadded() {
  QFETCH(QString, key);
  QFETCH(QString, typed);
  QFETCH(int, reg);
  QFETCH(QString, head);
  QFETCH(int, restPos);
  QFETCH(QString, rest);
  Register image;
  SetRegisters(image, {"19=02200000", "20=99999999", "21=99999999", "22=99999999", "23=F9999999"});
  Page page(image);
  Type(page.Field(key), typed);
  page.Ok();
  QCOMPARE(image.Text(reg), head);
  QCOMPARE(image.Text(23).mid(restPos, 2), rest);
  QCOMPARE(image.Text(23).at(0), QChar('F'));  // PTT mask: circuits 1-4, unchanged
  QCOMPARE(image.Text(23).at(7), QChar('9'));  // another page's setting
}

void TestTastenfunktionen::lengthLimitKeepsFirstCharacters_data() {
  QTest::addColumn<QString>("reg19");
  QTest::addColumn<QString>("key");
  QTest::addColumn<QString>("typed");  // typed at the end of the loaded text
  QTest::addColumn<QString>("shown");
  // Register 20, 21 "12345678", 23 "0AB CD 000", 31 "54321000".
  QTest::newRow("PTT eleventh") << "02300000"
                                << "ptt"
                                << "X"
                                << "123456781B";
  QTest::newRow("PTT twelfth") << "02300000"
                               << "ptt"
                               << "XY"
                               << "123456781B";
  QTest::newRow("FMS telegram eleventh") << "02300000"
                                         << "ruf1"
                                         << "7"
                                         << "12345678CD";
  QTest::newRow("tone sequence sixth") << "02300000"
                                       << "ruf2"
                                       << "9"
                                       << "54321";
  QTest::newRow("unknown function takes nothing") << "0A300000"
                                                  << "ruf1"
                                                  << "5"
                                                  << "";
}

void TestTastenfunktionen::lengthLimitKeepsFirstCharacters() {
  QFETCH(QString, reg19);
  QFETCH(QString, key);
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  Register image;
  SetRegisters(image, {"19=" + reg19, "20=12345678", "21=12345678", "23=01BCD000", "32=54321000"});
  Page page(image);
  page.Field(key)->end(false);
  QTest::keyClicks(page.Field(key), typed);
  QCOMPARE(page.Field(key)->text(), shown);
}

// The field reloads from register 31 and is held to 5 characters from then on.
void TestTastenfunktionen::longTelegramSwitchedToToneSequence() {
  Register image;
  SetRegisters(image, {"19=02000000", "21=12345678", "23=0009A000", "31=54321000"});
  Page page(image);
  QCOMPARE(page.Field("ruf1")->text(), QStringLiteral("123456789A"));
  Type(page.Field("ruf1"), QStringLiteral("ABCDEF0123"));  // typed text is dropped by the switch
  Choose(page.Funktion("ruf1"), QStringLiteral("Tonfolge senden"));
  QCOMPARE(page.Field("ruf1")->text(), QStringLiteral("54321"));
  QCOMPARE(page.Get<QLabel>("ruf1TelegramLabel")->text(), QStringLiteral("Tonfolge:"));
  QVERIFY(!page.Get<QPushButton>("ruf1DetailButton")->isEnabled());
  page.Field("ruf1")->end(false);
  QTest::keyClicks(page.Field("ruf1"), QStringLiteral("77"));
  QCOMPARE(page.Field("ruf1")->text(), QStringLiteral("54321"));

  // Back to "FMS senden": the telegram comes from the register image again.
  Choose(page.Funktion("ruf1"), QStringLiteral("FMS senden"));
  QCOMPARE(page.Field("ruf1")->text(), QStringLiteral("123456789A"));
  QCOMPARE(page.Get<QLabel>("ruf1TelegramLabel")->text(), QStringLiteral("FMS Telegramm:"));
  QVERIFY(page.Get<QPushButton>("ruf1DetailButton")->isEnabled());
}

void TestTastenfunktionen::nonHexTextRefused_data() {
  QTest::addColumn<QString>("key");
  QTest::newRow("PTT") << "ptt";
  QTest::newRow("RUF 1") << "ruf1";
  QTest::newRow("RUF 2") << "ruf2";
}

void TestTastenfunktionen::nonHexTextRefused() {
  QFETCH(QString, key);
  ScriptedDialogs dialogs;
  Register image;
  SetRegisters(image, {"19=02200000", "20=11111111", "21=22222222", "22=33333333"});
  const QStringList before = image.AllTexts();
  Page page(image);
  page.Box("pttKreis2CheckBox")->click();
  page.Box("fmsKennungBeiPttCheckBox")->click();
  Type(page.Field(key), QStringLiteral("12g"));
  page.Ok();
  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(dialogs.Last().text, QStringLiteral("Hexwert eingeben!"));
  QCOMPARE(dialogs.Last().caption, QString());
  QCOMPARE(dialogs.Last().icon, QMessageBox::NoIcon);
  QCOMPARE(dialogs.Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(page.dialog.isVisible());
  QCOMPARE(image.AllTexts(), before);
  QVERIFY(!image.IsModified());

  // Mended, the same page stores everything.
  Type(page.Field(key), QStringLiteral("12f"));
  page.Ok();
  QCOMPARE(page.dialog.result(), int(QDialog::Accepted));
  QCOMPARE(image.Text(23).at(0), QChar('2'));
  QCOMPARE(image.Text(19).at(0), QChar('1'));
}

void TestTastenfunktionen::circuitBoxes_data() {
  QTest::addColumn<QString>("key");
  QTest::newRow("RUF 1") << "ruf1";
  QTest::newRow("RUF 2") << "ruf2";
}

void TestTastenfunktionen::circuitBoxes() {
  QFETCH(QString, key);
  Register image;  // all zeros: both keys "auf aktuellen Kreis"
  Page page(image);
  QCheckBox *aktuell = page.Box(key + "AktuellerKreisCheckBox");
  QVERIFY(aktuell->isChecked());
  aktuell->click();
  QVERIFY(aktuell->isChecked());

  page.Box(key + "Kreis3CheckBox")->click();
  QVERIFY(!aktuell->isChecked());
  page.Box(key + "Kreis1CheckBox")->click();
  page.Box(key + "Kreis1CheckBox")->click();  // unticking leaves "auf aktuellen Kreis" off
  QVERIFY(!aktuell->isChecked());
  QVERIFY(page.Box(key + "Kreis3CheckBox")->isChecked());

  aktuell->click();
  QVERIFY(aktuell->isChecked());
  for (int i = 1; i <= 4; ++i)
    QVERIFY(!page.Box(key + "Kreis" + QString::number(i) + "CheckBox")->isChecked());
  page.Box(key + "Kreis4CheckBox")->click();
  page.Ok();
  QCOMPARE(image.Text(19).at(key == "ruf1" ? 5 : 6), QChar('8'));
}

void TestTastenfunktionen::noCircuitReadsBackAsCurrentCircuit() {
  Register image;
  SetRegisters(image, {"19=00000300"});  // RUF 1 on circuits 1 and 2
  {
    Page page(image);
    QVERIFY(!page.Box("ruf1AktuellerKreisCheckBox")->isChecked());
    page.Box("ruf1Kreis1CheckBox")->click();
    page.Box("ruf1Kreis2CheckBox")->click();
    QVERIFY(!page.Box("ruf1AktuellerKreisCheckBox")->isChecked());
    page.Ok();
  }
  QCOMPARE(image.Text(19), QStringLiteral("00000000"));
  Page again(image);
  QVERIFY(again.Box("ruf1AktuellerKreisCheckBox")->isChecked());
}

void TestTastenfunktionen::functionChangeKeepsOtherControls() {
  Register image;
  SetRegisters(image, {"19=12200A50", "20=12345678", "22=ABCDEF01", "23=3000089F"});
  Page page(image);
  Type(page.Field("ruf2"), QStringLiteral("ABCDEF0189"));
  const QStringList boxes = {
      "fmsKennungBeiPttCheckBox", "pttKreis1CheckBox",          "pttKreis2CheckBox",
      "pttKreis3CheckBox",        "ruf1AktuellerKreisCheckBox", "ruf1Kreis2CheckBox",
      "ruf1Kreis4CheckBox",       "ruf2Kreis1CheckBox",         "ruf2Kreis3CheckBox"};
  QMap<QString, bool> states;
  for (const QString &name : boxes) states[name] = page.Box(name)->isChecked();
  for (const char *funktion : {"Keine", "Tonfolge senden", "RUF1 senden", "FMS senden"}) {
    Choose(page.Funktion("ruf1"), QString::fromUtf8(funktion));
    for (const QString &name : boxes) QCOMPARE(page.Box(name)->isChecked(), states[name]);
    QCOMPARE(page.Field("ptt")->text(), QStringLiteral("1234567800"));
    QCOMPARE(page.Field("ruf2")->text(), QStringLiteral("ABCDEF0189"));
  }
}

// "Detail" pads the field's text and opens the editor on it; the editor's OK shows up in the
// field, nothing reaches the register image before the page's own OK.
void TestTastenfunktionen::detailEditsPaddedText() {
  Register image;
  SetRegisters(image, {"19=02000000", "21=6912A0B1", "23=000F3000"});
  Page page(image);
  Type(page.Field("ptt"), QStringLiteral("69"));
  QString title;
  QString ort;
  QString bos;
  auto done = OnNextModal([&](QDialog *editor) {
    title = editor->windowTitle();
    ort = editor->findChild<QLineEdit *>("ortLineEdit")->text();
    bos = editor->findChild<QComboBox *>("bosComboBox")->currentText();
    QLineEdit *fahrzeug = editor->findChild<QLineEdit *>("fahrzeugLineEdit");
    fahrzeug->setText(QStringLiteral("5"));
    editor->findChild<QPushButton *>("okButton")->click();
  });
  page.Get<QPushButton>("pttDetailButton")->click();
  QVERIFY(*done);
  QCOMPARE(title, QStringLiteral("Detail FMS"));
  QCOMPARE(ort, QStringLiteral("00"));
  QCOMPARE(bos, QStringLiteral("6: Feuerwehr"));
  QCOMPARE(page.Field("ptt")->text(), QStringLiteral("6900000500"));
  // RUF 1 with "FMS senden" is untouched by the PTT editor.
  QCOMPARE(page.Field("ruf1")->text(), QStringLiteral("6912A0B1F3"));

  done = OnNextModal([&](QDialog *editor) {
    editor->findChild<QLineEdit *>("ortLineEdit")->setText(QStringLiteral("7"));
    editor->findChild<QPushButton *>("okButton")->click();
  });
  page.Get<QPushButton>("ruf1DetailButton")->click();
  QVERIFY(*done);
  QCOMPARE(page.Field("ruf1")->text(), QStringLiteral("6907A0B1F3"));
  QCOMPARE(image.Text(20), QStringLiteral("00000000"));
  page.Ok();
  QCOMPARE(image.Text(20), QStringLiteral("69000005"));
  QCOMPARE(image.Text(21), QStringLiteral("6907A0B1"));
  QCOMPARE(image.Text(23), QStringLiteral("000F3000"));
}

void TestTastenfunktionen::detailCancelledLeavesField() {
  Register image;
  Page page(image);
  Type(page.Field("ptt"), QStringLiteral("abc"));
  auto done = OnNextModal([](QDialog *editor) {
    editor->findChild<QLineEdit *>("ortLineEdit")->setText(QStringLiteral("7"));
    editor->findChild<QPushButton *>("abbrechenButton")->click();
  });
  page.Get<QPushButton>("pttDetailButton")->click();
  QVERIFY(*done);
  QCOMPARE(page.Field("ptt")->text(), QStringLiteral("abc"));
}

void TestTastenfunktionen::cancelWritesNothing() {
  Register image;
  SetRegisters(image, {"19=02300000", "20=12345678"});
  const QStringList before = image.AllTexts();
  Page page(image);
  Type(page.Field("ptt"), QStringLiteral("ABC"));
  Choose(page.Funktion("ruf1"), QStringLiteral("Keine"));
  page.Box("ruf2Kreis2CheckBox")->click();
  page.Get<QPushButton>("abbrechenButton")->click();
  QCOMPARE(page.dialog.result(), int(QDialog::Rejected));
  QCOMPARE(image.AllTexts(), before);
  QVERIFY(!image.IsModified());
}

void TestTastenfunktionen::helpHasNoIconAndTheApplicationCaption() {
  ScriptedDialogs dialogs;
  Register image;
  Page page(image);
  page.Get<QPushButton>("hilfeButton")->click();
  QCOMPARE(dialogs.shown.size(), 1);
  QVERIFY(dialogs.Last().text.startsWith(
      QStringLiteral("Allgemein:\nFür die Funktionen \"FMS-Kennung")));
  QVERIFY(dialogs.Last().text.endsWith(QStringLiteral("werden auf diesen Kreisen gesendet.\n")));
  QCOMPARE(dialogs.Last().caption, QString());
  QCOMPARE(dialogs.Last().icon, QMessageBox::NoIcon);
  QVERIFY(page.dialog.isVisible());
}

void TestTastenfunktionen::treeEntryOpensPage() {
  ScriptedDialogs dialogs;
  CQuorexDlg window;
  window.show();
  QTreeWidget *tree = window.findChild<QTreeWidget *>("configTree");
  StartFrom(window, QStringLiteral("01011"));
  const QList<QTreeWidgetItem *> found =
      tree->findItems(QStringLiteral("Tastenfunktionen"), Qt::MatchExactly | Qt::MatchRecursive);
  QCOMPARE(found.size(), 1);
  QString title;
  const auto done = OnNextModal([&](QDialog *page) {
    title = page->windowTitle();
    page->reject();
  });
  tree->setCurrentItem(found.first());
  QTest::keyClick(tree, Qt::Key_Return);
  QTRY_VERIFY(*done);
  QCOMPARE(title, QStringLiteral("Tastenfunktionen"));
}

void TestTastenfunktionen::textFromAnywhereHeldToLimit_data() {
  QTest::addColumn<QString>("how");
  for (const char *how : {"paste", "setText", "accessible", "drop-in middle"})
    QTest::newRow(how) << QString::fromLatin1(how);
}

// Pasted, set by a screen reader or inserted in the middle: the first five characters stay,
// and OK stores them where they were typed for.
void TestTastenfunktionen::textFromAnywhereHeldToLimit() {
  QFETCH(QString, how);
  Register image;
  SetRegisters(image, {"19=03000000", "31=00000000"});
  Page page(image);
  QLineEdit *field = page.Field("ruf1");
  QCOMPARE(field->text(), QStringLiteral("00000"));
  const QString pasted = QStringLiteral("12345678");
  if (how == "paste") {
    field->selectAll();
    field->insert(pasted);
  } else if (how == "setText") {
    field->setText(pasted);
  } else if (how == "accessible") {
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(field);
    QVERIFY(access);
    access->setText(QAccessible::Value, pasted);
  } else {
    field->setText(QStringLiteral("12"));
    field->setCursorPosition(1);
    field->insert(QStringLiteral("ABCDEF"));
  }
  const QString expected =
      how == "drop-in middle" ? QStringLiteral("1ABCD") : QStringLiteral("12345");
  QCOMPARE(field->text(), expected);
  page.Ok();
  QCOMPARE(image.Text(31), expected + QStringLiteral("000"));
}

// A function code the list does not know: OK writes the code back and leaves both telegram
// registers and the key's part of register 23 as they were.
void TestTastenfunktionen::unknownFunctionKeepsTelegram() {
  Register image;
  SetRegisters(image, {"19=09900000", "21=6912A0B1", "22=12345678", "23=0001A2B0"});
  Page page(image);
  QCOMPARE(page.Funktion("ruf1")->currentIndex(), -1);
  page.Ok();
  QCOMPARE(image.Text(19), QStringLiteral("09900000"));
  QCOMPARE(image.Text(21), QStringLiteral("6912A0B1"));
  QCOMPARE(image.Text(22), QStringLiteral("12345678"));
  QCOMPARE(image.Text(23), QStringLiteral("0001A2B0"));
}

// A screen reader's toggle action checks a box without clicking it; the group still follows.
void TestTastenfunktionen::circuitBoxToggledWithoutClick() {
  Register image;
  SetRegisters(image, {"19=01000000"});
  Page page(image);
  QVERIFY(page.Box("ruf1AktuellerKreisCheckBox")->isChecked());
  page.Box("ruf1Kreis3CheckBox")->toggle();
  QVERIFY(!page.Box("ruf1AktuellerKreisCheckBox")->isChecked());
  page.Ok();
  QCOMPARE(image.Text(19).at(5), QChar('4'));

  Page again(image);
  again.Box("ruf1AktuellerKreisCheckBox")->toggle();
  QVERIFY(!again.Box("ruf1Kreis3CheckBox")->isChecked());
  again.Box("ruf1AktuellerKreisCheckBox")->toggle();  // cannot be taken off by itself
  QVERIFY(again.Box("ruf1AktuellerKreisCheckBox")->isChecked());
  again.Ok();
  QCOMPARE(image.Text(19).at(5), QChar('0'));
}

QTEST_MAIN(TestTastenfunktionen)
#include "tst_tastenfunktionen.moc"
