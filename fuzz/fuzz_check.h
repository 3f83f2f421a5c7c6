#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken invariant is a finding: say what broke and abort, which both
// libFuzzer and the replay driver report as a failure.
inline void fuzzCheck(bool holds, const std::string& what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz invariant broken: %s\n", what.c_str());
  std::abort();
}
