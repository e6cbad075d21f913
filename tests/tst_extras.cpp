// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CompareDialog.h"
#include "SendPreview.h"
#include "SmallDisk.h"
#include "TemporarySettings.h"
#include "TestFiles.h"
#include "WindowBench.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

const char *const kActions[] = {"berichtSpeichernAction", "berichtDruckenAction",
                                "dateiVergleichenAction", "quorexVergleichenAction",
                                "pruefenAction"};

// A fresh console's registers with "n=TEXT" changes.
QStringList Factory(const QStringList &changes = {}) { return Changed(FactoryValues(), changes); }

// "page|setting|program|other", one per row of the table.
QStringList Rows(const QTableWidget *table) {
  QStringList rows;
  for (int row = 0; row < table->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
      cells << table->item(row, column)->text();
    rows << cells.join(QLatin1Char('|'));
  }
  return rows;
}

QStringList Headers(const QTableWidget *table) {
  QStringList headers;
  for (int column = 0; column < table->columnCount(); ++column)
    headers << table->horizontalHeaderItem(column)->text();
  return headers;
}

// The shared bench with the Extras menu and the comparison's dialog.
struct Bench : WindowBench {
  QMenu *Extras() const { return window.findChild<QMenu *>(QStringLiteral("extrasMenu")); }
  // The Extras entries in menu order as the menu shows them when opened: 1 usable, 0 greyed.
  QString Greying() const {
    emit Extras()->aboutToShow();
    QString states;
    for (const char *name : kActions) states += Action(name)->isEnabled() ? '1' : '0';
    return states;
  }

  CompareDialog *Dialog() const { return window.findChild<CompareDialog *>(); }
  QTableWidget *Table() const {
    return Dialog() ? Dialog()->findChild<QTableWidget *>(QStringLiteral("differencesTable"))
                    : nullptr;
  }
};

}  // namespace

class TestExtras : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void menuOrderAndMnemonics();
  void greying_data();
  void greying();
  void reportSaved_data();
  void reportSaved();
#ifdef Q_OS_UNIX
  void reportSaveKeepsWhatWasThere_data();
  void reportSaveKeepsWhatWasThere();
#endif
  void reportPrinted();
  void compareWithFile_data();
  void compareWithFile();
  void compareWithConsole_data();
  void compareWithConsole();
  void verifyAfterWrite_data();
  void verifyAfterWrite();
  void lookBeforeSending_data();
  void lookBeforeSending();
  void choiceRemembered_data();
  void choiceRemembered();
  void copiesTabSeparatedRows();

 private:
  // The check-after-writing choice is remembered; kept away from the user's own settings.
  TemporarySettings settings_;
};

void TestExtras::init() {
  settings_.Clear();
  QTest::qWait(20);
}

void TestExtras::menuOrderAndMnemonics() {
  Bench b;
  QVERIFY(b.Setup());
  QStringList titles;
  for (QAction *action : b.window.MenuBar()->actions()) titles << action->text();
  QCOMPARE(titles, QStringList({"&Datei", "&Bearbeiten", "&Extras", "&Hilfe"}));
  QStringList entries;
  for (QAction *action : b.Extras()->actions())
    entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
  QCOMPARE(entries, QStringList({"Einstellungsbericht &speichern ...",
                                 "Einstellungsbericht d&rucken ...", "-",
                                 "Mit &Datei vergleichen ...", "Mit &Quorex vergleichen ...", "-",
                                 "Nach dem Senden &prüfen", "&Vor dem Senden sichern",
                                 "Vor dem Senden &Unterschiede zeigen", "-",
                                 "S&icherungen ...", "Pro&tokoll ..."}));
  // Within a menu, and along the menu bar, every mnemonic reaches one entry.
  for (const QList<QAction *> &actions : {b.Extras()->actions(), b.window.MenuBar()->actions()}) {
    QStringList keys;
    for (QAction *action : actions) {
      if (action->isSeparator()) continue;
      const QString key = QKeySequence::mnemonic(action->text()).toString();
      QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(action->text()));
      keys << key;
    }
  }
  QAction *pruefen = b.Action("pruefenAction");
  QVERIFY(pruefen->isCheckable());
  QVERIFY(!pruefen->isChecked());

  // Alt+E opens the menu from the keyboard.
  QApplication::setActiveWindow(&b.window);
  QVERIFY(QTest::qWaitForWindowActive(&b.window));
  QTest::keyClick(&b.window, Qt::Key_E, Qt::AltModifier);
  QTRY_COMPARE(QApplication::activePopupWidget(), b.Extras());
  QTest::keyClick(b.Extras(), Qt::Key_Escape);
  QTRY_VERIFY(!b.Extras()->isVisible());
}

void TestExtras::greying_data() {
  QTest::addColumn<QString>("situation");
  QTest::addColumn<QString>("greying");  // bericht speichern, drucken, Datei, Quorex, prüfen
  QTest::newRow("nothing loaded") << "start" << "11101";
  QTest::newRow("file loaded") << "loaded" << "11111";
  QTest::newRow("reading") << "reading" << "00000";
  QTest::newRow("writing") << "writing" << "00000";
  QTest::newRow("write waits for the end mark") << "released" << "00000";
  QTest::newRow("comparing with the console") << "comparing" << "00000";
  QTest::newRow("after the comparison") << "compared" << "11111";
}

void TestExtras::greying() {
  QFETCH(QString, situation);
  QFETCH(QString, greying);
  Bench b;
  Timing timing = Fast();
  timing.silenceTimeoutMs = 5000;  // the write waits for its end mark long enough to look
  QVERIFY(b.Setup(timing));
  if (situation != "start") QVERIFY(b.Load(Factory()));
  if (situation == "reading") b.lesen->click();
  if (situation == "writing") b.senden->click();
  if (situation == "released") {
    b.console.SetFault(Fault::NoEndMark);
    b.senden->click();
    QTRY_VERIFY(b.senden->isEnabled());
    QVERIFY(b.window.IsTransferRunning());
  }
  if (situation == "comparing" || situation == "compared") b.Action("quorexVergleichenAction")->trigger();
  if (situation == "compared") QTRY_VERIFY(!b.dialogs.shown.isEmpty());
  QCOMPARE(b.Greying(), greying);
}

void TestExtras::reportSaved_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("filter");
  QTest::addColumn<bool>("read");  // the console read first, so a version text is known
  QTest::addColumn<QString>("kind");  // html, pdf or error
  const QString pdf = QStringLiteral("PDF-Dokument (*.pdf)");
  const QString html = QStringLiteral("HTML-Datei (*.html)");
  QTest::newRow("HTML") << "bericht.html" << html << false << "html";
  QTest::newRow("HTML after a read") << "bericht.html" << html << true << "html";
  QTest::newRow("HTML chosen, no ending typed") << "bericht" << html << false << "html";
  QTest::newRow("typed .html wins over PDF chosen") << "bericht.html" << pdf << false << "html";
  QTest::newRow("PDF") << "bericht.pdf" << pdf << false << "pdf";
  QTest::newRow("PDF after a read") << "bericht.pdf" << pdf << true << "pdf";
  QTest::newRow("HTML into a missing folder") << "fehlt/bericht.html" << html << false << "error";
  QTest::newRow("PDF into a missing folder") << "fehlt/bericht.pdf" << pdf << false << "error";
}

void TestExtras::reportSaved() {
  QFETCH(QString, name);
  QFETCH(QString, filter);
  QFETCH(bool, read);
  QFETCH(QString, kind);
  Bench b;
  QVERIFY(b.Setup());
  if (read) {
    b.console.SetRegisterText(16, QStringLiteral("01000000"));
    b.lesen->click();
    QTRY_VERIFY(b.lesen->isEnabled());
  } else {
    QVERIFY(b.Load(Factory({"16=01000000"})));
  }
  const QString path = b.Path(name);
  b.dialogs.reportNames << path;
  b.dialogs.reportFilters << filter;
  b.Action("berichtSpeichernAction")->trigger();
  QCOMPARE(b.dialogs.reportDialogs, 1);

  if (kind == "error") {
    QCOMPARE(b.dialogs.shown.size(), 1);
    QVERIFY2(b.dialogs.Last().text.startsWith(QStringLiteral("Der Bericht konnte nicht in ")),
             qPrintable(b.dialogs.Last().text));
    QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
    QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
    QVERIFY(!QFile::exists(path));
    return;
  }
  QVERIFY(b.dialogs.shown.isEmpty());
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  if (kind == "pdf") {
    QVERIFY(bytes.startsWith("%PDF"));
    return;
  }
  QString text;
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::Characters) text += xml.text();
  QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
  QVERIFY(text.contains(QStringLiteral("Hörer- und Lautsprecherkonfiguration")));
  QVERIFY(text.contains(QStringLiteral("Hörer aus wenn aufgelegt")));
  // The version only once a console has told it; the hint for the version box is none.
  QCOMPARE(text.contains(QStringLiteral("Quorex V 1.07")), read);
  QVERIFY(!text.contains(Register::kVersionHint));
  QCOMPARE(text.contains(QStringLiteral("programm.rquorex")), !read);
}

#ifdef Q_OS_UNIX
void TestExtras::reportSaveKeepsWhatWasThere_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("pipe");  // else an old report on a full disk
#ifdef Q_OS_LINUX
  QTest::newRow("HTML, disk full") << "bericht.html" << false;
  QTest::newRow("PDF, disk full") << "bericht.pdf" << false;
  QTest::newRow("printed into a PDF file, disk full") << "gedruckt.pdf" << false;
#endif
  QTest::newRow("HTML over a pipe") << "bericht.html" << true;
  QTest::newRow("PDF over a pipe") << "bericht.pdf" << true;
}

// A report that cannot be saved or printed into a file whole is not written at all, and the
// technician hears of it.
void TestExtras::reportSaveKeepsWhatWasThere() {
  QFETCH(QString, name);
  QFETCH(bool, pipe);
  Bench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(Factory()));
  SmallDisk disk;
  QString path = b.Path(name);
  if (pipe) {
    QFile::remove(path);
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  } else {
    if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
    path = disk.FilePath(name);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alt") == 3);
    old.close();
    QVERIFY(disk.Fill());
  }
  const bool printed = name.startsWith(QLatin1String("gedruckt"));
  (printed ? b.dialogs.printFiles : b.dialogs.reportNames) << path;
  b.Action(printed ? "berichtDruckenAction" : "berichtSpeichernAction")->trigger();
  QCOMPARE(b.dialogs.shown.size(), 1);
  QVERIFY2(b.dialogs.Last().text.startsWith(QStringLiteral("Der Bericht konnte nicht in ")),
           qPrintable(b.dialogs.Last().text));
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
  const QFileInfo info(path);
  QCOMPARE(info.isFile(), !pipe);
  if (!pipe) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("alt"));
  }
}
#endif

void TestExtras::reportPrinted() {
  Bench b;
  QVERIFY(b.Setup());
  const QString path = b.Path(QStringLiteral("gedruckt.pdf"));
  b.Action("berichtDruckenAction")->trigger();  // cancelled: nothing printed
  QCOMPARE(b.dialogs.printDialogs, 1);
  b.dialogs.printFiles << path;
  b.Action("berichtDruckenAction")->trigger();
  QCOMPARE(b.dialogs.printDialogs, 2);
  QVERIFY(b.dialogs.shown.isEmpty());
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(file.readAll().startsWith("%PDF"));
}

void TestExtras::compareWithFile_data() {
  QTest::addColumn<QStringList>("file");  // changes to the factory values
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QString>("message");
  QTest::newRow("equal") << QStringList() << QStringList() << "Keine Unterschiede.";
  QTest::newRow("one setting")
      << QStringList{"9=00010000"}
      << QStringList{"Duplex-Konfiguration|Funkkreis 4|Simplex|Duplex"} << QString();
  QTest::newRow("register no page uses")
      << QStringList{"100=12345678"}
      << QStringList{"Übrige Register|Register 100|FFFFFFFF|12345678"} << QString();
  QTest::newRow("both")
      << QStringList{"9=00010000", "100=12345678"}
      << QStringList{"Duplex-Konfiguration|Funkkreis 4|Simplex|Duplex",
                     "Übrige Register|Register 100|FFFFFFFF|12345678"}
      << QString();
  QTest::newRow("not a register file") << QStringList{"5=NOTHEX!!"} << QStringList()
                                       << "Zeile 6";
}

void TestExtras::compareWithFile() {
  QFETCH(QStringList, file);
  QFETCH(QStringList, rows);
  QFETCH(QString, message);
  Bench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(Factory()));
  const QString path = b.Path(QStringLiteral("andere.rquorex"));
  WriteFile(path, Factory(file));
  b.dialogs.openNames << path;
  b.Action("dateiVergleichenAction")->trigger();
  QCOMPARE(b.dialogs.openDialogs, 2);
  QCOMPARE(b.window.Image().AllTexts(), Factory());
  QCOMPARE(b.window.Image().FilePath(), b.Path(QStringLiteral("programm.rquorex")));
  QVERIFY(!b.window.Image().IsModified());

  if (rows.isEmpty()) {
    QVERIFY(!b.Dialog());
    QCOMPARE(b.dialogs.shown.size(), 1);
    QVERIFY2(b.dialogs.Last().text.contains(message), qPrintable(b.dialogs.Last().text));
    if (message == "Keine Unterschiede.") {
      QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Vergleich mit Datei"));
      QCOMPARE(b.dialogs.Last().icon, QMessageBox::Information);
    } else {
      QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
    }
    return;
  }
  QVERIFY(b.dialogs.shown.isEmpty());
  QVERIFY(b.Dialog());
  QCOMPARE(b.Dialog()->windowTitle(), QStringLiteral("Vergleich mit Datei"));
  QVERIFY(b.Dialog()->isVisible());
  QVERIFY(!b.Dialog()->isModal());
  QCOMPARE(Headers(b.Table()),
           QStringList({"Seite", "Einstellung", "Im Programm", "In der Datei"}));
  QCOMPARE(Rows(b.Table()), rows);

  // A second comparison replaces the list.
  QPointer<CompareDialog> first = b.Dialog();
  b.dialogs.openNames << path;
  b.Action("dateiVergleichenAction")->trigger();
  QTRY_VERIFY(!first);
  QCOMPARE(b.window.findChildren<CompareDialog *>().size(), 1);
}

void TestExtras::compareWithConsole_data() {
  QTest::addColumn<QStringList>("console");  // changes to the factory values
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<bool>("portMissing");
  QTest::addColumn<QStringList>("rows");
  QTest::addColumn<QString>("message");
  QTest::newRow("equal") << QStringList() << Fault::None << false << QStringList()
                         << "Keine Unterschiede.";
  QTest::newRow("one setting")
      << QStringList{"16=01000000"} << Fault::None << false
      << QStringList{"Hörer- und Lautsprecherkonfiguration|Hörer|Hörer immer an|"
                     "Hörer aus wenn aufgelegt"}
      << QString();
  QTest::newRow("silent console") << QStringList{"16=01000000"} << Fault::Silent << false
                                  << QStringList() << "antwortet nicht";
  QTest::newRow("malformed answer") << QStringList{"16=01000000"} << Fault::MalformedLine
                                    << false << QStringList() << "Register 7 ";
  QTest::newRow("port missing") << QStringList() << Fault::None << true << QStringList()
                                << "Das Gerät konnte nicht initialisiert werden.";
}

// The comparison reads the console the way "Lesen" does, but nothing it reads, and no way in
// which it fails, reaches the program's registers.
void TestExtras::compareWithConsole() {
  QFETCH(QStringList, console);
  QFETCH(Fault, fault);
  QFETCH(bool, portMissing);
  QFETCH(QStringList, rows);
  QFETCH(QString, message);
  Bench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(Factory()));
  b.window.Image().SetVersion107(false);
  const QStringList consoleTexts = Factory(console);
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, consoleTexts.at(reg));
  b.console.SetFault(fault);
  if (portMissing) b.port->setEditText(QStringLiteral("/dev/quorex-no-such-port"));
  const QString before = b.States();
  QCOMPARE(before, QStringLiteral("11011"));

  b.Action("quorexVergleichenAction")->trigger();
  if (!portMissing) QCOMPARE(b.States(), QStringLiteral("00000"));
  QTRY_VERIFY_WITH_TIMEOUT(!b.dialogs.shown.isEmpty() || b.Dialog(), 5000);
  QCOMPARE(b.States(), before);
  QVERIFY(!b.window.IsTransferRunning());
  const Register &image = b.window.Image();
  QCOMPARE(image.AllTexts(), Factory());
  QCOMPARE(image.VersionText(), Register::kVersionHint);
  QVERIFY(!image.IsModified());
  QVERIFY(!image.IsVersion107());

  if (rows.isEmpty()) {
    QVERIFY(!b.Dialog());
    QCOMPARE(b.dialogs.shown.size(), 1);
    QVERIFY2(b.dialogs.Last().text.contains(message), qPrintable(b.dialogs.Last().text));
    if (message == "Keine Unterschiede.") {
      QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Vergleich mit Quorex"));
      QCOMPARE(b.dialogs.Last().icon, QMessageBox::Information);
      QCOMPARE(b.console.Received(), ReadSession());
    } else {
      QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
      QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
    }
    return;
  }
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.console.Received(), ReadSession());
  QCOMPARE(b.Dialog()->windowTitle(), QStringLiteral("Vergleich mit Quorex"));
  QCOMPARE(Headers(b.Table()), QStringList({"Seite", "Einstellung", "Im Programm", "Im Quorex"}));
  QCOMPARE(Rows(b.Table()), rows);
}

void TestExtras::verifyAfterWrite_data() {
  QTest::addColumn<bool>("verify");
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QString>("message");  // a message box's text, or the dialog's title
  QTest::addColumn<QStringList>("rows");
  QTest::newRow("off") << false << Fault::None << QString() << QStringList();
  QTest::newRow("on") << true << Fault::None
                      << "Alle 200 Register wurden geschrieben und geprüft." << QStringList();
  QTest::newRow("on, register 42 not taken")
      << true << Fault::DropWrite << "Prüfung nach dem Senden fehlgeschlagen"
      << QStringList{"Tonrufauswertung|Kreis 2 / Auszuwertender Tonruf|1 und 2|Keiner"};
  // The console goes silent once the write has ended.
  QTest::newRow("on, read-back fails") << true << Fault::Silent
                                       << "konnten zur Prüfung aber nicht aus dem Quorex "
                                          "zurückgelesen werden.\n\nDer Quorex antwortet nicht."
                                       << QStringList();
}

void TestExtras::verifyAfterWrite() {
  QFETCH(bool, verify);
  QFETCH(Fault, fault);
  QFETCH(QString, message);
  QFETCH(QStringList, rows);
  Bench b;
  QVERIFY(b.Setup());
  const QStringList texts = Factory({"42=30000000"});
  QVERIFY(b.Load(texts));
  if (verify) b.Action("pruefenAction")->trigger();
  QCOMPARE(b.Action("pruefenAction")->isChecked(), verify);
  if (fault == Fault::Silent)
    connect(&b.window.Session(), &ConsoleSession::Finished, &b.console,
            [&b] { b.console.SetFault(Fault::Silent); });
  else
    b.console.SetFault(fault);
  // What the buttons show once the registers are being read back.
  QString statesWhileChecking;
  bool writeEnded = false;
  connect(&b.console, &SimulatedConsole::CommandReceived, &b.console,
          [&](const QByteArray &command) {
            if (command == "$PROGSTART\r" && writeEnded && statesWhileChecking.isEmpty())
              statesWhileChecking = b.States();
            writeEnded = writeEnded || command == "$PROGENDE\r";
          });

  b.senden->click();
  if (!verify) {
    QTRY_VERIFY(!b.window.IsTransferRunning());
    QCOMPARE(b.States(), QStringLiteral("11111"));
    QSignalSpy more(&b.console, &SimulatedConsole::BytesReceived);
    QVERIFY(!more.wait(300));
    QCOMPARE(b.console.Received(), WriteSession(texts));
    QVERIFY(b.dialogs.shown.isEmpty());
    return;
  }
  QTRY_VERIFY_WITH_TIMEOUT(!b.dialogs.shown.isEmpty() || b.Dialog(), 5000);
  QCOMPARE(statesWhileChecking, QStringLiteral("00000"));
  QCOMPARE(b.States(), QStringLiteral("11111"));
  QVERIFY(!b.window.IsTransferRunning());
  if (fault == Fault::Silent)
    QVERIFY(b.console.Received().startsWith(WriteSession(texts) + "$PROGSTART\r"));
  else
    QCOMPARE(b.console.Received(), WriteSession(texts) + ReadSession());
  QCOMPARE(b.window.Image().AllTexts(), texts);
  QCOMPARE(b.window.Image().VersionText(), Register::kVersionHint);
  QVERIFY(!b.window.Image().IsModified());

  if (rows.isEmpty()) {
    QVERIFY(!b.Dialog());
    QCOMPARE(b.dialogs.shown.size(), 1);
    QVERIFY2(b.dialogs.Last().text.contains(message), qPrintable(b.dialogs.Last().text));
    QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Prüfung nach dem Senden"));
    QCOMPARE(b.dialogs.Last().icon,
             fault == Fault::None ? QMessageBox::Information : QMessageBox::Warning);
    return;
  }
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.Dialog()->windowTitle(), message);
  QCOMPARE(Headers(b.Table()), QStringList({"Seite", "Einstellung", "Gesendet", "Im Quorex"}));
  QCOMPARE(Rows(b.Table()), rows);
}

void TestExtras::lookBeforeSending_data() {
  QTest::addColumn<QStringList>("console");  // changes to the factory values
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<bool>("backUp");  // "Vor dem Senden sichern" as well
  QTest::addColumn<bool>("send");    // "Senden" in the list, else "Abbrechen"
  QTest::addColumn<QStringList>("rows");
  const QStringList hoerer{"Hörer- und Lautsprecherkonfiguration|Hörer|Hörer aus wenn aufgelegt|"
                           "Hörer immer an|16"};
  QTest::newRow("differences, Abbrechen")
      << QStringList{"16=01000000"} << Fault::None << false << false << hoerer;
  QTest::newRow("differences, Senden")
      << QStringList{"16=01000000"} << Fault::None << false << true << hoerer;
  QTest::newRow("with the backup: one read")
      << QStringList{"16=01000000"} << Fault::None << true << true << hoerer;
  QTest::newRow("none, Trotzdem senden") << QStringList() << Fault::None << false << true
                                         << QStringList();
  QTest::newRow("none, Abbrechen") << QStringList() << Fault::None << false << false
                                   << QStringList();
  QTest::newRow("read fails") << QStringList{"16=01000000"} << Fault::Silent << true << true
                              << QStringList();
}

// Nothing goes out before the technician has seen what would change; once "Senden" is
// pressed there, the write is the one "Senden" always makes.
void TestExtras::lookBeforeSending() {
  QFETCH(QStringList, console);
  QFETCH(Fault, fault);
  QFETCH(bool, backUp);
  QFETCH(bool, send);
  QFETCH(QStringList, rows);
  Bench b;
  QVERIFY(b.Setup());
  QVERIFY(b.Load(Factory()));
  const QStringList consoleTexts = Factory(console);
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, consoleTexts.at(reg));
  b.console.SetFault(fault);
  b.Action("unterschiedeAction")->setChecked(true);
  b.Action("sichernAction")->setChecked(backUp);
  b.senden->click();
  QCOMPARE(b.States(), QStringLiteral("00000"));
  SendPreview *preview = nullptr;
  QTRY_VERIFY_WITH_TIMEOUT((preview = b.window.findChild<SendPreview *>()) ||
                               !b.dialogs.shown.isEmpty(),
                           5000);
  QCOMPARE(b.textAt57, fault == Fault::None ? QStringLiteral("Vergleichen 57 von 200") : QString());
  const QString log = b.Journal().LogPath();
  if (fault != Fault::None) {
    QVERIFY(!preview);
    QVERIFY2(b.dialogs.Last().text.startsWith(
                 QStringLiteral("Der Quorex konnte vor dem Senden nicht gelesen werden. Es wurde "
                                "nichts gesendet.")),
             qPrintable(b.dialogs.Last().text));
    QTRY_COMPARE(b.States(), QStringLiteral("11111"));
    QVERIFY(!b.console.Received().contains("$P000"));
    return;
  }
  auto *table = preview->findChild<QTableWidget *>(QStringLiteral("differencesTable"));
  auto *sendenButton = preview->findChild<QPushButton *>(QStringLiteral("sendenButton"));
  auto *abbrechen = preview->findChild<QPushButton *>(QStringLiteral("abbrechenButton"));
  QVERIFY(abbrechen->isDefault());
  QCOMPARE(sendenButton->text(), rows.isEmpty() ? QStringLiteral("Trotzdem senden")
                                                : QStringLiteral("Senden"));
  QCOMPARE(Rows(table), rows);
  QCOMPARE(Headers(table), QStringList({"Seite", "Einstellung", "Quorex", "Programm", "Register"}));
  if (rows.isEmpty())
    QCOMPARE(preview->findChild<QLabel *>(QStringLiteral("summaryLabel"))->text(),
             QStringLiteral("Der Quorex hat bereits diese Einstellungen."));
  QCOMPARE(b.console.Received(), ReadSession());
  // The read left its backup, also where it serves as the backup before the write.
  QCOMPARE(b.Journal().Backups().List().size(), size_t(1));

  if (!send) {
    QTest::keyClick(preview, Qt::Key_Escape);
    QTRY_COMPARE(b.States(), QStringLiteral("11111"));
    QVERIFY2(b.Status().startsWith(QStringLiteral("Nichts gesendet: ")), qPrintable(b.Status()));
    QCOMPARE(b.console.Received(), ReadSession());
  } else {
    sendenButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(b.Status().startsWith(QStringLiteral("Gesendet: ")), 5000);
    QTRY_VERIFY(!b.window.IsTransferRunning());
    QCOMPARE(b.console.Received(), ReadSession() + WriteSession(Factory()));
  }
  std::vector<LogEntry> entries;
  QVERIFY(b.Journal().Log().ReadAll(&entries));
  QCOMPARE(entries.size(), size_t(2));  // the read, then the write or what was not sent
  QCOMPARE(entries.back().operation, QStringLiteral("write"));
  QCOMPARE(entries.back().result, send ? QStringLiteral("ok") : QStringLiteral("cancelled"));
  QCOMPARE(entries.back().differences.value_or(-1), int(rows.size()));
  QCOMPARE(entries.back().backup, b.Journal().Backups().List().front().fileName);
}

void TestExtras::choiceRemembered_data() {
  QTest::addColumn<QByteArray>("action");
  QTest::addColumn<QString>("key");
  QTest::newRow("Nach dem Senden prüfen") << QByteArray("pruefenAction") << "verifyAfterWrite";
  QTest::newRow("Vor dem Senden sichern") << QByteArray("sichernAction") << "backUpBeforeWrite";
  QTest::newRow("Vor dem Senden Unterschiede zeigen")
      << QByteArray("unterschiedeAction") << "showDifferencesBeforeWrite";
}

// Off at first; a choice holds for the next start, and so does taking it back.
void TestExtras::choiceRemembered() {
  QFETCH(QByteArray, action);
  QFETCH(QString, key);
  {
    Bench b;
    QVERIFY(b.Setup());
    QVERIFY(b.Action(action.constData())->isCheckable());
    QVERIFY(!b.Action(action.constData())->isChecked());
    b.Action(action.constData())->trigger();
  }
  QCOMPARE(QSettings().value(key).toBool(), true);
  {
    Bench b;
    QVERIFY(b.Setup());
    QVERIFY(b.Action(action.constData())->isChecked());
    b.Action(action.constData())->trigger();
  }
  Bench b;
  QVERIFY(b.Setup());
  QVERIFY(!b.Action(action.constData())->isChecked());
}

void TestExtras::copiesTabSeparatedRows() {
  const std::vector<SettingsCatalog::Difference> differences = {
      {QStringLiteral("Seite A"), QStringLiteral("Eins"), QStringLiteral("a"),
       QStringLiteral("b"), {}, {}},
      // A value with a tab or a line break must stay one field of one line.
      {QStringLiteral("Seite A"), QStringLiteral("Zwei"), QStringLiteral("x\ty"),
       QStringLiteral("z\nw"), {}, {}},
      {QStringLiteral("Seite B"), QStringLiteral("Drei"), QStringLiteral("1"),
       QStringLiteral("2"), {}, {}},
  };
  CompareDialog dialog(differences, QStringLiteral("Im Programm"), QStringLiteral("Im Quorex"),
                       QStringLiteral("Vergleich"));
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  auto *table = dialog.findChild<QTableWidget *>(QStringLiteral("differencesTable"));
  QCOMPARE(table->accessibleName(), QStringLiteral("Unterschiede"));
  QCOMPARE(QApplication::focusWidget(), table);

  const QString header = QStringLiteral("Seite\tEinstellung\tIm Programm\tIm Quorex\n");
  const QString rows[] = {QStringLiteral("Seite A\tEins\ta\tb\n"),
                          QStringLiteral("Seite A\tZwei\tx y\tz w\n"),
                          QStringLiteral("Seite B\tDrei\t1\t2\n")};
  QApplication::clipboard()->clear();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), header + rows[0] + rows[1] + rows[2]);

  // Selected rows go in table order, however they were picked.
  table->selectRow(2);
  table->selectionModel()->select(table->model()->index(0, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), header + rows[0] + rows[2]);

  // From the keyboard alone: the arrow keys choose one row, Tab reaches "Kopieren".
  QTest::keyClick(table, Qt::Key_Up);
  QTest::keyClick(table, Qt::Key_Tab);
  auto *copy = dialog.findChild<QPushButton *>(QStringLiteral("copyButton"));
  QCOMPARE(QApplication::focusWidget(), copy);
  QApplication::clipboard()->clear();
  QTest::keyClick(copy, Qt::Key_Space);
  QCOMPARE(QApplication::clipboard()->text(), header + rows[1]);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
