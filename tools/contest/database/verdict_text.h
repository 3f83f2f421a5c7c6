#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "contest/database/records.h"
#include "driver/outcome.h"
#include "driver/section_observer.h"

// The verdict column: "OK" for the success form, the check line ("190") for
// the assertion form, and "unexpected" for the unexpected-error form.
inline constexpr std::string_view VERDICT_OK = "OK";
inline constexpr std::string_view VERDICT_UNEXPECTED = "unexpected";

std::string verdictText(const EvaluationOutcome& outcome);

// The verdict of one evaluation: `evaluate` runs the evaluator's walk, telling
// the observer it is given; the record keeps the report, the contestant line
// and, for the verdict OK, its result lines as sections. An evaluation that
// ran out of memory is no verdict: it raises std::bad_alloc again.
VerdictRecord judgedVerdict(const std::function<ResultList(SectionObserver&)>& evaluate);

// Why a verdict read back is not one the judge writes (a verdict no check
// gives, a report of another form, sections beside a failure); nullopt when
// it is one. `record.report` holds the report's first bytes, the whole
// report for a verdict OK; `reportLength` is its full length.
std::optional<std::string> verdictFault(const VerdictRecord& record, std::size_t reportLength);
