#pragma once

#include <istream>
#include <string>

#include "testset/test_case.h"

// Reads the named test set ("-": standard input) with the evaluator's own
// reader. A bad one is shown on standard error as the evaluator would report
// it (showReport), and its report's exact bytes are kept in `failure` when
// given. Whether it passed. Throws ToolError when the file cannot be opened
// or a read fails.
bool readCheckedTestSet(const std::string& name, TestSet& testSet, std::string* failure = nullptr);

// The same over a stream already open on the file `name`.
bool readCheckedTestSet(std::istream& input, const std::string& name, TestSet& testSet,
                        std::string* failure = nullptr);

// Shows an evaluator's report on standard error a line at a time, every byte
// outside printable ASCII escaped and long lines cut: a report quotes the
// lines of files that contestants may have written.
void showReport(const std::string& report);
