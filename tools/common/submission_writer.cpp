#include "common/submission_writer.h"

#include <array>
#include <string>

#include "common/number_line.h"
#include "testset/task_name.h"

void writeSubmissionHeader(std::ostream& output, std::string_view contestant) {
  output << contestant << '\n' << TASK_NAME << '\n';
}

void writeSection(std::ostream& output, std::int32_t number, std::span<const std::int32_t> moves) {
  std::string text;
  appendNumberLine(text, std::array{number});
  appendNumberLine(text, std::array{static_cast<std::int32_t>(moves.size())});
  appendNumberLine(text, moves);
  output.write(text.data(), static_cast<std::streamsize>(text.size()));
}
