#pragma once

#include <functional>

#include "contest/database/records.h"
#include "driver/outcome.h"
#include "driver/section_observer.h"

// The verdict of one evaluation: `evaluate` runs the evaluator's walk, telling
// the observer it is given; the record keeps its outcome and contestant line.
// An evaluation that ran out of memory is no verdict: it raises
// std::bad_alloc again.
VerdictRecord judgedVerdict(const std::function<ResultList(SectionObserver&)>& evaluate);
