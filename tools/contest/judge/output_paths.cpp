#include "contest/judge/output_paths.h"

#include "common/escaped_bytes.h"
#include "common/output_file.h"

OutputGuard refuseClashingOutputs(const JudgeOptions& options,
                                  const std::vector<SubmissionFile>& submissions) {
  std::vector<std::string> inputs{options.input};
  for (const SubmissionFile& submission : submissions) inputs.push_back(submission.path);
  // SQLite writes the two files beside the database while it works.
  std::vector<std::string> outputs{options.results, options.results + "-wal", options.results + "-shm"};
  if (!options.reportsFolder.empty()) {
    if (const auto name = repeatedName(submissions)) {
      throw ToolError{"two submissions are named " + shownFileName(*name) + "; their reports would collide"};
    }
    for (const SubmissionFile& submission : submissions) {
      outputs.push_back(options.reportsFolder + "/" + submission.name + ".report");
    }
  }
  OutputGuard guard = refuseOutputClashes(inputs, outputs);
  for (std::size_t file = 0; file < 3; ++file) guard.watch(outputs[file]);  // SQLite writes these
  return guard;
}
