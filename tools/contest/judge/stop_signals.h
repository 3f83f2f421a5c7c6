#pragma once

#include <signal.h>

// SIGINT and SIGTERM, held back while the judge works so that it stops
// between submissions, with the one in hand finished and the log folded.
// The signals are blocked in every thread (those started later inherit the
// mask) and looked for as pending, so there is no handler and no global
// flag. A signal that the judge was started with ignored stays ignored.
class StopSignals {
 public:
  // Blocks them; to be made before any thread starts.
  StopSignals();
  // Takes a pending stop signal, so that it does not end the process, and
  // restores the mask.
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The stop signal pending, or 0 when none is.
  int received() const;

 private:
  sigset_t watched_{};
  sigset_t previous_{};
};

// "SIGINT" or "SIGTERM".
const char* stopSignalName(int signal);
