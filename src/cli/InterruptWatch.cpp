// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InterruptWatch.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t gSignal = 0;

extern "C" void OnSignal(int number) { gSignal = number; }

// Ctrl+C, the end of a terminal session and a plain kill: each must leave the console in a
// state the technician is told about.
#ifdef SIGHUP
constexpr int kWatched[] = {SIGINT, SIGTERM, SIGHUP};
#else
constexpr int kWatched[] = {SIGINT, SIGTERM};
#endif

// Short enough that Ctrl+C feels immediate; the console's own waits are 20 ms and up.
constexpr int kCheckIntervalMs = 50;

void Handle(void (*handler)(int)) {
  for (const int number : kWatched) std::signal(number, handler);
}

}  // namespace

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent) {
  timer_.setInterval(kCheckIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &InterruptWatch::Check);
}

InterruptWatch::~InterruptWatch() {
  if (started_) Handle(SIG_DFL);
}

void InterruptWatch::Start() {
  // Once for the whole run: a Ctrl+C between two waits (a write and its read-back) must not
  // be forgotten when the second begins.
  if (started_) return;
  gSignal = 0;
  Handle(OnSignal);
  started_ = true;
  timer_.start();
}

void InterruptWatch::Check() {
  if (!gSignal) return;
  timer_.stop();
  Handle(SIG_DFL);
  emit Interrupted(int(gSignal));
}
