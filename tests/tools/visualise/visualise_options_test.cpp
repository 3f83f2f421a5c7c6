#include "visualise/visualise_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

VisualiseOptions parse(std::vector<std::string_view> arguments) { return parseVisualiseOptions(arguments); }

TEST(VisualiseOptions, ReadsFilesSectionAndPicture) {
  const VisualiseOptions plain = parse({"in.txt", "sub.txt", "page.html"});
  EXPECT_EQ(plain.inputName, "in.txt");
  EXPECT_EQ(plain.submissionName, "sub.txt");
  EXPECT_EQ(plain.pageName, "page.html");
  EXPECT_EQ(plain.choice.by, SectionChoice::By::position);
  EXPECT_EQ(plain.choice.value, 1);
  EXPECT_FALSE(plain.pngName);

  const VisualiseOptions chosen =
      parse({"--test-case", "7", "in.txt", "sub.txt", "--png", "p.png", "--move", "0"});
  EXPECT_EQ(chosen.choice.by, SectionChoice::By::testCaseNumber);
  EXPECT_EQ(chosen.choice.value, 7);
  EXPECT_FALSE(chosen.pageName);
  EXPECT_EQ(chosen.pngName, "p.png");
  EXPECT_EQ(chosen.pngMove, 0);

  EXPECT_EQ(parse({"in.txt", "sub.txt", "p.html", "--section", "12"}).choice.value, 12);
}

TEST(VisualiseOptions, RefusesWhatCannotBeMeant) {
  const std::vector<std::vector<std::string_view>> wrong = {
      {},
      {"in.txt", "sub.txt"},
      {"in.txt", "sub.txt", "p.html", "extra"},
      {"in.txt", "sub.txt", "p.html", "--section"},
      {"in.txt", "sub.txt", "p.html", "--section", "0"},
      {"in.txt", "sub.txt", "p.html", "--section", "2x"},
      {"in.txt", "sub.txt", "p.html", "--section", "-1"},
      {"in.txt", "sub.txt", "p.html", "--section", "99999999999"},
      {"in.txt", "sub.txt", "p.html", "--section", "1", "--test-case", "1"},
      {"in.txt", "sub.txt", "p.html", "--move", "3"},
      {"in.txt", "sub.txt", "p.html", "--colour", "3"},
  };
  for (const auto& arguments : wrong) {
    EXPECT_THROW(parse(arguments), UsageError) << (arguments.empty() ? "(none)" : arguments.back());
  }
}

}  // namespace
