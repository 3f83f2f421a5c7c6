#include "common/json_object.h"

#include <gtest/gtest.h>

namespace {

TEST(JsonObject, EscapesWhatWouldEndAStringOrAScript) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "\"plain\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"</script>&", "\"\\u003c/script\\u003e\\u0026\""},
      {std::string("\0\n\x1f", 3), "\"\\u0000\\u000a\\u001f\""},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(jsonString(text), json) << json;
}

TEST(JsonObject, BuildsCompactObjects) {
  EXPECT_EQ(JsonObject().str(), "{}");
  EXPECT_EQ(JsonObject().number("n", -3).boolean("b", true).text("t", "<").raw("o", "null").str(),
            "{\"n\":-3,\"b\":true,\"t\":\"\\u003c\",\"o\":null}");
}

}  // namespace
