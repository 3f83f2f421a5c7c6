#pragma once

#include <cstdint>

#include "contest/database/schema.h"
#include "contest/database/sqlite.h"

// Proves that an open results database is one the judge wrote and nothing
// else touched, before anything is read from it or written to it: SQLite's
// quick check finds every page whole, and its schema objects are exactly
// those of the results schema (no trigger, view, table or index more or
// less, none changed), and, for this version's schema, every row holds
// what the judge writes. Throws ToolError naming the file and the fault.
void proveResultsDatabase(const Connection& connection, std::int64_t version = RESULTS_SCHEMA_VERSION);
