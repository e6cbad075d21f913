// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DetailFmsTable.h"
#include "PageTable.h"

#include <QtTest>

// The pure helpers every list and the telegram editor share, without any widget.

namespace {

// Sorted part with a case difference and a repeated text, then an unsorted tail of two.
const ItemTable kTable = {{
                              {"beta", '1'},
                              {"Alpha", '2'},
                              {"alpha", '3'},
                              {"beta", '4'},
                              {"Zulu", '5'},
                              {"Echo", '6'},
                          },
                          true,
                          2};

QStringList Texts(const std::vector<ListEntry> &entries) {
  QStringList texts;
  for (const ListEntry &entry : entries) texts << entry.text;
  return texts;
}

QString Values(const std::vector<ListEntry> &entries) {
  QString values;
  for (const ListEntry &entry : entries) values += entry.value;
  return values;
}

}  // namespace

class TestTables : public QObject {
  Q_OBJECT

 private slots:
  void listEntriesSortStablyAndKeepTheTail();
  void lookUps();
  void telegramParseAndFormat_data();
  void telegramParseAndFormat();
};

void TestTables::listEntriesSortStablyAndKeepTheTail() {
  // Case ignored, equal texts in table order; a text stores its first item's character.
  QCOMPARE(Texts(ListEntries(kTable)),
           QStringList({"Alpha", "alpha", "beta", "beta", "Zulu", "Echo"}));
  QCOMPARE(Values(ListEntries(kTable)), QStringLiteral("231156"));
  QCOMPARE(Texts(ListEntries(kTable, false)), QStringList({"Alpha", "alpha", "beta", "beta"}));

  ItemTable unsorted = kTable;
  unsorted.sorted = false;
  QCOMPARE(Texts(ListEntries(unsorted)),
           QStringList({"beta", "Alpha", "alpha", "beta", "Zulu", "Echo"}));
}

void TestTables::lookUps() {
  QCOMPARE(TextFor(kTable, QChar('4')), QStringLiteral("beta"));
  QVERIFY(TextFor(kTable, QChar('9')).isNull());
  QCOMPARE(CharFor(kTable, QStringLiteral("beta")), QChar('1'));
  QCOMPARE(CharFor(kTable, QStringLiteral("alpha")), QChar('3'));  // exact, case counts
  QVERIFY(CharFor(kTable, QStringLiteral("ALPHA")).isNull());
}

void TestTables::telegramParseAndFormat_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("fields");  // bos|land|ort|fahrzeug|status|flags
  QTest::addColumn<QString>("formatted");
  QTest::newRow("whole") << "12345678AB" << "1|2|34|5678|A|B" << "12345678AB";
  QTest::newRow("caller's tail") << "12345678ABXY" << "1|2|34|5678|A|B" << "12345678AB";
  QTest::newRow("short reads padded") << "123" << "1|2|30|0000|0|0" << "1230000000";
  QTest::newRow("empty") << "" << "0|0|00|0000|0|0" << "0000000000";
}

void TestTables::telegramParseAndFormat() {
  QFETCH(QString, text);
  QFETCH(QString, fields);
  QFETCH(QString, formatted);
  const DetailFmsTable::Telegram telegram = DetailFmsTable::ParseTelegram(text);
  QCOMPARE(QStringList({telegram.bos, telegram.land, telegram.ort, telegram.fahrzeug,
                        telegram.status, telegram.flags})
               .join(QLatin1Char('|')),
           fields);
  QCOMPARE(DetailFmsTable::FormatTelegram(telegram), formatted);

  // Short codes typed into the editor are completed on the left.
  DetailFmsTable::Telegram typed = telegram;
  typed.ort = QStringLiteral("7");
  typed.fahrzeug = QStringLiteral("12");
  QCOMPARE(DetailFmsTable::FormatTelegram(typed).mid(2, 6), QStringLiteral("070012"));
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
