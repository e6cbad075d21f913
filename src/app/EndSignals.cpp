// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EndSignals.h"

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#ifdef Q_OS_UNIX
namespace {

constexpr int kWatched[] = {SIGINT, SIGTERM, SIGHUP};

// One pair for the process: [0] is written by the handler, [1] read by the event loop.
int gSockets[2] = {-1, -1};

void Handle(void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : kWatched) sigaction(number, &action, nullptr);
}

extern "C" void OnSignal(int number) {
  const int saved = errno;
  const char byte = char(number);
  [[maybe_unused]] const ssize_t written = ::write(gSockets[0], &byte, 1);
  errno = saved;
}

}  // namespace
#endif

EndSignals::EndSignals(QObject *parent) : QObject(parent) {}

EndSignals::~EndSignals() {
#ifdef Q_OS_UNIX
  if (notifier_) Handle(SIG_DFL);
#endif
}

bool EndSignals::Start() {
#ifdef Q_OS_UNIX
  if (notifier_) return true;
  if (gSockets[0] < 0) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSockets) != 0) return false;
    // Nothing the window starts (a printer's helper, say) may inherit them.
    for (const int socket : gSockets) ::fcntl(socket, F_SETFD, FD_CLOEXEC);
    // A handler must never block, not even on a full socket.
    ::fcntl(gSockets[0], F_SETFL, O_NONBLOCK);
  }
  notifier_ = new QSocketNotifier(qintptr(gSockets[1]), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndSignals::Read);
  Handle(OnSignal);
  return true;
#else
  return false;
#endif
}

void EndSignals::Read() {
#ifdef Q_OS_UNIX
  char byte = 0;
  if (::read(gSockets[1], &byte, 1) != 1) return;
  Handle(SIG_DFL);
  notifier_->setEnabled(false);
  emit Received(int(byte));
#endif
}
