#pragma once

#include <istream>
#include <string>

#include "../text/line_buffer.h"
#include "../text/line_source.h"
#include "task_name.h"
#include "test_case.h"

// Reads and checks a whole test set into `testSet`, which it empties first.
// The first failed check raises its assertion.
void readTestSet(const std::string& fileName, TestSet& testSet);
void readTestSet(std::istream& input, TestSet& testSet);

// Reads one block (empty line, number, "w h b", h rows) into a new record,
// advancing the test set's line counter for every line it reads.
void readTestCase(TestCase& testCase, LineBuffer& input, LineCounter& lineCounter);
