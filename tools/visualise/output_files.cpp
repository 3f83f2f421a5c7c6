#include "visualise/output_files.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "common/tool_frame.h"
#include "driver/same_file.h"
#include "visualise/visualise_error.h"

namespace {

[[noreturn]] void refuse(const std::string& output, const std::string& why) {
  throw VisualiseError{"will not write " + output + ": " + why + "; nothing written"};
}

}  // namespace

std::unique_ptr<std::istream> openForReading(const std::string& name) {
  errno = 0;
  // Binary mode, as the evaluator reads: the bytes reach its readers unchanged.
  auto file = std::make_unique<std::ifstream>(name, std::ios::in | std::ios::binary);
  if (!file->is_open()) {
    const int reason = errno != 0 ? errno : ENOENT;
    throw VisualiseError{"cannot open " + name + ": " + std::generic_category().message(reason)};
  }
  return file;
}

void refuseClashes(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const std::string& output = outputs[i];
    if (output == "-") continue;
    for (const std::string& input : inputs) {
      if (sameFile(output, input)) {
        refuse(output, "it is the same file as " + input + ", which it would destroy");
      }
    }
    for (std::size_t j = i + 1; j < outputs.size(); ++j) {
      if (output == outputs[j] || sameFile(output, outputs[j])) {
        refuse(output, "the page and the PNG both name it");
      }
    }
  }
}

bool writeOutput(std::string_view tool, const std::string& name, std::string_view bytes) {
  OutputTarget output(name);
  if (!output.usable(tool)) return false;
  output.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return output.finish(tool);
}
