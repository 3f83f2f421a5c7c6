// The page's carrier formats: base64, the palette, the JSON data and the page.
#include <gtest/gtest.h>

#include <sstream>

#include "common/base64.h"
#include "common/palette.h"
#include "testset/test_set_reader.h"
#include "visualise/page_writer.h"

namespace {

EvaluationOutcome failedAt(std::int32_t checkLine, const std::string& message) {
  return EvaluationOutcome(EAssertion(message, "", checkLine));
}

TEST(Base64, MatchesTheStandardVectors) {
  const std::pair<std::string, std::string> vectors[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {std::string("\xff\x00\x80", 3), "/wCA"},
  };
  for (const auto& [bytes, text] : vectors) EXPECT_EQ(toBase64(bytes), text) << bytes;
}

int distance(Rgb a, Rgb b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

TEST(Palette, HundredColoursStayApartAndFromTheFloodedShades) {
  constexpr int LEAST = 25 * 25;  // squared RGB distance; Kelly's two yellows are 28 apart
  for (std::int32_t a = 1; a <= MAX_COLOURS; ++a) {
    for (std::int32_t b = a + 1; b <= MAX_COLOURS; ++b) {
      EXPECT_GE(distance(paletteColour(a), paletteColour(b)), LEAST) << a << " and " << b;
    }
    // A flooded cell must not pass for an unflooded one of its own colour.
    EXPECT_GE(distance(paletteColour(a), floodedShade(paletteColour(a))), 45 * 45) << a;
  }
  EXPECT_EQ(paletteColour(1), (Rgb{0xF3, 0xC3, 0x00}));
  EXPECT_EQ(floodedShade(Rgb{0, 100, 255}), (Rgb{114, 169, 255}));
}

class PageTest : public testing::Test {
 protected:
  void SetUp() override {
    std::istringstream input("Barvotok\n1\n\n1\n3 2 2\n1 2 1\n2 2 1\n");
    readTestSet(input, testSet);
    view.position = 2;
    view.firstLine = 6;
    view.testCase = &testSet[0];
    view.playedMoves = {2};
    // The replay's record up to the bad move: the start, then move 1.
    view.replay = FloodTurns(6);
    const std::int32_t start[] = {0};
    const std::int32_t move1[] = {1, 3, 4};
    view.replay.flooded(0, start);
    view.replay.flooded(1, move1);
    view.badMove = BadMove{2, 2147483647};
    view.verdict = failedAt(169, "2. barvanje");
    view.whole = failedAt(169, "x");
  }
  TestSet testSet;
  SectionView view;
  const PageSources sources{"in.txt", "sub.txt"};
};

TEST_F(PageTest, DataCarriesGridMovesRecordAndVerdictCompactly) {
  const std::string data = pageData(view, sources);
  for (const std::string& field : {
           std::string(R"("section":2,"sectionLine":6,"testCase":1,"w":3,"h":2,"b":2,)"),
           R"("cells":")" + toBase64(std::string{1, 2, 1, 2, 2, 1}) + "\"",
           R"("replayed":true,"moves":")" + toBase64(std::string{2}) + "\"",
           // Turns 0 1 - / 1 1 -, where - (never) counts as turn 2, one past the moves
           // played; predicted 0 0 1 / 0 1 2.
           R"("floodTurns":")" + toBase64(std::string{0, 2, 2, 2, 0, 0}) + "\"",
           R"("absorbed":")" + toBase64(std::string{1, 3}) + "\"",
           std::string(R"("badMove":{"turn":2,"colour":2147483647},"firstUnflooded":null)"),
           R"("verdict":{"passed":false,"checkLine":169,"message":")" + toBase64("2. barvanje") +
               R"(","report":")" + toBase64("Napaka [Zvn22Barvotok:169]: 2. barvanje\n-1\n") + "\"}",
           // The whole submission's verdict as data, with its report's first line.
           R"("whole":{"passed":false,"sections":0,"line":")" + toBase64("Napaka [Zvn22Barvotok:169]: x") +
               "\"}",
           std::string(R"("palette":"f3c300875692)"),
       }) {
    EXPECT_NE(data.find(field), std::string::npos) << field << "\nin " << data;
  }
  EXPECT_EQ(data.find("earlierSectionsPass"), std::string::npos);
}

TEST_F(PageTest, PageIsOneFileWithDataAndScriptInPlace) {
  std::ostringstream page;
  writePage(page, view, sources);
  const std::string html = page.str();
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>"));
  EXPECT_EQ(html.find("BARVOTOK-DATA-AND-SCRIPT"), std::string::npos);
  const std::size_t data = html.find("<script id=\"barvotok-data\" type=\"application/json\">{");
  const std::size_t script = html.find("window.barvotokViewer");
  ASSERT_NE(data, std::string::npos);
  ASSERT_NE(script, std::string::npos);
  EXPECT_LT(data, script);
  EXPECT_TRUE(html.ends_with("</html>\n"));
  // Nothing is fetched: no source or link to anything outside the page.
  for (const char* outside : {"src=", "href=", "http:", "https:", "@import", "fetch("}) {
    EXPECT_EQ(html.find(outside), std::string::npos) << outside;
  }
}

}  // namespace
