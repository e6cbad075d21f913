#include "DialogSeam.h"

#include <QLabel>
#include <QTextEdit>
#include <QtTest>

class TestDialogSeam : public QObject {
  Q_OBJECT

 private slots:
  void showsTextAsWritten_data();
  void showsTextAsWritten();
};

void TestDialogSeam::showsTextAsWritten_data() {
  QTest::addColumn<QString>("text");
  QTest::newRow("bold version") << QStringLiteral("<b>x</b>");
  QTest::newRow("image") << QStringLiteral("<img src=\"/etc/hostname\">");
  QTest::newRow("link in a file name")
      << QStringLiteral("Die Datei\n/tmp/<a href=\"x\">y</a>.rquorex\nkonnte nicht geöffnet werden:");
  QTest::newRow("entity") << QStringLiteral("Quorex &amp; V 1.07");
}

// A version line or a file name that looks like HTML shows its characters, not markup; so do
// the details.
void TestDialogSeam::showsTextAsWritten() {
  QFETCH(QString, text);
  const auto box = BuildMessageBox(nullptr, text, QStringLiteral("Version des Quorex"),
                                   QMessageBox::NoIcon, QMessageBox::Ok, text);
  QCOMPARE(box->textFormat(), Qt::PlainText);
  auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
  QVERIFY(label);
  QCOMPARE(label->textFormat(), Qt::PlainText);
  QCOMPARE(label->text(), text);
  auto *details = box->findChild<QTextEdit *>();
  QVERIFY(details);
  QCOMPARE(details->toPlainText(), text);
}

QTEST_MAIN(TestDialogSeam)
#include "tst_dialogseam.moc"
