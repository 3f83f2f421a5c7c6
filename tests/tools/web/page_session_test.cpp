// The contestant page's session: the report it renders is the evaluator's,
// for a test set read once and submissions judged one after another, and it
// lists every section the walk met.
#include "web/page_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "driver/eval_command.h"
#include "driver/report.h"

namespace {

const std::string INPUT = "Barvotok\n2\n\n1\n3 2 4\n1 1 2\n3 4 1\n\n2\n1 1 1\n1\n";

class PageSessionTest : public testing::Test {
 protected:
  std::filesystem::path file(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // What the evaluator itself writes for these files.
  std::string evaluatorReport(const std::string& input, const std::string& submission) {
    std::string inputName = file("e-input.txt", input), submissionName = file("e-sub.txt", submission);
    std::string reportName = folder_ / "e-report.txt";
    std::string command = "eval";
    char* argv[] = {command.data(), command.data(), inputName.data(), submissionName.data(),
                    reportName.data()};
    EXPECT_EQ(evaluate(5, argv), 0);
    std::ifstream report(reportName, std::ios::binary);
    return {std::istreambuf_iterator<char>(report), {}};
  }

  std::filesystem::path folder_;
  // A folder of its own: CTest runs the tests of this file side by side.
  void SetUp() override {
    std::string pattern = testing::TempDir() + "page_session_test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
};

struct JudgedCase {
  const char* what;
  std::string input;
  std::string submission;
  std::vector<std::int32_t> moveCounts;  // by section met; -1: it failed
};

TEST_F(PageSessionTest, JudgesLikeTheEvaluatorAndListsTheSectionsMet) {
  const std::vector<JudgedCase> cases = {
      {"passing", INPUT, "123456\nBarvotok\n\n1\n4\n2 3 4 1\n\n2\n0\n\n", {4, 0}},
      {"a failed final check after a pass", INPUT, "123456\nBarvotok\n\n2\n0\n\n\n1\n2\n2 3\n", {0, -1}},
      {"a bad move", INPUT, "123456\nBarvotok\n\n1\n2\n2 7\n", {-1}},
      {"the header fails", INPUT, "12345\nBarvotok\n", {}},
      {"a test set that fails stands for every submission", "Barvotok\n0\n", "123456\nBarvotok\n", {}},
  };
  for (const JudgedCase& c : cases) {
    PageSession session;
    session.readTestSet(file("input.txt", c.input), "input.txt");
    const EvaluationOutcome& outcome = session.judge(file("sub.txt", c.submission), "sub.txt", {});
    EXPECT_EQ(reportOf(outcome), evaluatorReport(c.input, c.submission)) << c.what;
    std::vector<std::int32_t> moveCounts;
    for (const SectionRow& row : session.sections()) moveCounts.push_back(row.moveCount);
    EXPECT_EQ(moveCounts, c.moveCounts) << c.what;
  }
}

TEST_F(PageSessionTest, ANewSubmissionIsJudgedAgainstTheTestSetReadOnce) {
  PageSession session;
  session.readTestSet(file("input.txt", INPUT), "input.txt");
  std::filesystem::remove(folder_ / "input.txt");
  EXPECT_TRUE(session.judge(file("a.txt", "123456\nBarvotok\n\n2\n0\n\n"), "a.txt", {}).passed());
  EXPECT_FALSE(session.judge(file("b.txt", "123456\nBarvotok\n\n3\n0\n\n"), "b.txt", {}).passed());
  EXPECT_EQ(session.sections().size(), 0U);
}

TEST_F(PageSessionTest, ASectionsDataIsTheViewersWithItsFirstUnfloodedCell) {
  PageSession session;
  session.readTestSet(file("input.txt", INPUT), "input.txt");
  session.judge(file("sub.txt", "123456\nBarvotok\n\n2\n0\n\n\n1\n2\n2 3\n"), "sub.txt", {});
  const std::string data = session.sectionData(2);
  EXPECT_NE(data.find(R"("section":2,)"), std::string::npos) << data;
  EXPECT_NE(data.find(R"("firstUnflooded":{"x":1,"y":1})"), std::string::npos) << data;
}

}  // namespace
