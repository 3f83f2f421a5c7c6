#pragma once

#include <string>

#include "contest/database/sqlite.h"

// What a path holds, told from its first bytes before SQLite ever opens it,
// so that a file that is not ours is left byte for byte as it was, with no
// journal or log created or folded beside it.
enum class ResultsFileKind {
  Absent,    // no file yet
  Empty,     // a file of no bytes, which may become a results database
  Ours,      // a results database of this tool's schema version
  Version1,  // a results database of the first schema version, which is converted
};

// Reads the header of `path`: SQLite's magic, and the application id and
// user version at their fixed offsets. Throws ToolError for a file that
// is not a results database of a version this tool knows, or cannot be
// opened or read.
ResultsFileKind inspectResultsFile(const std::string& path);

// The error for a file that is not a results database of this tool.
ToolError notAResultsDatabase(const std::string& path);
