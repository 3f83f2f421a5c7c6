#pragma once

#include <istream>
#include <string>

#include "../testset/test_case.h"
#include "../text/line_source.h"

// Reads and checks the submission's two header lines: the contestant number
// and the task name, and returns the contestant number's line. Afterwards
// the submission's line counter stands at 2.
std::string checkSubmissionHeader(std::istream& submission, LineCounter& lineCounter);

// Reads the next line where a section may begin, skipping empty lines (each
// still counts for the numbering). Returns false at the end of the
// submission, which there is its normal end.
bool readSectionStart(std::istream& submission, LineCounter& lineCounter, std::string& line);

// The test case that a section's first line (line `lineNumber` of the
// submission) names; `number` receives the number read from the line.
const TestCase& findAnsweredTestCase(const TestSet& testSet, const std::string& line, LineCounter lineNumber,
                                     std::int32_t& number);
