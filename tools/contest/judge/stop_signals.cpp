#include "contest/judge/stop_signals.h"

#include <ctime>
#include <initializer_list>

StopSignals::StopSignals() {
  sigemptyset(&watched_);
  for (const int signal : {SIGINT, SIGTERM}) {
    struct sigaction action {};
    if (sigaction(signal, nullptr, &action) == 0 && action.sa_handler != SIG_IGN)
      sigaddset(&watched_, signal);
  }
  pthread_sigmask(SIG_BLOCK, &watched_, &previous_);
}

StopSignals::~StopSignals() {
  const timespec now{};
  while (received() != 0) sigtimedwait(&watched_, nullptr, &now);
  pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

int StopSignals::received() const {
  sigset_t pending;
  sigemptyset(&pending);
  if (sigpending(&pending) != 0) return 0;
  for (const int signal : {SIGINT, SIGTERM}) {
    if (sigismember(&watched_, signal) == 1 && sigismember(&pending, signal) == 1) return signal;
  }
  return 0;
}

const char* stopSignalName(int signal) { return signal == SIGINT ? "SIGINT" : "SIGTERM"; }
