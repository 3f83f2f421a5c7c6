#include "contest/report_form.h"

#include "text/char_class.h"

std::string verdictOf(std::string_view report) {
  constexpr std::string_view ASSERTION_START = "Napaka [Zvn22Barvotok:";
  if (report.starts_with("OK\n")) return std::string(VERDICT_OK);
  if (report.starts_with(ASSERTION_START)) {
    const std::string_view rest = report.substr(ASSERTION_START.size());
    const auto close = rest.find(']');
    const std::string_view line = rest.substr(0, close);
    bool digits = close != std::string_view::npos && !line.empty();
    for (const char c : line) digits = digits && isDigit(static_cast<unsigned char>(c));
    if (digits) return std::string(line);
  }
  return std::string(VERDICT_UNEXPECTED);
}
