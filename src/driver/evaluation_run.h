#pragma once

#include <functional>
#include <istream>
#include <string>

#include "../submission/first_floods.h"
#include "../testset/test_case.h"
#include "outcome.h"
#include "section_observer.h"

// Told of a file that reads as empty because it could not be opened or is a
// directory: its name and errno's value. The report does not change.
using UnopenedFile = std::function<void(const std::string& fileName, int error)>;

// The evaluation run: reads the whole test set, then the submission, section
// by section, and returns one result per section in submission order. The
// first failed check raises its assertion, whose facts name the file line; a
// read error raises ReadError naming the file.
ResultList runEvaluation(const std::string& inputFileName, const std::string& submissionFileName,
                         const UnopenedFile& unopened = {});

// The same run over streams, so that a whole evaluation can run in memory.
ResultList runEvaluation(std::istream& input, std::istream& submission);

// The submission half of the run, over a test set already read: the only
// walk over a submission's sections. `observer`, if given, is told of every
// section as the walk meets it.
ResultList evaluateSubmission(const TestSet& testSet, std::istream& submission,
                              SectionObserver* observer = nullptr);

// The same walk with first floods shared with other evaluations of the same
// test set, also on other threads at once: each test case's first flood is
// computed once for them all. `firstFloods` must outlive the call and serve
// this `testSet` only (it knows test cases by their address). Everything
// else the walk uses is its own, so one thread per evaluation needs no
// further locking; the report is the same as without sharing.
ResultList evaluateSubmission(const TestSet& testSet, FirstFloods& firstFloods, std::istream& submission,
                              SectionObserver* observer = nullptr);
