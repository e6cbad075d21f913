#include "SimulatedConsole.h"

#include "RegisterFile.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <sys/inotify.h>
#endif

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

QString SystemError(const char *what) {
  return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
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
    : QObject(parent),
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
  hangUpTimer_->setInterval(5);
  connect(hangUpTimer_, &QTimer::timeout, this, &SimulatedConsole::HangUpWhenDelivered);
}

SimulatedConsole::~SimulatedConsole() { CloseLine(); }

bool SimulatedConsole::Start() {
  if (IsRunning()) return true;
  errorString_.clear();
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) {
    errorString_ = SystemError("posix_openpt");
    return false;
  }
  const char *name = nullptr;
  if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || !(name = ::ptsname(master))) {
    errorString_ = SystemError("grantpt/unlockpt/ptsname");
    ::close(master);
    return false;
  }
  const QByteArray path(name);
  // Our own slave descriptor keeps the line up between the program's opens; without it, the
  // master reads EIO (and polls as readable for ever) whenever the program has closed the port.
  const int slave = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (slave < 0) {
    errorString_ = SystemError("open slave");
    ::close(master);
    return false;
  }
  // No echo, no CR/LF translation, 8 bits clean, in either direction.
  termios tio;
  if (::tcgetattr(slave, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    ::tcsetattr(slave, TCSANOW, &tio);
  }
  if (::tcgetattr(master, &tio) == 0) {
    ::cfmakeraw(&tio);
    ::tcsetattr(master, TCSANOW, &tio);
  }
  ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  // A program started from this process (a test runs quorex-cli as one) must not inherit
  // either end of the line: its copy would keep a hung-up line alive.
  ::fcntl(master, F_SETFD, ::fcntl(master, F_GETFD) | FD_CLOEXEC);

  masterFd_ = master;
  slaveFd_ = slave;
  devicePath_ = QString::fromLocal8Bit(path);
  programOpens_ = 0;
  command_.clear();
  inQueue_.clear();
  inArrival_.clear();
  outQueue_.clear();

#ifdef Q_OS_LINUX
  // Installed after our own open, so it counts the program's opens only.
  watchFd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watchFd_ >= 0 &&
      ::inotify_add_watch(watchFd_, path.constData(), IN_OPEN | IN_CLOSE) < 0) {
    ::close(watchFd_);
    watchFd_ = -1;
  }
  if (watchFd_ >= 0) {
    watchNotifier_ = new QSocketNotifier(watchFd_, QSocketNotifier::Read, this);
    connect(watchNotifier_, &QSocketNotifier::activated, this, &SimulatedConsole::OnWatchEvents);
  }
#endif

  readNotifier_ = new QSocketNotifier(masterFd_, QSocketNotifier::Read, this);
  connect(readNotifier_, &QSocketNotifier::activated, this, &SimulatedConsole::OnMasterReadable);
  writeNotifier_ = new QSocketNotifier(masterFd_, QSocketNotifier::Write, this);
  writeNotifier_->setEnabled(false);
  connect(writeNotifier_, &QSocketNotifier::activated, this, &SimulatedConsole::PumpOutput);
  return true;
}

void SimulatedConsole::CloseLine() {
  for (QSocketNotifier **notifier : {&readNotifier_, &writeNotifier_, &watchNotifier_}) {
    if (*notifier) {
      // Later: a hang-up can come from inside the read notifier's own signal.
      (*notifier)->setEnabled(false);
      (*notifier)->deleteLater();
      *notifier = nullptr;
    }
  }
  for (int *fd : {&watchFd_, &slaveFd_, &masterFd_}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
  inTimer_->stop();
  outTimer_->stop();
  hangUpTimer_->stop();
  hangingUp_ = false;
  inQueue_.clear();
  inArrival_.clear();
  outQueue_.clear();
  programOpens_ = 0;
}

void SimulatedConsole::HangUp() {
  if (!IsRunning()) return;
  CloseLine();
  emit HungUp();
}

// The fault hangs up only once the program has read the answers given so far: a closed master
// takes the unread rest of the slave's input queue with it.
void SimulatedConsole::StartHangUp() {
  hangingUp_ = true;
  hangUpSince_ = clock_.nsecsElapsed();
  hangUpTimer_->start();
}

void SimulatedConsole::HangUpWhenDelivered() {
  int unread = 0;
  if (slaveFd_ >= 0 && ::ioctl(slaveFd_, FIONREAD, &unread) != 0) unread = 0;
  const bool givenUp = clock_.nsecsElapsed() - hangUpSince_ > 2000LL * 1000000;
  if ((outQueue_.isEmpty() && unread == 0) || !IsProgramConnected() || givenUp) HangUp();
}

QString SimulatedConsole::DevicePath() const { return devicePath_; }
QString SimulatedConsole::ErrorString() const { return errorString_; }
QByteArray SimulatedConsole::Received() const { return received_; }
void SimulatedConsole::ClearReceived() { received_.clear(); }

bool SimulatedConsole::IsProgramConnected() const {
  return watchFd_ < 0 ? IsRunning() : programOpens_ > 0;
}

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
  if (!WriteRegisterFile(storagePath_, registers_, &error)) errorString_ = error;
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

void SimulatedConsole::OnWatchEvents() {
#ifdef Q_OS_LINUX
  if (watchFd_ < 0) return;
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(watchFd_, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event)) + event->len;
      if (event->mask & IN_OPEN) {
        if (++programOpens_ == 1) emit ProgramConnectionChanged(true);
      } else if ((event->mask & IN_CLOSE) && programOpens_ > 0 && --programOpens_ == 0) {
        // Without wire time, whatever was on its way to the closed port, or waits unread in
        // its input queue, is gone, even when the port is opened again at once. With wire
        // time the console behaves like one behind a real adapter: it goes on talking at line
        // speed, and what reaches the adapter while the port is closed waits there for the
        // next open.
        if (!wireTime_) {
          outQueue_.clear();
          outTimer_->stop();
          if (writeNotifier_) writeNotifier_->setEnabled(false);
          if (slaveFd_ >= 0) ::tcflush(slaveFd_, TCIFLUSH);
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
    }
  }
#endif
}

// --- receiving --------------------------------------------------------------------------------

void SimulatedConsole::OnMasterReadable() {
  // An open is always queued before the bytes the program writes after it.
  OnWatchEvents();
  if (masterFd_ < 0) return;
  QByteArray bytes;
  char buffer[1024];
  for (;;) {
    const ssize_t n = ::read(masterFd_, buffer, sizeof buffer);
    if (n > 0) {
      bytes.append(buffer, static_cast<int>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    break;
  }
  if (bytes.isEmpty()) return;
  if (!wireTime_) {
    Consume(bytes);
    return;
  }
  // The program's write lands in the pty at once; a real line delivers one byte per 1.04 ms.
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
  if (writeNotifier_) writeNotifier_->setEnabled(false);
  if (masterFd_ < 0 || outQueue_.isEmpty()) return;
  int due = outQueue_.size();
  const qint64 now = clock_.nsecsElapsed();
  if (wireTime_) {
    // A byte is through when its tenth bit has gone: due are those whose end lies behind us.
    due = static_cast<int>(std::min<qint64>(outQueue_.size(),
                                            std::max<qint64>(0, (now - outLineFreeAt_) /
                                                                    kByteNanoseconds)));
  }
  int written = 0;
  while (written < due) {
    const ssize_t n = ::write(masterFd_, outQueue_.constData() + written, due - written);
    if (n > 0) {
      written += static_cast<int>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  outQueue_.remove(0, written);
  if (wireTime_) outLineFreeAt_ += written * kByteNanoseconds;
  if (outQueue_.isEmpty()) return;
  if (written < due) {
    // The program's input queue is full: go on as soon as it has read some.
    writeNotifier_->setEnabled(true);
  } else {
    const qint64 wait = outLineFreeAt_ + kByteNanoseconds - clock_.nsecsElapsed();
    outTimer_->start(static_cast<int>(std::max<qint64>(0, (wait + 999999) / 1000000)));
  }
}
