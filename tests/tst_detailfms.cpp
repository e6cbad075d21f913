// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DetailFMS.h"
#include "ScriptedDialogs.h"
#include "WidgetDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The editor as the technician sees it: shown, so its controls hold the text's fields.
struct Editor {
  explicit Editor(QString &text) : dialog(text) { dialog.show(); }

  QComboBox *Combo(const char *name) { return dialog.findChild<QComboBox *>(name); }
  QLineEdit *Edit(const char *name) { return dialog.findChild<QLineEdit *>(name); }
  QRadioButton *Radio(const QString &name) { return dialog.findChild<QRadioButton *>(name); }
  QPushButton *Button(const char *name) { return dialog.findChild<QPushButton *>(name); }

  DetailFMS dialog;
};

}  // namespace

class TestDetailFms : public QObject {
  Q_OBJECT

 private slots:
  void showsFieldsAndWritesThemBack_data();
  void showsFieldsAndWritesThemBack();
  void flagsDigitFromRadios_data();
  void flagsDigitFromRadios();
  void placeAndVehiclePaddedOnTheLeft_data();
  void placeAndVehiclePaddedOnTheLeft();
  void chosenItemsStoreTheirFirstCharacter();
  void cancelLeavesTextAlone();
  void listsAreSorted();
  void helpHasNoIconAndTheApplicationCaption();
};

void TestDetailFms::showsFieldsAndWritesThemBack_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("bos");
  QTest::addColumn<QString>("land");
  QTest::addColumn<QString>("ort");
  QTest::addColumn<QString>("fahrzeug");
  QTest::addColumn<QString>("status");
  QTest::addColumn<QString>("checked");  // the three radio buttons, by object name
  QTest::addColumn<QString>("afterOk");

  QTest::newRow("example") << "6912A0B1F3"
                           << "6: Feuerwehr"
                           << "9: Nordrhein-Westfalen"
                           << "12"
                           << "A0B1"
                           << "F"
                           << "tki1RadioButton anweisungRadioButton baustufe2RadioButton"
                           << "6912A0B1F3";
  QTest::newRow("all F") << "FFFFFFFFFF"
                         << "F: Fernwirktelegramme"
                         << "F: Brandenburg/Thüringen"
                         << "FF"
                         << "FFFF"
                         << "F"
                         << "tki4RadioButton anweisungRadioButton baustufe2RadioButton"
                         << "FFFFFFFFFF";
  QTest::newRow("zero BOS item") << "0000000000"
                                 << "0:"
                                 << "0: Sachsen"
                                 << "00"
                                 << "0000"
                                 << "0"
                                 << "tki1RadioButton statusRadioButton baustufe1RadioButton"
                                 << "0000000000";
  // Characters the lists do not know are kept; an unknown flags digit is rebuilt as 0.
  QTest::newRow("unknown characters") << "a?12xyzzgq"
                                      << ""
                                      << ""
                                      << "12"
                                      << "xyzz"
                                      << ""
                                      << "tki1RadioButton statusRadioButton baustufe1RadioButton"
                                      << "a?12xyzzg0";
  QTest::newRow("caller's tail kept") << "6912A0B1F3XYZ"
                                      << "6: Feuerwehr"
                                      << "9: Nordrhein-Westfalen"
                                      << "12"
                                      << "A0B1"
                                      << "F"
                                      << "tki1RadioButton anweisungRadioButton baustufe2RadioButton"
                                      << "6912A0B1F3XYZ";
}

void TestDetailFms::showsFieldsAndWritesThemBack() {
  QFETCH(QString, text);
  QFETCH(QString, bos);
  QFETCH(QString, land);
  QFETCH(QString, ort);
  QFETCH(QString, fahrzeug);
  QFETCH(QString, status);
  QFETCH(QString, checked);
  QFETCH(QString, afterOk);
  Editor editor(text);
  QCOMPARE(editor.dialog.windowTitle(), QStringLiteral("Detail FMS"));
  QCOMPARE(editor.Combo("bosComboBox")->currentText(), bos);
  QCOMPARE(editor.Combo("landComboBox")->currentText(), land);
  QCOMPARE(editor.Combo("statusComboBox")->currentText(), status);
  QCOMPARE(editor.Edit("ortLineEdit")->text(), ort);
  QCOMPARE(editor.Edit("fahrzeugLineEdit")->text(), fahrzeug);
  for (const QString &name : checked.split(QLatin1Char(' ')))
    QVERIFY2(editor.Radio(name)->isChecked(), qPrintable(name));

  editor.Button("okButton")->click();
  QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
  QCOMPARE(text, afterOk);
}

void TestDetailFms::flagsDigitFromRadios_data() {
  QTest::addColumn<QString>("tki");
  QTest::addColumn<QString>("direction");
  QTest::addColumn<QString>("stage");
  QTest::addColumn<QChar>("flags");
  QTest::newRow("TKI3 Status Baustufe 2") << "tki3RadioButton"
                                          << "statusRadioButton"
                                          << "baustufe2RadioButton" << QChar('9');
  QTest::newRow("TKI4 Anweisung Baustufe 2") << "tki4RadioButton"
                                             << "anweisungRadioButton"
                                             << "baustufe2RadioButton" << QChar('F');
  QTest::newRow("TKI2 Anweisung Baustufe 1") << "tki2RadioButton"
                                             << "anweisungRadioButton"
                                             << "baustufe1RadioButton" << QChar('6');
  QTest::newRow("TKI 1 Status Baustufe 1") << "tki1RadioButton"
                                           << "statusRadioButton"
                                           << "baustufe1RadioButton" << QChar('0');
}

// Starts from flags "3" (TKI 1, Anweisung, Baustufe 2) so that every row changes something.
void TestDetailFms::flagsDigitFromRadios() {
  QFETCH(QString, tki);
  QFETCH(QString, direction);
  QFETCH(QString, stage);
  QFETCH(QChar, flags);
  QString text = QStringLiteral("6912A0B1F3");
  Editor editor(text);
  for (const QString &name : {tki, direction, stage}) editor.Radio(name)->click();
  // The three groups are independent: each click leaves the other groups' buttons alone.
  for (const QString &name : {tki, direction, stage}) QVERIFY(editor.Radio(name)->isChecked());
  editor.Button("okButton")->click();
  QCOMPARE(text, QStringLiteral("6912A0B1F") + flags);
}

void TestDetailFms::placeAndVehiclePaddedOnTheLeft_data() {
  QTest::addColumn<QString>("ort");
  QTest::addColumn<QString>("fahrzeug");
  QTest::addColumn<QString>("afterOk");
  QTest::newRow("one digit each") << "7"
                                  << "5"
                                  << "6907"
                                     "0005"
                                     "F3";
  QTest::newRow("both empty") << ""
                              << ""
                              << "6900"
                                 "0000"
                                 "F3";
  QTest::newRow("typed past the field lengths") << "123"
                                                << "ABCDE"
                                                << "6912"
                                                   "ABCD"
                                                   "F3";
}

void TestDetailFms::placeAndVehiclePaddedOnTheLeft() {
  QFETCH(QString, ort);
  QFETCH(QString, fahrzeug);
  QFETCH(QString, afterOk);
  QString text = QStringLiteral("6912A0B1F3");
  Editor editor(text);
  Type(editor.Edit("ortLineEdit"), ort);
  Type(editor.Edit("fahrzeugLineEdit"), fahrzeug);
  editor.Button("okButton")->click();
  QCOMPARE(text, afterOk);
}

void TestDetailFms::chosenItemsStoreTheirFirstCharacter() {
  QString text = QStringLiteral("q?12A0B1z3");
  Editor editor(text);
  Choose(editor.Combo("bosComboBox"), QStringLiteral("A: Johanniter-Unfall-Hilfe"));
  Choose(editor.Combo("landComboBox"), QStringLiteral("3: Bayern 1"));
  Choose(editor.Combo("statusComboBox"), QStringLiteral("C"));
  Choose(editor.Combo("statusComboBox"), QStringLiteral("2"));
  editor.Button("okButton")->click();
  QCOMPARE(text, QStringLiteral("A312A0B123"));
}

void TestDetailFms::cancelLeavesTextAlone() {
  QString text = QStringLiteral("6900000000");  // the key page's padding included
  Editor editor(text);
  Choose(editor.Combo("bosComboBox"), QStringLiteral("1: Polizei (Länder)"));
  Type(editor.Edit("ortLineEdit"), QStringLiteral("7"));
  editor.Radio(QStringLiteral("tki4RadioButton"))->click();
  editor.Button("abbrechenButton")->click();
  QCOMPARE(editor.dialog.result(), int(QDialog::Rejected));
  QCOMPARE(text, QStringLiteral("6900000000"));
}

void TestDetailFms::listsAreSorted() {
  QString text = QStringLiteral("0000000000");
  Editor editor(text);
  for (const char *name : {"bosComboBox", "landComboBox", "statusComboBox"}) {
    QComboBox *combo = editor.Combo(name);
    QCOMPARE(combo->count(), 16);
    QVERIFY(!combo->isEditable());
    for (int i = 0; i < 16; ++i) QCOMPARE(combo->itemText(i).at(0), QChar("0123456789ABCDEF"[i]));
  }
}

void TestDetailFms::helpHasNoIconAndTheApplicationCaption() {
  ScriptedDialogs dialogs;
  QString text = QStringLiteral("6912A0B1F3");
  Editor editor(text);
  editor.Button("hilfeButton")->click();
  editor.Button("hilfeButton")->click();
  QCOMPARE(dialogs.shown.size(), 2);
  QVERIFY(dialogs.Last().text.startsWith(QStringLiteral("BOS-Kennung:\nHier wird die 1. Stelle")));
  QVERIFY(
      dialogs.Last().text.endsWith(QStringLiteral("ein Anweisungstelegramm gewählt werden.\n\n")));
  QCOMPARE(dialogs.Last().caption, QString());
  QCOMPARE(dialogs.Last().icon, QMessageBox::NoIcon);
  QCOMPARE(dialogs.Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(editor.dialog.isVisible());
  QCOMPARE(text, QStringLiteral("6912A0B1F3"));
}

QTEST_MAIN(TestDetailFms)
#include "tst_detailfms.moc"
