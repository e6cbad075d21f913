// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// Squelch, duplex, BUSY output/input, TX input and audio input pages: what they show for the
// characters of the register image and what OK writes back.

#include "BUSYInKonfig.h"
#include "BUSYOutKonfig.h"
#include "CQuorexDlg.h"
#include "DuplexKonfig.h"
#include "ModalHelper.h"
#include "NFKonfig.h"
#include "Register.h"
#include "ScriptedDialogs.h"
#include "WindowBench.h"
#include "Squelchkonfiguration.h"
#include "TXKonfig.h"
#include "WidgetDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

std::unique_ptr<ConfigPage> MakePage(const QString &name, Register &image) {
  if (name == "Squelch") return std::make_unique<Squelchkonfiguration>(image);
  if (name == "Duplex") return std::make_unique<DuplexKonfig>(image);
  if (name == "BUSYOut") return std::make_unique<BUSYOutKonfig>(image);
  if (name == "BUSYIn") return std::make_unique<BUSYInKonfig>(image);
  if (name == "TX") return std::make_unique<TXKonfig>(image);
  if (name == "NF") return std::make_unique<NFKonfig>(image);
  return nullptr;
}

}  // namespace

class TestPagesLines : public QObject {
  Q_OBJECT

 private slots:
  void squelch_data();
  void squelch();
  void duplex_data();
  void duplex();
  void busyInLists_data();
  void busyInLists();
  void comboPages_data();
  void comboPages();
  void okAndCancel_data();
  void okAndCancel();
  void openedFromTree();
};

void TestPagesLines::squelch_data() {
  QTest::addColumn<QStringList>("registers");
  QTest::addColumn<QStringList>("checked");
  QTest::addColumn<QStringList>("clicks");
  QTest::addColumn<QStringList>("written");

  QTest::newRow("polarity per circuit, rest untouched")
      << QStringList{"2=1010ABCD", "3=0101DCBA"}
      << QStringList{"sqlHigh1", "sqlLow2", "sqlHigh3", "sqlLow4", "nfImmerAn1", "nfNurBeiSql2",
                     "nfImmerAn3", "nfNurBeiSql4"}
      << QStringList{} << QStringList{"2=1010ABCD", "3=0101DCBA"};
  QTest::newRow("unknown character shows the second button and is kept")
      << QStringList{"2=F0000000", "3=00E00000"} << QStringList{"sqlLow1", "nfImmerAn3"}
      << QStringList{} << QStringList{"2=F0000000", "3=00E00000"};
  QTest::newRow("clicking the checked second button writes 0")
      << QStringList{"2=F0000000", "3=00E00000"} << QStringList{"sqlLow1", "nfImmerAn3"}
      << QStringList{"sqlLow1", "nfImmerAn3"} << QStringList{"2=00000000", "3=00000000"};
  QTest::newRow("first buttons write 1")
      << QStringList{"2=00000000", "3=00000000"} << QStringList{"sqlLow4", "nfImmerAn2"}
      << QStringList{"sqlHigh4", "nfNurBeiSql2"} << QStringList{"2=00010000", "3=01000000"};
}

void TestPagesLines::squelch() {
  QFETCH(QStringList, registers);
  QFETCH(QStringList, checked);
  QFETCH(QStringList, clicks);
  QFETCH(QStringList, written);
  Register image;
  SetRegisters(image, registers);
  Squelchkonfiguration page(image);
  page.show();
  for (const QString &name : checked)
    QVERIFY2(Child<QRadioButton>(&page, name + "RadioButton")->isChecked(), qPrintable(name));
  for (const QString &name : clicks) Child<QRadioButton>(&page, name + "RadioButton")->click();
  Ok(&page);
  CompareRegisters(image, written);
}

void TestPagesLines::duplex_data() {
  QTest::addColumn<QString>("register9");
  QTest::addColumn<QStringList>("checked");
  QTest::addColumn<QString>("shownMuting");
  QTest::addColumn<bool>("shownAnalog");
  QTest::addColumn<QStringList>("clicks");
  QTest::addColumn<int>("chooseIndex");  // -2: leave the list alone
  QTest::addColumn<QString>("written");

  const QStringList simplex = {"simplex1", "simplex2", "simplex3", "simplex4"};
  QTest::newRow("modes and packed muting kept")
      << "01206ABC" << QStringList{"simplex1", "duplex2", "duplexLs3", "simplex4"}
      << "max. LS aus" << true << QStringList{} << -2 << "01206ABC";
  QTest::newRow("3") << "00003000" << simplex << "Mithören und max. LS aus" << false
                     << QStringList{} << -2 << "00003000";
  QTest::newRow("4") << "00004000" << simplex << "nichts muten" << true << QStringList{} << -2
                     << "00004000";
  QTest::newRow("9 rewritten") << "00009000" << simplex << "Mithören aus" << true
                               << QStringList{} << -2 << "00005000";
  QTest::newRow("A rewritten") << "0000A000" << simplex << "Mithören aus" << true
                               << QStringList{} << -2 << "00005000";
  QTest::newRow("unknown mode kept until clicked")
      << "F3E00000" << QStringList{"simplex1", "simplex2", "simplex3"} << "nichts muten" << false
      << QStringList{"simplex1", "duplexLs3"} << -2 << "03200000";
  QTest::newRow("chosen item with analog box") << "00000000" << simplex << "nichts muten"
                                               << false << QStringList{} << 3 << "00003000";
  QTest::newRow("no item selected keeps the loaded digit")
      << "00006000" << simplex << "max. LS aus" << true << QStringList{} << -1 << "00006000";
}

void TestPagesLines::duplex() {
  QFETCH(QString, register9);
  QFETCH(QStringList, checked);
  QFETCH(QString, shownMuting);
  QFETCH(bool, shownAnalog);
  QFETCH(QStringList, clicks);
  QFETCH(int, chooseIndex);
  QFETCH(QString, written);
  Register image;
  QVERIFY(image.SetText(9, register9));
  DuplexKonfig page(image);
  page.show();
  auto *muting = Child<QComboBox>(&page, "mutingComboBox");
  auto *analog = Child<QCheckBox>(&page, "analogCheckBox");
  for (const QString &name : checked)
    QVERIFY2(Child<QRadioButton>(&page, name + "RadioButton")->isChecked(), qPrintable(name));
  QCOMPARE(muting->currentText(), shownMuting);
  QCOMPARE(analog->isChecked(), shownAnalog);
  for (const QString &name : clicks) Child<QRadioButton>(&page, name + "RadioButton")->click();
  if (chooseIndex >= -1) muting->setCurrentIndex(chooseIndex);
  Ok(&page);
  QCOMPARE(image.Text(9), written);
}

void TestPagesLines::busyInLists_data() {
  QTest::addColumn<bool>("version107");
  QTest::addColumn<QString>("combo");
  QTest::addColumn<QStringList>("items");

  const QStringList sixFunctions = {"Keine Funktion",
                                    "Mutet Kreis",
                                    "Sperrt Kreisaktivierung",
                                    "Sperrt Kreisaktivierung + mutet Kreis",
                                    "Sperrt Sendertastung",
                                    "Sperrt Sendertastung + mutet Kreis"};
  QTest::newRow("BUSY input 1.07 adds two unsorted items")
      << true << "funktion3"
      << sixFunctions + QStringList{"Sperrt jegliche Kreisaktivierung",
                                    "Sperrt jegliche Kreisaktivierung + mutet Kreis"};
  QTest::newRow("BUSY input before 1.07") << false << "funktion1" << sixFunctions;
  QTest::newRow("BUSY input LED sorted")
      << true << "led2"
      << QStringList{"Keine Funktion", "KR-LED blinkt", "TX-LED blinkt"};
}

void TestPagesLines::busyInLists() {
  QFETCH(bool, version107);
  QFETCH(QString, combo);
  QFETCH(QStringList, items);
  Register image;
  image.SetVersion107(version107);
  BUSYInKonfig page(image);
  page.show();
  QCOMPARE(Items(Child<QComboBox>(&page, combo + "ComboBox")), items);
}

void TestPagesLines::comboPages_data() {
  QTest::addColumn<QString>("pageName");
  QTest::addColumn<bool>("version107");
  QTest::addColumn<QStringList>("registers");
  // "led4=KR-LED blinkt": selected item; "funktion1=?Sperrt ..." shown with nothing selected.
  QTest::addColumn<QStringList>("shown");
  QTest::addColumn<QStringList>("choices");  // "combo=item text", in order
  QTest::addColumn<QStringList>("written");

  QTest::newRow("BUSY output")
      << "BUSYOut" << true << QStringList{"4=0120ABCD"}
      << QStringList{"ausgang1=BUSY immer aus", "ausgang2=BUSY aktiv bei TX aktiv",
                     "ausgang3=BUSY aktiv bei Kreis an", "ausgang4=BUSY immer aus"}
      << QStringList{} << QStringList{"4=0120ABCD"};
  QTest::newRow("BUSY output, BUSY immer aus stores 0")
      << "BUSYOut" << true << QStringList{"4=1221ABCD"} << QStringList{}
      << QStringList{"ausgang1=BUSY immer aus", "ausgang2=BUSY immer aus",
                     "ausgang3=BUSY immer aus", "ausgang4=BUSY immer aus"}
      << QStringList{"4=0000ABCD"};
  QTest::newRow("BUSY input 1.07 item stored")
      << "BUSYIn" << true << QStringList{"5=00000000", "6=00000000"} << QStringList{}
      << QStringList{"funktion2=Sperrt jegliche Kreisaktivierung + mutet Kreis"}
      << QStringList{"5=00000000", "6=07000000"};
  QTest::newRow("BUSY input 1.07 value shown with flag set")
      << "BUSYIn" << true << QStringList{"6=67000000"}
      << QStringList{"funktion1=Sperrt jegliche Kreisaktivierung",
                     "funktion2=Sperrt jegliche Kreisaktivierung + mutet Kreis"}
      << QStringList{} << QStringList{"6=67000000"};
  QTest::newRow("BUSY input 1.07 value kept with flag clear")
      << "BUSYIn" << false << QStringList{"6=60000000"}
      << QStringList{"funktion1=?Sperrt jegliche Kreisaktivierung"} << QStringList{}
      << QStringList{"6=60000000"};
  QTest::newRow("BUSY input 1.07 value replaced with flag clear")
      << "BUSYIn" << false << QStringList{"6=60000000"} << QStringList{}
      << QStringList{"funktion1=Mutet Kreis"} << QStringList{"6=10000000"};
  QTest::newRow("BUSY input LED and unknown function")
      << "BUSYIn" << true << QStringList{"5=01229000", "6=90450000"}
      << QStringList{"led1=Keine Funktion", "led2=TX-LED blinkt", "led4=KR-LED blinkt",
                     "funktion1=?", "funktion3=Sperrt Kreisaktivierung",
                     "funktion4=Sperrt Kreisaktivierung + mutet Kreis"}
      << QStringList{} << QStringList{"5=01229000", "6=90450000"};
  QTest::newRow("TX")
      << "TX" << true << QStringList{"7=10010000", "8=32100000"}
      << QStringList{"led1=TX-LED blinkt", "led2=Keine Funktion", "led3=Keine Funktion",
                     "led4=TX-LED blinkt", "funktion1=Sperrt Sendertastung + mutet Kreis",
                     "funktion2=Sperrt Sendertastung", "funktion3=Mutet Kreis",
                     "funktion4=Keine Funktion"}
      << QStringList{} << QStringList{"7=10010000", "8=32100000"};
  QTest::newRow("TX unknown 2 and 5 kept")
      << "TX" << true << QStringList{"7=20000000", "8=00500000"}
      << QStringList{"led1=?", "funktion3=?"} << QStringList{}
      << QStringList{"7=20000000", "8=00500000"};
  QTest::newRow("TX unknown replaced by choice")
      << "TX" << true << QStringList{"7=20000000", "8=00500000"} << QStringList{}
      << QStringList{"led1=TX-LED blinkt", "funktion3=Mutet Kreis"}
      << QStringList{"7=10000000", "8=00100000"};
  QTest::newRow("audio normal settings")
      << "NF" << true << QStringList{"10=11110000", "11=22220000"}
      << QStringList{"deaktiviert1=Mithörlautstärke", "deaktiviert4=Mithörlautstärke",
                     "aktiviert1=Maximale Lautstärke", "aktiviert4=Maximale Lautstärke"}
      << QStringList{} << QStringList{"10=11110000", "11=22220000"};
  QTest::newRow("audio 3 shown, 7 kept")
      << "NF" << true << QStringList{"10=37000000"}
      << QStringList{"deaktiviert1=MH + max. Lautstärke", "deaktiviert2=?"} << QStringList{}
      << QStringList{"10=37000000"};
  QTest::newRow("audio Kreis gemutet for circuit 3, last choice counts")
      << "NF" << true << QStringList{"10=11110000", "11=22220000"} << QStringList{}
      << QStringList{"aktiviert3=MH + max. Lautstärke", "aktiviert3=Kreis gemutet"}
      << QStringList{"10=11110000", "11=22020000"};
}

void TestPagesLines::comboPages() {
  QFETCH(QString, pageName);
  QFETCH(bool, version107);
  QFETCH(QStringList, registers);
  QFETCH(QStringList, shown);
  QFETCH(QStringList, choices);
  QFETCH(QStringList, written);
  Register image;
  image.SetVersion107(version107);
  SetRegisters(image, registers);
  const std::unique_ptr<ConfigPage> page = MakePage(pageName, image);
  page->show();
  for (const QString &expect : shown) {
    const QString name = expect.section('=', 0, 0);
    QString text = expect.section('=', 1);
    auto *combo = Child<QComboBox>(page.get(), name + "ComboBox");
    const bool unselected = text.startsWith('?');
    if (unselected) text.remove(0, 1);
    QCOMPARE(combo->currentText(), text);
    QCOMPARE(combo->currentIndex() < 0, unselected);
  }
  for (const QString &choice : choices) {
    auto *combo = Child<QComboBox>(page.get(), choice.section('=', 0, 0) + "ComboBox");
    const int index = combo->findText(choice.section('=', 1));
    QVERIFY2(index >= 0, qPrintable(choice));
    combo->setCurrentIndex(index);
  }
  Ok(page.get());
  CompareRegisters(image, written);
}

void TestPagesLines::okAndCancel_data() {
  QTest::addColumn<QString>("pageName");
  QTest::addColumn<QString>("helpCaption");
  QTest::newRow("Squelch") << "Squelch" << "Hilfe Squelchkonfiguration";
  QTest::newRow("Duplex") << "Duplex" << "Hilfe Duplex Konfiguration";
  QTest::newRow("BUSYOut") << "BUSYOut" << "Hilfe Busy Ausgang";
  QTest::newRow("BUSYIn") << "BUSYIn" << "Busy Eingang";
  QTest::newRow("TX") << "TX" << "Hilfe TX Konfiguration";
  QTest::newRow("NF") << "NF" << "Hilfe NF-Eingangskonfiguration";
}

// Untouched, OK writes back what was read (every character here has a meaning or is kept)
// and still marks the image modified; Cancel after changing every control writes nothing,
// and neither does "Hilfe...".
void TestPagesLines::okAndCancel() {
  QFETCH(QString, pageName);
  QFETCH(QString, helpCaption);
  ScriptedDialogs dialogs;
  Register image;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg) image.SetText(reg, "1020321F");
  const QStringList before = image.AllTexts();
  {
    const std::unique_ptr<ConfigPage> page = MakePage(pageName, image);
    page->show();
    for (QRadioButton *radio : page->findChildren<QRadioButton *>())
      if (!radio->isChecked()) radio->click();
    for (QComboBox *combo : page->findChildren<QComboBox *>())
      combo->setCurrentIndex(combo->currentIndex() == 0 ? 1 : 0);
    for (QCheckBox *box : page->findChildren<QCheckBox *>()) box->toggle();
    Child<QPushButton>(page.get(), "hilfeButton")->click();
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.Last().caption, helpCaption);
    QCOMPARE(dialogs.Last().icon, QMessageBox::Information);
    QVERIFY(page->isVisible());
    Child<QPushButton>(page.get(), "abbrechenButton")->click();
    QCOMPARE(page->result(), int(QDialog::Rejected));
  }
  QCOMPARE(image.AllTexts(), before);
  QVERIFY(!image.IsModified());

  const std::unique_ptr<ConfigPage> page = MakePage(pageName, image);
  page->show();
  Ok(page.get());
  QCOMPARE(page->result(), int(QDialog::Accepted));
  QCOMPARE(image.AllTexts(), before);
  QVERIFY(image.IsModified());
}

void TestPagesLines::openedFromTree() {
  ScriptedDialogs dialogs;
  CQuorexDlg window;
  window.show();
  auto *tree = Child<QTreeWidget>(&window, "configTree");
  StartFrom(window, QStringLiteral("01011"));
  const QList<QPair<QString, QString>> entries = {
      {"Squelchkonfiguration", "Squelchkonfiguration"},
      {"Duplexkonfiguration (->TETRA)", "Duplex-Konfiguration"},
      {"BUSY Ausgang Konfiguration", "BUSY Ausgang Konfiguration"},
      {"BUSY Eingang Konfiguration", "BUSY Eingang Konfiguration"},
      {"TX Konfiguration", "TX Eingang Konfiguration"},
      {"NF-Eingangskonfiguration", "NF-Eingangskonfiguration"}};
  for (const auto &[entry, title] : entries) {
    const QList<QTreeWidgetItem *> items =
        tree->findItems(entry, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(items.size(), 1);
    QString opened;
    const auto done = OnNextModal([&opened](QDialog *page) {
      opened = page->windowTitle();
      page->reject();
    });
    items.first()->setSelected(true);
    QTRY_VERIFY(*done);
    QCOMPARE(opened, title);
  }
}

QTEST_MAIN(TestPagesLines)
#include "tst_pages_lines.moc"
