#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// The console report, followed by one table of the replay benchmarks (per
// section the median of both replays and their ratio) and the limit table
// (per piece of work the median of the real code, of its limit, and their
// ratio).
class RatioTable : public benchmark::ConsoleReporter {
 public:
  explicit RatioTable(OutputOptions options) : ConsoleReporter(options) {}

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Timing {
    double milliseconds = 0;
    double moves = 0;
    double walked = 1;  // the share of the border walk replayed, below 1 when extrapolated
    double cpuMilliseconds = 0;
  };
  struct Row {
    std::string section;  // "<grid>/<answer>"
    std::map<std::string, Timing> byReplay;
  };

  struct LimitRow {
    std::string work;  // "<work>" of limit/<work>/limit and limit/<work>/real
    std::map<std::string, Timing> byKind;
    std::map<std::string, double> megabytesPerSecond;
  };

  void remember(const Run& run);
  void rememberLimit(const Run& run);
  void printReplayTable(std::ostream& out) const;
  void printLimitTable(std::ostream& out) const;

  std::vector<Row> rows_;
  std::vector<LimitRow> limits_;
};
