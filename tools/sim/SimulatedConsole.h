// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ConsoleLine;
class QIODevice;
class QTimer;

// A console at the far end of a serial line, for tests and for trying the program without
// one. The program opens DevicePath() like any serial port. On a pseudo-terminal it talks to
// it through the real QSerialPort code path; on an in-process line (the only one on Windows)
// through the line's program end (LineFor), which the test hands to the program's session.
//
// Protocol it answers (all commands end in "\r"):
//   "$PROGSTART\r"       -> greeting (more than 30 characters, "Quorex" not at position 0),
//                           then the identification line ending in "\n"
//   "$Rnnn\r"            -> one answer line: 5 characters, the register's 8 characters, "\r\n"
//   "$Pnnn" + 8 chars    -> stores the register (nnn 000-199); "$P99900000000\r" = factory reset
//   "$PROGENDE\r"        -> "ENDE\r\n"
// Anything else is ignored. A command is the text from its last "$" up to "\r".
//
// What goes out after "$PROGSTART\r" is greeting + identification + "\r\n" in one piece. The
// program waits for more than 30 characters, wants "Quorex" within the first 31 (not at
// position 0), and then splits everything at "\n", skipping empty lines: the first non-empty
// line is the identification line, whose characters from position 12 on are the version text.
// So the greeting must not hold a "\n" followed by anything but more "\n"s, or it would become
// a line of its own. Defaults: greeting = 8 times "\n", identification =
// "0123456789ABQuorex V 1.07", together 35 characters with "Quorex" at position 20.
//
// Answer line of "$R042\r": "R042:" + register 42 + "\r\n", so the register's characters sit at
// positions 5 to 12.
//
// The line outlives the program's open/close cycles (every transfer opens and closes the
// port). Where the line can tell the program's opens and closes (an in-process line, a
// pseudo-terminal on Linux), what it would send while the program has the port closed is
// dropped, as bytes sent into an unplugged cable are, so a new
// open never finds stale answers of an earlier session. What the program wrote before closing
// still counts (a real port drains its output on close): with wire time, it is taken in at
// once when the port closes. With wire time the console's answers are not dropped: like a
// console behind a USB adapter, it answers at line speed whether the port is open or not, and
// what it sent meanwhile waits for the program's next open.
class SimulatedConsole : public QObject {
  Q_OBJECT

 public:
  // Ways to misbehave, for the fault tests.
  enum class Fault {
    None,
    Silent,           // answers nothing at all
    ShortGreeting,    // a greeting of 30 characters or fewer, and nothing more
    OtherDevice,      // a greeting without "Quorex"
    NoEndMark,        // everything but "ENDE\r\n"
    MalformedLine,    // one answer line (register 7) carries a non-hex character
    TooFewLines,      // the answers of the last registers are missing
    ZeroBytes,        // NUL bytes sprinkled into every answer
    HangUp,           // closes the line half way through the answers
    Freeze,           // stops answering half way through, the line stays open
    Chatter,          // answers every write command with a line of its own
    DropWrite,        // ignores the write command for one register
  };

  enum class Transport {
    PseudoTerminal,  // POSIX only; asked for elsewhere, the console takes the in-process line
    InProcess,
  };

  static constexpr int kRegisterCount = 200;
  // One byte on a 9600-baud line with start and stop bit: 10 bits.
  static constexpr qint64 kByteNanoseconds = 10 * 1000000000LL / 9600;
  // ShortGreeting sends exactly this many characters (or the whole greeting if it is shorter).
  static constexpr int kShortGreetingLength = 30;
  // MalformedLine: this register's answer carries kMalformedCharacter at position 4 of its text.
  static constexpr int kMalformedRegister = 7;
  static constexpr char kMalformedCharacter = 'G';
  // TooFewLines: read requests for this register and above go unanswered (the end mark comes).
  static constexpr int kFirstMissingRegister = 190;
  // HangUp: the line closes when the command for this register (read request or write
  // command) arrives; the registers before it are answered or stored.
  static constexpr int kHangUpRegister = 100;
  // How often a hang-up that waits for the program to read looks again.
  static constexpr int kHangUpPollMilliseconds = 5;
  // Freeze: from the command for this register on, nothing more is answered or stored.
  static constexpr int kFreezeRegister = 100;
  // Chatter: the line sent back for every write command.
  static const QByteArray kChatterLine;
  // DropWrite: the write command for this register is taken but not stored.
  static constexpr int kDroppedRegister = 42;
  // OtherDevice: every "Quorex" in greeting and identification is sent as this (same length).
  static const QByteArray kOtherDeviceName;
  static const QByteArray kDefaultGreeting;
  static const QByteArray kDefaultIdentification;

  // On DefaultTransport().
  explicit SimulatedConsole(QObject *parent = nullptr);
  explicit SimulatedConsole(Transport transport, QObject *parent = nullptr);
  ~SimulatedConsole() override;

  // The in-process line on Windows; elsewhere the pseudo-terminal, unless the environment
  // variable QUOREX_TEST_LINE is "inprocess" (so the tests can run both ways).
  static Transport DefaultTransport();
  Transport LineTransport() const { return transport_; }

  // Opens the line. False (ErrorString() says why) when that is not possible.
  // After a hang-up, Start() opens a new line (with a new device path).
  bool Start();
  bool IsRunning() const;
  QString DevicePath() const;
  // The program's end of the in-process line named `portName`, for the program's session to
  // open under that name; nullptr for any other name, after a hang-up, and on a
  // pseudo-terminal, which the program opens by its path.
  QIODevice *LineFor(const QString &portName) const;
  QString ErrorString() const;

  // Every byte received since start (or since ClearReceived), in order. With wire time, a byte
  // counts as received when its last bit would have arrived.
  QByteArray Received() const;
  void ClearReceived();

  QString RegisterText(int reg) const;
  // Stores an 8-digit hex text (lower case taken upper case); anything else is refused.
  void SetRegisterText(int reg, const QString &text);
  QStringList FactoryValues() const;

  // The identification line without its "\r\n"; default "0123456789ABQuorex V 1.07".
  void SetIdentification(const QByteArray &line);
  // The greeting sent before the identification line (default: 8 times "\n", see above).
  void SetGreeting(const QByteArray &greeting);
  void SetFault(Fault fault);
  // Sends at the pace of a 9600-baud line (about 1.04 ms per byte) instead of at once, and
  // takes in what the program writes no faster than such a line would deliver it. Answers
  // still on their way when the program closes the port wait for its next open.
  void SetWireTime(bool emulate);
  // Keeps the registers in a register file, so written values survive a restart: an existing
  // file is loaded, a missing one is created, and every change is written at once. False (and
  // nothing changed) when the file cannot be read or created; ErrorString() says why.
  bool SetStorageFile(const QString &path);

  // Drops the line now, like a pulled cable: the program's port sees the device vanish.
  void HangUp();
  // Whether the program has the device open. Known on an in-process line and on Linux;
  // elsewhere always true while the line is up.
  bool IsProgramConnected() const;

  // Fault names as quorex-sim takes them ("none", "silent", "short-greeting", ...).
  static QStringList FaultNames();
  static bool FaultFromName(const QString &name, Fault *fault);

 signals:
  void BytesReceived();
  void FactoryReset();
  // One command text as received, "\r" included, recognised or not.
  void CommandReceived(const QByteArray &command);
  void HungUp();
  void ProgramConnectionChanged(bool connected);
  // The storage file could not be written; said once until a save succeeds again.
  void StorageFailed(const QString &error);

 private:
  void CloseLine();
  void OnLineReceived(const QByteArray &bytes);
  void OnProgramConnectionChanged(bool connected);
  void Consume(const QByteArray &bytes);
  void HandleCommand(const QByteArray &command);
  void AnswerGreeting();
  void AnswerRead(int reg);
  void StoreRegister(int reg, const QByteArray &text);
  void Send(QByteArray bytes);
  void PumpInput();
  void PumpOutput();
  void SaveStorage();
  void StartHangUp();
  void HangUpWhenDelivered();

  Transport transport_;
  ConsoleLine *line_ = nullptr;
  QTimer *inTimer_ = nullptr;
  QTimer *outTimer_ = nullptr;
  QTimer *hangUpTimer_ = nullptr;
  bool hangingUp_ = false;
  qint64 hangUpSince_ = 0;
  QElapsedTimer clock_;

  QString devicePath_;
  QString errorString_;
  QByteArray received_;
  QByteArray command_;       // the command being received, up to its "\r"
  QByteArray inQueue_;       // taken from the line but not yet through the emulated wire
  QList<qint64> inArrival_;  // when each byte of inQueue_ is through
  qint64 inLineFreeAt_ = 0;
  QByteArray outQueue_;
  qint64 outLineFreeAt_ = 0;

  QStringList registers_;
  QByteArray greeting_;
  QByteArray identification_;
  Fault fault_ = Fault::None;
  bool wireTime_ = false;
  int registerCommands_ = 0;  // read requests and write commands since "$PROGSTART\r"
  QString storagePath_;
  bool storageFailing_ = false;
};
