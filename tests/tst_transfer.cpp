// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EndSignals.h"
#include "ModalHelper.h"
#include "Protocol.h"
#include "SerialPort.h"
#include "TemporarySettings.h"
#include "WindowBench.h"

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <memory>

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

const QString kOpenFailure = QStringLiteral(
    "Das Gerät konnte nicht initialisiert werden.\n"
    "Bitte stellen Sie sicher dass das Gerät am gewählten Port\n"
    "angeschlossen ist und keine andere Anwendung den Port\n"
    "benutzt.");

using Bench = WindowBench;

}  // namespace

class TestTransfer : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void readWithRealPacing();
  void writeWithRealPacing();
  void writeGreeting_data();
  void writeGreeting();
  void readFaults_data();
  void readFaults();
  void writeFaults_data();
  void writeFaults();
  void zeroBytesAreDropped();
  void portOpenFailure_data();
  void portOpenFailure();
  void lesenWhileSendenDisabledKeepsVersion();
  void newPressEndsWriteWaitingForEndMark();
  void factoryReset();
  void closingDuringRead();
  void noFileReplacesRegistersDuringRead();
  void focusReturnsToPressedButton();
  void serialPort();
  void fileCommandsRefusedWhileWriting();
  void closingWaitsForWrite();
  void closingWaitsForResetCommand();
  void resetWithFailedReadGivesBackWhatItTook();
  void talkativeConsoleDoesNotEndWrite();
  void brokenOffWriteSaysHowFar();
  void frozenConsoleNoticedDuringRead();
  void statusLineSaysWhatHappened();
  void secondReadAsksNothing();
#ifdef Q_OS_UNIX
  void signalEndsWithoutQuestion_data();
  void signalEndsWithoutQuestion();
#endif

 private:
  // Transfers remember their port; kept away from the user's own settings.
  TemporarySettings settings_;
};

void TestTransfer::init() { QTest::qWait(20); }

void TestTransfer::readWithRealPacing() {
  Bench b;
  QVERIFY(b.Setup(Timing()));
  const QStringList values = Pattern(QStringLiteral("AB"));
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, values.at(reg));

  QElapsedTimer clock;
  QCOMPARE(b.States(), QStringLiteral("01010"));
  b.StartFrom(QStringLiteral("01110"));
  b.version->click();
  QCOMPARE(b.dialogs.Last().text, QStringLiteral("Für Version muss Gerät zunächst ausgelesen werden."));
  b.StartFrom(QStringLiteral("01010"));

  clock.start();
  b.lesen->click();
  QCOMPARE(b.States(), QStringLiteral("00000"));
  QTRY_VERIFY_WITH_TIMEOUT(b.lesen->isEnabled(), 15000);
  const qint64 elapsedMs = clock.elapsed();

  QVERIFY(b.dialogs.shown.size() == 1);  // only the version box from above
  QCOMPARE(b.console.Received(), ReadSession());
  QCOMPARE(b.window.Image().AllTexts(), values);
  QCOMPARE(b.window.Image().VersionText(), QStringLiteral("Quorex V 1.07"));
  QVERIFY(b.window.Image().IsVersion107());
  QVERIFY(b.window.Image().IsModified());
  QCOMPARE(b.States(), QStringLiteral("11111"));
  QVERIFY(!b.PortOpen());
  QCOMPARE(b.Filled(), 200);
  QCOMPARE(b.textAt57, QStringLiteral("Lesen 57 von 200"));
  // 100 ms, 200 pauses of 20 ms, 1000 ms after the answer. The pause between two requests
  // is measured by bench/, where no other test loads the machine.
  QVERIFY2(elapsedMs >= 5100, qPrintable(QString::number(elapsedMs)));

  b.version->click();
  QCOMPARE(b.dialogs.Last().text, QStringLiteral("Quorex V 1.07"));
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Version des Quorex"));
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::NoIcon);
  QCOMPARE(b.dialogs.Last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestTransfer::writeWithRealPacing() {
  Bench b;
  QVERIFY(b.Setup(Timing()));
  // A register file makes "Senden" usable, as it does for a technician.
  const QStringList values = Pattern(QStringLiteral("5E"));
  QVERIFY(b.Load(values));
  QCOMPARE(b.States(), QStringLiteral("11011"));

  QElapsedTimer clock;
  clock.start();
  b.senden->click();
  QCOMPARE(b.States(), QStringLiteral("00001"));
  QTRY_VERIFY_WITH_TIMEOUT(b.senden->isEnabled(), 10000);
  const qint64 elapsedMs = clock.elapsed();

  QCOMPARE(b.States(), QStringLiteral("11111"));
  QCOMPARE(b.console.Received(), WriteSession(values));
  for (int reg = 0; reg < 200; ++reg) QCOMPARE(b.console.RegisterText(reg), values.at(reg));
  QVERIFY(b.dialogs.shown.isEmpty());
  QVERIFY(!b.window.Image().IsModified());
  QCOMPARE(b.Filled(), 200);
  QCOMPARE(b.textAt57, QStringLiteral("Senden 57 von 200"));
  QTRY_VERIFY(!b.PortOpen());
  // 100 ms, 2810 bytes on a 9600-baud line, then 1000 ms.
  QVERIFY2(elapsedMs >= 100 + 2927 + 1000, qPrintable(QString::number(elapsedMs)));
}

void TestTransfer::writeGreeting_data() {
  QTest::addColumn<QByteArray>("greeting");
  QTest::addColumn<QByteArray>("identification");
  QTest::addColumn<bool>("accepted");
  // Greeting and identification line arrive together, followed by "\r\n".
  QTest::newRow("Quorex at 3") << QByteArray("abc") << QByteArray("Quorex V 1.07 ready for work")
                               << true;
  QTest::newRow("exactly 31 characters") << QByteArray() << QByteArray(23, '-') + "Quorex"
                                         << true;
  QTest::newRow("Quorex at 0") << QByteArray() << QByteArray("Quorex V 1.07 ready for work!")
                               << false;
  QTest::newRow("Quorex complete after the 31st")
      << QByteArray(26, '-') << QByteArray("Quorex V 1.07") << false;
}

void TestTransfer::writeGreeting() {
  QFETCH(QByteArray, greeting);
  QFETCH(QByteArray, identification);
  QFETCH(bool, accepted);
  Bench b;
  QVERIFY(b.Setup());
  b.console.SetGreeting(greeting);
  b.console.SetIdentification(identification);
  b.StartFrom(QStringLiteral("11010"));
  b.senden->click();
  QTRY_VERIFY(b.senden->isEnabled());
  QTRY_VERIFY(!b.PortOpen());
  QCOMPARE(b.States(), QStringLiteral("11110"));
  if (accepted) {
    QVERIFY(b.dialogs.shown.isEmpty());
    QCOMPARE(b.console.Received(), WriteSession(b.window.Image().AllTexts()));
  } else {
    QCOMPARE(b.dialogs.shown.size(), 1);
    QCOMPARE(b.dialogs.Last().text, QStringLiteral("Falsches Gerät!"));
    QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
    QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
    QCOMPARE(b.console.Received(), QByteArray("$PROGSTART\r"));
  }
}

void TestTransfer::readFaults_data() {
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QByteArray>("greeting");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("requestsSent");
  const QString silent = QStringLiteral("antwortet nicht");
  QTest::newRow("silent") << Fault::Silent << QByteArray() << silent << false;
  QTest::newRow("30 characters") << Fault::ShortGreeting << QByteArray() << silent << false;
  QTest::newRow("no end mark") << Fault::NoEndMark << QByteArray() << silent << true;
  QTest::newRow("end mark at position 0")
      << Fault::None << QByteArray("ENDE\r\n") << silent << true;
  QTest::newRow("malformed line") << Fault::MalformedLine << QByteArray()
                                  << QStringLiteral("Register 7 ") << true;
  QTest::newRow("too few lines") << Fault::TooFewLines << QByteArray()
                                 << QStringLiteral("unvollständig") << true;
  QTest::newRow("hang-up") << Fault::HangUp << QByteArray() << QStringLiteral("unterbrochen")
                           << false;
}

// Nothing of a failed read reaches the register image, and the window stays usable.
void TestTransfer::readFaults() {
  QFETCH(Fault, fault);
  QFETCH(QByteArray, greeting);
  QFETCH(QString, message);
  QFETCH(bool, requestsSent);
  Bench b;
  QVERIFY(b.Setup());
  b.console.SetFault(fault);
  if (!greeting.isEmpty()) b.console.SetGreeting(greeting);
  b.window.Image().SetVersion107(false);

  b.lesen->click();
  QTRY_VERIFY_WITH_TIMEOUT(b.lesen->isEnabled(), 10000);
  QCOMPARE(b.dialogs.shown.size(), 1);
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
  QVERIFY2(b.dialogs.Last().text.contains(message), qPrintable(b.dialogs.Last().text));
  QCOMPARE(b.States(), QStringLiteral("01010"));
  QVERIFY(!b.PortOpen());
  QVERIFY(b.Filled() >= 0);
  QVERIFY2(b.Status().startsWith(QStringLiteral("Fehler beim Lesen: ")), qPrintable(b.Status()));
  const Register &image = b.window.Image();
  QCOMPARE(image.AllTexts(), QStringList(200, QStringLiteral("00000000")));
  QCOMPARE(image.VersionText(), Register::kVersionHint);
  QVERIFY(!image.IsModified());
  QVERIFY(!image.IsVersion107());
  if (requestsSent)
    QVERIFY(b.console.Received().startsWith(ReadSession().left(11 + 6 * 190)));
  else if (fault != Fault::HangUp)
    QCOMPARE(b.console.Received(), QByteArray("$PROGSTART\r"));

  // The next read against a console that behaves goes through.
  if (!b.console.IsRunning()) {
    QVERIFY(b.console.Start());
    b.port->setEditText(b.console.DevicePath());
  }
  b.console.SetFault(Fault::None);
  b.console.SetGreeting(SimulatedConsole::kDefaultGreeting);
  b.console.SetRegisterText(3, QStringLiteral("0000ABCD"));
  b.lesen->click();
  QTRY_VERIFY(b.lesen->isEnabled());
  QCOMPARE(b.dialogs.shown.size(), 1);
  QCOMPARE(image.Text(3), QStringLiteral("0000ABCD"));
  QCOMPARE(b.States(), QStringLiteral("11111"));
  // However far the broken read got, the complete one fills the bar, which is empty at its end.
  QCOMPARE(b.Filled(), 200);
}

// The console's real pacing makes the write last about three seconds.
Timing WirePaced() {
  Timing timing = Fast();
  timing.baudRate = 9600;
  return timing;
}

void TestTransfer::writeFaults_data() {
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("commandsSent");
  QTest::newRow("other device") << Fault::OtherDevice << QStringLiteral("Falsches Gerät!")
                                << false;
  QTest::newRow("silent") << Fault::Silent << QStringLiteral("antwortet nicht") << false;
  QTest::newRow("no end mark")
      << Fault::NoEndMark
      << QStringLiteral("Alle 200 Register wurden zum Quorex gesendet, aber der Quorex hat den "
                        "Empfang nicht bestätigt.")
      << true;
  QTest::newRow("hang-up") << Fault::HangUp << QStringLiteral("unterbrochen") << true;
}

void TestTransfer::writeFaults() {
  QFETCH(Fault, fault);
  QFETCH(QString, message);
  QFETCH(bool, commandsSent);
  Bench b;
  // At the real line speed the write is still going out when the line drops, however busy the
  // machine; at test speed its wire time may already be over and the write end unconfirmed.
  QVERIFY(b.Setup(fault == Fault::HangUp ? WirePaced() : Fast()));
  b.console.SetFault(fault);
  b.StartFrom(QStringLiteral("11010"));
  b.window.Image().SetText(0, QStringLiteral("12345678"));

  b.senden->click();
  QTRY_COMPARE_WITH_TIMEOUT(b.dialogs.shown.size(), 1, 10000);
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
  QVERIFY2(b.dialogs.Last().text.contains(message), qPrintable(b.dialogs.Last().text));
  QCOMPARE(b.States(), QStringLiteral("11110"));
  QVERIFY(!b.PortOpen());
  QVERIFY(b.Filled() >= 0);
  QVERIFY2(b.Status().startsWith(QStringLiteral("Fehler beim Senden: ")), qPrintable(b.Status()));
  QCOMPARE(b.window.Image().Text(0), QStringLiteral("12345678"));
  QVERIFY(!b.window.Image().IsModified());
  if (commandsSent)
    QVERIFY(b.console.Received().startsWith("$PROGSTART\r$P00012345678\r"));
  else
    QCOMPARE(b.console.Received(), QByteArray("$PROGSTART\r"));
  QTest::qWait(Fast().silenceTimeoutMs + 100);
  QCOMPARE(b.dialogs.shown.size(), 1);
}

void TestTransfer::zeroBytesAreDropped() {
  Bench b;
  QVERIFY(b.Setup());
  b.console.SetFault(Fault::ZeroBytes);
  const QStringList values = Pattern(QStringLiteral("0F"));
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, values.at(reg));
  b.lesen->click();
  QTRY_VERIFY(b.lesen->isEnabled());
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.window.Image().AllTexts(), values);
  QCOMPARE(b.window.Image().VersionText(), QStringLiteral("Quorex V 1.07"));

  b.console.ClearReceived();
  b.window.Image().SetText(199, QStringLiteral("FEDCBA98"));
  // The bar, emptied at the end of the read, fills again with the write.
  QCOMPARE(b.Filled(), 200);
  QSignalSpy steps(b.progress, &QProgressBar::valueChanged);
  b.senden->click();
  QTRY_VERIFY(b.senden->isEnabled());
  QCOMPARE(steps.size(), 201);
  QCOMPARE(steps.constFirst().constFirst().toInt(), 1);
  QCOMPARE(steps.at(199).constFirst().toInt(), 200);
  QCOMPARE(b.Filled(), 200);
  QTRY_VERIFY(!b.PortOpen());
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.console.RegisterText(199), QStringLiteral("FEDCBA98"));
}

void TestTransfer::portOpenFailure_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("after");
  QTest::addColumn<int>("boxes");
  // Senden, Lesen, Version, Werkeinstellungen, tree
  QTest::newRow("Lesen at start") << "lesen" << "01010" << "01010" << 1;
  QTest::newRow("Lesen after a read") << "lesen" << "11111" << "11111" << 1;
  QTest::newRow("Senden") << "senden" << "11110" << "11110" << 1;
  QTest::newRow("Werkeinstellungen at start") << "werkeinstellungen" << "01010" << "11110" << 2;
}

void TestTransfer::portOpenFailure() {
  QFETCH(QString, button);
  QFETCH(QString, before);
  QFETCH(QString, after);
  QFETCH(int, boxes);
  Bench b;
  QVERIFY(b.Setup());
  b.StartFrom(before);
  b.port->setEditText(QStringLiteral("/dev/quorex-no-such-port"));
  if (button == "werkeinstellungen") b.dialogs.answers << QMessageBox::Ok;
  b.window.findChild<QPushButton *>(button + QStringLiteral("Button"))->click();
  QCOMPARE(b.States(), after);
  QCOMPARE(b.dialogs.shown.size(), boxes);
  QCOMPARE(b.dialogs.Last().text, kOpenFailure);
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Fehler"));
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::Critical);
  QVERIFY(!b.dialogs.Last().detailedText.isEmpty());
  QVERIFY(!b.PortOpen());
  QVERIFY(b.console.Received().isEmpty());
}

void TestTransfer::lesenWhileSendenDisabledKeepsVersion() {
  Bench b;
  QVERIFY(b.Setup());
  b.StartFrom(QStringLiteral("01110"));
  b.lesen->click();
  QCOMPARE(b.States(), QStringLiteral("00100"));
  QTRY_VERIFY(b.lesen->isEnabled());
  QCOMPARE(b.States(), QStringLiteral("11111"));
}

// A write hands the buttons back before its end mark has come; the next press ends that
// wait without a word and has the port to itself.
void TestTransfer::newPressEndsWriteWaitingForEndMark() {
  Bench b;
  Timing timing = Fast();
  timing.silenceTimeoutMs = 5000;
  QVERIFY(b.Setup(timing));
  b.console.SetFault(Fault::NoEndMark);
  b.StartFrom(QStringLiteral("11010"));
  b.senden->click();
  QTRY_VERIFY(b.senden->isEnabled());
  QVERIFY(b.PortOpen());
  QVERIFY(b.window.IsTransferRunning());

  b.console.SetFault(Fault::None);
  b.console.SetRegisterText(9, QStringLiteral("99999999"));
  b.console.ClearReceived();
  b.lesen->click();
  QTRY_VERIFY(b.lesen->isEnabled());
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.console.Received(), ReadSession());
  QCOMPARE(b.window.Image().Text(9), QStringLiteral("99999999"));
  QVERIFY(!b.window.IsTransferRunning());
}

void TestTransfer::factoryReset() {
  Bench b;
  QVERIFY(b.Setup());
  for (int reg = 0; reg < 200; ++reg) b.console.SetRegisterText(reg, QStringLiteral("DEADBEEF"));
  QElapsedTimer clock;
  qint64 resetAt = -1;
  qint64 readAt = -1;
  QString barAtReset;
  connect(&b.console, &SimulatedConsole::FactoryReset, &b.console, [&] {
    resetAt = clock.elapsed();
    barAtReset = b.progress->text();
  });
  connect(&b.console, &SimulatedConsole::CommandReceived, &b.console,
          [&](const QByteArray &command) {
            if (resetAt >= 0 && readAt < 0 && command == "$PROGSTART\r") readAt = clock.elapsed();
          });

  // Cancelled: nothing goes out, all four buttons come back.
  b.dialogs.answers << QMessageBox::Cancel;
  b.werkeinstellungen->click();
  QCOMPARE(b.dialogs.Last().text, QStringLiteral("Gerät auf Werkeinstellungen zurücksetzen?"));
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Werkeinstellungen"));
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::Warning);
  QCOMPARE(b.dialogs.Last().buttons, QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(b.States(), QStringLiteral("11110"));
  QTest::qWait(50);
  QVERIFY(b.console.Received().isEmpty());

  clock.start();
  b.dialogs.answers << QMessageBox::Ok;
  b.werkeinstellungen->click();
  QCOMPARE(b.States(), QStringLiteral("00000"));
  QTRY_VERIFY(resetAt >= 0);
  QCOMPARE(b.console.Received(), QByteArray("$PROGSTART\r$P99900000000\r$PROGENDE\r"));
  QTRY_VERIFY(!b.PortOpen());
  QCOMPARE(b.States(), QStringLiteral("00000"));

  QTRY_VERIFY(b.lesen->isEnabled());
  QCOMPARE(b.dialogs.shown.size(), 2);
  QVERIFY2(readAt - resetAt >= Fast().afterResetMs,
           qPrintable(QString::number(readAt - resetAt)));
  QCOMPARE(b.console.Received(), "$PROGSTART\r$P99900000000\r$PROGENDE\r" + ReadSession());
  QCOMPARE(b.window.Image().AllTexts(), b.console.FactoryValues());
  QCOMPARE(b.States(), QStringLiteral("11111"));
  // The bar counts nothing while the reset and the console's pause run.
  QCOMPARE(barAtReset, QStringLiteral("Zurücksetzen"));
  QCOMPARE(b.textAt57, QStringLiteral("Lesen 57 von 200"));
}

void TestTransfer::closingDuringRead() {
  Timing timing = Fast();
  timing.beforeRequestMs = 5;
  auto b = std::make_unique<Bench>();
  QVERIFY(b->Setup(timing));
  b->lesen->click();
  QTRY_VERIFY(b->console.Received().contains("$R050\r"));
  b->window.reject();
  QVERIFY(!b->PortOpen());
  QVERIFY(!b->window.IsTransferRunning());
  QTest::qWait(Fast().silenceTimeoutMs + 100);
  QVERIFY(b->dialogs.shown.isEmpty());
  QCOMPARE(b->window.Image().AllTexts(), QStringList(200, QStringLiteral("00000000")));
  QVERIFY(!b->window.Image().IsModified());

  // Destroying the window in the middle of a transfer leaves nothing behind that fires.
  b = std::make_unique<Bench>();
  QVERIFY(b->Setup(timing));
  b->lesen->click();
  QTRY_VERIFY(b->console.Received().contains("$R050\r"));
  b.reset();
  QTest::qWait(Fast().silenceTimeoutMs + 100);
  QVERIFY(!b);
}

void TestTransfer::noFileReplacesRegistersDuringRead() {
  Timing timing = Fast();
  timing.beforeRequestMs = 5;
  Bench b;
  QVERIFY(b.Setup(timing));
  b.console.SetRegisterText(0, QStringLiteral("ABCDEF01"));
  b.lesen->click();
  QTRY_VERIFY(b.console.Received().contains("$R050\r"));
  QVERIFY(b.window.IsReadPending());
  b.dialogs.openNames << QStringLiteral("/nonexistent.rquorex");
  QVERIFY(!b.window.Open());
  b.window.Image().SetModified(true);
  b.window.New();
  QCOMPARE(b.dialogs.openDialogs, 0);
  QVERIFY(b.dialogs.shown.isEmpty());
  QTRY_COMPARE(b.States(), QStringLiteral("11111"));
  QCOMPARE(b.window.Image().Text(0), QStringLiteral("ABCDEF01"));
  QVERIFY(!b.window.IsReadPending());
}

void TestTransfer::focusReturnsToPressedButton() {
  Bench b;
  QVERIFY(b.Setup());
  QApplication::setActiveWindow(&b.window);
  QVERIFY(QTest::qWaitForWindowActive(&b.window));
  b.lesen->setFocus();
  QTest::keyClick(b.lesen, Qt::Key_Space);
  QTRY_VERIFY(!b.lesen->isEnabled());
  QTRY_COMPARE(b.States(), QStringLiteral("11111"));
  QCOMPARE(QApplication::focusWidget(), b.lesen);
}

void TestTransfer::serialPort() {
  SimulatedConsole console;
  QVERIFY(console.Start());
  SerialPort port;
  QCOMPARE(port.OpenPort(QStringLiteral("/dev/quorex-no-such-port")), -1);
  QVERIFY(!port.IsOpen());
  QVERIFY(!port.ErrorString().isEmpty());
  QCOMPARE(port.OpenPort(QString()), -1);

  // An in-process line is handed in by its console; a pseudo-terminal opens by its path.
  QCOMPARE(port.OpenPort(console.DevicePath(), console.LineFor(console.DevicePath())), 1);
  QIODevice *device = port.Device();
  // An in-process line has no line settings to check.
  if (auto *serial = qobject_cast<QSerialPort *>(device)) {
    QCOMPARE(serial->baudRate(), 9600);
    QCOMPARE(serial->dataBits(), QSerialPort::Data8);
    QCOMPARE(serial->parity(), QSerialPort::NoParity);
  }
  // An open port is reused, whatever name is given.
  QCOMPARE(port.OpenPort(QStringLiteral("/dev/quorex-no-such-port")), 1);
  QCOMPARE(port.Device(), device);

  const QByteArray hundred = "$P012" + QByteArray(94, '0') + "\r";
  QCOMPARE(hundred.size(), 100);
  port.WriteText(hundred + "X");
  port.WriteText(hundred);
  QTRY_COMPARE(console.Received(), hundred);
  port.ClosePort();
  QVERIFY(!port.IsOpen());
  port.ClosePort();
  QVERIFY(!port.IsOpen());
  port.WriteText(QByteArrayLiteral("$PROGSTART\r"));
  QTest::qWait(50);
  QCOMPARE(console.Received(), hundred);
}

// "Neu" and "Öffnen ..." are greyed and refused until every write command is out, and the
// console receives the whole write.
void TestTransfer::fileCommandsRefusedWhileWriting() {
  Bench b;
  QVERIFY(b.Setup(WirePaced()));
  b.console.SetWireTime(true);
  const QStringList texts = Pattern(QStringLiteral("C"));
  QVERIFY(b.window.Image().SetAllTexts(texts));
  b.window.Image().SetModified(true);
  b.StartFrom(QStringLiteral("11010"));
  b.senden->click();
  QTRY_VERIFY(b.console.Received().contains("$P050"));
  QMenu *datei = b.window.MenuBar()->actions().constFirst()->menu();
  emit datei->aboutToShow();
  QVERIFY(!datei->actions().at(0)->isEnabled());
  QVERIFY(!datei->actions().at(1)->isEnabled());
  b.dialogs.openNames << QStringLiteral("/nonexistent.rquorex");
  QVERIFY(!b.window.Open());
  b.window.New();
  QCOMPARE(b.dialogs.openDialogs, 0);
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.window.Image().AllTexts(), texts);

  QTRY_VERIFY_WITH_TIMEOUT(b.senden->isEnabled(), 10000);
  emit datei->aboutToShow();
  QVERIFY(datei->actions().at(0)->isEnabled());
  QTRY_COMPARE(b.console.Received(), WriteSession(texts));
  QVERIFY(b.dialogs.shown.isEmpty());
}

void TestTransfer::closingWaitsForWrite() {
  Bench b;
  QVERIFY(b.Setup(WirePaced()));
  b.console.SetWireTime(true);
  const QStringList texts = Pattern(QStringLiteral("D"));
  QVERIFY(b.window.Image().SetAllTexts(texts));
  b.StartFrom(QStringLiteral("11010"));
  b.senden->click();
  QTRY_VERIFY(b.console.Received().contains("$P020"));
  b.window.reject();
  QTest::keyClick(&b.window, Qt::Key_Escape);
  b.window.close();
  QCOMPARE(b.dialogs.shown.size(), 3);
  QCOMPARE(b.dialogs.Last().text, QStringLiteral("Die Übertragung zum Quorex läuft noch. Bitte "
                                                 "warten Sie, bis sie beendet ist."));
  QCOMPARE(b.dialogs.Last().caption, QString());
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::Information);
  QVERIFY(b.window.isVisible());
  QTRY_COMPARE_WITH_TIMEOUT(b.console.Received(), WriteSession(texts), 10000);
  QTRY_VERIFY(b.senden->isEnabled());
  b.window.reject();
  QVERIFY(!b.window.isVisible());
  QCOMPARE(b.dialogs.shown.size(), 3);
}

void TestTransfer::closingWaitsForResetCommand() {
  Bench b;
  Timing timing = Fast();
  timing.baudRate = 300;  // the 36 bytes of the reset take 1.2 s on the line
  QVERIFY(b.Setup(timing));
  b.dialogs.answers << QMessageBox::Ok;
  b.werkeinstellungen->click();
  QVERIFY(b.window.Session().IsOnTheLine());
  b.window.reject();
  QCOMPARE(b.dialogs.Last().icon, QMessageBox::Information);
  QVERIFY(b.window.isVisible());
  QTRY_VERIFY(!b.window.Session().IsOnTheLine());
  QCOMPARE(b.console.Received(), QByteArray("$PROGSTART\r$P99900000000\r$PROGENDE\r"));
}

// The read after a reset fails: only what the press took comes back, so "Senden" stays off
// where nothing sensible was ever loaded.
void TestTransfer::resetWithFailedReadGivesBackWhatItTook() {
  Bench b;
  QVERIFY(b.Setup());
  connect(&b.console, &SimulatedConsole::FactoryReset, &b.console,
          [&b] { b.console.SetFault(Fault::Silent); });
  QCOMPARE(b.States(), QStringLiteral("01010"));
  b.dialogs.answers << QMessageBox::Ok;
  b.werkeinstellungen->click();
  QTRY_COMPARE_WITH_TIMEOUT(b.dialogs.shown.size(), 2, 5000);
  QVERIFY(b.dialogs.Last().text.contains(QStringLiteral("antwortet nicht")));
  QCOMPARE(b.States(), QStringLiteral("01010"));

  // Once something was loaded, the failed read gives "Senden" back.
  b.console.SetFault(Fault::None);
  b.lesen->click();
  QTRY_COMPARE(b.States(), QStringLiteral("11111"));
  b.dialogs.answers << QMessageBox::Ok;
  b.werkeinstellungen->click();
  QTRY_COMPARE_WITH_TIMEOUT(b.dialogs.shown.size(), 4, 5000);
  QCOMPARE(b.States(), QStringLiteral("11111"));
}

// The answer limit belongs to the read: a console that says more while it takes the write
// commands neither fails the write nor loses any of them.
void TestTransfer::talkativeConsoleDoesNotEndWrite() {
  Bench b;
  QVERIFY(b.Setup());
  b.console.SetFault(Fault::Chatter);
  const QStringList texts = Pattern(QStringLiteral("E"));
  QVERIFY(b.window.Image().SetAllTexts(texts));
  b.StartFrom(QStringLiteral("11010"));
  b.senden->click();
  QTRY_VERIFY(!b.window.IsTransferRunning());
  QVERIFY(b.dialogs.shown.isEmpty());
  QCOMPARE(b.console.Received(), WriteSession(texts));
  for (int reg : {0, 199}) QCOMPARE(b.console.RegisterText(reg), texts.at(reg));
}

// The line breaks at register 100: the message says how many registers had gone out, and the
// program's registers stay as they were.
void TestTransfer::brokenOffWriteSaysHowFar() {
  Bench b;
  QVERIFY(b.Setup(WirePaced()));
  b.console.SetWireTime(true);
  b.console.SetFault(Fault::HangUp);
  const QStringList texts = Pattern(QStringLiteral("F"));
  QVERIFY(b.window.Image().SetAllTexts(texts));
  b.StartFrom(QStringLiteral("11010"));
  b.senden->click();
  QTRY_COMPARE_WITH_TIMEOUT(b.dialogs.shown.size(), 1, 10000);
  const QString text = b.dialogs.Last().text;
  const QRegularExpression sent(QStringLiteral("nachdem (\\d+) von 200 Registern gesendet "
                                               "waren\\. Der Quorex enthält jetzt teils alte, "
                                               "teils neue Einstellungen\\."));
  const QRegularExpressionMatch match = sent.match(text);
  QVERIFY2(match.hasMatch(), qPrintable(text));
  // What counts as gone out follows the wire's pace; on a busy machine the break is noticed a
  // few commands late, so the count may run a little past the break, never near 200.
  const int count = match.captured(1).toInt();
  QVERIFY2(count >= SimulatedConsole::kHangUpRegister - 2 &&
               count <= SimulatedConsole::kHangUpRegister + 10,
           qPrintable(text));
  QCOMPARE(b.window.Image().AllTexts(), texts);
  QCOMPARE(b.States(), QStringLiteral("11110"));
}

// A console that freezes half way through a read is given up 3 s (here 400 ms) after its last
// byte, not only after the program has sent every request.
void TestTransfer::frozenConsoleNoticedDuringRead() {
  Timing timing = Fast();
  timing.beforeRequestMs = 20;
  Bench b;
  QVERIFY(b.Setup(timing));
  b.console.SetFault(Fault::Freeze);
  b.lesen->click();
  QTRY_COMPARE_WITH_TIMEOUT(b.dialogs.shown.size(), 1, 10000);
  QVERIFY(b.dialogs.Last().text.contains(QStringLiteral("antwortet nicht")));
  QVERIFY2(!b.console.Received().contains("$R180\r"), b.console.Received().right(40).constData());
  QCOMPARE(b.window.Image().AllTexts(), QStringList(200, QStringLiteral("00000000")));
}

// Each outcome in one line, with the console's version, the port and the time.
void TestTransfer::statusLineSaysWhatHappened() {
  Bench b;
  QVERIFY(b.Setup());
  const QString at = QStringLiteral(" an ") + b.console.DevicePath() + QStringLiteral(", ");
  const QString time = QStringLiteral("\\d\\d:\\d\\d:\\d\\d$");
  const auto expect = [&](const QString &start) {
    const QRegularExpression pattern(QLatin1Char('^') + QRegularExpression::escape(start) + time);
    QVERIFY2(pattern.match(b.Status()).hasMatch(), qPrintable(b.Status()));
  };
  b.lesen->click();
  QTRY_VERIFY(b.lesen->isEnabled());
  expect(QStringLiteral("Gelesen: Quorex V 1.07") + at);
  b.senden->click();
  QTRY_VERIFY(b.senden->isEnabled());
  QTRY_VERIFY(!b.window.Session().IsBusy());
  expect(QStringLiteral("Gesendet: 200 Register") + at);
  QAction *pruefen = b.window.findChild<QAction *>(QStringLiteral("pruefenAction"));
  QVERIFY(pruefen);
  pruefen->setChecked(true);
  b.senden->click();
  QTRY_VERIFY_WITH_TIMEOUT(b.Status().startsWith(QStringLiteral("Geprüft")), 10000);
  expect(QStringLiteral("Geprüft: alle 200 Register gleich, "));
  pruefen->setChecked(false);
  b.dialogs.shown.clear();
  b.console.SetFault(Fault::Silent);
  b.lesen->click();
  QTRY_VERIFY_WITH_TIMEOUT(b.lesen->isEnabled(), 10000);
  QVERIFY2(b.Status().startsWith(QStringLiteral("Fehler beim Lesen: Der Quorex antwortet nicht")),
           qPrintable(b.Status()));
  QVERIFY(!b.Status().contains(QLatin1Char('\n')));
  QVERIFY(b.Filled() >= 0);
}

// A read or a write leaves nothing unsaved to ask about; a change on a page after them does.
void TestTransfer::secondReadAsksNothing() {
  Bench b;
  QVERIFY(b.Setup());
  const auto edit = [&b] {
    b.tree->setCurrentItem(b.tree->topLevelItem(1));
    auto seen = OnNextModal([](QDialog *page) {
      auto *high = page->findChild<QRadioButton *>(QStringLiteral("sqlHigh1RadioButton"));
      auto *low = page->findChild<QRadioButton *>(QStringLiteral("sqlLow1RadioButton"));
      (high->isChecked() ? low : high)->click();
      page->accept();
    });
    QTest::keyClick(b.tree, Qt::Key_Return);
    QTRY_VERIFY(*seen);
    QTRY_VERIFY(!QApplication::activeModalWidget());
  };
  const auto read = [&b] {
    b.lesen->click();
    QTRY_VERIFY(b.lesen->isEnabled());
  };
  read();
  read();
  QVERIFY(b.dialogs.shown.isEmpty());
  edit();
  b.senden->click();
  QTRY_VERIFY(!b.window.Session().IsBusy());
  read();
  QVERIFY(b.dialogs.shown.isEmpty());
  edit();
  b.dialogs.answers << QMessageBox::No;
  read();
  QCOMPARE(b.dialogs.shown.size(), 1);
  QCOMPARE(b.dialogs.Last().caption, QStringLiteral("Änderungen Speichern"));
}

#ifdef Q_OS_UNIX
void TestTransfer::signalEndsWithoutQuestion_data() {
  QTest::addColumn<QString>("job");  // what runs when the signal comes
  QTest::addColumn<int>("signalNumber");
  QTest::addColumn<QString>("said");  // (\\d+): the registers sent, as the log has them too
  const QString unsaved = QStringLiteral("Die Änderungen wurden nicht gespeichert\\.");
  QTest::newRow("write, SIGTERM") << "senden" << SIGTERM
                                  << "Die Übertragung .* nachdem (\\d+) von 200 .*\n" + unsaved;
  QTest::newRow("read, SIGHUP") << "lesen" << SIGHUP << "Das Lesen des Quorex wurde abgebrochen\\.";
  QTest::newRow("differences shown, SIGTERM") << "vorschau" << SIGTERM << unsaved;
  QTest::newRow("idle, Ctrl+C") << "" << SIGINT << unsaved;
}

// A signal asks nothing: a console job is broken off, logged and said as quorex-cli does it,
// and nothing afterwards ends the window a second time.
void TestTransfer::signalEndsWithoutQuestion() {
  QFETCH(QString, job);
  QFETCH(int, signalNumber);
  QFETCH(QString, said);
  Bench b;
  QVERIFY(b.Setup(WirePaced()));
  b.console.SetWireTime(true);
  b.window.Image().SetModified(job != "lesen");  // "Lesen" would ask about it first
  b.StartFrom(QStringLiteral("11010"));
  b.Action("unterschiedeAction")->setChecked(job == "vorschau");
  if (!job.isEmpty()) (job == "lesen" ? b.lesen : b.senden)->click();
  if (job == "vorschau") QTRY_VERIFY_WITH_TIMEOUT(b.window.findChild<QDialog *>(), 10000);
  if (job == "senden" || job == "lesen")
    QTRY_VERIFY(b.console.Received().contains(job == "senden" ? "$P050" : "$R050"));
  EndSignals ends;
  QStringList lines;
  connect(&ends, &EndSignals::Received, &b.window, [&] { lines = b.window.EndBySignal(); });
  QVERIFY(ends.Start());
  QCOMPARE(::raise(signalNumber), 0);
  QTRY_VERIFY(!lines.isEmpty());
  const QRegularExpressionMatch match =
      QRegularExpression("^" + said + "$", QRegularExpression::DotMatchesEverythingOption)
          .match(lines.join('\n'));
  QVERIFY2(match.hasMatch(), qPrintable(lines.join('\n')));
  b.window.reject();  // asks nothing and ends nothing a second time
  QVERIFY(b.window.isVisible() && b.dialogs.shown.isEmpty() && !b.window.IsTransferRunning());
  LogEntry last;
  b.Journal().Log().ForEach([&last](const LogEntry &entry) { last = entry; return true; });
  QCOMPARE(last.result, job.isEmpty() ? QString() : QStringLiteral("cancelled"));
  if (match.lastCapturedIndex() == 1) QCOMPARE(last.registers, match.captured(1).toInt());
}
#endif

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
