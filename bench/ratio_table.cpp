#include "ratio_table.h"

#include <cstdio>
#include <ostream>

namespace {

constexpr std::string_view PREFIX = "replay/";
constexpr const char* PRODUCT = "boundary-lists";
constexpr const char* BASELINE = "border-walk";

double counterOr(const benchmark::BenchmarkReporter::Run& run, const char* name, double fallback) {
  const auto found = run.counters.find(name);
  return found == run.counters.end() ? fallback : found->second.value;
}

std::string format(const char* pattern, auto... values) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, values...);
  return text;
}

}  // namespace

void RatioTable::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) remember(run);
}

// Takes the median of repeated runs, or the one run when there is no repetition.
void RatioTable::remember(const Run& run) {
  const std::string& name = run.run_name.function_name;
  if (run.error_occurred || name.rfind(PREFIX, 0) != 0) return;
  const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
  if (!median && !(run.run_type == Run::RT_Iteration && run.repetitions <= 1)) return;
  const auto split = name.rfind('/');
  const std::string section = name.substr(PREFIX.size(), split - PREFIX.size());
  if (rows_.empty() || rows_.back().section != section) rows_.push_back({section, {}});
  rows_.back().byReplay[name.substr(split + 1)] = {run.GetAdjustedRealTime(), counterOr(run, "moves", 0),
                                                   counterOr(run, "walked", 1)};
}

void RatioTable::Finalize() {
  ConsoleReporter::Finalize();
  if (rows_.empty()) return;
  std::ostream& out = GetOutputStream();
  out << "\nReplay of one section, median wall time in ms (whole section: reading its two lines,\n"
         "the replay, the final check and putting back what it changed; the first flood, once per\n"
         "test case, is timed apart as first-flood/). The border walk copies the grid and floods\n"
         "it from the start in every section. * = border walk extrapolated from the share of its\n"
         "work shown in 'walked'.\n\n";
  out << format("%-26s %9s %15s %15s %7s %10s\n", "section", "moves", PRODUCT, BASELINE, "walked", "ratio");
  for (const Row& row : rows_) {
    const auto product = row.byReplay.find(PRODUCT);
    const auto baseline = row.byReplay.find(BASELINE);
    if (product == row.byReplay.end() || baseline == row.byReplay.end()) continue;
    const Timing& fast = product->second;
    const Timing& slow = baseline->second;
    const bool extrapolated = slow.walked < 1;
    out << format("%-26s %9.0f %15.4f %14.1f%s %7.4f %9.0fx\n", row.section.c_str(), fast.moves,
                  fast.milliseconds, slow.milliseconds, extrapolated ? "*" : " ", slow.walked,
                  slow.milliseconds / fast.milliseconds);
  }
  out.flush();
}
