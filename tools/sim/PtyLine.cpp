// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PtyLine.h"

#include <QSocketNotifier>

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

QString SystemError(const char *what) {
  return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

PtyLine::PtyLine(QObject *parent) : ConsoleLine(parent) {}

PtyLine::~PtyLine() { Close(); }

bool PtyLine::Open() {
  if (IsOpen()) return true;
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
    connect(watchNotifier_, &QSocketNotifier::activated, this, &PtyLine::OnWatchEvents);
  }
#endif

  readNotifier_ = new QSocketNotifier(masterFd_, QSocketNotifier::Read, this);
  connect(readNotifier_, &QSocketNotifier::activated, this, &PtyLine::OnMasterReadable);
  writeNotifier_ = new QSocketNotifier(masterFd_, QSocketNotifier::Write, this);
  writeNotifier_->setEnabled(false);
  connect(writeNotifier_, &QSocketNotifier::activated, this, &PtyLine::OnWritable);
  return true;
}

void PtyLine::Close() {
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
  programOpens_ = 0;
}

qint64 PtyLine::Write(const QByteArray &bytes) {
  if (writeNotifier_) writeNotifier_->setEnabled(false);
  qint64 written = 0;
  while (masterFd_ >= 0 && written < bytes.size()) {
    const ssize_t n = ::write(masterFd_, bytes.constData() + written, bytes.size() - written);
    if (n > 0) {
      written += n;
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      break;
    }
  }
  if (written < bytes.size() && writeNotifier_) writeNotifier_->setEnabled(true);
  return written;
}

void PtyLine::OnWritable() {
  if (writeNotifier_) writeNotifier_->setEnabled(false);
  emit Writable();
}

qint64 PtyLine::Unread() const {
  int unread = 0;
  if (slaveFd_ < 0 || ::ioctl(slaveFd_, FIONREAD, &unread) != 0) return 0;
  return unread;
}

void PtyLine::DropUnread() {
  if (slaveFd_ >= 0) ::tcflush(slaveFd_, TCIFLUSH);
}

bool PtyLine::IsProgramConnected() const {
  return watchFd_ < 0 ? IsOpen() : programOpens_ > 0;
}

void PtyLine::OnWatchEvents() {
#ifdef Q_OS_LINUX
  if (watchFd_ < 0) return;
  alignas(inotify_event) char buffer[4096];
  for (;;) {
    if (watchFd_ < 0) return;  // hung up by whoever heard of the last event
    const ssize_t n = ::read(watchFd_, buffer, sizeof buffer);
    if (n <= 0) break;
    for (ssize_t at = 0; at < n && watchFd_ >= 0;) {
      const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
      at += static_cast<ssize_t>(sizeof(inotify_event)) + event->len;
      if (event->mask & IN_OPEN) {
        if (++programOpens_ == 1) emit ProgramConnectionChanged(true);
      } else if ((event->mask & IN_CLOSE) && programOpens_ > 0 && --programOpens_ == 0) {
        emit ProgramConnectionChanged(false);
      }
    }
  }
#endif
}

void PtyLine::OnMasterReadable() {
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
  if (!bytes.isEmpty()) emit Received(bytes);
}
