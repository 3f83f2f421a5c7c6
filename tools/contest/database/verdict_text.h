#pragma once

#include <string>
#include <string_view>

#include "driver/report.h"

// The verdict as the results database and the standings write it: "OK" for
// the success form, the check line ("190") for the assertion form, and
// "unexpected" for the unexpected-error form.
std::string verdictText(const ReportVerdict& verdict);

inline constexpr std::string_view VERDICT_OK = "OK";
inline constexpr std::string_view VERDICT_UNEXPECTED = "unexpected";
