// barvotok-bench-set: writes the whole-process benchmark's files into a
// folder: input.txt, one test case per benchmark grid, and two submissions
// that answer every test case, honest.txt (the greedy answers) and padded.txt
// (the same answers padded with idle moves to w * h moves); then the sets of
// many distinct short sections, each a test set and a submission:
// uniform-input.txt with uniform.txt (2000 two-move sections on one uniform
// grid), alternating-input.txt with alternating.txt (2000 two-move sections
// alternating between two uniform grids) and spine-input.txt with spine.txt
// (300 short sections on the spine grid). The grids are 1000 x 1000 unless a
// smaller side is given.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_sections.h"
#include "common/submission_writer.h"
#include "common/test_set_writer.h"
#include "short_sections.h"

namespace {

constexpr std::int32_t TWO_MOVE_SECTIONS = 2000;
constexpr std::int32_t SPINE_SECTIONS = 300;

bool writeAnsweredGrids(const std::string& folder, std::int32_t side) {
  std::ofstream input(folder + "/input.txt", std::ios::binary);
  std::ofstream honest(folder + "/honest.txt", std::ios::binary);
  std::ofstream padded(folder + "/padded.txt", std::ios::binary);
  const auto caseCount = static_cast<std::int32_t>(std::size(BENCH_GRIDS));
  writeTestSetHeader(input, caseCount);
  writeSubmissionHeader(honest, "000001");
  writeSubmissionHeader(padded, "000001");
  for (std::int32_t number = 1; number <= caseCount; ++number) {
    const TestCase grid = makeBenchGrid(static_cast<std::size_t>(number - 1), side, number);
    writeTestCase(input, grid);
    writeSection(honest, number, answerMoves(grid, Answer::Greedy));
    writeSection(padded, number, answerMoves(grid, Answer::Padded));
  }
  input.flush();
  honest.flush();
  padded.flush();
  return input && honest && padded;
}

// `name`-input.txt holding `testSet`, and `name`.txt whose i-th section
// (from 0) answers test case i modulo the test set's size with sections[i].
bool writeShortSections(const std::string& folder, const std::string& name, const TestSet& testSet,
                        const std::vector<std::vector<std::int32_t>>& sections) {
  std::ofstream input(folder + "/" + name + "-input.txt", std::ios::binary);
  std::ofstream submission(folder + "/" + name + ".txt", std::ios::binary);
  writeTestSet(input, testSet);
  writeSubmissionHeader(submission, "000001");
  for (std::size_t i = 0; i < sections.size(); ++i) {
    writeSection(submission, static_cast<std::int32_t>(i % testSet.size()) + 1, sections[i]);
  }
  input.flush();
  submission.flush();
  return input && submission;
}

bool writeFiles(const std::string& folder, std::int32_t side) {
  return writeAnsweredGrids(folder, side) &&
         writeShortSections(folder, "uniform", {uniformGrid(side, 1)}, twoMoveSections(TWO_MOVE_SECTIONS)) &&
         writeShortSections(folder, "alternating", {uniformGrid(side, 1), uniformGrid(side, 2)},
                            twoMoveSections(TWO_MOVE_SECTIONS)) &&
         writeShortSections(folder, "spine", {spineGrid(side, 1)}, spineSections(SPINE_SECTIONS));
}

}  // namespace

int main(int argc, char** argv) {
  const int side = argc == 3 ? std::atoi(argv[2]) : MAX_GRID_SIDE;
  if ((argc != 2 && argc != 3) || side < 1 || side > MAX_GRID_SIDE) {
    std::fprintf(stderr, "Usage: barvotok-bench-set FOLDER [SIDE]\n");
    return 2;
  }
  if (!writeFiles(argv[1], side)) {
    std::fprintf(stderr, "barvotok-bench-set: cannot write the files in '%s'\n", argv[1]);
    return 1;
  }
  return 0;
}
