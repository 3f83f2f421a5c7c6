#include "contest/judge/tally.h"

void JudgeTally::add(const Judgement& judgement) {
  if (!judgement.verdict) return;
  ++judged;
  if (judgement.verdict->outcome.passed()) ++passed;
}

void JudgeTally::print(std::ostream& out, double seconds) const {
  out << submissions << " submissions, " << before + pending << " contents: " << before << " judged before, "
      << judged << " judged now (" << passed << " OK, " << judged - passed << " failed) in "
      << static_cast<long long>(seconds * 1000) << " ms";
  if (skipped > 0) out << "; " << skipped << " hidden or backup files skipped";
  if (left() > 0) out << "; " << left() << " not judged yet: run the judge again to finish";
  out << "\n";
}
