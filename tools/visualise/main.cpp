// barvotok-visualise: one self-contained HTML page (and optionally a PNG)
// that shows the evaluator's replay of a section, with its verdict.
#include <iostream>
#include <sstream>

#include "common/checked_test_set.h"
#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "common/tool_error.h"
#include "common/tool_frame.h"
#include "driver/report.h"
#include "text/read_error.h"
#include "visualise/grid_pixels.h"
#include "visualise/page_writer.h"
#include "visualise/png_image.h"
#include "visualise/visualise_options.h"

namespace {

constexpr std::string_view TOOL = "barvotok-visualise";

SectionView readSection(const VisualiseOptions& options, const TestSet& testSet) {
  ToolInput submission(options.submissionName);
  try {
    return viewSection(testSet, submission.stream(), options.choice);
  } catch (const SectionUnavailable& unavailable) {
    throw ToolError{terminalText(unavailable.message)};
  } catch (const ReadError& error) {
    throw fileFailure("cannot read", options.submissionName, error.what());
  }
}

std::string pageBytes(const VisualiseOptions& options, const SectionView& view) {
  std::ostringstream page;
  writePage(page, view, {options.inputName, options.submissionName});
  return std::move(page).str();
}

std::string pictureBytes(const VisualiseOptions& options, const SectionView& view) {
  const auto played = static_cast<std::int32_t>(view.playedMoves.size());
  const std::int32_t move = options.pngMove.value_or(played);
  if (move > played) {
    throw ToolError{"--move " + toDecimal(move) + ": the replay played only " + toDecimal(played) + " moves"};
  }
  return encodePng(gridPixels(view, move, defaultScale(view.testCase->w, view.testCase->h)));
}

std::string summary(const SectionView& view) {
  const std::string verdict =
      view.verdict.passed()
          ? "OK, " + toDecimal(static_cast<std::int64_t>(view.playedMoves.size())) + " moves"
          : verdictLine(view.verdict);
  return "section " + toDecimal(view.position) + " (test case " + toDecimal(view.testCase->number) +
         "): " + terminalText(verdict) + "\n";
}

int visualise(const VisualiseOptions& options) {
  std::vector<std::string> outputs;
  if (options.pageName) outputs.push_back(*options.pageName);
  if (options.pngName) outputs.push_back(*options.pngName);
  OutputGuard guard = refuseOutputClashes({options.inputName, options.submissionName}, outputs);

  TestSet testSet;
  if (!readCheckedTestSet(options.inputName, testSet)) return 1;
  const SectionView view = readSection(options, testSet);
  // Everything is made before the first byte is written.
  const std::string page = options.pageName ? pageBytes(options, view) : std::string();
  const std::string picture = options.pngName ? pictureBytes(options, view) : std::string();
  if (options.pageName) writeOutputFile(*options.pageName, page, guard);
  if (options.pngName) writeOutputFile(*options.pngName, picture, guard);

  // Standard output may be one of the outputs.
  const bool toStandardOutput = options.pageName == "-" || options.pngName == "-";
  (toStandardOutput ? std::cerr : std::cout) << summary(view);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<VisualiseOptions>(TOOL, VISUALISE_HELP, argc, argv, parseVisualiseOptions, visualise);
}
