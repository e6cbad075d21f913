// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Protocol.h"
#include "Register.h"

#include <QtTest>

namespace {

// A console answer as the bulk read sees it: greeting and identification line, one answer
// line per register (5 characters, the value, "\r\n"), end mark.
QByteArray Answer(const QByteArray &identification, const QList<QByteArray> &values,
                  const QByteArray &between = QByteArray()) {
  QByteArray text = "\n\n" + identification + "\r\n";
  for (const QByteArray &value : values) text += between + "$R00:" + value + "\r\n";
  return text + "ENDE\r\n";
}

QList<QByteArray> Values(int count = Register::kRegisterCount) {
  QList<QByteArray> values;
  for (int reg = 0; reg < count; ++reg)
    values.append("C0DE" + QByteArray::number(reg).rightJustified(4, '0'));
  return values;
}

}  // namespace

class TestProtocol : public QObject {
  Q_OBJECT

 private slots:
  void registerNumberText_data();
  void registerNumberText();
  void commandTexts();
  void greeting_data();
  void greeting();
  void endMark_data();
  void endMark();
  void versionText_data();
  void versionText();
  void wellFormedAnswer();
  void emptyLinesDoNotShiftRegisters();
  void lowerCaseStoredUpperCase();
  void unusableAnswers_data();
  void unusableAnswers();
};

void TestProtocol::registerNumberText_data() {
  QTest::addColumn<int>("reg");
  QTest::addColumn<QByteArray>("text");
  QTest::newRow("0") << 0 << QByteArray("000");
  QTest::newRow("9") << 9 << QByteArray("009");
  QTest::newRow("10") << 10 << QByteArray("010");
  QTest::newRow("99") << 99 << QByteArray("099");
  QTest::newRow("100") << 100 << QByteArray("100");
  QTest::newRow("199") << 199 << QByteArray("199");
}

void TestProtocol::registerNumberText() {
  QFETCH(int, reg);
  QFETCH(QByteArray, text);
  QCOMPARE(Protocol::RegisterNumberText(reg), text);
}

void TestProtocol::commandTexts() {
  QCOMPARE(Protocol::WriteCommand(12, QStringLiteral("0A1B2C3D")), QByteArray("$P0120A1B2C3D\r"));
  QCOMPARE(Protocol::WriteCommand(12, QStringLiteral("0A1B2C3D")).size(), 14);
  QCOMPARE(Protocol::ReadRequest(5), QByteArray("$R005\r"));
  QCOMPARE(Protocol::ProgStart(), QByteArray("$PROGSTART\r"));
  QCOMPARE(Protocol::ProgEnde(), QByteArray("$PROGENDE\r"));
  QCOMPARE(Protocol::ResetCommand(), QByteArray("$P99900000000\r"));
}

void TestProtocol::greeting_data() {
  QTest::addColumn<QByteArray>("received");
  QTest::addColumn<bool>("complete");
  QTest::addColumn<bool>("quorex");
  const QByteArray pad(40, '-');
  QTest::newRow("30 characters") << QByteArray("abQuorex").leftJustified(30, '-') << false
                                 << false;
  QTest::newRow("31 characters") << QByteArray("abQuorex").leftJustified(31, '-') << true
                                 << true;
  QTest::newRow("Quorex at 3") << ("abcQuorex" + pad) << true << true;
  QTest::newRow("Quorex at 0") << ("Quorex" + pad) << true << false;
  QTest::newRow("Quorex at 0 and again later") << ("Quorex--Quorex" + pad) << true << false;
  QTest::newRow("Quorex ends with the 31st") << (QByteArray(25, '-') + "Quorex" + pad) << true
                                             << true;
  QTest::newRow("Quorex complete only after the 31st")
      << (QByteArray(26, '-') + "Quorex" + pad) << true << false;
  QTest::newRow("another device") << ("Other device ready" + pad) << true << false;
  QTest::newRow("lower case") << ("--quorex" + pad) << true << false;
}

void TestProtocol::greeting() {
  QFETCH(QByteArray, received);
  QFETCH(bool, complete);
  QFETCH(bool, quorex);
  QCOMPARE(Protocol::IsGreetingComplete(received), complete);
  QCOMPARE(Protocol::IsQuorexGreeting(received), quorex);
}

void TestProtocol::endMark_data() {
  QTest::addColumn<QByteArray>("received");
  QTest::addColumn<bool>("found");
  QTest::newRow("after answers") << QByteArray("xx\r\nENDE\r\n") << true;
  QTest::newRow("at position 1") << QByteArray("\nENDE\r\n") << true;
  QTest::newRow("at position 0") << QByteArray("ENDE\r\n") << false;
  QTest::newRow("at 0, again later") << QByteArray("ENDE\r\nxxENDE\r\n") << false;
  QTest::newRow("without CR") << QByteArray("xxENDE\n") << false;
  QTest::newRow("incomplete") << QByteArray("xxENDE\r") << false;
}

void TestProtocol::endMark() {
  QFETCH(QByteArray, received);
  QFETCH(bool, found);
  QCOMPARE(Protocol::HasEndMark(received), found);
}

void TestProtocol::versionText_data() {
  QTest::addColumn<QByteArray>("identification");
  QTest::addColumn<QString>("version");
  QTest::addColumn<bool>("version107");
  QTest::newRow("1.07") << QByteArray("0123456789ABQuorex V 1.07") << QStringLiteral("Quorex V 1.07") << true;
  QTest::newRow("exactly 12 characters") << QByteArray("0123456789AB") << QString() << false;
  QTest::newRow("starts with V 1.07") << QByteArray("0123456789ABV 1.07") << QStringLiteral("V 1.07") << false;
  QTest::newRow("1.06") << QByteArray("0123456789ABQuorex V 1.06") << QStringLiteral("Quorex V 1.06") << false;
  QTest::newRow("V 1.07 at 0 and later") << QByteArray("0123456789ABV 1.07 V 1.07")
                                         << QStringLiteral("V 1.07 V 1.07") << false;
}

void TestProtocol::versionText() {
  QFETCH(QByteArray, identification);
  QFETCH(QString, version);
  QFETCH(bool, version107);
  const Protocol::Answer answer = Protocol::ParseAnswer(Answer(identification, Values()));
  QVERIFY2(answer.ok, qPrintable(answer.error));
  // The console's CR before its line end is no part of the version.
  QCOMPARE(answer.versionText, version);
  QCOMPARE(Protocol::IsVersion107(answer.versionText), version107);
}

void TestProtocol::wellFormedAnswer() {
  const QList<QByteArray> values = Values();
  const Protocol::Answer answer =
      Protocol::ParseAnswer(Answer("0123456789ABQuorex V 1.07", values));
  QVERIFY2(answer.ok, qPrintable(answer.error));
  QCOMPARE(answer.texts.size(), Register::kRegisterCount);
  for (int reg = 0; reg < Register::kRegisterCount; ++reg)
    QCOMPARE(answer.texts.at(reg), QString::fromLatin1(values.at(reg)));
  // Positions 0 to 4 and 13 on do not matter.
  QByteArray odd = Answer("0123456789ABQuorex V 1.07", values);
  odd.replace("$R00:", "?????");
  odd.replace("\r\n$R", "junk\r\n$R");
  const Protocol::Answer oddAnswer = Protocol::ParseAnswer(odd);
  QVERIFY2(oddAnswer.ok, qPrintable(oddAnswer.error));
  QCOMPARE(oddAnswer.texts, answer.texts);
}

void TestProtocol::emptyLinesDoNotShiftRegisters() {
  const QList<QByteArray> values = Values();
  for (const QByteArray &blank : {QByteArray("\n\n"), QByteArray("\r\n\r\n")}) {
    const Protocol::Answer answer = Protocol::ParseAnswer(
        blank + Answer("0123456789ABQuorex V 1.07", values, blank));
    QVERIFY2(answer.ok, qPrintable(answer.error));
    QCOMPARE(answer.versionText, QStringLiteral("Quorex V 1.07"));
    QCOMPARE(answer.texts.constFirst(), QString::fromLatin1(values.constFirst()));
    QCOMPARE(answer.texts.at(123), QString::fromLatin1(values.at(123)));
    QCOMPARE(answer.texts.constLast(), QString::fromLatin1(values.constLast()));
  }
}

void TestProtocol::lowerCaseStoredUpperCase() {
  QList<QByteArray> values = Values();
  values[42] = "00abcdef";
  const Protocol::Answer answer = Protocol::ParseAnswer(Answer("0123456789ABQuorex", values));
  QVERIFY2(answer.ok, qPrintable(answer.error));
  QCOMPARE(answer.texts.at(42), QStringLiteral("00ABCDEF"));
}

void TestProtocol::unusableAnswers_data() {
  QTest::addColumn<QByteArray>("received");
  const QByteArray id = "0123456789ABQuorex V 1.07";
  QList<QByteArray> values = Values();

  QTest::newRow("199 answer lines") << Answer(id, Values(199));
  QTest::newRow("identification only") << Answer(id, {});
  QTest::newRow("nothing") << QByteArray();

  QList<QByteArray> shortLine = values;
  shortLine[7] = "1234567";
  QTest::newRow("short line") << Answer(id, shortLine);

  QList<QByteArray> nonHex = values;
  nonHex[199] = "1234G678";
  QTest::newRow("non-hex character") << Answer(id, nonHex);

  QList<QByteArray> blank = values;
  blank[0] = "1234 678";
  QTest::newRow("blank inside value") << Answer(id, blank);

  QByteArray tooLong = Answer(id, values);
  tooLong.prepend(QByteArray(Protocol::kMaxAnswerLength + 1 - tooLong.size(), 'x'));
  QTest::newRow("5001 characters") << tooLong;
}

void TestProtocol::unusableAnswers() {
  QFETCH(QByteArray, received);
  const Protocol::Answer answer = Protocol::ParseAnswer(received);
  QVERIFY(!answer.ok);
  QVERIFY(!answer.error.isEmpty());
  QVERIFY(answer.texts.isEmpty());
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
