#include "InterruptWatch.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) { gInterrupted = 1; }

// Short enough that Ctrl+C feels immediate; the console's own waits are 20 ms and up.
constexpr int kCheckIntervalMs = 50;

}  // namespace

InterruptWatch::InterruptWatch(QObject *parent) : QObject(parent) {
  timer_.setInterval(kCheckIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &InterruptWatch::Check);
}

InterruptWatch::~InterruptWatch() {
  if (started_) std::signal(SIGINT, SIG_DFL);
}

void InterruptWatch::Start() {
  // Once for the whole run: a Ctrl+C between two waits (a write and its read-back) must not
  // be forgotten when the second begins.
  if (started_) return;
  gInterrupted = 0;
  std::signal(SIGINT, OnInterrupt);
  started_ = true;
  timer_.start();
}

void InterruptWatch::Check() {
  if (!gInterrupted) return;
  timer_.stop();
  std::signal(SIGINT, SIG_DFL);
  emit Interrupted();
}
