#pragma once

#include <sstream>
#include <string>

#include "driver/evaluation_run.h"
#include "driver/report.h"

// The report's bytes for a test set and a submission held in memory.
inline std::string reportFor(const std::string& inputText, const std::string& submissionText) {
  std::istringstream input(inputText);
  std::istringstream submission(submissionText);
  return reportOf([&] { return runEvaluation(input, submission); });
}
