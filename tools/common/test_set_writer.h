#pragma once

#include <cstdint>
#include <ostream>

#include "testset/test_case.h"

// The input file's format: the task name and the number of test cases, then
// per test case an empty line, its number, "w h b" and its h rows.
void writeTestSetHeader(std::ostream& output, std::int64_t caseCount);
void writeTestCase(std::ostream& output, const TestCase& testCase);
void writeTestSet(std::ostream& output, const TestSet& testSet);
