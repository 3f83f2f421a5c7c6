#pragma once

#include <functional>
#include <istream>
#include <string>

#include "../testset/test_case.h"
#include "report.h"
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
