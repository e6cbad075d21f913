// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RegisterFile.h"
#include "SerialPort.h"
#include "SimulatedConsole.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Fault = SimulatedConsole::Fault;
using Transport = SimulatedConsole::Transport;
Q_DECLARE_METATYPE(SimulatedConsole::Fault)
Q_DECLARE_METATYPE(SimulatedConsole::Transport)

namespace {

// The program's end of the line, opened as the program opens it (a QSerialPort with the
// console's line settings, or the in-process line of that name, handed in by the console),
// collecting whatever arrives.
struct Line {
  explicit Line(const SimulatedConsole &console) : sim(console) {}
  const SimulatedConsole &sim;
  SerialPort port;
  QByteArray in;

  bool Open(const QString &path) {
    in.clear();
    if (port.OpenPort(path, sim.LineFor(path)) != 1) return false;
    QIODevice *device = port.Device();
    QObject::connect(device, &QIODevice::readyRead, &port, [this, device] { in += device->readAll(); });
    return true;
  }
  void Close() { port.ClosePort(); }
  // Whole sessions at once, longer than WriteText lets through.
  void Write(const QByteArray &bytes) { port.Device()->write(bytes); }
};

QByteArray Number(int reg) { return QByteArray::number(reg).rightJustified(3, '0'); }

QByteArray ReadSession(int count) {
  QByteArray session("$PROGSTART\r");
  for (int reg = 0; reg < count; ++reg) session += "$R" + Number(reg) + "\r";
  return session + "$PROGENDE\r";
}

// Lines as the program divides them: at "\n", empty ones skipped.
QList<QByteArray> Lines(const QByteArray &text) {
  QList<QByteArray> lines;
  for (const QByteArray &line : text.split('\n'))
    if (!line.isEmpty()) lines << line;
  return lines;
}

bool IsHex(const QByteArray &text) {
  for (char c : text)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

const QByteArray kGreeting = QByteArray(8, '\n') + "0123456789ABQuorex V 1.07\r\n";

}  // namespace

class TestSim : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase_data();
  void init();
  void cleanup();
  void greetingAndIdentification();
  void customGreeting();
  void readAnswers();
  void writeStoresAndJunkIsIgnored();
  void factoryReset();
  void endMarkAndReceivedBytes();
  void nothingHappensInsideTheCall();
  void openCloseOpen();
  void staleAfterReopen_data();
  void staleAfterReopen();
  void faults_data();
  void faults();
  void hangUp();
  void lineIsExclusiveAndUnlisted();
  void wireTimePacesBothWays();
  void storageFileSurvivesRestart();
  void unreadableStorageFileIsRefused();

 private:
  std::unique_ptr<SimulatedConsole> sim_;
  std::unique_ptr<Line> line_;
};

// Every case on every line the console has here: its pacing and manners must not depend on it.
void TestSim::initTestCase_data() {
  QTest::addColumn<Transport>("transport");
  QTest::addColumn<QString>("pathStart");
#ifdef Q_OS_UNIX
  QTest::newRow("pseudo-terminal") << Transport::PseudoTerminal << QStringLiteral("/dev/");
#endif
  QTest::newRow("in-process") << Transport::InProcess << QStringLiteral("quorex-sim-");
}

void TestSim::init() {
  QFETCH_GLOBAL(Transport, transport);
  QFETCH_GLOBAL(QString, pathStart);
  sim_ = std::make_unique<SimulatedConsole>(transport);
  QCOMPARE(sim_->LineTransport(), transport);
  QVERIFY2(sim_->Start(), qPrintable(sim_->ErrorString()));
  QVERIFY2(sim_->DevicePath().startsWith(pathStart), qPrintable(sim_->DevicePath()));
  line_ = std::make_unique<Line>(*sim_);
  QVERIFY2(line_->Open(sim_->DevicePath()), qPrintable(line_->port.ErrorString()));
}

void TestSim::cleanup() {
  line_.reset();
  sim_.reset();
}

void TestSim::greetingAndIdentification() {
  line_->Write("$PROGSTART\r");
  QTRY_COMPARE(line_->in, kGreeting);
  // What the program checks: more than 30 characters, "Quorex" inside the first 31 but not at
  // 0, and the first non-empty line is the identification line.
  QVERIFY(line_->in.size() > 30);
  const int quorex = line_->in.indexOf("Quorex");
  QVERIFY(quorex >= 1 && quorex + 6 <= 31);
  QCOMPARE(Lines(line_->in).first().mid(12), QByteArray("Quorex V 1.07\r"));
}

void TestSim::customGreeting() {
  sim_->SetGreeting("\r\n\r\nHallo ");
  sim_->SetIdentification("0123456789ABQuorex V 1.06 Sonderversion");
  line_->Write("$PROGSTART\r");
  QTRY_COMPARE(line_->in, QByteArray("\r\n\r\nHallo 0123456789ABQuorex V 1.06 Sonderversion\r\n"));
}

void TestSim::readAnswers() {
  sim_->SetRegisterText(42, QStringLiteral("0123abcd"));
  line_->Write("$R000\r$R042\r$R199\r");
  const QStringList factory = sim_->FactoryValues();
  QTRY_COMPARE(line_->in, "R000:" + factory.at(0).toLatin1() + "\r\nR042:0123ABCD\r\nR199:" +
                              factory.at(199).toLatin1() + "\r\n");
  // The register's characters sit at positions 5 to 12 of the line.
  QCOMPARE(line_->in.mid(15 + 5, 8), QByteArray("0123ABCD"));
}

void TestSim::writeStoresAndJunkIsIgnored() {
  // Out of range, a non-hex digit, too short, no "$", and an unknown command: none of them
  // stores or answers anything.
  line_->Write("$R200\r$P2001234ABCD\r$P0121234G678\r$P0121234\rR012\r$X\r");
  line_->Write("$P0120a1b2c3d\r$R012\r");
  QTRY_COMPARE(line_->in, QByteArray("R012:0A1B2C3D\r\n"));
  QCOMPARE(sim_->RegisterText(12), QStringLiteral("0A1B2C3D"));
  QCOMPARE(sim_->RegisterText(200), QString());
}

void TestSim::factoryReset() {
  const QStringList factory = sim_->FactoryValues();
  QCOMPARE(factory.size(), 200);
  QVERIFY(!factory.contains(QStringLiteral("00000000")) || factory.count(QStringLiteral("00000000")) < 50);
  for (const QString &text : factory) QVERIFY2(IsHex(text.toLatin1()) && text.size() == 8, qPrintable(text));

  QSignalSpy reset(sim_.get(), &SimulatedConsole::FactoryReset);
  line_->Write("$P00000000000\r$P19912345678\r");
  QTRY_COMPARE(sim_->RegisterText(199), QStringLiteral("12345678"));
  QCOMPARE(sim_->RegisterText(0), QStringLiteral("00000000"));
  // Register 999 with anything but zeros is no reset.
  line_->Write("$P99900000001\r$PROGSTART\r$P99900000000\r$PROGENDE\r");
  QVERIFY(reset.wait());
  QCOMPARE(reset.count(), 1);
  for (int reg = 0; reg < 200; ++reg) QCOMPARE(sim_->RegisterText(reg), factory.at(reg));
  QTRY_VERIFY(line_->in.endsWith("ENDE\r\n"));
}

void TestSim::endMarkAndReceivedBytes() {
  QSignalSpy commands(sim_.get(), &SimulatedConsole::CommandReceived);
  // A command may arrive in pieces.
  line_->Write("$PROG");
  QTRY_COMPARE(sim_->Received(), QByteArray("$PROG"));
  line_->Write("ENDE\r");
  QTRY_COMPARE(line_->in, QByteArray("ENDE\r\n"));
  QCOMPARE(sim_->Received(), QByteArray("$PROGENDE\r"));
  QCOMPARE(commands.count(), 1);
  QCOMPARE(commands.first().first().toByteArray(), QByteArray("$PROGENDE\r"));
  sim_->ClearReceived();
  QCOMPARE(sim_->Received(), QByteArray());
}

// Both ends hear of each other from the event loop only, as with a real port: the program's
// write reaches the console, and the console's answer the program, once control returns.
void TestSim::nothingHappensInsideTheCall() {
  QSignalSpy written(line_->port.Device(), &QIODevice::bytesWritten);
  line_->Write("$PROGENDE\r");
  QVERIFY(sim_->Received().isEmpty());
  QVERIFY(written.isEmpty());
  QTRY_COMPARE(line_->in, QByteArray("ENDE\r\n"));
  QCOMPARE(written.size(), 1);
  QCOMPARE(written.first().first().toLongLong(), 10);
}

void TestSim::openCloseOpen() {
  QTRY_VERIFY(sim_->IsProgramConnected());
  for (int round = 0; round < 3; ++round) {
    line_->Write("$PROGSTART\r");
    QTRY_COMPARE(line_->in, kGreeting);
    line_->Close();
    QTRY_VERIFY(!sim_->IsProgramConnected());
    QVERIFY(line_->Open(sim_->DevicePath()));
    QTRY_VERIFY(sim_->IsProgramConnected());
  }
  QCOMPARE(sim_->Received(), QByteArray("$PROGSTART\r$PROGSTART\r$PROGSTART\r"));
}

void TestSim::staleAfterReopen_data() {
  QTest::addColumn<bool>("wireTime");
  QTest::newRow("at once") << false;
  QTest::newRow("at line speed") << true;
}

// A console at line speed goes on answering after the program has closed its port, and what
// reaches the adapter meanwhile waits there, in front of the next session's answers. Without
// wire time nothing is left over.
void TestSim::staleAfterReopen() {
  QFETCH(bool, wireTime);
  sim_->SetWireTime(wireTime);
  line_->Write(ReadSession(20));
  QTRY_VERIFY(!line_->in.isEmpty());
  line_->Close();
  QTRY_VERIFY(!sim_->IsProgramConnected());
  QVERIFY(line_->Open(sim_->DevicePath()));
  sim_->ClearReceived();
  line_->Write("$R005\r");
  QTRY_COMPARE(sim_->Received(), QByteArray("$R005\r"));
  const QByteArray answer = "R005:" + sim_->RegisterText(5).toLatin1() + "\r\n";
  QTRY_VERIFY(line_->in.endsWith(answer));
  QCOMPARE(line_->in.startsWith(answer), !wireTime);
  QCOMPARE(line_->in.contains("ENDE\r\n"), wireTime);
}

void TestSim::faults_data() {
  QTest::addColumn<Fault>("fault");
  QTest::addColumn<QByteArray>("greeting");  // with NUL bytes removed
  QTest::addColumn<int>("answerLines");
  QTest::addColumn<bool>("endMark");
  QTest::addColumn<bool>("zeroBytes");
  QTest::addColumn<int>("badRegister");

  QByteArray other = kGreeting;
  other.replace("Quorex", "Fremde");
  QTest::newRow("none") << Fault::None << kGreeting << 200 << true << false << -1;
  QTest::newRow("silent") << Fault::Silent << QByteArray() << 0 << false << false << -1;
  QTest::newRow("short greeting") << Fault::ShortGreeting << kGreeting.left(30) << 0 << false
                                  << false << -1;
  QTest::newRow("other device") << Fault::OtherDevice << other << 200 << true << false << -1;
  QTest::newRow("no end mark") << Fault::NoEndMark << kGreeting << 200 << false << false << -1;
  QTest::newRow("malformed line") << Fault::MalformedLine << kGreeting << 200 << true << false
                                  << 7;
  QTest::newRow("too few lines") << Fault::TooFewLines << kGreeting << 190 << true << false
                                 << -1;
  QTest::newRow("zero bytes") << Fault::ZeroBytes << kGreeting << 200 << true << true << -1;
}

void TestSim::faults() {
  QFETCH(Fault, fault);
  QFETCH(QByteArray, greeting);
  QFETCH(int, answerLines);
  QFETCH(bool, endMark);
  QFETCH(bool, zeroBytes);
  QFETCH(int, badRegister);

  sim_->SetFault(fault);
  const QByteArray session = ReadSession(200);
  line_->Write(session);
  QTRY_COMPARE(sim_->Received(), session);
  // A well-behaved greeting of its own as a marker: whatever the faulty session sent arrives
  // before it.
  const QByteArray marker = "0123456789ABEnde der Probe\r\n";
  sim_->SetFault(Fault::None);
  sim_->SetGreeting(QByteArray());
  sim_->SetIdentification(marker.left(marker.size() - 2));
  line_->Write("$PROGSTART\r");
  QTRY_VERIFY(line_->in.endsWith(marker));
  QByteArray out = line_->in;
  out.chop(marker.size());

  QCOMPARE(out.contains('\0'), zeroBytes);
  out.replace('\0', QByteArray());
  QVERIFY(out.startsWith(greeting));
  QByteArray answers = out.mid(greeting.size());
  QCOMPARE(answers.endsWith("ENDE\r\n"), endMark);
  if (endMark) answers.chop(6);
  QVERIFY(!answers.contains("ENDE"));
  const QList<QByteArray> lines = Lines(answers);
  QCOMPARE(lines.size(), answerLines);
  for (int reg = 0; reg < lines.size(); ++reg) {
    const QByteArray &line = lines.at(reg);
    QCOMPARE(line.size(), 14);
    QCOMPARE(line.left(5), "R" + Number(reg) + ":");
    QCOMPARE(IsHex(line.mid(5, 8)), reg != badRegister);
  }
}

void TestSim::hangUp() {
  QSignalSpy hungUp(sim_.get(), &SimulatedConsole::HungUp);
  QSignalSpy broken(&line_->port, &SerialPort::LineBroken);
  sim_->SetFault(Fault::HangUp);
  line_->Write(ReadSession(200));
  QVERIFY(hungUp.wait());
  QVERIFY(!sim_->IsRunning());
  // The registers before the middle were answered, none after it.
  QTRY_COMPARE(Lines(line_->in.mid(kGreeting.size())).size(), SimulatedConsole::kHangUpRegister);
  QTRY_VERIFY(!broken.isEmpty());
  line_->Close();
  Line again(*sim_);
  QVERIFY(!again.Open(sim_->DevicePath()));

  // A new start gives a new, working line.
  sim_->SetFault(Fault::None);
  QVERIFY(sim_->Start());
  QVERIFY(again.Open(sim_->DevicePath()));
  again.Write("$PROGENDE\r");
  QTRY_COMPARE(again.in, QByteArray("ENDE\r\n"));
}

// Another open of the same line fails while the program holds it, as an exclusive serial port
// does; and no line of the console ever shows in the port list.
void TestSim::lineIsExclusiveAndUnlisted() {
  Line second(*sim_);
  QVERIFY(!second.Open(sim_->DevicePath()));
  QVERIFY(!second.port.ErrorString().isEmpty());
  line_->Close();
  QVERIFY2(second.Open(sim_->DevicePath()), qPrintable(second.port.ErrorString()));
  for (const PortEntry &entry : SerialPort::ListPorts().ports)
    QVERIFY2(!sim_->DevicePath().endsWith(entry.name), qPrintable(entry.name));
}

void TestSim::wireTimePacesBothWays() {
  constexpr double kMsPerByte = 10.0 * 1000.0 / 9600.0;
  sim_->SetWireTime(true);
  QElapsedTimer clock;

  // Out: greeting (35 bytes) and ten answer lines (15 bytes each).
  QByteArray session("$PROGSTART\r");
  for (int reg = 0; reg < 10; ++reg) session += "$R" + Number(reg) + "\r";
  clock.start();
  line_->Write(session);
  QTRY_COMPARE(line_->in.size(), 35 + 10 * 15);
  const qint64 outMs = clock.elapsed();
  QVERIFY2(outMs >= qint64(185 * kMsPerByte) - 2, qPrintable(QString::number(outMs)));

  // In: the end mark cannot start before 90 bytes of junk and "$PROGENDE\r" have come in.
  line_->in.clear();
  clock.start();
  line_->Write(QByteArray(90, 'x') + "$PROGENDE\r");
  QTRY_COMPARE(line_->in, QByteArray("ENDE\r\n"));
  const qint64 inMs = clock.elapsed();
  QVERIFY2(inMs >= qint64(106 * kMsPerByte) - 2, qPrintable(QString::number(inMs)));
}

void TestSim::storageFileSurvivesRestart() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("konsole.rquorex"));
  QVERIFY(sim_->SetStorageFile(path));
  QStringList onDisk;
  QString error;
  QVERIFY2(ReadRegisterFile(path, &onDisk, &error), qPrintable(error));
  QCOMPARE(onDisk, sim_->FactoryValues());

  line_->Write("$P0050000ABCD\r$P199FEDCBA98\r");
  QTRY_COMPARE(sim_->RegisterText(199), QStringLiteral("FEDCBA98"));
  QVERIFY(ReadRegisterFile(path, &onDisk, &error));
  QCOMPARE(onDisk.at(5), QStringLiteral("0000ABCD"));
  QCOMPARE(onDisk.at(199), QStringLiteral("FEDCBA98"));

  SimulatedConsole restarted;
  QVERIFY(restarted.SetStorageFile(path));
  QCOMPARE(restarted.RegisterText(5), QStringLiteral("0000ABCD"));
  QCOMPARE(restarted.RegisterText(199), QStringLiteral("FEDCBA98"));

  // A reset reaches the file too.
  QSignalSpy reset(sim_.get(), &SimulatedConsole::FactoryReset);
  line_->Write("$P99900000000\r");
  QVERIFY(reset.wait());
  QVERIFY(ReadRegisterFile(path, &onDisk, &error));
  QCOMPARE(onDisk, sim_->FactoryValues());

  // A file that can no longer be written is said once, not once a register.
  QSignalSpy failed(sim_.get(), &SimulatedConsole::StorageFailed);
  QVERIFY(dir.remove());
  line_->Write("$P0051111ABCD\r$P0062222ABCD\r");
  QTRY_COMPARE(sim_->RegisterText(6), QStringLiteral("2222ABCD"));
  QCOMPARE(failed.size(), 1);
}

void TestSim::unreadableStorageFileIsRefused() {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("kaputt.rquorex"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("nicht hex\r\n");
  file.close();
  sim_->SetRegisterText(3, QStringLiteral("33333333"));
  QVERIFY(!sim_->SetStorageFile(path));
  QVERIFY(!sim_->ErrorString().isEmpty());
  QCOMPARE(sim_->RegisterText(3), QStringLiteral("33333333"));
  QVERIFY(!sim_->SetStorageFile(dir.filePath(QStringLiteral("fehlt/gibt.es.nicht"))));
}

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
