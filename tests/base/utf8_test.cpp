#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace kovrel {
namespace {

TEST(Utf8, StepsOverWellFormedAndBrokenCharacters) {
  struct Case {
    std::string text;
    std::size_t length;
    char32_t codePoint;
  };
  const Case cases[] = {
      {"A", 1, U'A'},
      {"ﾓ", 3, U'ﾓ'},
      {"擁", 3, U'擁'},
      {"\xF0\x9F\x98\x80", 4, U'\U0001F600'},
      {"\xFF", 1, 0xFFFD},              // never a lead byte
      {"\x80", 1, 0xFFFD},              // a continuation byte alone
      {"\xE6\x93", 1, 0xFFFD},          // cut short
      {"\xE6\x41\x41", 1, 0xFFFD},      // lead byte without its continuation
      {"\xC0\xAF", 1, 0xFFFD},          // overlong form
      {"\xED\xA0\x80", 3, 0xFFFD},      // a surrogate is no character
  };
  for (const Case& c : cases) {
    const std::size_t len = utf8SequenceLength(c.text, 0);
    EXPECT_EQ(len, c.length) << c.text;
    EXPECT_EQ(utf8CodePoint(c.text, 0, len), c.codePoint) << c.text;
  }
}

}  // namespace
}  // namespace kovrel
