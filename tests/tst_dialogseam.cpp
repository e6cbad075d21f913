// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DialogHelpers.h"
#include "DialogSeam.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

class TestDialogSeam : public QObject {
  Q_OBJECT

 private slots:
  void showsTextAsWritten_data();
  void showsTextAsWritten();
  void questionButtonsHaveMnemonics();
  void longLinesStayInTheBox();
  void fittedFrame_data();
  void fittedFrame();
  void afterFirstPaint();
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
  // Qt's own file dialog; Windows and macOS show the system's.
  void fileListInProgramLocale_data();
  void fileListInProgramLocale();
#endif
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

// A line longer than the widest box Qt allows on the screen wraps inside it, not past its edge.
void TestDialogSeam::longLinesStayInTheBox() {
  const auto box = BuildMessageBox(nullptr, QStringLiteral("Wort ").repeated(60), QString(),
                                   QMessageBox::Critical, QMessageBox::Ok);
  box->show();
  const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
  QVERIFY(label && label->geometry().right() < box->width());
  QVERIFY(label->width() >= label->minimumWidth());
}

void TestDialogSeam::questionButtonsHaveMnemonics() {
  const auto box = BuildMessageBox(nullptr, QStringLiteral("?"), QString(), QMessageBox::Question,
                                   QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  QCOMPARE(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
  QCOMPARE(box->button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
  QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("&Abbrechen"));
}

void TestDialogSeam::fittedFrame_data() {
  QTest::addColumn<QRect>("frame");
  QTest::addColumn<QSize>("minimum");
  QTest::addColumn<QRect>("fitted");
  const QSize none(0, 0);
  QTest::newRow("fits") << QRect(100, 100, 400, 300) << none << QRect(100, 100, 400, 300);
  QTest::newRow("larger") << QRect(-50, -50, 3000, 2000) << none << QRect(0, 0, 1366, 728);
  QTest::newRow("title above") << QRect(10, -30, 400, 300) << none << QRect(10, 0, 400, 300);
  QTest::newRow("off right") << QRect(1300, 600, 400, 300) << none << QRect(966, 428, 400, 300);
  QTest::newRow("other screen left") << QRect(-2000, 10, 400, 300) << none
                                     << QRect(0, 10, 400, 300);
  QTest::newRow("minimum too tall: top wins")
      << QRect(0, 500, 400, 300) << QSize(400, 900) << QRect(0, 0, 400, 900);
}

void TestDialogSeam::fittedFrame() {
  QFETCH(QRect, frame);
  QFETCH(QSize, minimum);
  QFETCH(QRect, fitted);
  QCOMPARE(FittedFrame(frame, QRect(0, 0, 1366, 728), minimum), fitted);
}

// Put off until the first paint is out: then once, and never for a widget gone before it.
void TestDialogSeam::afterFirstPaint() {
  int runs = 0;
  {
    QWidget gone;
    AfterFirstPaint(gone, [&runs] { ++runs; });
  }
  QWidget widget;
  bool painted = false;
  AfterFirstPaint(widget, [&] {
    painted = !widget.visibleRegion().isEmpty();
    ++runs;
  });
  QCoreApplication::processEvents();
  QCOMPARE(runs, 0);
  widget.show();
  QTRY_COMPARE(runs, 1);
  QVERIFY(painted);
  widget.repaint();
  QCoreApplication::processEvents();
  QCOMPARE(runs, 1);
}

#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
void TestDialogSeam::fileListInProgramLocale_data() {
  QTest::addColumn<bool>("csv");
  QTest::newRow("register file") << false;
  QTest::newRow("log export") << true;
}

// Sizes and dates in the file list as the program writes them, whatever the system's locale.
void TestDialogSeam::fileListInProgramLocale() {
  QFETCH(bool, csv);
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTemporaryDir dir;
  const QString name = csv ? QStringLiteral("werkstatt.csv") : QStringLiteral("werkstatt.rquorex");
  QFile file(dir.filePath(name));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(2000, '0'));
  file.close();
  const auto dialog = csv ? BuildCsvDialog(nullptr) : BuildFileDialog(nullptr, QFileDialog::AcceptOpen);
  dialog->setDirectory(dir.path());
  auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
  QVERIFY(list);
  QAbstractItemModel *model = list->model();
  const auto row = [&] {
    const QModelIndex root = list->rootIndex();
    for (int r = 0; r < model->rowCount(root); ++r)
      if (model->index(r, 0, root).data().toString() == name)
        return r;
    return -1;
  };
  QTRY_VERIFY(row() >= 0);
  const QModelIndex root = list->rootIndex();
  const QFileInfo info(file.fileName());
  const QLocale german(QLocale::German, QLocale::Germany);
  QCOMPARE(model->index(row(), 3, root).data().toString(),
           german.toString(info.lastModified(), QLocale::ShortFormat));
  QCOMPARE(model->index(row(), 1, root).data().toString(), german.formattedDataSize(2000));
  QLocale::setDefault(before);
}
#endif

QTEST_MAIN(TestDialogSeam)
#include "tst_dialogseam.moc"
