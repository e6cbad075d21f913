#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;

// A console at the far end of a serial line, for tests and for trying the program without
// one. It opens a pseudo-terminal; the program opens DevicePath() like any serial port and
// talks to it through the real QSerialPort code path.
//
// Protocol it answers (all commands end in "\r"):
//   "$PROGSTART\r"       -> greeting (more than 30 characters, "Quorex" not at position 0),
//                           then the identification line ending in "\n"
//   "$Rnnn\r"            -> one answer line: 5 characters, the register's 8 characters, "\r\n"
//   "$Pnnn" + 8 chars    -> stores the register (nnn 000-199); "$P99900000000\r" = factory reset
//   "$PROGENDE\r"        -> "ENDE\r\n"
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
  };

  explicit SimulatedConsole(QObject *parent = nullptr);
  ~SimulatedConsole() override;

  // Opens the pseudo-terminal. False (ErrorString() says why) when that is not possible.
  bool Start();
  QString DevicePath() const;
  QString ErrorString() const;

  // Every byte received since start (or since ClearReceived), in order.
  QByteArray Received() const;
  void ClearReceived();

  QString RegisterText(int reg) const;
  void SetRegisterText(int reg, const QString &text);
  QStringList FactoryValues() const;

  // The identification line without its "\r\n"; default "0123456789ABQuorex V 1.07".
  void SetIdentification(const QByteArray &line);
  // The greeting sent before the identification line (default: 31+ characters with "Quorex").
  void SetGreeting(const QByteArray &greeting);
  void SetFault(Fault fault);
  // Sends at the pace of a 9600-baud line (about 1.04 ms per byte) instead of at once.
  void SetWireTime(bool emulate);
  // Keeps the registers in a register file, so written values survive a restart.
  bool SetStorageFile(const QString &path);

 signals:
  void BytesReceived();
  void FactoryReset();

  // ... implementation details are the implementer's.
};
