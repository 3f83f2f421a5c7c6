// The worker's calls into the evaluator: plain C functions over one
// PageSession, returning JSON (or the report's bytes) that stays valid until
// the next call on the same session.
#include <emscripten.h>

#include <new>

#include "common/base64.h"
#include "common/json_object.h"
#include "common/section_view.h"
#include "driver/report.h"
#include "web/page_session.h"

namespace {

// A session and the text of its last answer.
struct Session {
  PageSession page;
  std::string answer;
};

std::string verdictJson(const EvaluationOutcome& outcome) {
  const EAssertion* failure = outcome.failure();
  const char* kind = outcome.passed() ? "passed" : failure != nullptr ? "failed" : "unexpected";
  return JsonObject()
      .text("verdict", kind)
      .number("checkLine", failure != nullptr ? failure->line : 0)
      .number("fileLine", failure != nullptr ? failure->facts.fileLine : 0)
      .text("message", toBase64(failure != nullptr ? failure->message : ""))
      .text("line", toBase64(verdictLine(outcome)))
      .str();
}

// Three arrays, one entry per section: place, test case, moves (-1: failed).
std::string sectionsJson(const std::vector<SectionRow>& rows) {
  JsonArray positions, numbers, moves;
  for (const SectionRow& row : rows) {
    positions.number(row.position);
    numbers.number(row.number);
    moves.number(row.moveCount);
  }
  return JsonObject().array("positions", positions).array("numbers", numbers).array("moves", moves).str();
}

// The evaluator met exhausted memory with its unexpected-error form; what
// the page adds around it says so in plain words instead.
template <typename Answer>
const char* answer(Session* session, Answer&& make) {
  try {
    session->answer = make();
  } catch (const std::bad_alloc&) {
    session->answer = R"({"error":"memory"})";
  } catch (const SectionUnavailable& unavailable) {
    session->answer = JsonObject().text("unavailable", toBase64(unavailable.message)).str();
  }
  return session->answer.c_str();
}

EM_JS(void, tellProgress, (double sections, double bytesRead), {
  if (Module["onJudgeProgress"]) Module["onJudgeProgress"](sections, bytesRead);
});

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE Session* barvotokOpenSession() { return new (std::nothrow) Session; }

EMSCRIPTEN_KEEPALIVE void barvotokCloseSession(Session* session) { delete session; }

EMSCRIPTEN_KEEPALIVE const char* barvotokReadTestSet(Session* session, const char* inputName,
                                                     const char* shownName) {
  return answer(session, [&] {
    const EvaluationOutcome& outcome = session->page.readTestSet(inputName, shownName);
    return JsonObject()
        .raw("outcome", verdictJson(outcome))
        .number("testCases", static_cast<std::int64_t>(session->page.testCaseCount()))
        .boolean("memory", outcome.memoryExhausted())
        .str();
  });
}

EMSCRIPTEN_KEEPALIVE const char* barvotokJudge(Session* session, const char* submissionName,
                                               const char* shownName) {
  return answer(session, [&] {
    const auto progress = [](std::int32_t sections, std::int64_t bytesRead) {
      tellProgress(sections, static_cast<double>(bytesRead));
    };
    const EvaluationOutcome& outcome = session->page.judge(submissionName, shownName, progress);
    return JsonObject()
        .raw("outcome", verdictJson(outcome))
        .raw("sections", sectionsJson(session->page.sections()))
        .boolean("memory", outcome.memoryExhausted())
        .str();
  });
}

// The report of the submission judged last, exactly as the evaluator writes
// it; it may hold NUL bytes, so its size comes apart.
EMSCRIPTEN_KEEPALIVE const char* barvotokReport(Session* session) {
  return answer(session, [&] { return reportOf(session->page.outcome()); });
}

EMSCRIPTEN_KEEPALIVE std::size_t barvotokAnswerSize(Session* session) { return session->answer.size(); }

EMSCRIPTEN_KEEPALIVE const char* barvotokSection(Session* session, int position) {
  return answer(session, [&] { return session->page.sectionData(position); });
}

}  // extern "C"
