#pragma once

#include <string>
#include <string_view>

#include "driver/outcome.h"

// The verdict as the results database and the standings write it: "OK" for
// a success, the failed check's line ("190"), or "unexpected" for the
// unexpected error.
std::string verdictText(const EvaluationOutcome& outcome);

inline constexpr std::string_view VERDICT_OK = "OK";
inline constexpr std::string_view VERDICT_UNEXPECTED = "unexpected";
