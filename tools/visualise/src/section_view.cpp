#include "section_view.h"

#include <algorithm>
#include <cctype>

#include "driver/assertion.h"
#include "driver/report.h"
#include "submission/solution.h"
#include "submission/submission_checks.h"

namespace {

// The check lines whose failures the page marks on the grid.
constexpr std::int32_t BAD_COLOUR_CHECK = 169;
constexpr std::int32_t UNFLOODED_CHECK = 190;

[[noreturn]] void raiseUnavailable(const std::string& where, const EAssertion& failure) {
  throw SectionUnavailable(where + ": " + failureReportLine(failure));
}

bool isChosen(const SectionChoice& choice, std::int32_t position, std::int32_t testCaseNumber) {
  return choice.by == SectionChoice::By::position ? position == choice.value : testCaseNumber == choice.value;
}

// Runs the chosen section's own checks inside the evaluator's failure scope,
// keeping the report that it gives and the failure that decides it.
void judgeSection(SectionView& view, std::istream& submission, LineCounter& lineCounter,
                  std::int32_t number) {
  Solution solution;
  std::optional<EAssertion> failure;
  view.verdict.report = reportOf([&] {
    try {
      FloodReplay replay;
      solution.readAndCheck(submission, lineCounter, number, *view.testCase, replay);
    } catch (const EAssertion& raised) {
      failure = raised;
      throw;
    }
    return ResultList{{number, solution.moveCount}};
  });
  // Only these failures come from the replay; the others stop before it.
  view.replayed = !failure || failure->line == BAD_COLOUR_CHECK || failure->line == UNFLOODED_CHECK;
  if (!failure) {
    view.verdict.passed = true;
    view.playedMoves = solution.moves;
    return;
  }
  view.verdict.checkLine = failure->line;
  view.verdict.message = failure->message;
  const std::vector<std::int64_t> named = numbersInMessage(failure->message);
  // The message names the move first and its colour last.
  if (failure->line == BAD_COLOUR_CHECK && !named.empty()) {
    const auto turn = static_cast<std::int32_t>(named.front());
    const std::int32_t colour = solution.moves.at(static_cast<std::size_t>(turn) - 1);
    if (colour != named.back()) throw std::logic_error("check line 169 names another colour than the move's");
    view.badMove = BadMove{turn, colour};
    view.playedMoves.assign(solution.moves.begin(), solution.moves.begin() + (turn - 1));
  } else if (failure->line == UNFLOODED_CHECK && named.size() == 2) {
    const GridCell cell{static_cast<std::int32_t>(named[0] - 1), static_cast<std::int32_t>(named[1] - 1)};
    // The evaluator's working grid must agree that this cell stayed behind.
    if (solution.cell(cell.x, cell.y) == FloodReplay::FLOODED) {
      throw std::logic_error("the cell named by check line 190 is flooded in the evaluator's grid");
    }
    view.firstUnflooded = cell;
    view.playedMoves = solution.moves;
  }
}

}  // namespace

SectionView viewSection(const TestSet& testSet, std::istream& submission, SectionChoice choice) {
  LineCounter lineCounter = 0;
  try {
    checkSubmissionHeader(submission, lineCounter);
  } catch (const EAssertion& failure) {
    raiseUnavailable("the submission's header fails", failure);
  }

  std::string line;
  std::int32_t position = 0;
  FloodReplay replay;
  bool earlierSectionsPass = true;
  while (readSectionStart(submission, lineCounter, line)) {
    ++position;
    SectionView view;
    view.position = position;
    view.firstLine = lineCounter;
    view.earlierSectionsPass = earlierSectionsPass;
    std::int32_t number = 0;
    try {
      view.testCase = &findAnsweredTestCase(testSet, line, lineCounter, number);
    } catch (const EAssertion& failure) {
      raiseUnavailable("section " + toDecimal(position) + " (line " + toDecimal(lineCounter) + ")", failure);
    }
    if (isChosen(choice, position, number)) {
      judgeSection(view, submission, lineCounter, number);
      return view;
    }
    const LineCounter before = lineCounter;
    try {
      Solution passedBy;
      passedBy.readAndCheck(submission, lineCounter, number, *view.testCase, replay);
    } catch (const EAssertion& failure) {
      earlierSectionsPass = false;
      // A section that ends early leaves the next section's start unknown.
      if (lineCounter - before != 2) {
        raiseUnavailable("section " + toDecimal(position) + " (line " + toDecimal(view.firstLine) + ")",
                         failure);
      }
    }
  }
  if (choice.by == SectionChoice::By::position) {
    throw SectionUnavailable("the submission has " + toDecimal(position) + " sections, not " +
                             toDecimal(choice.value));
  }
  throw SectionUnavailable("no section answers test case " + toDecimal(choice.value));
}

std::string failureReportLine(const EAssertion& failure) {
  const std::string report = reportOf([&]() -> ResultList { throw failure; });
  return report.substr(0, report.find('\n'));
}

std::vector<std::int64_t> numbersInMessage(const std::string& message) {
  std::vector<std::int64_t> numbers;
  bool inNumber = false;
  for (const char c : message) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
      inNumber = false;
      continue;
    }
    if (!inNumber) numbers.push_back(0);
    inNumber = true;
    // Quoted input may hold any digits; saturating keeps the sum defined.
    constexpr std::int64_t CAP = std::int64_t{1} << 40;
    numbers.back() = std::min(CAP, numbers.back() * 10 + (c - '0'));
  }
  return numbers;
}
