#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "contest/standings/ranking.h"

// The formats of the standings, chosen by --format or the output file's extension.
enum class OutputFormat { csv, json, html };

std::optional<OutputFormat> formatByName(std::string_view name);  // "csv", "json" or "html"
std::optional<OutputFormat> outputFormatOf(std::string_view path);

void writeStandings(std::ostream& output, const Standings& standings, OutputFormat format);

// Each format. Every contestant-written byte is shown safely (escapedBytes),
// so the three tell the same facts in printable ASCII.
void writeStandingsCsv(std::ostream& output, const Standings& standings);
void writeStandingsJson(std::ostream& output, const Standings& standings);
void writeStandingsPage(std::ostream& output, const Standings& standings);

// The texts that every format shows for a row.
std::string rankText(const StandingsRow& row);         // "1", or "ref" for a reference
std::string shownContestant(const StandingsRow& row);  // empty when unidentified
std::string shownSubmission(const StandingsRow& row);  // the file name
std::string shownVerdict(const StandingsRow& row);
std::string movesText(std::optional<std::int32_t> moves);  // empty when unanswered
