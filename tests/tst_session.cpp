// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ConsoleMessages.h"
#include "ConsoleScripts.h"
#include "ConsoleSession.h"
#include "RegisterFixtures.h"
#include "Protocol.h"
#include "SimulatedConsole.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The console session on its own, without any window: what a command-line program sees.

using Fault = SimulatedConsole::Fault;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)

namespace {

// A session and a simulated console, with a record of every signal.
struct Rig {
  SimulatedConsole console;
  ConsoleSession session;
  QSignalSpy progress{&session, &ConsoleSession::Progress};
  QSignalSpy completed{&session, &ConsoleSession::ReadCompleted};
  QSignalSpy released{&session, &ConsoleSession::Released};
  QSignalSpy resetSent{&session, &ConsoleSession::ResetSent};
  QSignalSpy finished{&session, &ConsoleSession::Finished};
  QSignalSpy failed{&session, &ConsoleSession::Failed};

  bool Start(const Timing &timing = Fast()) {
    session.SetTiming(timing);
    session.SetLineSource(LinesOf(console));
    return console.Start();
  }
  QString Port() const { return console.DevicePath(); }
  bool Ended() const { return !finished.isEmpty() || !failed.isEmpty(); }
  QString FailureText() const {
    return failed.isEmpty() ? QString() : failed.constFirst().at(0).toString();
  }
  ConsoleRead Completed() const { return completed.constFirst().at(0).value<ConsoleRead>(); }
};

}  // namespace

class TestSession : public QObject {
  Q_OBJECT

 private slots:
  void read();
  void write_data();
  void write();
  void factoryReset();
  void staleAnswersAreNeverTaken_data();
  void staleAnswersAreNeverTaken();
  void readFaults_data();
  void readFaults();
  void writeFaults_data();
  void writeFaults();
  void portThatCannotBeOpened();
  void abortedWriteCountsWhatWasSent();
  void newOperationEndsTheOldOneSilently();
};

void TestSession::read() {
  Rig rig;
  QVERIFY(rig.Start());
  const QStringList values = Pattern(QStringLiteral("AB"));
  for (int reg = 0; reg < 200; ++reg) rig.console.SetRegisterText(reg, values.at(reg));
  rig.console.SetIdentification("0123456789ABQuorex V 1.06");
  QVERIFY(rig.session.StartRead(rig.Port()));
  QCOMPARE(rig.session.Current(), ConsoleSession::Operation::Read);
  QTRY_VERIFY(rig.Ended());
  QVERIFY2(rig.failed.isEmpty(), qPrintable(rig.FailureText()));
  QCOMPARE(rig.completed.size(), 1);
  QCOMPARE(rig.Completed().texts, values);
  QCOMPARE(rig.Completed().versionText, QStringLiteral("Quorex V 1.06"));
  QVERIFY(!rig.Completed().version107);
  QCOMPARE(rig.progress.size(), 200);
  QCOMPARE(rig.progress.constLast().at(0).toInt(), 200);
  QCOMPARE(rig.released.size(), 1);
  QCOMPARE(rig.console.Received(), ReadSession());
  QVERIFY(!rig.session.IsBusy());
  QVERIFY(!rig.session.IsPortOpen());
}

// A console that answers each write command with a line of its own says far more than a read
// may, its end mark last: the write is still confirmed.
void TestSession::write_data() {
  QTest::addColumn<Fault>("fault");
  QTest::newRow("quiet console") << Fault::None;
  QTest::newRow("talkative console") << Fault::Chatter;
}

void TestSession::write() {
  QFETCH(Fault, fault);
  Rig rig;
  QVERIFY(rig.Start());
  rig.console.SetFault(fault);
  const QStringList texts = Pattern(QStringLiteral("5A"));
  QVERIFY(rig.session.StartWrite(rig.Port(), texts));
  QTRY_VERIFY(rig.Ended());
  QVERIFY2(rig.failed.isEmpty(), qPrintable(rig.FailureText()));
  QCOMPARE(rig.released.size(), 1);
  QCOMPARE(rig.progress.size(), 200);
  QVERIFY(rig.completed.isEmpty());
  QCOMPARE(rig.console.Received(), WriteSession(texts));
  for (int reg = 0; reg < 200; ++reg) QCOMPARE(rig.console.RegisterText(reg), texts.at(reg));
  QCOMPARE(rig.session.RegistersSent(), 200);
  QVERIFY(!rig.session.IsPortOpen());
}

// Three commands, a pause of its own once they are out, then a read of the factory values.
void TestSession::factoryReset() {
  Rig rig;
  QVERIFY(rig.Start());
  for (int reg = 0; reg < 200; ++reg) rig.console.SetRegisterText(reg, QStringLiteral("DEADBEEF"));
  QElapsedTimer clock;
  clock.start();
  qint64 resetAt = -1;
  qint64 readAt = -1;
  connect(&rig.console, &SimulatedConsole::FactoryReset, &rig.console,
          [&] { resetAt = clock.elapsed(); });
  connect(&rig.console, &SimulatedConsole::CommandReceived, &rig.console,
          [&](const QByteArray &command) {
            if (resetAt >= 0 && readAt < 0 && command == "$PROGSTART\r") readAt = clock.elapsed();
          });
  QVERIFY(rig.session.StartReset(rig.Port()));
  QVERIFY(rig.session.IsOnTheLine());
  QTRY_COMPARE(rig.resetSent.size(), 1);
  QVERIFY(!rig.session.IsOnTheLine());
  QVERIFY(!rig.session.IsPortOpen());
  QCOMPARE(rig.console.Received(), QByteArray("$PROGSTART\r$P99900000000\r$PROGENDE\r"));
  QVERIFY(rig.completed.isEmpty());
  QTRY_VERIFY(rig.Ended());
  QVERIFY2(rig.failed.isEmpty(), qPrintable(rig.FailureText()));
  QVERIFY2(readAt - resetAt >= Fast().afterResetMs, qPrintable(QString::number(readAt - resetAt)));
  QCOMPARE(rig.console.Received(), "$PROGSTART\r$P99900000000\r$PROGENDE\r" + ReadSession());
  QCOMPARE(rig.Completed().texts, rig.console.FactoryValues());
}

// A console at line speed goes on answering after the port has closed, and the adapter keeps
// those bytes for the next open: a reset's own answers, or the greeting of a read cut off
// right after "$PROGSTART\r". The next session must start on its own greeting.
void TestSession::staleAnswersAreNeverTaken_data() {
  QTest::addColumn<bool>("reset");
  QTest::newRow("reset, then its read") << true;
  QTest::newRow("read cut off, then a write") << false;
}

void TestSession::staleAnswersAreNeverTaken() {
  QFETCH(bool, reset);
  // Outlives the rig: the console may still report commands to the lambda below after the
  // read is cut off.
  bool cut = false;
  Rig rig;
  Timing timing = Fast();
  timing.baudRate = 9600;
  timing.beforeProgStartMs = Timing().beforeProgStartMs;
  QVERIFY(rig.Start(timing));
  rig.console.SetWireTime(true);
  const QStringList texts = Pattern(QStringLiteral("5"));
  if (reset) {
    QVERIFY(rig.session.StartReset(rig.Port()));
  } else {
    connect(&rig.console, &SimulatedConsole::CommandReceived, &rig.console,
            [&](const QByteArray &command) {
              if (cut || command != "$PROGSTART\r") return;
              rig.session.Abort();
              cut = true;
            });
    QVERIFY(rig.session.StartRead(rig.Port()));
    QTRY_VERIFY(cut);
    rig.console.ClearReceived();
    QVERIFY(rig.session.StartWrite(rig.Port(), texts));
  }
  QTRY_VERIFY_WITH_TIMEOUT(rig.Ended(), 10000);
  QVERIFY2(rig.failed.isEmpty(), qPrintable(rig.FailureText()));
  if (reset) {
    QCOMPARE(rig.Completed().texts, rig.console.FactoryValues());
  } else {
    QCOMPARE(rig.console.Received(), WriteSession(texts));
  }
}

void TestSession::readFaults_data() {
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("afterReset");
  QTest::newRow("silent") << Fault::Silent << QStringLiteral("antwortet nicht") << false;
  QTest::newRow("short greeting") << Fault::ShortGreeting << QStringLiteral("antwortet nicht")
                                  << false;
  QTest::newRow("malformed line") << Fault::MalformedLine << QStringLiteral("Register 7") << false;
  QTest::newRow("too few lines") << Fault::TooFewLines << QStringLiteral("unvollständig") << false;
  QTest::newRow("hang-up") << Fault::HangUp << QStringLiteral("unterbrochen") << false;
  QTest::newRow("freeze") << Fault::Freeze << QStringLiteral("antwortet nicht") << false;
  QTest::newRow("malformed line after a reset")
      << Fault::MalformedLine << QStringLiteral("Register 7") << true;
}

// A read that goes wrong hands nothing over. After a reset, the technician must learn that
// the reset itself went through.
void TestSession::readFaults() {
  QFETCH(Fault, fault);
  QFETCH(QString, message);
  QFETCH(bool, afterReset);
  Rig rig;
  QVERIFY(rig.Start());
  rig.console.SetFault(fault);
  QVERIFY(afterReset ? rig.session.StartReset(rig.Port()) : rig.session.StartRead(rig.Port()));
  QTRY_VERIFY_WITH_TIMEOUT(rig.Ended(), 10000);
  QCOMPARE(rig.failed.size(), 1);
  QVERIFY2(rig.FailureText().contains(message), qPrintable(rig.FailureText()));
  QCOMPARE(rig.FailureText().startsWith(
               QStringLiteral("Der Quorex wurde auf Werkeinstellungen zurückgesetzt; nur das "
                              "Lesen")),
           afterReset);
  QVERIFY(rig.completed.isEmpty());
  QVERIFY(rig.finished.isEmpty());
  QVERIFY(!rig.session.IsBusy());
  QVERIFY(!rig.session.IsPortOpen());
}

void TestSession::writeFaults_data() {
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("partial");
  QTest::newRow("other device") << Fault::OtherDevice << QStringLiteral("Falsches Gerät!") << false;
  QTest::newRow("silent") << Fault::Silent << QStringLiteral("antwortet nicht") << false;
  QTest::newRow("no end mark")
      << Fault::NoEndMark << QStringLiteral("Alle 200 Register wurden zum Quorex gesendet")
      << false;
  QTest::newRow("hang-up") << Fault::HangUp << QStringLiteral("unterbrochen") << true;
  QTest::newRow("freeze") << Fault::Freeze << QStringLiteral("Alle 200 Register") << false;
}

void TestSession::writeFaults() {
  QFETCH(Fault, fault);
  QFETCH(QString, message);
  QFETCH(bool, partial);
  Rig rig;
  Timing timing = Fast();
  timing.baudRate = 9600;
  QVERIFY(rig.Start(timing));
  rig.console.SetWireTime(true);
  rig.console.SetFault(fault);
  QVERIFY(rig.session.StartWrite(rig.Port(), Pattern(QStringLiteral("77"))));
  QTRY_VERIFY_WITH_TIMEOUT(rig.Ended(), 10000);
  QCOMPARE(rig.failed.size(), 1);
  const QString text = rig.FailureText();
  QVERIFY2(text.contains(message), qPrintable(text));
  QCOMPARE(text.contains(QStringLiteral("teils alte, teils neue Einstellungen")), partial);
  if (partial) {
    const QRegularExpressionMatch count =
        QRegularExpression(QStringLiteral("nachdem (\\d+) von 200")).match(text);
    QVERIFY(count.hasMatch());
    QCOMPARE(count.captured(1).toInt(), rig.session.RegistersSent());
    QVERIFY(rig.session.RegistersSent() > 90 && rig.session.RegistersSent() < 110);
  }
  QVERIFY(!rig.session.IsPortOpen());
}

void TestSession::portThatCannotBeOpened() {
  Rig rig;
  QVERIFY(rig.Start());
  for (const auto &start : std::initializer_list<std::function<bool(const QString &)>>{
           [&](const QString &port) { return rig.session.StartRead(port); },
           [&](const QString &port) { return rig.session.StartWrite(port, Pattern(QStringLiteral("0"))); },
           [&](const QString &port) { return rig.session.StartReset(port); }}) {
    QVERIFY(!start(QStringLiteral("/dev/quorex-no-such-port")));
    QVERIFY(!rig.session.PortError().isEmpty());
    QVERIFY(!rig.session.IsBusy());
  }
  QTest::qWait(50);
  QVERIFY(rig.failed.isEmpty() && rig.finished.isEmpty());
  QVERIFY(rig.console.Received().isEmpty());
  QVERIFY(ConsoleMessages::OpenFailed().startsWith(
      QStringLiteral("Das Gerät konnte nicht initialisiert werden.")));
}

// What a command line's Ctrl+C needs: how far the write had got.
void TestSession::abortedWriteCountsWhatWasSent() {
  Rig rig;
  Timing timing = Fast();
  timing.baudRate = 9600;
  QVERIFY(rig.Start(timing));
  rig.console.SetWireTime(true);
  QVERIFY(rig.session.StartWrite(rig.Port(), Pattern(QStringLiteral("12"))));
  QTRY_VERIFY(rig.console.Received().contains("$P050"));
  QVERIFY(rig.session.IsOnTheLine());
  rig.session.Abort();
  QVERIFY(rig.session.RegistersSent() >= 45 && rig.session.RegistersSent() <= 60);
  QVERIFY(!rig.session.IsBusy());
  QVERIFY(!rig.Ended());
}

void TestSession::newOperationEndsTheOldOneSilently() {
  Rig rig;
  Timing timing = Fast();
  timing.beforeRequestMs = 5;
  QVERIFY(rig.Start(timing));
  QVERIFY(rig.session.StartRead(rig.Port()));
  QTRY_VERIFY(rig.console.Received().contains("$R020\r"));
  rig.console.ClearReceived();
  const QStringList texts = Pattern(QStringLiteral("9"));
  QVERIFY(rig.session.StartWrite(rig.Port(), texts));
  QTRY_VERIFY(rig.Ended());
  QVERIFY2(rig.failed.isEmpty(), qPrintable(rig.FailureText()));
  QVERIFY(rig.completed.isEmpty());
  QVERIFY(rig.console.Received().endsWith(WriteSession(texts)));
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
