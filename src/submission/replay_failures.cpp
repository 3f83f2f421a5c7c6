#include "replay_failures.h"

#include "../check/assertion.h"

namespace {

FailureFacts badMoveFacts(std::int32_t turn, std::int32_t colour) {
  FailureFacts facts;
  facts.badMove = BadMove{turn, colour};
  return facts;
}

FailureFacts unfloodedFacts(std::int32_t x, std::int32_t y) {
  FailureFacts facts;
  facts.unflooded = GridCell{x, y};
  return facts;
}

}  // namespace

void failBadColour(std::int32_t turn, std::int32_t b, std::int32_t colour) {
  failCheck(
      Check::MoveColourOutOfRange,
      toDecimal(turn) + ". barvanje bi moralo biti od 1 do " + toDecimal(b) + ", ne pa " + toDecimal(colour),
      badMoveFacts(turn, colour));
}

void failUnflooded(std::int32_t x, std::int32_t y) {
  failCheck(Check::CellNotFlooded,
            "na koncu barvanj je " + toDecimal(x + 1) + ". celica v " + toDecimal(y + 1) +
                ". vrstici druge barve kot tista v zgornjem levem kotu mreze",
            unfloodedFacts(x, y));
}
