#include "common/page_data.h"

#include "check/assertion.h"
#include "common/base64.h"
#include "common/escaped_bytes.h"
#include "common/json_object.h"
#include "common/palette.h"
#include "common/replay_encoding.h"
#include "driver/report.h"

namespace {

// Colours 1 ... 100 fit one byte each.
std::string colourBytes(const std::vector<std::int32_t>& colours) { return {colours.begin(), colours.end()}; }

std::string hexPalette(bool shaded) {
  std::string text;
  for (std::int32_t colour = 1; colour <= MAX_COLOURS; ++colour) {
    const Rgb rgb = shaded ? floodedShade(paletteColour(colour)) : paletteColour(colour);
    for (const std::uint8_t value : {rgb.r, rgb.g, rgb.b}) appendHex(text, value);
  }
  return text;
}

}  // namespace

std::string pageData(const SectionView& view, const PageSources& sources) {
  const TestCase& testCase = *view.testCase;
  const EAssertion* failure = view.verdict.failure();
  JsonObject verdict;
  verdict.boolean("passed", view.verdict.passed())
      .number("checkLine", failure != nullptr ? failure->line : 0)
      .text("message", toBase64(failure != nullptr ? failure->message : ""))
      .text("report", toBase64(reportOf(view.verdict)));
  // The whole submission's verdict and count as data, with its report's first line.
  JsonObject whole;
  whole.boolean("passed", view.whole.passed())
      .number("sections", static_cast<std::int64_t>(view.whole.passed() ? view.whole.results()->size() : 0))
      .text("line", toBase64(verdictLine(view.whole)));

  // A cell never flooded counts as flooded one turn after the last move played.
  const auto never = static_cast<std::int32_t>(view.playedMoves.size()) + 1;
  JsonObject data;
  data.number("format", 2)
      .text("inputName", toBase64(sources.inputName))
      .text("submissionName", toBase64(sources.submissionName))
      .number("section", view.position)
      .number("sectionLine", view.firstLine)
      .number("testCase", testCase.number)
      .number("w", testCase.w)
      .number("h", testCase.h)
      .number("b", testCase.b)
      .text("cells", toBase64(colourBytes(testCase.cells)))
      .boolean("replayed", view.replayed())
      .text("moves", toBase64(colourBytes(view.playedMoves)))
      .text("floodTurns", toBase64(floodTurnBytes(view.replay.turnOfCell(), testCase.w, never)))
      .text("absorbed", toBase64(absorbedBytes(view.replay.absorbed())));
  if (view.badMove) {
    data.raw("badMove",
             JsonObject().number("turn", view.badMove->turn).number("colour", view.badMove->colour).str());
  } else {
    data.raw("badMove", "null");
  }
  if (view.firstUnflooded) {
    data.raw("firstUnflooded",
             JsonObject().number("x", view.firstUnflooded->x).number("y", view.firstUnflooded->y).str());
  } else {
    data.raw("firstUnflooded", "null");
  }
  data.raw("verdict", verdict.str())
      .raw("whole", whole.str())
      .text("palette", hexPalette(false))
      .text("floodedPalette", hexPalette(true));
  return data.str();
}
