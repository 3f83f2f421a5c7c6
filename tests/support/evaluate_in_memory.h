#pragma once

// Whole evaluations in memory and the report forms they must give, for tests
// that assert a report's exact bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "driver/evaluation_run.h"
#include "driver/report.h"

// One row of a table of whole submissions against a fixed test set: the
// report that the submission must give.
struct ReportCase {
  std::string name;
  std::string submission;
  std::string report;
};

inline void PrintTo(const ReportCase& reportCase, std::ostream* out) { *out << reportCase.name; }

// The report's bytes for a test set and a submission held in memory.
inline std::string reportFor(const std::string& input, const std::string& submission) {
  std::istringstream inputStream(input);
  std::istringstream submissionStream(submission);
  return reportOf(outcomeOf([&] { return runEvaluation(inputStream, submissionStream); }));
}

inline std::string failureReport(std::int32_t checkLine, const std::string& message) {
  return "Napaka [Zvn22Barvotok:" + std::to_string(checkLine) + "]: " + message + "\n-1\n";
}

inline std::string successReport(const std::vector<std::pair<std::int32_t, std::int32_t>>& results) {
  std::string report = "OK\n" + std::to_string(results.size()) + "\n";
  for (const auto& [number, moveCount] : results) {
    report += std::to_string(number) + " " + std::to_string(moveCount) + "\n";
  }
  return report;
}

// Compares a report with the expected one; a difference is shown where it
// starts, not as megabytes of text.
inline ::testing::AssertionResult sameReport(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  const std::size_t common = std::min(actual.size(), expected.size());
  const std::size_t at = static_cast<std::size_t>(
      std::mismatch(actual.begin(), actual.begin() + static_cast<std::ptrdiff_t>(common), expected.begin())
          .first -
      actual.begin());
  const std::size_t from = at > 60 ? at - 60 : 0;
  return ::testing::AssertionFailure()
         << "reports differ at byte " << at << " (sizes " << actual.size() << " and " << expected.size()
         << ")\n  actual:   \"" << actual.substr(from, 160) << "\"\n  expected: \""
         << expected.substr(from, 160) << "\"";
}

inline std::string quoted(const std::string& line) { return "\"" + line + "\""; }

// A test set of one test case whose grid has the colour colourAt(x, y) at
// column x, row y.
inline std::string oneGridTestSet(std::int32_t w, std::int32_t h, std::int32_t b,
                                  const std::function<std::int32_t(std::int32_t, std::int32_t)>& colourAt) {
  std::string text =
      "Barvotok\n1\n\n1\n" + std::to_string(w) + " " + std::to_string(h) + " " + std::to_string(b) + "\n";
  for (std::int32_t y = 0; y < h; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      text += std::to_string(colourAt(x, y));
      text += x + 1 < w ? ' ' : '\n';
    }
  }
  return text;
}

// The contestant number and task name lines that every submission needs.
inline const std::string SUBMISSION_HEADER = "123456\nBarvotok\n";
