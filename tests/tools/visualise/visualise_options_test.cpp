#include "visualise/visualise_options.h"

#include <gtest/gtest.h>

#include "common/command_line.h"

namespace {

VisualiseOptions parse(std::vector<std::string> arguments) { return parseVisualiseOptions(arguments); }

TEST(VisualiseOptions, ReadsFilesSectionAndPicture) {
  const VisualiseOptions plain = parse({"in.txt", "sub.txt", "page.html"});
  EXPECT_EQ(plain.inputName, "in.txt");
  EXPECT_EQ(plain.submissionName, "sub.txt");
  EXPECT_EQ(plain.pageName, "page.html");
  EXPECT_EQ(plain.choice.by, SectionChoice::By::position);
  EXPECT_EQ(plain.choice.value, 1);
  EXPECT_FALSE(plain.pngName);
  EXPECT_FALSE(plain.help);

  const VisualiseOptions chosen =
      parse({"--test-case", "7", "in.txt", "sub.txt", "--png", "p.png", "--move", "0"});
  EXPECT_EQ(chosen.choice.by, SectionChoice::By::testCaseNumber);
  EXPECT_EQ(chosen.choice.value, 7);
  EXPECT_FALSE(chosen.pageName);
  EXPECT_EQ(chosen.pngName, "p.png");
  EXPECT_EQ(chosen.pngMove, 0);

  EXPECT_EQ(parse({"in.txt", "sub.txt", "p.html", "--section=12"}).choice.value, 12);
  EXPECT_EQ(parse({"in.txt", "--", "-sub.txt", "p.html"}).submissionName, "-sub.txt");
  for (const std::vector<std::string>& page : {std::vector<std::string>{"-o", "p.html", "in.txt", "sub.txt"},
                                               {"in.txt", "sub.txt", "--output=p.html"}}) {
    EXPECT_EQ(parse(page).pageName, "p.html") << page.front();
  }
}

TEST(VisualiseOptions, HelpNeedsNothingElse) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"--help"}, {"-h"}, {"x", "-h"}}) {
    EXPECT_TRUE(parse(arguments).help) << arguments.back();
  }
}

TEST(VisualiseOptions, RefusesWhatCannotBeMeantAndSaysWhy) {
  const std::pair<std::vector<std::string>, std::string> wrong[] = {
      {{}, "missing INPUT"},
      {{"in.txt", "sub.txt"}, "nothing to write: give PAGE.html or --png"},
      {{"in.txt", "sub.txt", "p.html", "extra"}, "more than one PAGE.html"},
      {{"in.txt", "sub.txt", "p.html", "-o", "q.html"}, "more than one PAGE.html"},
      {{"-o", "p.html", "-o", "q.html", "in.txt", "sub.txt"}, "more than one PAGE.html"},
      {{"in.txt", "sub.txt", "p.html", "--section", "0"},
       "invalid value '0' for --section: a whole number from 1 to 2147483647"},
      {{"in.txt", "sub.txt", "p.html", "--section", "2x"},
       "invalid value '2x' for --section: a whole number from 1 to 2147483647"},
      {{"in.txt", "sub.txt", "p.html", "--section", "99999999999"},
       "invalid value '99999999999' for --section: a whole number from 1 to 2147483647"},
      {{"in.txt", "sub.txt", "p.html", "--section", "1", "--test-case", "1"},
       "give --section or --test-case once"},
      {{"in.txt", "sub.txt", "p.html", "--move", "3"}, "--move goes with --png"},
      {{"in.txt", "sub.txt", "p.html", "--colour", "3"}, "unknown option '--colour'"},
  };
  for (const auto& [arguments, why] : wrong) {
    try {
      parse(arguments);
      ADD_FAILURE() << why << ": no UsageError";
    } catch (const UsageError& error) {
      EXPECT_EQ(error.message, why);
    }
  }
}

}  // namespace
