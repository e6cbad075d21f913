// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Funkkreiskonfiguration.h"
#include "Register.h"
#include "ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The page framework's shared rules, tried on the radio circuit page, and the page itself.
class TestFunkkreis : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void allSetExample();
  void shownAndWrittenBack_data();
  void shownAndWrittenBack();
  void okSetsModifiedEvenWithoutChanges();
  void cancelWritesNothing();
  void lastComboChoiceWins();
  void typedTextIsNoChoice_data();
  void typedTextIsNoChoice();
  void fehlertonKeepsTicks();
  void radioClickEnablesPowerOnBoxes();
  void helpChangesNothing();

 private:
  void Open(const QString &reg0, const QString &reg1);
  QCheckBox *Box(const QString &name) { return page_->findChild<QCheckBox *>(name); }
  QCheckBox *Last(int i) { return Box(QStringLiteral("letzterKreis%1CheckBox").arg(i)); }
  QCheckBox *PowerOn(int i) { return Box(QStringLiteral("beimEinschaltenAn%1CheckBox").arg(i)); }
  QComboBox *Combo() { return page_->findChild<QComboBox *>("automatikComboBox"); }
  QRadioButton *Radio(const char *name) { return page_->findChild<QRadioButton *>(name); }
  void Press(const char *button) { page_->findChild<QPushButton *>(button)->click(); }

  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<Register> image_;
  std::unique_ptr<Funkkreiskonfiguration> page_;
};

void TestFunkkreis::init() {
  dialogs_ = std::make_unique<ScriptedDialogs>();
  image_ = std::make_unique<Register>();
}

void TestFunkkreis::cleanup() {
  page_.reset();
  image_.reset();
  dialogs_.reset();
}

void TestFunkkreis::Open(const QString &reg0, const QString &reg1) {
  QVERIFY(image_->SetText(0, reg0));
  QVERIFY(image_->SetText(1, reg1));
  page_ = std::make_unique<Funkkreiskonfiguration>(*image_);
  page_->show();
  QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
}

void TestFunkkreis::allSetExample() {
  Open(QStringLiteral("111110F7"), QStringLiteral("11110ABC"));
  QCOMPARE(page_->windowTitle(), QStringLiteral("Funkkreiskonfiguration"));
  for (const char *name : {"erlaubt1CheckBox", "erlaubt2CheckBox", "erlaubt3CheckBox",
                           "erlaubt4CheckBox", "mehrereAktiveKreiseCheckBox"})
    QVERIFY2(Box(name)->isChecked(), name);
  for (int i = 1; i <= 4; ++i) {
    QVERIFY(PowerOn(i)->isChecked());
    QVERIFY(PowerOn(i)->isEnabled());
    QVERIFY(Last(i)->isChecked());
    QVERIFY(Last(i)->isEnabled());
  }
  QVERIFY(Radio("einschaltkreiseRadioButton")->isChecked());
  QCOMPARE(Combo()->currentText(), QStringLiteral("Letzten Kreis aktivieren"));
  QCOMPARE(Combo()->count(), 2);
  QCOMPARE(Combo()->itemText(1), QStringLiteral("Fehlerton"));
  Press("okButton");
  QCOMPARE(image_->Text(0), QStringLiteral("111110F7"));
  QCOMPARE(image_->Text(1), QStringLiteral("11110ABC"));
  QVERIFY(page_->isHidden());
}

void TestFunkkreis::shownAndWrittenBack_data() {
  QTest::addColumn<QString>("reg0");
  QTest::addColumn<QString>("reg1");
  QTest::addColumn<QString>("lastBoxes");  // checked "Letzter Kreis" boxes, 1-4
  QTest::addColumn<bool>("lastEnabled");
  QTest::addColumn<QString>("comboText");
  QTest::addColumn<bool>("powerOnEnabled");
  QTest::addColumn<QString>("written0");
  QTest::addColumn<QString>("written1");
  QTest::newRow("mask 5") << "0000005F" << "00000000" << "13" << true
                          << "Letzten Kreis aktivieren" << true << "0000005F" << "00000000";
  QTest::newRow("mask A") << "000000A0" << "00000000" << "24" << true
                          << "Letzten Kreis aktivieren" << true << "000000A0" << "00000000";
  QTest::newRow("check box 2 becomes 0") << "20E0100D" << "0F000EEE" << "" << true
                                         << "Letzten Kreis aktivieren" << true << "0000100D"
                                         << "00000EEE";
  QTest::newRow("Fehlerton keeps mask") << "000001C0" << "00000000" << "34" << false
                                        << "Fehlerton" << true << "000001C0" << "00000000";
  QTest::newRow("unknown activation 7") << "00000730" << "00000000" << "12" << false << ""
                                        << true << "00000730" << "00000000";
  QTest::newRow("power-on radio 2") << "00000000" << "11112000" << "" << true
                                    << "Letzten Kreis aktivieren" << false << "00000000"
                                    << "11112000";
}

void TestFunkkreis::shownAndWrittenBack() {
  QFETCH(QString, reg0);
  QFETCH(QString, reg1);
  QFETCH(QString, lastBoxes);
  QFETCH(bool, lastEnabled);
  QFETCH(QString, comboText);
  QFETCH(bool, powerOnEnabled);
  QFETCH(QString, written0);
  QFETCH(QString, written1);
  Open(reg0, reg1);
  for (int i = 1; i <= 4; ++i) {
    QCOMPARE(Last(i)->isChecked(), lastBoxes.contains(QString::number(i)));
    QCOMPARE(Last(i)->isEnabled(), lastEnabled);
    QCOMPARE(PowerOn(i)->isEnabled(), powerOnEnabled);
  }
  QCOMPARE(Combo()->currentText(), comboText);
  if (comboText.isEmpty()) QCOMPARE(Combo()->currentIndex(), -1);
  QCOMPARE(Radio("einschaltkreiseRadioButton")->isChecked(), powerOnEnabled);
  QCOMPARE(Radio("letzteAktiveKreiseRadioButton")->isChecked(), !powerOnEnabled);
  Press("okButton");
  QCOMPARE(image_->Text(0), written0);
  QCOMPARE(image_->Text(1), written1);
}

void TestFunkkreis::okSetsModifiedEvenWithoutChanges() {
  Open(QStringLiteral("00000000"), QStringLiteral("00000000"));
  QVERIFY(!image_->IsModified());
  Press("okButton");
  QVERIFY(image_->IsModified());
}

void TestFunkkreis::cancelWritesNothing() {
  Open(QStringLiteral("10000000"), QStringLiteral("00001000"));
  Box("erlaubt2CheckBox")->click();
  Radio("einschaltkreiseRadioButton")->click();
  Combo()->setCurrentIndex(1);
  Last(4)->click();
  Press("abbrechenButton");
  QCOMPARE(image_->Text(0), QStringLiteral("10000000"));
  QCOMPARE(image_->Text(1), QStringLiteral("00001000"));
  QVERIFY(!image_->IsModified());

  Open(QStringLiteral("10000000"), QStringLiteral("00001000"));
  Box("erlaubt2CheckBox")->click();
  QTest::keyClick(page_.get(), Qt::Key_Escape);
  QVERIFY(page_->isHidden());
  QCOMPARE(image_->Text(0), QStringLiteral("10000000"));
  QVERIFY(!image_->IsModified());
}

void TestFunkkreis::lastComboChoiceWins() {
  Open(QStringLiteral("00000700"), QStringLiteral("00000000"));
  Combo()->setCurrentIndex(0);
  QCOMPARE(page_->Snapshot({0, 5}), QChar('0'));
  Combo()->setCurrentIndex(1);
  // Typed text is no choice.
  Combo()->setEditText(QStringLiteral("Letzten Kreis aktivieren"));
  Press("okButton");
  QCOMPARE(image_->Text(0), QStringLiteral("00000100"));
}

// Only a choice from the list changes the setting: typing an item's text, with or without
// Enter or Tab, leaves it alone.
void TestFunkkreis::typedTextIsNoChoice_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("key");
  QTest::newRow("whole text, Enter") << QStringLiteral("Fehlerton") << int(Qt::Key_Return);
  QTest::newRow("beginning, Tab") << QStringLiteral("Fehl") << int(Qt::Key_Tab);
}

void TestFunkkreis::typedTextIsNoChoice() {
  QFETCH(QString, typed);
  QFETCH(int, key);
  Open(QStringLiteral("00000700"), QStringLiteral("00000000"));
  QApplication::setActiveWindow(page_.get());
  Combo()->setFocus();
  Combo()->lineEdit()->clear();
  QTest::keyClicks(Combo()->lineEdit(), typed);
  QTest::keyClick(Combo()->lineEdit(), Qt::Key(key));
  QCOMPARE(Combo()->currentIndex(), -1);
  if (page_->isVisible()) Press("okButton");
  QCOMPARE(image_->Text(0), QStringLiteral("00000700"));
}

void TestFunkkreis::fehlertonKeepsTicks() {
  Open(QStringLiteral("00000000"), QStringLiteral("00000000"));
  Last(2)->click();
  Last(4)->click();
  Combo()->setCurrentIndex(1);
  for (int i = 1; i <= 4; ++i) QVERIFY(!Last(i)->isEnabled());
  QVERIFY(Last(2)->isChecked());
  Press("okButton");
  QCOMPARE(image_->Text(0), QStringLiteral("000001A0"));
}

void TestFunkkreis::radioClickEnablesPowerOnBoxes() {
  Open(QStringLiteral("00000000"), QStringLiteral("10102000"));
  QVERIFY(!PowerOn(1)->isEnabled());
  Radio("einschaltkreiseRadioButton")->click();
  QVERIFY(PowerOn(1)->isEnabled());
  QVERIFY(PowerOn(1)->isChecked());
  Radio("letzteAktiveKreiseRadioButton")->click();
  QVERIFY(!PowerOn(3)->isEnabled());
  QVERIFY(PowerOn(3)->isChecked());
  Press("okButton");
  QCOMPARE(image_->Text(1), QStringLiteral("10101000"));
}

void TestFunkkreis::helpChangesNothing() {
  Open(QStringLiteral("10000000"), QStringLiteral("00000000"));
  for (int i = 0; i < 3; ++i) Press("hilfeButton");
  QCOMPARE(dialogs_->shown.size(), 3);
  QCOMPARE(dialogs_->Last().caption, QStringLiteral("Hilfe Funkkreiskonfiguration"));
  QCOMPARE(dialogs_->Last().icon, QMessageBox::Information);
  QVERIFY(dialogs_->Last().text.startsWith(QStringLiteral(
      "Funkkreiskonfiguration:\n\nFunkkreis x erlaubt: Dieser Funkkreis ist vorhanden")));
  QVERIFY(dialogs_->Last().text.contains(QStringLiteral(
      "Letzte aktive Kreise: die beim Ausschalten aktiven Kreise\t\n\nAutomatische")));
  QVERIFY(dialogs_->Last().text.endsWith(QStringLiteral("eingestellten Kreise aktiviert.")));
  QVERIFY(page_->isVisible());
  QVERIFY(!image_->IsModified());
  QCOMPARE(image_->Text(0), QStringLiteral("10000000"));
}

QTEST_MAIN(TestFunkkreis)
#include "tst_funkkreis.moc"
