// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EditHistory.h"
#include "ModalHelper.h"
#include "RegisterEdit.h"
#include "SearchPanel.h"
#include "SettingsCatalog.h"
#include "TemporarySettings.h"
#include "WindowBench.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

// A name as a person reads it: without the mnemonic's "&" and the label's colon.
QString Plain(QString text) {
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

// What names `widget` on its page: its own text, a label that is its buddy, the group boxes
// around it and its accessible name.
QStringList NamesOf(QWidget *widget) {
  QStringList names{Plain(widget->accessibleName())};
  for (QWidget *w = widget; w; w = w->parentWidget()) {
    if (auto *button = qobject_cast<QAbstractButton *>(w)) names << Plain(button->text());
    if (auto *group = qobject_cast<QGroupBox *>(w)) names << Plain(group->title());
    for (QLabel *label : w->window()->findChildren<QLabel *>())
      if (label->buddy() == w) names << Plain(label->text());
  }
  return names;
}

}  // namespace

class TestSearch : public QObject {
  Q_OBJECT

 private slots:
  void init() { settings_.Clear(); }
  void everySettingFindsItsField_data();
  void everySettingFindsItsField();
  void spellings_data();
  void spellings();
  void keysAndStates();
  void matchesFollowTheValues();

 private:
  TemporarySettings settings_;
};

void TestSearch::everySettingFindsItsField_data() {
  QTest::addColumn<QString>("page");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("name");
  const SettingsCatalog catalog;
  for (const SettingsCatalog::Page &page : catalog.Pages())
    for (const SettingsCatalog::Setting &setting : page.settings)
      QTest::newRow(qPrintable(setting.id)) << page.title << setting.label << setting.name;
}

// Typed as a technician would: its label finds it, Down moves to it, Enter opens its page with
// the keyboard in the setting's own field.
void TestSearch::everySettingFindsItsField() {
  QFETCH(QString, page);
  QFETCH(QString, label);
  QFETCH(QString, name);
  WindowBench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(SimulatedConsole().FactoryValues()));
  QApplication::setActiveWindow(&b.window);
  QVERIFY(QTest::qWaitForWindowActive(&b.window));
  QTest::keySequence(&b.window, QKeySequence::Find);
  auto *field = b.window.findChild<QLineEdit *>(QStringLiteral("suchenEdit"));
  auto *list = b.window.findChild<QListWidget *>(QStringLiteral("trefferList"));
  QCOMPARE(QApplication::focusWidget(), field);
  field->insert(label);  // keyClicks knows no keys for "ä" and the like
  const QString start = page + QStringLiteral(" › ") + label + QStringLiteral(": ");
  int row = 0;
  while (row < list->count() && !list->item(row)->text().startsWith(start)) ++row;
  QVERIFY2(row < list->count(), qPrintable(start));
  QCOMPARE(list->currentRow(), 0);
  for (int down = 0; down < row; ++down) QTest::keyClick(field, Qt::Key_Down);
  QCOMPARE(list->currentRow(), row);

  const auto showsName = [&name](const QStringList &names) {
    return std::any_of(names.begin(), names.end(), [&name](const QString &text) {
      return !text.isEmpty() && (text.contains(name) || name.contains(text));
    });
  };
  QString title;
  QStringList focused;
  bool usable = false;  // some control the page names so can take the keyboard
  auto seen = OnNextModal([&](QDialog *opened) {
    title = opened->windowTitle();
    QTRY_VERIFY(opened->focusWidget());
    focused = NamesOf(opened->focusWidget());
    for (QWidget *w : opened->findChildren<QWidget *>())
      usable = usable || (w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
                          !qobject_cast<QGroupBox *>(w) && showsName(NamesOf(w)));
    opened->reject();
  });
  QTest::keyClick(field, Qt::Key_Return);
  QTRY_VERIFY(*seen);
  QVERIFY(b.window.isVisible());
  // The telegram editor's fields are reached through their telegram on "Tastenfunktionen".
  QCOMPARE(title, page == QStringLiteral("Detail FMS") ? QStringLiteral("Tastenfunktionen") : page);
  // A setting whose controls are greyed (a telegram for a key that sends none) leaves the
  // keyboard where the page puts it.
  if (usable) QVERIFY2(showsName(focused), qPrintable(focused.join(QLatin1Char('|'))));
}

void TestSearch::spellings_data() {
  QTest::addColumn<QString>("query");
  QTest::addColumn<QString>("first");  // the first match's text, or empty for none
  const QString hoerer = QStringLiteral("Hörer- und Lautsprecherkonfiguration › Hörer: ");
  QTest::newRow("umlaut") << "hörer" << hoerer;
  QTest::newRow("written out") << "Hoerer" << hoerer;
  QTest::newRow("capitals") << "HÖRER" << hoerer;
  QTest::newRow("ß as ss") << "fusstaster" << "Headset Konfiguration › Mikro für HS-Taste (Fußtaster): ";
  QTest::newRow("two words, page and label") << "tonband nachlauf"
                                             << "Tonbandrelais Konfiguration › Nachlaufzeit in s: ";
  QTest::newRow("id") << "squelch.kreis1" << "Squelchkonfiguration › ";
  QTest::newRow("nothing") << "gibtesnicht" << QString();
}

void TestSearch::spellings() {
  QFETCH(QString, query);
  QFETCH(QString, first);
  const SettingsCatalog catalog;
  const auto matches = SearchPanel::Find(catalog, SimulatedConsole().FactoryValues(), query);
  QCOMPARE(matches.empty(), first.isEmpty());
  if (!first.isEmpty())
    QVERIFY2(matches.front().text.startsWith(first), qPrintable(matches.front().text));
  QCOMPARE(SearchPanel::Folded(QStringLiteral("Größe Ärger Übel")),
           QStringLiteral("groesse aerger uebel"));
}

// Usable exactly when the tree is; Escape empties the field and Enter never ends the program.
void TestSearch::keysAndStates() {
  WindowBench b;
  QVERIFY(b.Setup());
  auto *panel = b.window.findChild<SearchPanel *>();
  QVERIFY(!panel->isEnabled());
  QVERIFY(!b.Action("suchenAction")->isEnabled());
  QCOMPARE(panel->Field()->accessibleName(), QStringLiteral("Suchen"));
  QCOMPARE(panel->List()->accessibleName(), QStringLiteral("Treffer"));
  QVERIFY(b.Load(SimulatedConsole().FactoryValues()));
  QVERIFY(panel->isEnabled());
  b.Action("suchenAction")->trigger();
  QTest::keyClicks(panel->Field(), QStringLiteral("gibtesnicht"));
  QTest::keyClick(panel->Field(), Qt::Key_Return);
  QCOMPARE(panel->List()->count(), 0);
  QCOMPARE(panel->Field()->accessibleDescription(), QStringLiteral("Keine Treffer"));
  QTest::keyClick(panel->Field(), Qt::Key_Escape);
  QVERIFY(panel->Field()->text().isEmpty());
  QVERIFY(b.window.isVisible());
  b.lesen->click();  // a read takes the tree, and the search with it
  QVERIFY(!panel->isEnabled());
  QTRY_VERIFY(b.lesen->isEnabled());
  QVERIFY(panel->isEnabled());
  QVERIFY(b.dialogs.shown.isEmpty());
}

// A match shows the value of the moment, also after a change and its undo.
void TestSearch::matchesFollowTheValues() {
  WindowBench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(SimulatedConsole().FactoryValues()));
  auto *panel = b.window.findChild<SearchPanel *>();
  QTest::keyClicks(panel->Field(), QStringLiteral("Nachlaufzeit"));
  QStringList texts = b.window.Image().AllTexts();
  RegisterEdit edit;
  QVERIFY(RegisterEdit::Write(&texts, {{13, 0}, {13, 1}, {13, 2}}, QStringLiteral("060"), &edit));
  b.window.History().Record(edit);
  QCOMPARE(panel->List()->item(0)->text(), "Tonbandrelais Konfiguration › Nachlaufzeit in s: 60 s");
  b.Action("rueckgaengigAction")->trigger();
  QVERIFY(!panel->List()->item(0)->text().endsWith(": 60 s"));
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
