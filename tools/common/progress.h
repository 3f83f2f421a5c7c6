#pragma once

#include <cstdint>
#include <string_view>

// "what i/n" on one line of standard error, rewritten as the work goes on,
// only when standard error is a terminal (never into a log or a pipe).
class Progress {
 public:
  Progress(std::string_view what, std::int64_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void show(std::int64_t done);

 private:
  std::string_view what_;
  std::int64_t total_;
  bool enabled_;
};
