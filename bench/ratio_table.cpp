#include "ratio_table.h"

#include <cstdio>
#include <ostream>

namespace {

constexpr std::string_view PREFIX = "replay/";
constexpr std::string_view LIMIT_PREFIX = "limit/";
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

namespace {

// The median of repeated runs, or the one run when there is no repetition.
bool isMedian(const benchmark::BenchmarkReporter::Run& run) {
  using Run = benchmark::BenchmarkReporter::Run;
  if (run.error_occurred) return false;
  const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
  return median || (run.run_type == Run::RT_Iteration && run.repetitions <= 1);
}

}  // namespace

void RatioTable::remember(const Run& run) {
  const std::string& name = run.run_name.function_name;
  if (!isMedian(run)) return;
  if (name.rfind(LIMIT_PREFIX, 0) == 0) {
    rememberLimit(run);
    return;
  }
  if (name.rfind(PREFIX, 0) != 0) return;
  const auto split = name.rfind('/');
  const std::string section = name.substr(PREFIX.size(), split - PREFIX.size());
  if (rows_.empty() || rows_.back().section != section) rows_.push_back({section, {}});
  rows_.back().byReplay[name.substr(split + 1)] = {run.GetAdjustedRealTime(), counterOr(run, "moves", 0),
                                                   counterOr(run, "walked", 1)};
}

void RatioTable::rememberLimit(const Run& run) {
  const std::string& name = run.run_name.function_name;
  const auto split = name.rfind('/');
  const std::string work = name.substr(LIMIT_PREFIX.size(), split - LIMIT_PREFIX.size());
  if (limits_.empty() || limits_.back().work != work) limits_.push_back({work, {}, {}});
  const std::string kind = name.substr(split + 1);
  limits_.back().byKind[kind] = {run.GetAdjustedRealTime(), 0, 1, run.GetAdjustedCPUTime()};
  const double bytesPerSecond = counterOr(run, "bytes_per_second", 0);
  if (bytesPerSecond > 0) limits_.back().megabytesPerSecond[kind] = bytesPerSecond / 1e6;
}

void RatioTable::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  if (!rows_.empty()) printReplayTable(out);
  if (!limits_.empty()) printLimitTable(out);
  out.flush();
}

void RatioTable::printReplayTable(std::ostream& out) const {
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
}

void RatioTable::printLimitTable(std::ostream& out) const {
  out << "\nThe limit table, medians in ms: each piece of work of the real code beside the least\n"
         "that work can cost (reading every byte once; the minimal breadth-first flood). On a\n"
         "shared machine the CPU time is the steadier measure.\n\n";
  out << format("%-18s %9s %9s %7s %9s %9s %7s %10s %10s\n", "work", "limit", "real", "ratio", "limit cpu",
                "real cpu", "ratio", "limit MB/s", "real MB/s");
  for (const LimitRow& row : limits_) {
    const auto limit = row.byKind.find("limit");
    const auto real = row.byKind.find("real");
    if (limit == row.byKind.end() || real == row.byKind.end()) continue;
    const auto rate = [&](const char* kind) {
      const auto found = row.megabytesPerSecond.find(kind);
      return found == row.megabytesPerSecond.end() ? std::string("-") : format("%.0f", found->second);
    };
    const Timing& least = limit->second;
    const Timing& actual = real->second;
    out << format("%-18s %9.2f %9.2f %6.2fx %9.2f %9.2f %6.2fx %10s %10s\n", row.work.c_str(),
                  least.milliseconds, actual.milliseconds, actual.milliseconds / least.milliseconds,
                  least.cpuMilliseconds, actual.cpuMilliseconds,
                  actual.cpuMilliseconds / least.cpuMilliseconds, rate("limit").c_str(),
                  rate("real").c_str());
  }
}
