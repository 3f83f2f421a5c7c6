#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "contest/database/records.h"
#include "contest/database/sqlite.h"

// The rows of one verdict (schema.sql's verdicts and sections), written and
// read back as the outcome they hold.

// The outcome column's word for each kind of verdict.
std::string_view outcomeWord(EvaluationOutcome::Verdict verdict);

// The outcome of a verdict row: its word, a failed check's line and message,
// and a passed one's sections. The rows are those the database proved.
EvaluationOutcome outcomeOfRow(std::string_view word, std::int32_t line, std::string message,
                               ResultList sections);

// Writes a verdict with its sections in place of any earlier verdict of the
// same content and test set, inside the caller's transaction.
void writeVerdictRows(const Connection& connection, const ContentHash& testSet, const ContentHash& content,
                      const VerdictRecord& verdict);

// The verdict stored for a content, its message whole; nullopt when there is none.
std::optional<VerdictRecord> readVerdictRows(const Connection& connection, const ContentHash& testSet,
                                             const ContentHash& content);
