// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "EinzelnesRegister.h"
#include "ModalHelper.h"
#include "Register.h"
#include "ScriptedDialogs.h"
#include "WindowBench.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

const QString kNoNumber = QStringLiteral("Geben Sie eine ganze Zahl ein.");
const QString kOutOfRange = QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 199 ein.");
const QString kNotHex = QStringLiteral("Hexwert eingeben!");

// Every register a different, recognisable text.
void Fill(Register &image) {
  for (int reg = 0; reg < Register::kRegisterCount; ++reg)
    QVERIFY(image.SetText(reg, QStringLiteral("C0DE%1").arg(reg, 4, 10, QLatin1Char('0'))));
  image.SetModified(false);
}

}  // namespace

class TestEinzelnesRegister : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void opensAtRegisterZero();
  void schreiben_data();
  void schreiben();
  void lesen_data();
  void lesen();
  void fieldsRefuseWhatTheyCannotHold();
  void enterTakesValuesAndClosesWithoutStoring();
  void enterOnAButtonPressesIt();
  void zurueckAndEscapeCloseWithoutTakingValues();
  void helpText();
  void treeEntryOpensItAtRegisterZeroEveryTime();

 private:
  template <class T>
  T *Child(const char *name) const {
    T *child = dialog_->findChild<T *>(QLatin1String(name));
    if (!child) qFatal("no child %s", name);
    return child;
  }
  QLineEdit *Number() const { return Child<QLineEdit>("registernummerLineEdit"); }
  QLineEdit *Content() const { return Child<QLineEdit>("inhaltLineEdit"); }
  // Every box of the dialog has the application's name as caption and an OK button; the range
  // messages warn, "Hexwert eingeben!" has no icon.
  void CheckBoxLooks() const {
    for (const ScriptedDialogs::Shown &box : dialogs_->shown) {
      QCOMPARE(box.caption, QString());
      QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(box.icon, box.text == kNotHex ? QMessageBox::NoIcon : QMessageBox::Warning);
    }
  }
  QStringList Texts() const {
    QStringList texts;
    for (const ScriptedDialogs::Shown &box : dialogs_->shown) texts << box.text;
    return texts;
  }

  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<Register> image_;
  std::unique_ptr<EinzelnesRegister> dialog_;
};

void TestEinzelnesRegister::init() {
  dialogs_ = std::make_unique<ScriptedDialogs>();
  image_ = std::make_unique<Register>();
  Fill(*image_);
  dialog_ = std::make_unique<EinzelnesRegister>(*image_);
}

void TestEinzelnesRegister::cleanup() {
  dialog_.reset();
  image_.reset();
  dialogs_.reset();
}

void TestEinzelnesRegister::opensAtRegisterZero() {
  QCOMPARE(dialog_->windowTitle(), QStringLiteral("Einzelnes Register Lesen/ Schreiben"));
  QCOMPARE(Number()->text(), QStringLiteral("0"));
  QCOMPARE(Content()->text(), QStringLiteral("C0DE0000"));
  QCOMPARE(Child<QLabel>("registernummerLabel")->text(), QStringLiteral("Registernummer:"));
  QCOMPARE(Child<QLabel>("registernummerLabel")->buddy(), Number());
  QCOMPARE(Child<QLabel>("inhaltLabel")->text(), QStringLiteral("Inhalt:"));
  QCOMPARE(Child<QLabel>("inhaltLabel")->buddy(), Content());
}

void TestEinzelnesRegister::schreiben_data() {
  QTest::addColumn<QString>("number");
  QTest::addColumn<QString>("content");
  QTest::addColumn<int>("storedIn");  // -1: nothing stored
  QTest::addColumn<QString>("numberShown");
  QTest::addColumn<QString>("contentShown");
  QTest::addColumn<QStringList>("messages");

  QTest::newRow("lower case, padded") << "5" << "1a" << 5 << "5" << "0000001A" << QStringList();
  QTest::newRow("empty content") << "9" << "" << 9 << "9" << "00000000" << QStringList();
  QTest::newRow("seven digits") << "199" << "ABCDEF1" << 199 << "199" << "0ABCDEF1"
                                << QStringList();
  QTest::newRow("eight digits") << "0" << "abcdef12" << 0 << "0" << "ABCDEF12" << QStringList();
  QTest::newRow("not hex") << "5" << "12G4" << -1 << "5" << "12G4" << QStringList{kNotHex};
  QTest::newRow("past the end") << "250" << "1a" << -1 << "0" << "0000001A"
                                << QStringList{kOutOfRange};
  QTest::newRow("far past the end") << "99999999999" << "1" << -1 << "0" << "00000001"
                                    << QStringList{kOutOfRange};
  // Without a number nothing says which register to replace.
  QTest::newRow("no number") << "" << "1a" << -1 << "" << "1a" << QStringList{kNoNumber};
}

void TestEinzelnesRegister::schreiben() {
  QFETCH(QString, number);
  QFETCH(QString, content);
  QFETCH(int, storedIn);
  QFETCH(QString, numberShown);
  QFETCH(QString, contentShown);
  QFETCH(QStringList, messages);

  QStringList expected = image_->AllTexts();
  if (storedIn >= 0) expected[storedIn] = contentShown;
  Number()->setText(number);
  Content()->setText(content);
  Child<QPushButton>("schreibenButton")->click();

  QCOMPARE(Texts(), messages);
  QCOMPARE(image_->AllTexts(), expected);
  QCOMPARE(image_->IsModified(), storedIn >= 0);
  QCOMPARE(Number()->text(), numberShown);
  QCOMPARE(Content()->text(), contentShown);
  CheckBoxLooks();
}

void TestEinzelnesRegister::lesen_data() {
  QTest::addColumn<QString>("number");
  QTest::addColumn<QString>("numberShown");
  QTest::addColumn<QString>("contentShown");
  QTest::addColumn<QStringList>("messages");

  QTest::newRow("42") << "42" << "42" << "C0DE0042" << QStringList();
  QTest::newRow("leading zeros") << "007" << "7" << "C0DE0007" << QStringList();
  QTest::newRow("last") << "199" << "199" << "C0DE0199" << QStringList();
  QTest::newRow("past the end") << "250" << "199" << "C0DE0199" << QStringList{kOutOfRange};
  // The number keeps the value it had: register 0 from the start.
  QTest::newRow("no number") << "" << "0" << "C0DE0000" << QStringList{kNoNumber};
}

void TestEinzelnesRegister::lesen() {
  QFETCH(QString, number);
  QFETCH(QString, numberShown);
  QFETCH(QString, contentShown);
  QFETCH(QStringList, messages);

  const QStringList before = image_->AllTexts();
  Number()->setText(number);
  Content()->setText(QStringLiteral("FFFF"));
  Child<QPushButton>("lesenButton")->click();

  QCOMPARE(Texts(), messages);
  QCOMPARE(Number()->text(), numberShown);
  QCOMPARE(Content()->text(), contentShown);
  QCOMPARE(image_->AllTexts(), before);
  QVERIFY(!image_->IsModified());
  CheckBoxLooks();
}

void TestEinzelnesRegister::fieldsRefuseWhatTheyCannotHold() {
  Number()->clear();
  QTest::keyClicks(Number(), QStringLiteral("-1a2+"));
  QCOMPARE(Number()->text(), QStringLiteral("12"));
  Content()->clear();
  QTest::keyClicks(Content(), QStringLiteral("123456789"));
  QCOMPARE(Content()->text(), QStringLiteral("12345678"));
}

void TestEinzelnesRegister::enterTakesValuesAndClosesWithoutStoring() {
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
  const QStringList before = image_->AllTexts();

  // Out of range: the message, and the dialog stays open.
  Number()->setText(QStringLiteral("300"));
  Content()->setFocus();
  QTest::keyClick(Content(), Qt::Key_Return);
  QCOMPARE(Texts(), QStringList{kOutOfRange});
  QVERIFY(dialog_->isVisible());

  Number()->setText(QStringLiteral("7"));
  Content()->setText(QStringLiteral("FFFFFFFF"));
  Content()->setFocus();
  QTest::keyClick(Content(), Qt::Key_Enter);
  QVERIFY(!dialog_->isVisible());
  QCOMPARE(dialog_->result(), int(QDialog::Accepted));
  QCOMPARE(image_->AllTexts(), before);
  QVERIFY(!image_->IsModified());
  QCOMPARE(dialogs_->shown.size(), 1);
}

void TestEinzelnesRegister::enterOnAButtonPressesIt() {
  dialog_->show();
  QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
  Number()->setText(QStringLiteral("3"));
  Content()->setText(QStringLiteral("beef"));
  auto *schreiben = Child<QPushButton>("schreibenButton");
  schreiben->setFocus();
  QTest::keyClick(schreiben, Qt::Key_Return);
  QCOMPARE(image_->Text(3), QStringLiteral("0000BEEF"));
  QVERIFY(dialog_->isVisible());
}

void TestEinzelnesRegister::zurueckAndEscapeCloseWithoutTakingValues() {
  for (int round = 0; round < 2; ++round) {
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    Number()->setText(QString());  // would give a message if the values were taken
    Content()->setText(QStringLiteral("12"));
    if (round == 0) {
      Child<QPushButton>("zurueckButton")->click();
    } else {
      Content()->setFocus();
      QTest::keyClick(Content(), Qt::Key_Escape);
    }
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
  }
  QVERIFY(dialogs_->shown.isEmpty());
  QVERIFY(!image_->IsModified());
  QCOMPARE(Child<QPushButton>("zurueckButton")->text(), QStringLiteral("Zurück"));
}

void TestEinzelnesRegister::helpText() {
  Child<QPushButton>("hilfeButton")->click();
  QCOMPARE(dialogs_->shown.size(), 1);
  QCOMPARE(dialogs_->Last().text,
           QStringLiteral(
               "Einzelnes Register Lesen/Schreiben:\n\n"
               "Hier kann gezielt ein EEPROM-Register im Quorex verändert werden. Diese Funktion ist\n"
               "hauptsächlich für Sondersoftware gedacht oder wenn eine aktuelle Softwareversion neue\n"
               "Funktionen enthält, die durch die Programmiersoftware noch nicht unterstützt werden.\n"
               "\nACHTUNG: Ändern Sie nur Registerstellen, deren Funktion Sie genau kennen. Sonst können\n"
               "Fehlfunktionen des Quorex die Folge sein.\n"));
  QCOMPARE(dialogs_->Last().caption, QStringLiteral("Hilfe Einzelnes Register"));
  QCOMPARE(dialogs_->Last().icon, QMessageBox::Information);
  QCOMPARE(dialogs_->Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestEinzelnesRegister::treeEntryOpensItAtRegisterZeroEveryTime() {
  CQuorexDlg window;
  QVERIFY(window.Image().SetText(0, QStringLiteral("0000AAAA")));
  auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("configTree"));
  QVERIFY(tree);
  StartFrom(window, QStringLiteral("01011"));
  const QList<QTreeWidgetItem *> entries = tree->findItems(
      QStringLiteral("Einzelnes Register lesen/schreiben"), Qt::MatchExactly | Qt::MatchRecursive);
  QCOMPARE(entries.size(), 1);

  QStringList seen;
  for (int round = 0; round < 2; ++round) {
    auto done = OnNextModal([&](QDialog *dialog) {
      auto *number = dialog->findChild<QLineEdit *>(QStringLiteral("registernummerLineEdit"));
      auto *content = dialog->findChild<QLineEdit *>(QStringLiteral("inhaltLineEdit"));
      seen << dialog->windowTitle() << number->text() << content->text();
      // Leave it showing another register; the next opening starts at 0 again.
      number->setText(QStringLiteral("12"));
      content->setText(QStringLiteral("12"));
      dialog->findChild<QPushButton *>(QStringLiteral("schreibenButton"))->click();
      dialog->findChild<QPushButton *>(QStringLiteral("zurueckButton"))->click();
    });
    entries.first()->setSelected(true);
    QTRY_VERIFY(*done);
  }
  const QStringList once = {QStringLiteral("Einzelnes Register Lesen/ Schreiben"),
                            QStringLiteral("0"), QStringLiteral("0000AAAA")};
  QCOMPARE(seen, once + once);
  QCOMPARE(window.Image().Text(12), QStringLiteral("00000012"));
  QVERIFY(window.Image().IsModified());
}

QTEST_MAIN(TestEinzelnesRegister)
#include "tst_einzelnesregister.moc"
