#pragma once

#include <string>

#include "outcome.h"

// The report's bytes for an outcome, in the one form it takes: "OK", the
// count and the result lines; the failed check's line and message, then -1;
// or the unexpected-error text, then -1.
std::string reportOf(const EvaluationOutcome& outcome);

// The report's first line: "OK", the failed check's "Napaka [...]: ..." line
// or the unexpected-error text, for a tool that shows the verdict in a line.
std::string verdictLine(const EvaluationOutcome& outcome);
