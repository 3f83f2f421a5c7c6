#pragma once

#include "contest/database/sqlite.h"

// A results database of the first schema version, which stored each
// verdict's report instead of its outcome, made one of this version.

// Proves `old`, a file of the first version, then converts its contents into
// a new in-memory database of this version, proved in turn: the test sets,
// test cases and submissions as they are, and each verdict's outcome derived
// again from its stored report. Throws ToolError, naming `old`'s file,
// for a file that the judge never wrote, such as a report that is not of
// its verdict.
Connection convertedVersion1(const Connection& old);

// Converts the file open on `connection`, of the first version, in one
// transaction: it holds the same verdicts in this version's schema after,
// or is left as it was. A file that another judge converted meanwhile is
// proved as it is.
void convertVersion1InPlace(const Connection& connection);
