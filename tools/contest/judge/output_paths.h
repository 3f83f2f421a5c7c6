#pragma once

#include <vector>

#include "common/output_file.h"
#include "contest/judge/options.h"
#include "contest/judge/submission_list.h"

// Refuses, before anything is judged or written, a run whose outputs clash,
// by the tools' one rule (refuseOutputClashes): RESULTS with its -wal and
// -shm files and every DIR/NAME.report against the test set, the
// submissions and each other (so no report is ever the database), a report
// name too long for the file system, and two submissions of one file name
// under --reports. Throws ToolError. Returns the guard that every report's
// write checks again.
OutputGuard refuseClashingOutputs(const JudgeOptions& options,
                                  const std::vector<SubmissionFile>& submissions);
