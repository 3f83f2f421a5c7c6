#pragma once

#include <istream>
#include <string>

#include "../testset/test_case.h"
#include "report.h"
#include "section_observer.h"

// The evaluation run: reads the whole test set, then the submission, section
// by section, and returns one result per section in submission order. The
// first failed check raises its assertion, whose facts name the file line.
ResultList runEvaluation(const std::string& inputFileName, const std::string& submissionFileName);

// The same run over streams, so that a whole evaluation can run in memory.
ResultList runEvaluation(std::istream& input, std::istream& submission);

// The submission half of the run, over a test set already read: the only
// walk over a submission's sections. `observer`, if given, is told of every
// section as the walk meets it.
ResultList evaluateSubmission(const TestSet& testSet, std::istream& submission,
                              SectionObserver* observer = nullptr);
