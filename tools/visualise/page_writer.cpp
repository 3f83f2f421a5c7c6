#include "visualise/page_writer.h"

#include <stdexcept>
#include <string_view>

#include "check/assertion.h"
#include "driver/report.h"
#include "visualise/base64.h"
#include "visualise/embedded_page.h"
#include "visualise/palette.h"
#include "visualise/replay_encoding.h"

namespace {

constexpr std::string_view DATA_MARKER = "<!--BARVOTOK-DATA-AND-SCRIPT-->";

// Colours 1 ... 100 fit one byte each.
std::string colourBytes(const std::vector<std::int32_t>& colours) { return {colours.begin(), colours.end()}; }

std::string hexPalette(bool shaded) {
  static constexpr char HEX[] = "0123456789abcdef";
  std::string text;
  for (std::int32_t colour = 1; colour <= MAX_COLOURS; ++colour) {
    const Rgb rgb = shaded ? floodedShade(paletteColour(colour)) : paletteColour(colour);
    for (const std::uint8_t value : {rgb.r, rgb.g, rgb.b}) {
      text += HEX[value >> 4];
      text += HEX[value & 15];
    }
  }
  return text;
}

class JsonObject {
 public:
  JsonObject& number(std::string_view key, std::int64_t value) { return raw(key, toDecimal(value)); }
  JsonObject& boolean(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
  JsonObject& text(std::string_view key, std::string_view ascii) {
    std::string quoted(1, '"');
    quoted += ascii;
    quoted += '"';
    return raw(key, quoted);
  }
  JsonObject& bytes(std::string_view key, std::string_view value) { return text(key, toBase64(value)); }
  JsonObject& raw(std::string_view key, std::string_view json) {
    // Appended piece by piece: GCC 12 misreads chained concatenation (-Wrestrict).
    body_ += body_.empty() ? '{' : ',';
    body_ += '"';
    body_ += key;
    body_ += "\":";
    body_ += json;
    return *this;
  }
  std::string str() const { return body_.empty() ? "{}" : body_ + "}"; }

 private:
  std::string body_;
};

}  // namespace

std::string pageData(const SectionView& view, const PageSources& sources) {
  const TestCase& testCase = *view.testCase;
  const std::optional<EAssertion>& failure = view.verdict.failure;
  JsonObject verdict;
  verdict.boolean("passed", view.verdict.passed())
      .number("checkLine", failure ? failure->line : 0)
      .bytes("message", failure ? failure->message : "")
      .bytes("report", reportOf(view.verdict));
  // The whole submission's verdict and count as data, with its report's first line.
  JsonObject whole;
  whole.boolean("passed", view.whole.passed())
      .number("sections", static_cast<std::int64_t>(view.whole.results.size()))
      .bytes("line", verdictLine(view.whole));

  // A cell never flooded counts as flooded one turn after the last move played.
  const auto never = static_cast<std::int32_t>(view.playedMoves.size()) + 1;
  JsonObject data;
  data.number("format", 2)
      .bytes("inputName", sources.inputName)
      .bytes("submissionName", sources.submissionName)
      .number("section", view.position)
      .number("sectionLine", view.firstLine)
      .number("testCase", testCase.number)
      .number("w", testCase.w)
      .number("h", testCase.h)
      .number("b", testCase.b)
      .bytes("cells", colourBytes(testCase.cells))
      .boolean("replayed", view.replayed())
      .bytes("moves", colourBytes(view.playedMoves))
      .bytes("floodTurns", floodTurnBytes(view.replay.turnOfCell(), testCase.w, never))
      .bytes("absorbed", absorbedBytes(view.replay.absorbed()));
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

void writePage(std::ostream& out, const SectionView& view, const PageSources& sources) {
  const std::string_view html = viewerHtml();
  const std::size_t marker = html.find(DATA_MARKER);
  if (marker == std::string_view::npos) throw std::logic_error("the page's markup lacks its data marker");
  out << html.substr(0, marker);
  // The data holds only numbers, names and base64, so it cannot end the script element.
  out << "<script id=\"barvotok-data\" type=\"application/json\">" << pageData(view, sources)
      << "</script>\n";
  out << "<script>\n" << viewerScript() << "</script>";
  out << html.substr(marker + DATA_MARKER.size());
}
