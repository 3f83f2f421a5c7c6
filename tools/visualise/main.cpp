// barvotok-visualise: one self-contained HTML page (and optionally a PNG)
// that replays a section of a submission, with the evaluator's verdict.
#include <fstream>
#include <iostream>
#include <vector>

#include "check/assertion.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "testset/test_set_reader.h"
#include "visualise/grid_pixels.h"
#include "visualise/page_writer.h"
#include "visualise/png_image.h"
#include "visualise/visualise_options.h"

namespace {

TestSet readInput(const std::string& inputName) {
  TestSet testSet;
  try {
    readTestSet(inputName, testSet);
  } catch (const EAssertion& failure) {
    throw std::runtime_error("the input file fails the evaluator's checks: " + failureReportLine(failure));
  }
  return testSet;
}

void writePicture(const VisualiseOptions& options, const SectionView& view) {
  const auto played = static_cast<std::int32_t>(view.playedMoves.size());
  const std::int32_t move = options.pngMove.value_or(played);
  if (move > played) {
    throw std::runtime_error("--move " + toDecimal(move) + ": the replay played only " + toDecimal(played) +
                             " moves");
  }
  const GridAtMove grid =
      gridAtMove(*view.testCase, std::span(view.playedMoves).first(static_cast<std::size_t>(move)));
  writePng(*options.pngName, gridPixels(grid, defaultScale(grid.w, grid.h)));
}

int run(const VisualiseOptions& options) {
  const TestSet testSet = readInput(options.inputName);
  std::ifstream wholeSubmission = openInput(options.submissionName);
  const PageSources sources{options.inputName, options.submissionName,
                            reportOf([&] { return evaluateSubmission(testSet, wholeSubmission); })};
  std::ifstream submission = openInput(options.submissionName);
  const SectionView view = viewSection(testSet, submission, options.choice);

  if (options.pageName) {
    std::ofstream page(*options.pageName, std::ios::binary);
    writePage(page, view, sources);
    page.close();
    if (!page) throw std::runtime_error("cannot write " + *options.pageName);
  }
  if (options.pngName) writePicture(options, view);

  const std::string& report = view.verdict.report;
  const std::string verdict =
      view.verdict.passed ? "OK, " + toDecimal(static_cast<std::int64_t>(view.playedMoves.size())) + " moves"
                          : report.substr(0, report.find('\n'));
  std::cout << "section " << view.position << " (test case " << view.testCase->number << "): " << verdict
            << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  try {
    return run(parseVisualiseOptions(arguments));
  } catch (const UsageError& wrong) {
    std::cerr << "barvotok-visualise: " << wrong.what() << "\n" << VISUALISE_USAGE;
    return 2;
  } catch (const std::exception& failure) {
    std::cerr << "barvotok-visualise: " << failure.what() << "\n";
    return 1;
  }
}
