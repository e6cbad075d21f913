// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "ConfigTree.h"
#include "HeadsetKonfig.h"
#include "HoererLSKonfig.h"
#include "ModalHelper.h"
#include "Register.h"
#include "ScriptedDialogs.h"
#include "WindowBench.h"
#include "WidgetDriver.h"
#include "Sendezeitbegrenzung.h"
#include "TonbandrelaisKonfig.h"
#include "Tonrufauswertung.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using PageMaker = std::function<std::unique_ptr<ConfigPage>(Register &)>;

template <class Page>
PageMaker Maker() {
  return [](Register &image) { return std::make_unique<Page>(image); };
}


}  // namespace

Q_DECLARE_METATYPE(PageMaker)

class TestPagesMisc : public QObject {
  Q_OBJECT

 private slots:
  void tonrufShown_data();
  void tonrufShown();
  void tonrufChanges_data();
  void tonrufChanges();
  void tonrufLists();

  void senderFields_data();
  void senderFields();
  void senderDigitsOnly();

  void headset_data();
  void headset();

  void hoererLs_data();
  void hoererLs();

  void radioCheckedWithoutClickCounts_data();
  void radioCheckedWithoutClickCounts();

  void tonbandrelaisAccepted_data();
  void tonbandrelaisAccepted();
  void tonbandrelaisRefused_data();
  void tonbandrelaisRefused();
  void tonbandrelaisStoredTooLargeMustBeCorrected();

  void okSetsModifiedCancelWritesNothing_data();
  void okSetsModifiedCancelWritesNothing();
  void help_data();
  void help();
  void openedFromTree_data();
  void openedFromTree();
  void destroyedWithFocusInField_data();
  void destroyedWithFocusInField();
};

void TestPagesMisc::tonrufShown_data() {
  QTest::addColumn<QString>("digits");
  QTest::addColumn<QString>("tonruf");
  QTest::addColumn<QString>("aktivierung");
  QTest::addColumn<bool>("zusaetzlich");

  QTest::newRow("37") << "37" << "1 und 2" << "Immer" << true;
  QTest::newRow("25") << "25" << "2" << "Nur wenn kein TX und HA aufliegt" << true;
  QTest::newRow("12") << "12" << "1" << "Nur wenn kein TX" << false;
  QTest::newRow("00") << "00" << "Keiner" << "Keine Aktivierung" << false;
  QTest::newRow("unlisted tone call") << "44" << "" << "Keine Aktivierung" << true;
  QTest::newRow("unlisted activation 9") << "09" << "Keiner" << "" << true;
  QTest::newRow("unlisted activation F") << "AF" << "" << "" << true;
}

// Shown per circuit, and OK without touching anything writes the same two digits back.
void TestPagesMisc::tonrufShown() {
  QFETCH(QString, digits);
  QFETCH(QString, tonruf);
  QFETCH(QString, aktivierung);
  QFETCH(bool, zusaetzlich);

  for (int k = 1; k <= 4; ++k) {
    Register image;
    QVERIFY(image.SetText(40 + k, digits + QStringLiteral("ABCDEF")));
    Tonrufauswertung page(image);
    page.show();
    const QString n = QString::number(k);
    QCOMPARE(Shown(Child<QComboBox>(&page, "tonruf" + n + "ComboBox")), tonruf);
    QCOMPARE(Shown(Child<QComboBox>(&page, "aktivierung" + n + "ComboBox")), aktivierung);
    QCOMPARE(Child<QRadioButton>(&page, "zusaetzlich" + n + "RadioButton")->isChecked(),
             zusaetzlich);
    QCOMPARE(Child<QRadioButton>(&page, "nurNeuerKreis" + n + "RadioButton")->isChecked(),
             !zusaetzlich);
    Ok(&page);
    QCOMPARE(page.result(), int(QDialog::Accepted));
    QCOMPARE(image.Text(40 + k), digits + QStringLiteral("ABCDEF"));
    for (int other = 41; other <= 44; ++other)
      if (other != 40 + k) QCOMPARE(image.Text(other), QStringLiteral("00000000"));
    QVERIFY(image.IsModified());
  }
}

void TestPagesMisc::tonrufChanges_data() {
  QTest::addColumn<int>("kreis");
  QTest::addColumn<QString>("digits");
  // "nur", "zus", "ton:<item>", "akt:<item>", in order.
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QString>("written");

  QTest::newRow("25, only the new circuit") << 2 << "25" << QStringList{"nur"} << "21";
  QTest::newRow("none, in addition") << 1 << "00" << QStringList{"zus", "akt:Keine Aktivierung"}
                                     << "04";
  QTest::newRow("in addition, then none")
      << 3 << "01" << QStringList{"akt:Keine Aktivierung", "zus"} << "04";
  QTest::newRow("condition keeps the mode") << 4 << "37" << QStringList{"akt:Nur wenn kein TX"}
                                            << "36";
  QTest::newRow("last of two choices counts")
      << 1 << "37" << QStringList{"akt:Keine Aktivierung", "akt:Nur wenn kein TX und HA aufliegt"}
      << "35";
  QTest::newRow("mode there and back") << 2 << "25" << QStringList{"nur", "zus"} << "25";
  QTest::newRow("tone call only") << 3 << "37" << QStringList{"ton:Keiner"} << "07";
  QTest::newRow("unlisted 9, only the new circuit") << 1 << "09" << QStringList{"nur"} << "09";
  QTest::newRow("unlisted C, condition chosen") << 2 << "0C" << QStringList{"akt:Immer"} << "07";
  QTest::newRow("unlisted C, both changed") << 2 << "0C" << QStringList{"nur", "akt:Immer"} << "03";
}

void TestPagesMisc::tonrufChanges() {
  QFETCH(int, kreis);
  QFETCH(QString, digits);
  QFETCH(QStringList, steps);
  QFETCH(QString, written);

  Register image;
  QVERIFY(image.SetText(40 + kreis, digits + QStringLiteral("123456")));
  Tonrufauswertung page(image);
  page.show();
  const QString n = QString::number(kreis);
  for (const QString &step : steps) {
    if (step == QLatin1String("nur"))
      Child<QRadioButton>(&page, "nurNeuerKreis" + n + "RadioButton")->click();
    else if (step == QLatin1String("zus"))
      Child<QRadioButton>(&page, "zusaetzlich" + n + "RadioButton")->click();
    else if (step.startsWith(QLatin1String("ton:")))
      Choose(Child<QComboBox>(&page, "tonruf" + n + "ComboBox"), step.mid(4));
    else
      Choose(Child<QComboBox>(&page, "aktivierung" + n + "ComboBox"), step.mid(4));
  }
  Ok(&page);
  QCOMPARE(image.Text(40 + kreis), written + QStringLiteral("123456"));
}

void TestPagesMisc::tonrufLists() {
  Register image;
  Tonrufauswertung page(image);
  page.show();
  for (int k = 1; k <= 4; ++k) {
    const QString n = QString::number(k);
    QCOMPARE(Items(Child<QComboBox>(&page, "tonruf" + n + "ComboBox")),
             (QStringList{"Keiner", "1", "2", "1 und 2"}));
    QCOMPARE(Items(Child<QComboBox>(&page, "aktivierung" + n + "ComboBox")),
             (QStringList{"Immer", "Keine Aktivierung", "Nur wenn kein TX",
                          "Nur wenn kein TX und HA aufliegt"}));
  }
  QVERIFY(!Child<QComboBox>(&page, "tonruf1ComboBox")->isEditable());
  QVERIFY(!Child<QComboBox>(&page, "aktivierung1ComboBox")->isEditable());
  // "Kreis 3" sits beside "Kreis 1", "Kreis 2" below it.
  const auto *kreis1 = Child<QWidget>(&page, "kreis1GroupBox");
  const auto *kreis2 = Child<QWidget>(&page, "kreis2GroupBox");
  const auto *kreis3 = Child<QWidget>(&page, "kreis3GroupBox");
  const auto *kreis4 = Child<QWidget>(&page, "kreis4GroupBox");
  QVERIFY(kreis3->x() > kreis1->x() && kreis3->y() == kreis1->y());
  QVERIFY(kreis2->y() > kreis1->y() && kreis2->x() == kreis1->x());
  QVERIFY(kreis4->x() == kreis3->x() && kreis4->y() == kreis2->y());
}

void TestPagesMisc::senderFields_data() {
  QTest::addColumn<QString>("reg51");
  QTest::addColumn<QString>("reg55");
  QTest::addColumn<QString>("shownSendezeit");
  QTest::addColumn<QString>("shownVorlauf");
  // Null: left as shown.
  QTest::addColumn<QString>("typeSendezeit");
  QTest::addColumn<QString>("typeVorlauf");
  // Whether the focus leaves the pre-key field before OK, and what it then shows.
  QTest::addColumn<bool>("leave");
  QTest::addColumn<QString>("afterLeaving");
  QTest::addColumn<bool>("byEnter");
  QTest::addColumn<QString>("written51");
  QTest::addColumn<QString>("written55");

  QTest::newRow("shown as stored")
      << "12012345" << "25ABCDEF" << "120" << "250"
      << QString() << QString() << false << QString() << false
      << "12012345" << "25ABCDEF";
  QTest::newRow("time limit 7")
      << "12012345" << "25ABCDEF" << "120" << "250"
      << "7" << QString() << false << QString() << false
      << "00712345" << "25ABCDEF";
  QTest::newRow("time limit empty")
      << "99912345" << "25ABCDEF" << "999" << "250"
      << "" << QString() << false << QString() << false
      << "00012345" << "25ABCDEF";
  QTest::newRow("pre-key 3, left")
      << "00000000" << "00000000" << "000" << "000"
      << QString() << "3" << true << "300" << false
      << "00000000" << "30000000";
  QTest::newRow("pre-key 999, left")
      << "00000000" << "00000000" << "000" << "000"
      << QString() << "999" << true << "990" << false
      << "00000000" << "99000000";
  QTest::newRow("pre-key 12, left")
      << "00000000" << "00000000" << "000" << "000"
      << QString() << "12" << true << "120" << false
      << "00000000" << "12000000";
  QTest::newRow("pre-key empty, left")
      << "00000000" << "55000000" << "000" << "550"
      << QString() << "" << true << "000" << false
      << "00000000" << "00000000";
  QTest::newRow("pre-key 7, OK without leaving")
      << "00000000" << "55000000" << "000" << "550"
      << QString() << "7" << false << QString() << false
      << "00000000" << "70000000";
  QTest::newRow("pre-key 5, OK by Enter")
      << "00000000" << "99000000" << "000" << "990"
      << QString() << "5" << false << QString() << true
      << "00000000" << "50000000";
}

void TestPagesMisc::senderFields() {
  QFETCH(QString, reg51);
  QFETCH(QString, reg55);
  QFETCH(QString, shownSendezeit);
  QFETCH(QString, shownVorlauf);
  QFETCH(QString, typeSendezeit);
  QFETCH(QString, typeVorlauf);
  QFETCH(bool, leave);
  QFETCH(QString, afterLeaving);
  QFETCH(bool, byEnter);
  QFETCH(QString, written51);
  QFETCH(QString, written55);

  Register image;
  QVERIFY(image.SetText(51, reg51));
  QVERIFY(image.SetText(55, reg55));
  Sendezeitbegrenzung page(image);
  ShowActive(&page);
  auto *sendezeit = Child<QLineEdit>(&page, QStringLiteral("sendezeitLineEdit"));
  auto *vorlauf = Child<QLineEdit>(&page, QStringLiteral("vorlaufzeitLineEdit"));
  QCOMPARE(sendezeit->text(), shownSendezeit);
  QCOMPARE(vorlauf->text(), shownVorlauf);

  if (!typeSendezeit.isNull()) Type(sendezeit, typeSendezeit);
  if (!typeVorlauf.isNull()) Type(vorlauf, typeVorlauf);
  if (leave) {
    vorlauf->setFocus();
    sendezeit->setFocus();
    QCOMPARE(vorlauf->text(), afterLeaving);
    QCOMPARE(image.Text(55), reg55);  // leaving the field writes nothing yet
  }
  // Without leaving the field first, OK has to complete the pre-key time itself.
  if (byEnter)
    QTest::keyClick(vorlauf, Qt::Key_Return);
  else
    Ok(&page);
  QCOMPARE(page.result(), int(QDialog::Accepted));
  QCOMPARE(image.Text(51), written51);
  QCOMPARE(image.Text(55), written55);
  QVERIFY(image.IsModified());
}

void TestPagesMisc::senderDigitsOnly() {
  Register image;
  Sendezeitbegrenzung page(image);
  ShowActive(&page);
  for (const char *name : {"sendezeitLineEdit", "vorlaufzeitLineEdit"}) {
    auto *field = Child<QLineEdit>(&page, QLatin1String(name));
    Type(field, QStringLiteral("1-a 2+b34"));
    QCOMPARE(field->text(), QStringLiteral("123"));
  }
}

void TestPagesMisc::headset_data() {
  QTest::addColumn<QString>("reg14");
  QTest::addColumn<QString>("reg15");
  QTest::addColumn<QString>("shownPtt");
  QTest::addColumn<QString>("shownFuss");
  QTest::addColumn<QString>("shownSchwelle");
  QTest::addColumn<QString>("choosePtt");  // empty: untouched
  QTest::addColumn<QString>("typeSchwelle");  // null: untouched
  QTest::addColumn<QString>("written14");
  QTest::addColumn<QString>("written15");

  QTest::newRow("20 / 150")
      << "20ABCDEF" << "15012345"
      << "SH/HS Mikro*" << "SH-Mikro" << "150"
      << "" << QString() << "20ABCDEF" << "15012345";
  QTest::newRow("threshold 9")
      << "01000000" << "15012345"
      << "SH-Mikro" << "HS-Mikro" << "150"
      << "" << "9" << "01000000" << "00912345";
  QTest::newRow("threshold empty")
      << "01000000" << "15012345"
      << "SH-Mikro" << "HS-Mikro" << "150"
      << "" << "" << "01000000" << "00012345";
  QTest::newRow("threshold 45")
      << "01000000" << "15012345"
      << "SH-Mikro" << "HS-Mikro" << "150"
      << "" << "45" << "01000000" << "04512345";
  QTest::newRow("microphone 3 kept")
      << "32000000" << "00000000"
      << "" << "SH/HS Mikro*" << "000"
      << "" << QString() << "32000000" << "00000000";
  QTest::newRow("microphone 3 replaced")
      << "32000000" << "00000000"
      << "" << "SH/HS Mikro*" << "000"
      << "HS-Mikro" << QString() << "12000000" << "00000000";
}

void TestPagesMisc::headset() {
  QFETCH(QString, reg14);
  QFETCH(QString, reg15);
  QFETCH(QString, shownPtt);
  QFETCH(QString, shownFuss);
  QFETCH(QString, shownSchwelle);
  QFETCH(QString, choosePtt);
  QFETCH(QString, typeSchwelle);
  QFETCH(QString, written14);
  QFETCH(QString, written15);

  Register image;
  QVERIFY(image.SetText(14, reg14));
  QVERIFY(image.SetText(15, reg15));
  HeadsetKonfig page(image);
  ShowActive(&page);
  auto *ptt = Child<QComboBox>(&page, QStringLiteral("mikroSHTasteComboBox"));
  auto *fuss = Child<QComboBox>(&page, QStringLiteral("mikroHSTasteComboBox"));
  auto *schwelle = Child<QLineEdit>(&page, QStringLiteral("schwellwertLineEdit"));
  QCOMPARE(Items(ptt), (QStringList{"SH-Mikro", "HS-Mikro", "SH/HS Mikro*"}));
  QCOMPARE(Items(fuss), Items(ptt));
  QCOMPARE(Shown(ptt), shownPtt);
  QCOMPARE(Shown(fuss), shownFuss);
  QCOMPARE(schwelle->text(), shownSchwelle);
  QCOMPARE(schwelle->maxLength(), 3);

  if (!choosePtt.isEmpty()) Choose(ptt, choosePtt);
  if (!typeSchwelle.isNull()) Type(schwelle, typeSchwelle);
  Ok(&page);
  QCOMPARE(image.Text(14), written14);
  QCOMPARE(image.Text(15), written15);
}

void TestPagesMisc::hoererLs_data() {
  QTest::addColumn<QString>("reg16");
  QTest::addColumn<bool>("hoererAus");
  QTest::addColumn<bool>("lautsprecherAus");
  QTest::addColumn<QString>("click");  // object name of a radio button, or empty
  QTest::addColumn<QString>("written");

  QTest::newRow("01") << "01ABCDEF" << true << false << "" << "01ABCDEF";
  QTest::newRow("A0 normalised") << "A0ABCDEF" << false << true << "" << "10ABCDEF";
  QTest::newRow("F7 normalised") << "F7000000" << false << false << "" << "11000000";
  QTest::newRow("earpiece on") << "00000000" << true << true << "hoererAnRadioButton"
                               << "10000000";
  QTest::newRow("loudspeaker off") << "11000000" << false << false << "lautsprecherAusRadioButton"
                                   << "10000000";
}

void TestPagesMisc::hoererLs() {
  QFETCH(QString, reg16);
  QFETCH(bool, hoererAus);
  QFETCH(bool, lautsprecherAus);
  QFETCH(QString, click);
  QFETCH(QString, written);

  Register image;
  QVERIFY(image.SetText(16, reg16));
  HoererLSKonfig page(image);
  page.show();
  QCOMPARE(Child<QRadioButton>(&page, QStringLiteral("hoererAusRadioButton"))->isChecked(),
           hoererAus);
  QCOMPARE(Child<QRadioButton>(&page, QStringLiteral("hoererAnRadioButton"))->isChecked(),
           !hoererAus);
  QCOMPARE(Child<QRadioButton>(&page, QStringLiteral("lautsprecherAusRadioButton"))->isChecked(),
           lautsprecherAus);
  QCOMPARE(Child<QRadioButton>(&page, QStringLiteral("lautsprecherAnRadioButton"))->isChecked(),
           !lautsprecherAus);
  if (!click.isEmpty()) Child<QRadioButton>(&page, click)->click();
  Ok(&page);
  QCOMPARE(image.Text(16), written);
  QVERIFY(image.IsModified());
}

void TestPagesMisc::radioCheckedWithoutClickCounts_data() {
  QTest::addColumn<QString>("how");
  for (const char *how : {"setChecked", "accessible toggle"})
    QTest::newRow(how) << QString::fromLatin1(how);
}

// Keys and screen readers check a radio button without a click; that is a choice all the same.
void TestPagesMisc::radioCheckedWithoutClickCounts() {
  QFETCH(QString, how);
  Register image;
  HoererLSKonfig page(image);
  page.show();
  auto *an = Child<QRadioButton>(&page, QStringLiteral("hoererAnRadioButton"));
  QVERIFY(!an->isChecked());
  if (how == "setChecked") {
    an->setChecked(true);
  } else {
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(an);
    QVERIFY(access && access->actionInterface());
    access->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  }
  QVERIFY(an->isChecked());
  Ok(&page);
  QCOMPARE(image.Text(16), QStringLiteral("10000000"));
}

void TestPagesMisc::tonbandrelaisAccepted_data() {
  QTest::addColumn<QString>("reg12");
  QTest::addColumn<QString>("reg13");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("type");  // null: untouched
  QTest::addColumn<QString>("written12");
  QTest::addColumn<QString>("written13");

  QTest::newRow("101 / 120") << "101ABCDE" << "12034567" << "120" << QString() << "101ABCDE"
                             << "12034567";
  QTest::newRow("5") << "00000000" << "12034567" << "120" << "5" << "00000000" << "00534567";
  QTest::newRow("42") << "00000000" << "12034567" << "120" << "42" << "00000000" << "04234567";
  QTest::newRow("655") << "00000000" << "12034567" << "120" << "655" << "00000000" << "65534567";
  QTest::newRow("0") << "00000000" << "12034567" << "120" << "0" << "00000000" << "00034567";
  QTest::newRow("leading zeros typed") << "00000000" << "12034567" << "120" << "0042" << "00000000"
                                       << "04234567";
  QTest::newRow("045 shown plain") << "00000000" << "04500000" << "45" << QString() << "00000000"
                                   << "04500000";
  QTest::newRow("1A5 reads 1") << "00000000" << "1A500000" << "1" << QString() << "00000000"
                               << "00100000";
  QTest::newRow("A12 reads 0") << "00000000" << "A1200000" << "0" << QString() << "00000000"
                               << "00000000";
  QTest::newRow("relay 2 becomes 0") << "2120000F" << "00000000" << "0" << QString()
                                     << "0100000F" << "00000000";
}

void TestPagesMisc::tonbandrelaisAccepted() {
  QFETCH(QString, reg12);
  QFETCH(QString, reg13);
  QFETCH(QString, shown);
  QFETCH(QString, type);
  QFETCH(QString, written12);
  QFETCH(QString, written13);

  ScriptedDialogs dialogs;
  Register image;
  QVERIFY(image.SetText(12, reg12));
  QVERIFY(image.SetText(13, reg13));
  TonbandrelaisKonfig page(image);
  ShowActive(&page);
  auto *field = Child<QLineEdit>(&page, QStringLiteral("nachlaufzeitLineEdit"));
  QCOMPARE(Child<QCheckBox>(&page, QStringLiteral("relMitTXCheckBox"))->isChecked(),
           reg12.at(0) == QLatin1Char('1'));
  QCOMPARE(Child<QCheckBox>(&page, QStringLiteral("relMitJedemSQLCheckBox"))->isChecked(),
           reg12.at(1) == QLatin1Char('1'));
  QCOMPARE(
      Child<QCheckBox>(&page, QStringLiteral("relMitSQLAufAktiviertemKreisCheckBox"))->isChecked(),
      reg12.at(2) == QLatin1Char('1'));
  QCOMPARE(field->text(), shown);
  if (!type.isNull()) Type(field, type);
  Ok(&page);
  QCOMPARE(dialogs.shown.size(), 0);
  QCOMPARE(page.result(), int(QDialog::Accepted));
  QCOMPARE(image.Text(12), written12);
  QCOMPARE(image.Text(13), written13);
  QVERIFY(image.IsModified());
}

void TestPagesMisc::tonbandrelaisRefused_data() {
  QTest::addColumn<QString>("type");
  QTest::addColumn<QString>("message");

  const QString range = QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 655 ein.");
  QTest::newRow("656") << "656" << range;
  QTest::newRow("1000") << "1000" << range;
  QTest::newRow("too long for any integer") << "99999999999999999999999" << range;
  QTest::newRow("empty") << "" << QStringLiteral("Geben Sie eine ganze Zahl ein.");
}

void TestPagesMisc::tonbandrelaisRefused() {
  QFETCH(QString, type);
  QFETCH(QString, message);

  ScriptedDialogs dialogs;
  Register image;
  QVERIFY(image.SetText(12, QStringLiteral("00000000")));
  QVERIFY(image.SetText(13, QStringLiteral("12000000")));
  TonbandrelaisKonfig page(image);
  ShowActive(&page);
  auto *field = Child<QLineEdit>(&page, QStringLiteral("nachlaufzeitLineEdit"));
  Child<QCheckBox>(&page, QStringLiteral("relMitTXCheckBox"))->click();
  Type(field, type);
  Child<QPushButton>(&page, QStringLiteral("okButton"))->setFocus();
  Ok(&page);

  QCOMPARE(dialogs.shown.size(), 1);
  QCOMPARE(dialogs.Last().text, message);
  QCOMPARE(dialogs.Last().caption, QString());
  QCOMPARE(dialogs.Last().icon, QMessageBox::Warning);
  QCOMPARE(dialogs.Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY(page.isVisible());
  QVERIFY(field->hasFocus());
  QCOMPARE(image.Text(12), QStringLiteral("00000000"));
  QCOMPARE(image.Text(13), QStringLiteral("12000000"));
  QVERIFY(!image.IsModified());
}

void TestPagesMisc::tonbandrelaisStoredTooLargeMustBeCorrected() {
  ScriptedDialogs dialogs;
  Register image;
  QVERIFY(image.SetText(13, QStringLiteral("99900000")));
  TonbandrelaisKonfig page(image);
  ShowActive(&page);
  auto *field = Child<QLineEdit>(&page, QStringLiteral("nachlaufzeitLineEdit"));
  QCOMPARE(field->text(), QStringLiteral("999"));
  Ok(&page);
  Ok(&page);
  QCOMPARE(dialogs.shown.size(), 2);
  QVERIFY(page.isVisible());
  QCOMPARE(image.Text(13), QStringLiteral("99900000"));

  Type(field, QStringLiteral("300"));
  Ok(&page);
  QCOMPARE(dialogs.shown.size(), 2);
  QCOMPARE(page.result(), int(QDialog::Accepted));
  QCOMPARE(image.Text(13), QStringLiteral("30000000"));
}

void TestPagesMisc::okSetsModifiedCancelWritesNothing_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::newRow("Tonrufauswertung") << Maker<Tonrufauswertung>();
  QTest::newRow("Sendezeitbegrenzung") << Maker<Sendezeitbegrenzung>();
  QTest::newRow("HeadsetKonfig") << Maker<HeadsetKonfig>();
  QTest::newRow("HoererLSKonfig") << Maker<HoererLSKonfig>();
  QTest::newRow("TonbandrelaisKonfig") << Maker<TonbandrelaisKonfig>();
}

// Cancel after changing every control leaves the image as it was; OK on an untouched page
// still counts as a change.
void TestPagesMisc::okSetsModifiedCancelWritesNothing() {
  QFETCH(PageMaker, make);

  Register image;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg)
    QVERIFY(image.SetText(reg, QStringLiteral("01234567")));
  const QStringList before = image.AllTexts();
  {
    auto page = make(image);
    ShowActive(page.get());
    for (QComboBox *combo : page->findChildren<QComboBox *>())
      combo->setCurrentIndex(combo->count() - 1);
    for (QCheckBox *box : page->findChildren<QCheckBox *>()) box->click();
    for (QRadioButton *radio : page->findChildren<QRadioButton *>())
      if (!radio->isChecked()) radio->click();
    for (QLineEdit *field : page->findChildren<QLineEdit *>()) Type(field, QStringLiteral("7"));
    page->reject();
  }
  QCOMPARE(image.AllTexts(), before);
  QVERIFY(!image.IsModified());

  {
    auto page = make(image);
    page->show();
    Ok(page.get());
    QCOMPARE(page->result(), int(QDialog::Accepted));
  }
  QVERIFY(image.IsModified());
}

void TestPagesMisc::help_data() {
  QTest::addColumn<PageMaker>("make");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QMessageBox::Icon>("icon");
  QTest::addColumn<QString>("begins");
  QTest::addColumn<QString>("ends");

  QTest::newRow("Tonrufauswertung")
      << Maker<Tonrufauswertung>() << QString() << QMessageBox::NoIcon
      << "Allgemein:\nFür die Tonrufauswertung wird ein Omrel-Modul pro Funkkreis benötigt.\n"
      << "ob nur der neue Funkkreis aktiviert wird.\n\n";
  QTest::newRow("Sendezeitbegrenzung")
      << Maker<Sendezeitbegrenzung>() << "Hilfe Sendezeitbegrenzung" << QMessageBox::Information
      << "Sendezeitbegrenzung:\n\n"
      << "Sender automatisch ausgeschaltet.\n\n\nSendervorlaufzeit: Hier kann die "
         "Sendervorlaufzeit eingestellt werden. Sie beginnt mit der \nSendertastung. Während der "
         "eingestellten Vorlaufzeit (000-990 ms) wird keine NF (mit Aus- \nnahme der NF vom "
         "Omrel-Modul) zum NF-Ausgang geschaltet.";
  QTest::newRow("HeadsetKonfig")
      << Maker<HeadsetKonfig>() << "Hilfe Headsetkonfiguration" << QMessageBox::Information
      << "Headset Konfiguration:\n\nDer Quorex hat"
      << "SH-Mikro:    Schwanenhalsmikrofon\n\nHS-Mikro:    Headsetmikrofon\n\nSH/HS Mikro: "
         "Schwanenhalsmikrofon wenn kein Headset erkannt wurde, sonst Headsetmikrofon\n\n"
         "Schwellwertspannung: 000 - 999 (0-4,995 V)\n";
  QTest::newRow("HoererLSKonfig")
      << Maker<HoererLSKonfig>() << QString() << QMessageBox::NoIcon
      << "Hörerkonfiguration: \nHier kann"
      << "Beim Anschluß einer Varnis-Baugruppe wird jedoch der Hörerausgang auch \nfür den "
         "Anschluß eines Headsets verwendet und das Headset muß auch bei \naufgelegtem "
         "Handapparat funktionieren.\n\nLautsprecherkonfiguration:\nHier kann eingestellt "
         "werden, ob der Lautsprecher bei abgehobenem Handhörer\nausgeschaltet wird oder "
         "nicht.\nNormalerweise wird der Lautsprecher beim Abheben des Handapparates "
         "ausgeschaltet.\n";
  QTest::newRow("TonbandrelaisKonfig")
      << Maker<TonbandrelaisKonfig>() << "Hilfe Tonbandrelais Konfiguration"
      << QMessageBox::Information << "Tonbandrelais Konfiguration:\n\nHier kann"
      << "Nachlaufzeit in s: Das Relais bleibt nach Wegfall des Einschaltkriteriums\n(TX oder "
         "SQL) noch für die eingestellte Zeit aktiv.\n";
}

// Caption, icon and the edges of each text where blanks and blank lines are easily lost;
// pressing it twice changes nothing.
void TestPagesMisc::help() {
  QFETCH(PageMaker, make);
  QFETCH(QString, caption);
  QFETCH(QMessageBox::Icon, icon);
  QFETCH(QString, begins);
  QFETCH(QString, ends);

  ScriptedDialogs dialogs;
  Register image;
  auto page = make(image);
  page->show();
  auto *hilfe = Child<QPushButton>(page.get(), QStringLiteral("hilfeButton"));
  QCOMPARE(hilfe->text(), QStringLiteral("Hilfe..."));
  hilfe->click();
  hilfe->click();
  QCOMPARE(dialogs.shown.size(), 2);
  const ScriptedDialogs::Shown &shown = dialogs.Last();
  QCOMPARE(shown.caption, caption);
  QCOMPARE(shown.icon, icon);
  QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  QVERIFY2(shown.text.startsWith(begins), qPrintable(shown.text));
  QVERIFY2(shown.text.endsWith(ends), qPrintable(shown.text));
  QVERIFY(page->isVisible());
  QVERIFY(!image.IsModified());
}

void TestPagesMisc::openedFromTree_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("title");
  QTest::newRow("Tonrufauswertung") << "Tonrufauswertung" << "Tonrufauswertung";
  QTest::newRow("Sendereinstellungen") << "Sendereinstellungen" << "Sendereinstellungen";
  QTest::newRow("Headset Konfiguration") << "Headset Konfiguration" << "Headset Konfiguration";
  QTest::newRow("Hörer-/LS-Konfiguration") << "Hörer-/LS-Konfiguration"
                                           << "Hörer- und Lautsprecherkonfiguration";
  QTest::newRow("Tonbandrelais Konfiguration") << "Tonbandrelais Konfiguration"
                                               << "Tonbandrelais Konfiguration";
}

void TestPagesMisc::openedFromTree() {
  QFETCH(QString, entry);
  QFETCH(QString, title);

  ScriptedDialogs dialogs;
  CQuorexDlg window;
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto *tree = Child<QTreeWidget>(&window, QStringLiteral("configTree"));
  StartFrom(window, QStringLiteral("01011"));
  const QList<QTreeWidgetItem *> found =
      tree->findItems(entry, Qt::MatchExactly | Qt::MatchRecursive);
  QCOMPARE(found.size(), 1);

  QString seenTitle;
  const auto done = OnNextModal([&seenTitle](QDialog *page) {
    seenTitle = page->windowTitle();
    page->reject();
  });
  found.constFirst()->setSelected(true);
  QTRY_VERIFY(*done);
  QCOMPARE(seenTitle, title);
  QVERIFY(!window.Image().IsModified());
}

void TestPagesMisc::destroyedWithFocusInField_data() {
  QTest::addColumn<QString>("entry");
  // Every page with a field to type into; the others have only lists and boxes.
  for (const char *entry : {"Tonbandrelais Konfiguration", "Headset Konfiguration",
                            "Sendereinstellungen", "Einzelnes Register lesen/schreiben",
                            "Tastenfunktionen"})
    QTest::newRow(entry) << QString::fromUtf8(entry);
}

// Closing a page (the window's close box, the program ending) takes the focus from the field
// being typed into while the page is already half destroyed; whatever the page does on focus
// loss must not run then. A fault here shows under the sanitizer pass as a use after free.
void TestPagesMisc::destroyedWithFocusInField() {
  QFETCH(QString, entry);
  ScriptedDialogs dialogs;
  Register image;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg)
    QVERIFY(image.SetText(reg, QStringLiteral("12345678")));
  const QStringList before = image.AllTexts();

  int fields = 0;
  for (int index = 0;; ++index) {
    QTreeWidget tree;
    ConfigTree::Fill(tree);
    const QList<QTreeWidgetItem *> found =
        tree.findItems(entry, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    std::unique_ptr<QDialog> page = ConfigTree::CreatePage(*found.constFirst(), image, nullptr);
    QVERIFY(page);
    ShowActive(page.get());
    QList<QLineEdit *> editable;
    for (QLineEdit *field : page->findChildren<QLineEdit *>())
      if (field->isVisible() && field->isEnabled() && !field->isReadOnly()) editable.append(field);
    if (index >= editable.size()) break;
    QLineEdit *field = editable.at(index);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), field);
    page.reset();
    ++fields;
  }
  QVERIFY(fields > 0);
  QCOMPARE(image.AllTexts(), before);
  QVERIFY(!image.IsModified());
  QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(TestPagesMisc)
#include "tst_pages_misc.moc"
