#include "app/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "base/non_finite.h"
#include "support/json_checker.h"

namespace kovrel {
namespace {

std::string asJson(std::string_view text) {
  JsonWriter j;
  j.string(text);
  return j.text();
}

TEST(JsonWriter, EscapesEveryControlCharacterAndReplacesBrokenBytes) {
  EXPECT_EQ(asJson("a\"b\\c\nd\re\tf"), "\"a\\\"b\\\\c\\nd\\re\\tf\"");
  EXPECT_EQ(asJson(std::string("\x00\x01\x1F\x7F", 4)), "\"\\u0000\\u0001\\u001f\\u007f\"");
  EXPECT_EQ(asJson("\xC2\x85|\xE2\x80\xA8"), "\"\\u0085|\\u2028\"");  // C1 NEL, line separator
  EXPECT_EQ(asJson("擁壁ﾓｰﾒﾝﾄ"), "\"擁壁ﾓｰﾒﾝﾄ\"");
  EXPECT_EQ(asJson("=\x81\x7F"), "\"=\\ufffd\\u007f\"");
  EXPECT_EQ(asJson("\xED\xA0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");
}

// Whatever bytes it is given, the writer's text is one valid JSON string.
TEST(JsonWriter, AnyBytesGiveValidJson) {
  std::mt19937 rng(4242);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
  for (int i = 0; i < 2000; ++i) {
    std::string text;
    for (int n = length(rng); n > 0; --n) text += char(byte(rng));
    const std::string json = asJson(text);
    EXPECT_TRUE(testing::JsonChecker(json).valid()) << json;
  }
}

TEST(JsonWriter, RefusesNumbersJsonCannotHoldNamingTheKey) {
  JsonWriter j;
  j.beginObject();
  j.key("earthForceH");
  try {
    j.number(std::nan(""));
    FAIL() << "wrote NaN";
  } catch (const NonFiniteValue& e) {
    EXPECT_EQ(e.quantity(), "earthForceH");
  }
  j.number(4.9e-324);
  j.key("gap");
  j.null();
  j.endObject();
  EXPECT_EQ(j.text(), "{\"earthForceH\":5e-324,\"gap\":null}");
}

}  // namespace
}  // namespace kovrel
