#pragma once

#include <sstream>
#include <string>

#include "driver/evaluation_run.h"
#include "driver/report.h"

// The assertion form of the report for a check line and its message.
inline std::string failureReport(int checkLine, const std::string& message) {
  return "Napaka [Zvn22Barvotok:" + std::to_string(checkLine) + "]: " + message + "\n-1\n";
}

// The report's bytes for a test set and a submission held in memory.
inline std::string reportFor(const std::string& inputText, const std::string& submissionText) {
  std::istringstream input(inputText);
  std::istringstream submission(submissionText);
  return reportOf([&] { return runEvaluation(input, submission); });
}
