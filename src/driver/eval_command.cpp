#include "eval_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "../text/read_error.h"
#include "evaluation_run.h"
#include "report.h"
#include "same_file.h"

namespace {

constexpr char USAGE[] = "Uporaba: Zvn22Barvotok eval input.txt submission.txt report.txt\n";

// Says on standard error what went wrong with a file; the verdict itself is
// never written there.
void complain(const char* what, const std::string& fileName, const char* reason) {
  std::fprintf(stderr, "Zvn22Barvotok: %s \"%s\": %s\n", what, fileName.c_str(), reason);
}

// A report that would overwrite a file it judges (`role` names that file's
// part) is named here, and then nothing is written.
bool reportOverwrites(const char* reportName, const char* judgedName, const char* role) {
  if (!sameFile(reportName, judgedName)) return false;
  std::fprintf(stderr, "Zvn22Barvotok: porocilo \"%s\" bi prepisalo %s \"%s\"\n", reportName, role,
               judgedName);
  return true;
}

// A file that reads as empty keeps its report, but the user learns why.
void sayUnopened(const std::string& fileName, int error) {
  complain(error == EISDIR ? "datoteke ni mogoce brati" : "datoteke ni mogoce odpreti", fileName,
           std::strerror(error));
}

std::string evaluationReport(const char* inputName, const char* submissionName) {
  return reportOf(outcomeOf([&] {
    try {
      return runEvaluation(inputName, submissionName, sayUnopened);
    } catch (const ReadError& error) {
      complain("napaka pri branju datoteke", error.fileName, error.what());
      throw;  // the unexpected-error form: no verdict on a file read in part
    }
  }));
}

// Writes the whole report and closes the file; false, with errno's value in
// `error`, when any of it failed.
bool writeAndClose(std::FILE* file, const std::string& report, int& error) {
  const bool written =
      std::fwrite(report.data(), 1, report.size(), file) == report.size() && std::fflush(file) == 0;
  error = errno;
  const bool closed = std::fclose(file) == 0;
  if (written && !closed) error = errno;
  return written && closed;
}

}  // namespace

void printUsage() { std::fwrite(USAGE, 1, sizeof USAGE - 1, stdout); }

int evaluate(int argc, char** argv) {
  if (argc < 5) {
    printUsage();
    return 1;
  }
  const char* reportName = argv[4];
  if (reportOverwrites(reportName, argv[2], "vhodno datoteko") ||
      reportOverwrites(reportName, argv[3], "oddajo")) {
    return 1;
  }
  // Text mode: on Windows the report's lines end in CR LF, as its text files do.
  std::FILE* reportFile = std::fopen(reportName, "wt");
  if (reportFile == nullptr) {
    complain("datoteke s porocilom ni mogoce odpreti", reportName, std::strerror(errno));
    return 1;
  }

  const std::string report = evaluationReport(argv[2], argv[3]);

  int writeError = 0;
  if (!writeAndClose(reportFile, report, writeError)) {
    // A part of a report could pass for a verdict: leave the file empty.
    if (std::FILE* emptied = std::fopen(reportName, "wt")) std::fclose(emptied);
    complain("porocila ni bilo mogoce zapisati v datoteko", reportName, std::strerror(writeError));
    return 1;
  }
  return 0;
}
