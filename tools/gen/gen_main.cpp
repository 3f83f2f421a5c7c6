// barvotok-gen: writes a test set of the task in the input-file format.
#include "common/output_file.h"
#include "common/progress.h"
#include "common/test_set_writer.h"
#include "common/tool_frame.h"
#include "gen/generator_options.h"

namespace {

constexpr std::string_view TOOL = "barvotok-gen";

int generate(const GeneratorOptions& options) {
  OutputGuard guard = refuseOutputClashes({}, {options.output});
  OutputFile output(options.output, guard);
  const GeneratorSettings& settings = options.settings;
  Progress progress("test cases written", settings.caseCount, options.progress);
  writeTestSetHeader(output.stream(), settings.caseCount);
  RandomSource random(settings.seed);
  for (std::int32_t number = 1; number <= settings.caseCount; ++number) {
    writeTestCase(output.stream(), drawTestCase(settings, number, random));
    progress.show(number);
  }
  output.commit();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<GeneratorOptions>(TOOL, GENERATOR_HELP, argc, argv, parseGeneratorOptions, generate);
}
