// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Register.h"
#include "RegisterEdit.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::vector<RegisterSpot>)

class TestRegister : public QObject {
  Q_OBJECT

 private slots:
  void newImage();
  void resetKeepsVersionFlag();
  void hexDigitToValue_data();
  void hexDigitToValue();
  void valueToHexDigit();
  void isHexText_data();
  void isHexText();
  void setCharReplacesOnlyThatPosition();
  void refusesBrokenTexts_data();
  void refusesBrokenTexts();
  void setAllTextsIsAllOrNothing();
  void writeIsAllOrNothing_data();
  void writeIsAllOrNothing();
  void editKeepsFirstBefore();
};

void TestRegister::newImage() {
  Register image;
  QCOMPARE(image.FilePath(), QString());
  QVERIFY(!image.IsModified());
  QVERIFY(image.IsVersion107());
  QCOMPARE(image.VersionText(), QStringLiteral("Für Version muss Gerät zunächst ausgelesen werden."));
  QCOMPARE(image.VersionText().size(), 50);
  for (int reg = 0; reg < Register::kRegisterCount; ++reg)
    QCOMPARE(image.Text(reg), QStringLiteral("00000000"));
  QCOMPARE(image.Text(200), QString());
  QCOMPARE(image.Text(-1), QString());
}

void TestRegister::resetKeepsVersionFlag() {
  Register image;
  QVERIFY(image.SetText(17, QStringLiteral("12345678")));
  image.SetVersionText(QStringLiteral("Quorex V 1.06"));
  image.SetVersion107(false);
  image.SetModified(true);
  image.SetFilePath(QStringLiteral("/tmp/x.rquorex"));
  image.Reset();
  QCOMPARE(image.Text(17), QStringLiteral("00000000"));
  QCOMPARE(image.VersionText(), Register::kVersionHint);
  QVERIFY(!image.IsModified());
  QVERIFY(image.FilePath().isEmpty());
  QVERIFY(!image.IsVersion107());
}

void TestRegister::hexDigitToValue_data() {
  QTest::addColumn<QChar>("digit");
  QTest::addColumn<int>("value");
  QTest::newRow("0") << QChar('0') << 0;
  QTest::newRow("9") << QChar('9') << 9;
  QTest::newRow("A") << QChar('A') << 10;
  QTest::newRow("F") << QChar('F') << 15;
  QTest::newRow("lower f") << QChar('f') << 0;
  QTest::newRow("G") << QChar('G') << 0;
  QTest::newRow("space") << QChar(' ') << 0;
}

void TestRegister::hexDigitToValue() {
  QFETCH(QChar, digit);
  QFETCH(int, value);
  QCOMPARE(Register::HexDigitToValue(digit), value);
}

void TestRegister::valueToHexDigit() {
  QString digits;
  for (int value = 0; value < 16; ++value) digits += Register::ValueToHexDigit(value);
  QCOMPARE(digits, QStringLiteral("0123456789ABCDEF"));
}

void TestRegister::isHexText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("hex");
  QTest::newRow("empty") << QString() << true;
  QTest::newRow("all sixteen") << QStringLiteral("0123456789ABCDEF") << true;
  QTest::newRow("lower a") << QStringLiteral("12a4") << false;
  QTest::newRow("space") << QStringLiteral("12 4") << false;
  QTest::newRow("G") << QStringLiteral("G") << false;
}

void TestRegister::isHexText() {
  QFETCH(QString, text);
  QFETCH(bool, hex);
  QCOMPARE(Register::IsHexText(text), hex);
}

void TestRegister::setCharReplacesOnlyThatPosition() {
  Register image;
  QVERIFY(image.SetText(3, QStringLiteral("12345678")));
  QVERIFY(image.SetChar(3, 3, QChar('b')));
  QCOMPARE(image.Text(3), QStringLiteral("123B5678"));
  QCOMPARE(image.Char(3, 3), QChar('B'));
  QVERIFY(!image.SetChar(3, 8, QChar('1')));
  QVERIFY(!image.SetChar(3, 0, QChar('X')));
  QVERIFY(!image.SetChar(200, 0, QChar('1')));
  QCOMPARE(image.Text(3), QStringLiteral("123B5678"));
}

void TestRegister::refusesBrokenTexts_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("short") << QStringLiteral("1234567");
  QTest::newRow("long") << QStringLiteral("123456789");
  QTest::newRow("non-hex") << QStringLiteral("1234567G");
  QTest::newRow("empty") << QString();
}

void TestRegister::refusesBrokenTexts() {
  QFETCH(QString, text);
  Register image;
  QVERIFY(!image.SetText(9, text));
  QCOMPARE(image.Text(9), QStringLiteral("00000000"));
}

void TestRegister::setAllTextsIsAllOrNothing() {
  Register image;
  QStringList texts;
  for (int i = 0; i < Register::kRegisterCount; ++i) texts.append(QStringLiteral("abcdef01"));
  texts[150] = QStringLiteral("ABCDEF0");
  QVERIFY(!image.SetAllTexts(texts));
  QCOMPARE(image.Text(0), QStringLiteral("00000000"));
  texts[150] = QStringLiteral("ABCDEF01");
  QVERIFY(image.SetAllTexts(texts));
  QCOMPARE(image.Text(0), QStringLiteral("ABCDEF01"));
}

void TestRegister::writeIsAllOrNothing_data() {
  QTest::addColumn<std::vector<RegisterSpot>>("spots");
  QTest::addColumn<QString>("chars");
  QTest::addColumn<QString>("text");  // register 5 afterwards, from "0123ABCD"
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  const std::vector<RegisterSpot> ends = {{5, 0}, {5, 7}};
  QTest::newRow("two ends") << ends << "9F" << "9123ABCF" << "0D" << "9F";
  QTest::newRow("lower case") << ends << "af" << "A123ABCF" << "0D" << "AF";
  QTest::newRow("a character as it stands is no change") << ends << "0E" << "0123ABCE" << "D"
                                                         << "E";
  QTest::newRow("no hex digit writes nothing") << ends << "1G" << "0123ABCD" << "" << "";
  QTest::newRow("past the end writes nothing")
      << std::vector<RegisterSpot>{{5, 0}, {5, 8}} << "11" << "0123ABCD" << "" << "";
  QTest::newRow("past register 199 writes nothing")
      << std::vector<RegisterSpot>{{5, 0}, {200, 0}} << "11" << "0123ABCD" << "" << "";
  QTest::newRow("one character short writes nothing") << ends << "1" << "0123ABCD" << "" << "";
}

// The one way setting characters get into an image: a refused write leaves every register as
// it was, and the edit names only what changed.
void TestRegister::writeIsAllOrNothing() {
  QFETCH(std::vector<RegisterSpot>, spots);
  QFETCH(QString, chars);
  QFETCH(QString, text);
  QFETCH(QString, before);
  QFETCH(QString, after);
  Register image;
  QVERIFY(image.SetText(5, QStringLiteral("0123ABCD")));
  RegisterEdit edit;
  QCOMPARE(image.Write(spots, chars, &edit), text != QStringLiteral("0123ABCD"));
  QCOMPARE(image.Text(5), text);
  QCOMPARE(edit.Before(), before);
  QCOMPARE(edit.After(), after);
}

// Two writes into one edit: a spot keeps its first character before; one written back to it
// is no change at all.
void TestRegister::editKeepsFirstBefore() {
  QStringList texts(Register::kRegisterCount, Register::kEmptyRegister);
  RegisterEdit edit;
  QVERIFY(RegisterEdit::Write(&texts, {{1, 1}, {1, 2}}, QStringLiteral("AB"), &edit));
  QVERIFY(RegisterEdit::Write(&texts, {{1, 1}, {1, 2}}, QStringLiteral("C0"), &edit));
  QCOMPARE(texts.at(1), QStringLiteral("0C000000"));
  QCOMPARE(edit.Spots().size(), std::size_t(1));
  QCOMPARE(edit.Before() + edit.After(), QStringLiteral("0C"));
}

QTEST_GUILESS_MAIN(TestRegister)
#include "tst_register.moc"
