#pragma once

#include <string>
#include <string_view>

// The verdict that an evaluator's report states, read from its form: "OK"
// for the success form, the check line ("190") for the assertion form, and
// "unexpected" for the unexpected-error form.
std::string verdictOf(std::string_view report);

inline constexpr std::string_view VERDICT_OK = "OK";
inline constexpr std::string_view VERDICT_UNEXPECTED = "unexpected";
