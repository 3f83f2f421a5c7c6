#include "evaluate.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "evaluation_run.h"
#include "report.h"

namespace {

constexpr char USAGE[] = "Uporaba: Zvn22Barvotok eval input.txt submission.txt report.txt\n";

// Says on standard error why the report file failed; the verdict itself is
// never written there.
void complain(const char* what, const char* fileName, int error) {
  std::fprintf(stderr, "Zvn22Barvotok: %s \"%s\": %s\n", what, fileName, std::strerror(error));
}

}  // namespace

void printUsage() { std::fwrite(USAGE, 1, sizeof USAGE - 1, stdout); }

int evaluate(int argc, char** argv) {
  if (argc < 5) {
    printUsage();
    return 1;
  }
  const char* reportName = argv[4];
  std::FILE* reportFile = std::fopen(reportName, "w");
  if (reportFile == nullptr) {
    complain("datoteke s porocilom ni mogoce odpreti", reportName, errno);
    return 1;
  }

  const std::string report = reportOf([&] { return runEvaluation(argv[2], argv[3]); });

  const bool written = std::fwrite(report.data(), 1, report.size(), reportFile) == report.size() &&
                       std::fflush(reportFile) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(reportFile) == 0;
  if (!written || !closed) {
    complain("porocila ni bilo mogoce zapisati v datoteko", reportName, written ? errno : writeError);
    return 1;
  }
  return 0;
}
