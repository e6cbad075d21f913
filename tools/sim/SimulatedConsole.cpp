// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SimulatedConsole.h"

#include "InProcessLine.h"
#include "RegisterFile.h"

#ifdef Q_OS_UNIX
#include "PtyLine.h"
#endif

#include <QFileInfo>
#include <QTimer>
#include <QtGlobal>

#include <algorithm>
#include <utility>

namespace {

const QByteArray kProgStart = QByteArrayLiteral("$PROGSTART");
const QByteArray kProgEnde = QByteArrayLiteral("$PROGENDE");
const QByteArray kResetCommand = QByteArrayLiteral("$P99900000000");
const QByteArray kEndMark = QByteArrayLiteral("ENDE\r\n");

// What a console fresh from the factory holds: the settings the pages cover get sensible
// values, the registers no page uses read as erased EEPROM.
QStringList MakeFactoryValues() {
  QStringList values;
  for (int reg = 0; reg < SimulatedConsole::kRegisterCount; ++reg)
    values << QStringLiteral("FFFFFFFF");
  const struct {
    int reg;
    const char *text;
  } kSet[] = {
      {0, "11110010"},  {1, "10000000"},  {2, "00000000"},  {3, "11110000"},
      {4, "11110000"},  {5, "11110000"},  {6, "00000000"},  {7, "11110000"},
      {8, "00000000"},  {9, "00000000"},  {10, "00000000"}, {11, "11110000"},
      {12, "10003000"}, {13, "03000000"}, {14, "01000000"}, {15, "05000000"},
      {16, "11000000"}, {17, "00000000"}, {18, "00000000"}, {19, "00000000"},
      {20, "1234A000"}, {21, "1234A000"}, {22, "1234A000"}, {23, "10000000"},
      {31, "12345000"}, {32, "12346000"}, {41, "00000000"}, {42, "00000000"},
      {43, "00000000"}, {44, "00000000"}, {51, "03000000"}, {55, "02000000"},
  };
  for (const auto &entry : kSet) values[entry.reg] = QString::fromLatin1(entry.text);
  return values;
}

bool IsHexByte(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "nnn" -> 0..999, or -1 when it is not three decimal digits.
int ParseNumber(const QByteArray &digits) {
  if (digits.size() != 3) return -1;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

struct FaultName {
  SimulatedConsole::Fault fault;
  const char *name;
};

const FaultName kFaultNames[] = {
    {SimulatedConsole::Fault::None, "none"},
    {SimulatedConsole::Fault::Silent, "silent"},
    {SimulatedConsole::Fault::ShortGreeting, "short-greeting"},
    {SimulatedConsole::Fault::OtherDevice, "other-device"},
    {SimulatedConsole::Fault::NoEndMark, "no-end-mark"},
    {SimulatedConsole::Fault::MalformedLine, "malformed-line"},
    {SimulatedConsole::Fault::TooFewLines, "too-few-lines"},
    {SimulatedConsole::Fault::ZeroBytes, "zero-bytes"},
    {SimulatedConsole::Fault::HangUp, "hang-up"},
    {SimulatedConsole::Fault::Freeze, "freeze"},
    {SimulatedConsole::Fault::Chatter, "chatter"},
    {SimulatedConsole::Fault::DropWrite, "drop-write"},
};

}  // namespace

const QByteArray SimulatedConsole::kOtherDeviceName = QByteArrayLiteral("Fremde");
const QByteArray SimulatedConsole::kDefaultGreeting = QByteArray(8, '\n');
const QByteArray SimulatedConsole::kDefaultIdentification =
    QByteArrayLiteral("0123456789ABQuorex V 1.07");

SimulatedConsole::SimulatedConsole(QObject *parent)
    : SimulatedConsole(DefaultTransport(), parent) {}

SimulatedConsole::SimulatedConsole(Transport transport, QObject *parent)
    : QObject(parent),
      transport_(transport),
      inTimer_(new QTimer(this)),
      outTimer_(new QTimer(this)),
      hangUpTimer_(new QTimer(this)),
      registers_(MakeFactoryValues()),
      greeting_(kDefaultGreeting),
      identification_(kDefaultIdentification) {
  clock_.start();
  for (QTimer *timer : {inTimer_, outTimer_}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  connect(inTimer_, &QTimer::timeout, this, &SimulatedConsole::PumpInput);
  connect(outTimer_, &QTimer::timeout, this, &SimulatedConsole::PumpOutput);
  hangUpTimer_->setSingleShot(true);
  connect(hangUpTimer_, &QTimer::timeout, this, &SimulatedConsole::HangUpWhenDelivered);
#ifdef Q_OS_UNIX
  if (transport_ == Transport::PseudoTerminal) line_ = new PtyLine(this);
#endif
  if (!line_) {
    transport_ = Transport::InProcess;
    line_ = new InProcessLine(this);
  }
  connect(line_, &ConsoleLine::Received, this, &SimulatedConsole::OnLineReceived);
  connect(line_, &ConsoleLine::ProgramConnectionChanged, this,
          &SimulatedConsole::OnProgramConnectionChanged);
  connect(line_, &ConsoleLine::Writable, this, &SimulatedConsole::PumpOutput);
}

SimulatedConsole::Transport SimulatedConsole::DefaultTransport() {
#ifdef Q_OS_UNIX
  if (qEnvironmentVariable("QUOREX_TEST_LINE") != QLatin1String("inprocess"))
    return Transport::PseudoTerminal;
#endif
  return Transport::InProcess;
}

SimulatedConsole::~SimulatedConsole() { CloseLine(); }

bool SimulatedConsole::Start() {
  if (IsRunning()) return true;
  errorString_.clear();
  if (!line_->Open()) {
    errorString_ = line_->ErrorString();
    return false;
  }
  devicePath_ = line_->PortName();
  command_.clear();
  inQueue_.clear();
  inArrival_.clear();
  outQueue_.clear();
  return true;
}

bool SimulatedConsole::IsRunning() const { return line_->IsOpen(); }

void SimulatedConsole::CloseLine() {
  line_->Close();
  inTimer_->stop();
  outTimer_->stop();
  hangUpTimer_->stop();
  hangingUp_ = false;
  inQueue_.clear();
  inArrival_.clear();
  outQueue_.clear();
}

void SimulatedConsole::HangUp() {
  if (!IsRunning()) return;
  CloseLine();
  emit HungUp();
}

// The fault hangs up only once the program has read the answers given so far: a line that goes
// takes whatever the program has not read with it.
void SimulatedConsole::StartHangUp() {
  hangingUp_ = true;
  hangUpSince_ = clock_.nsecsElapsed();
  // Where the line knows exactly what the program has not read yet, look at once, before the
  // program's next timer can run: otherwise a busy machine may let a write's wire time run out
  // first, and the write end as unconfirmed instead of broken off. Elsewhere the first look
  // waits a tick for what is on its way.
  if (line_->UnreadIsExact())
    HangUpWhenDelivered();
  else
    hangUpTimer_->start(kHangUpPollMilliseconds);
}

void SimulatedConsole::HangUpWhenDelivered() {
  const qint64 unread = line_->Unread();
  const bool givenUp = clock_.nsecsElapsed() - hangUpSince_ > 2000LL * 1000000;
  if ((outQueue_.isEmpty() && unread == 0) || !IsProgramConnected() || givenUp)
    HangUp();
  else
    hangUpTimer_->start(kHangUpPollMilliseconds);
}

QString SimulatedConsole::DevicePath() const { return devicePath_; }

QIODevice *SimulatedConsole::LineFor(const QString &portName) const {
  return portName == line_->PortName() ? line_->ProgramEnd() : nullptr;
}

QString SimulatedConsole::ErrorString() const { return errorString_; }
QByteArray SimulatedConsole::Received() const { return received_; }
void SimulatedConsole::ClearReceived() { received_.clear(); }

bool SimulatedConsole::IsProgramConnected() const { return line_->IsProgramConnected(); }

QString SimulatedConsole::RegisterText(int reg) const {
  return reg >= 0 && reg < kRegisterCount ? registers_.at(reg) : QString();
}

void SimulatedConsole::SetRegisterText(int reg, const QString &text) {
  StoreRegister(reg, text.toLatin1());
}

QStringList SimulatedConsole::FactoryValues() const { return MakeFactoryValues(); }

void SimulatedConsole::SetIdentification(const QByteArray &line) { identification_ = line; }
void SimulatedConsole::SetGreeting(const QByteArray &greeting) { greeting_ = greeting; }
void SimulatedConsole::SetFault(Fault fault) { fault_ = fault; }

void SimulatedConsole::SetWireTime(bool emulate) {
  wireTime_ = emulate;
  // Whatever is queued goes at once when the emulation is switched off; switched on, the line
  // counts as idle from now.
  const qint64 now = clock_.nsecsElapsed();
  inLineFreeAt_ = std::max(inLineFreeAt_, now);
  outLineFreeAt_ = std::max(outLineFreeAt_, now);
  PumpInput();
  PumpOutput();
}

bool SimulatedConsole::SetStorageFile(const QString &path) {
  QString error;
  if (QFileInfo::exists(path)) {
    QStringList texts;
    if (!ReadRegisterFile(path, &texts, &error)) {
      errorString_ = error;
      return false;
    }
    registers_ = texts;
  } else if (!WriteRegisterFile(path, registers_, &error)) {
    errorString_ = error;
    return false;
  }
  storagePath_ = path;
  return true;
}

void SimulatedConsole::SaveStorage() {
  if (storagePath_.isEmpty()) return;
  QString error;
  if (WriteRegisterFile(storagePath_, registers_, &error)) {
    storageFailing_ = false;
    return;
  }
  errorString_ = error;
  // A write of 200 registers saves 200 times; one word of a full disk is enough.
  if (!std::exchange(storageFailing_, true)) emit StorageFailed(error);
}

QStringList SimulatedConsole::FaultNames() {
  QStringList names;
  for (const FaultName &entry : kFaultNames) names << QLatin1String(entry.name);
  return names;
}

bool SimulatedConsole::FaultFromName(const QString &name, Fault *fault) {
  for (const FaultName &entry : kFaultNames) {
    if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
      *fault = entry.fault;
      return true;
    }
  }
  return false;
}

// --- the program's opens and closes -----------------------------------------------------------

void SimulatedConsole::OnProgramConnectionChanged(bool connected) {
  if (connected) {
    emit ProgramConnectionChanged(true);
    return;
  }
  // Without wire time, whatever was on its way to the closed port, or waits unread in its
  // input queue, is gone, even when the port is opened again at once. With wire time the
  // console behaves like one behind a real adapter: it goes on talking at line speed, and
  // what reaches the adapter while the port is closed waits there for the next open.
  if (!wireTime_) {
    outQueue_.clear();
    outTimer_->stop();
    line_->DropUnread();
  }
  emit ProgramConnectionChanged(false);
  // A real port drains its output before it closes: what the program wrote has arrived.
  if (!inQueue_.isEmpty()) {
    const QByteArray rest = inQueue_;
    inQueue_.clear();
    inArrival_.clear();
    inTimer_->stop();
    Consume(rest);
  }
}

// --- receiving --------------------------------------------------------------------------------

void SimulatedConsole::OnLineReceived(const QByteArray &bytes) {
  if (!IsRunning() || bytes.isEmpty()) return;
  if (!wireTime_) {
    Consume(bytes);
    return;
  }
  // The program's write reaches the line at once; a real line delivers one byte per 1.04 ms.
  qint64 arrival = std::max(inLineFreeAt_, clock_.nsecsElapsed());
  for (char c : bytes) {
    arrival += kByteNanoseconds;
    inQueue_.append(c);
    inArrival_.append(arrival);
  }
  inLineFreeAt_ = arrival;
  PumpInput();
}

void SimulatedConsole::PumpInput() {
  if (inQueue_.isEmpty()) return;
  int due = inQueue_.size();
  if (wireTime_) {
    const qint64 now = clock_.nsecsElapsed();
    due = static_cast<int>(std::upper_bound(inArrival_.cbegin(), inArrival_.cend(), now) -
                           inArrival_.cbegin());
  }
  const QByteArray bytes = inQueue_.left(due);
  inQueue_.remove(0, due);
  inArrival_.remove(0, due);
  if (!inQueue_.isEmpty()) {
    const qint64 wait = inArrival_.first() - clock_.nsecsElapsed();
    inTimer_->start(static_cast<int>(std::max<qint64>(0, (wait + 999999) / 1000000)));
  }
  if (!bytes.isEmpty()) Consume(bytes);
}

void SimulatedConsole::Consume(const QByteArray &bytes) {
  received_.append(bytes);
  emit BytesReceived();
  for (char c : bytes) {
    if (!IsRunning()) return;  // hung up in the middle of what came in
    command_.append(c);
    if (c != '\r') {
      // Nothing the program sends is this long; a stream without "\r" must not grow for ever.
      if (command_.size() > 256) command_.remove(0, command_.size() - 256);
      continue;
    }
    const QByteArray command = command_;
    command_.clear();
    emit CommandReceived(command);
    HandleCommand(command);
  }
}

void SimulatedConsole::HandleCommand(const QByteArray &command) {
  if (hangingUp_) return;
  const int dollar = command.lastIndexOf('$');
  if (dollar < 0) return;
  const QByteArray text = command.mid(dollar, command.size() - dollar - 1);  // without "\r"

  if (fault_ == Fault::Freeze && registerCommands_ > kFreezeRegister) return;
  if (text == kProgStart) {
    registerCommands_ = 0;
    AnswerGreeting();
  } else if (text == kProgEnde) {
    if (fault_ != Fault::Silent && fault_ != Fault::ShortGreeting && fault_ != Fault::NoEndMark)
      Send(kEndMark);
  } else if (text == kResetCommand) {
    registers_ = MakeFactoryValues();
    SaveStorage();
    emit FactoryReset();
  } else if (text.size() == 5 && text.startsWith("$R")) {
    const int reg = ParseNumber(text.mid(2, 3));
    if (reg < 0 || reg >= kRegisterCount) return;
    if (fault_ == Fault::HangUp && ++registerCommands_ > kHangUpRegister) {
      StartHangUp();
      return;
    }
    if (fault_ == Fault::Freeze && ++registerCommands_ > kFreezeRegister) return;
    AnswerRead(reg);
  } else if (text.size() == 13 && text.startsWith("$P")) {
    const int reg = ParseNumber(text.mid(2, 3));
    if (reg < 0 || reg >= kRegisterCount) return;
    if (fault_ == Fault::HangUp && ++registerCommands_ > kHangUpRegister) {
      StartHangUp();
      return;
    }
    if (fault_ == Fault::Freeze && ++registerCommands_ > kFreezeRegister) return;
    if (fault_ == Fault::Chatter) Send(kChatterLine);
    if (fault_ == Fault::DropWrite && reg == kDroppedRegister) return;
    StoreRegister(reg, text.mid(5));
  }
}

const QByteArray SimulatedConsole::kChatterLine =
    QByteArrayLiteral("Quorex: Register gespeichert, alles in Ordnung.\r\n");

void SimulatedConsole::StoreRegister(int reg, const QByteArray &text) {
  if (reg < 0 || reg >= kRegisterCount || text.size() != 8 ||
      !std::all_of(text.cbegin(), text.cend(), IsHexByte))
    return;
  const QString value = QString::fromLatin1(text).toUpper();
  if (registers_.at(reg) == value) return;
  registers_[reg] = value;
  SaveStorage();
}

// --- answering --------------------------------------------------------------------------------

void SimulatedConsole::AnswerGreeting() {
  if (fault_ == Fault::Silent) return;
  QByteArray greeting = greeting_ + identification_ + "\r\n";
  if (fault_ == Fault::ShortGreeting) greeting.truncate(kShortGreetingLength);
  if (fault_ == Fault::OtherDevice) greeting.replace("Quorex", kOtherDeviceName);
  Send(greeting);
}

void SimulatedConsole::AnswerRead(int reg) {
  if (fault_ == Fault::Silent || fault_ == Fault::ShortGreeting) return;
  if (fault_ == Fault::TooFewLines && reg >= kFirstMissingRegister) return;
  QByteArray value = registers_.at(reg).toLatin1();
  if (fault_ == Fault::MalformedLine && reg == kMalformedRegister) value[4] = kMalformedCharacter;
  Send("R" + QByteArray::number(reg).rightJustified(3, '0') + ":" + value + "\r\n");
}

void SimulatedConsole::Send(QByteArray bytes) {
  if (!IsRunning() || (!wireTime_ && !IsProgramConnected())) return;
  if (fault_ == Fault::ZeroBytes) {
    // One in front, then one after every fifth character.
    QByteArray sprinkled(1, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
      sprinkled.append(bytes.at(i));
      if (i % 5 == 4) sprinkled.append('\0');
    }
    bytes = sprinkled;
  }
  if (wireTime_ && outQueue_.isEmpty())
    outLineFreeAt_ = std::max(outLineFreeAt_, clock_.nsecsElapsed());
  outQueue_.append(bytes);
  PumpOutput();
}

void SimulatedConsole::PumpOutput() {
  if (!IsRunning() || outQueue_.isEmpty()) return;
  int due = outQueue_.size();
  const qint64 now = clock_.nsecsElapsed();
  if (wireTime_) {
    // A byte is through when its tenth bit has gone: due are those whose end lies behind us.
    due = static_cast<int>(std::min<qint64>(outQueue_.size(),
                                            std::max<qint64>(0, (now - outLineFreeAt_) /
                                                                    kByteNanoseconds)));
  }
  const int written = due > 0 ? static_cast<int>(line_->Write(outQueue_.left(due))) : 0;
  outQueue_.remove(0, written);
  if (wireTime_) outLineFreeAt_ += written * kByteNanoseconds;
  // A full input queue on the program's side: the line says when it has read some.
  if (outQueue_.isEmpty() || written < due) return;
  const qint64 wait = outLineFreeAt_ + kByteNanoseconds - clock_.nsecsElapsed();
  outTimer_->start(static_cast<int>(std::max<qint64>(0, (wait + 999999) / 1000000)));
}
