#include "base/utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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
      {"\xFF", 1, 0xFFFD},          // never a lead byte
      {"\x80", 1, 0xFFFD},          // a continuation byte alone
      {"\xE6\x93", 1, 0xFFFD},      // cut short
      {"\xE6\x41\x41", 1, 0xFFFD},  // lead byte without its continuation
      {"\xC0\xAF", 1, 0xFFFD},      // overlong form
      {"\xED\xA0\x80", 3, 0xFFFD},  // a surrogate is no character
  };
  for (const Case& c : cases) {
    const std::size_t len = utf8SequenceLength(c.text, 0);
    EXPECT_EQ(len, c.length) << c.text;
    EXPECT_EQ(utf8CodePoint(c.text, 0, len), c.codePoint) << c.text;
  }
}

TEST(Utf8, StrictCheckRefusesWhatNoReaderTakes) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"γs(kN/m3)= 擁壁 ﾓｰﾒﾝﾄ \xF0\x9F\x98\x80", true},
      {"\xC0\xAF", false},          // overlong "/"
      {"\xE0\x80\xAF", false},      // overlong, three bytes
      {"\xF0\x80\x80\xAF", false},  // overlong, four bytes
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // beyond U+10FFFF
      {"\xE6\x93", false},          // cut short
      {"\x81\x7F", false},          // Shift-JIS bytes
      {"\xFD", false},
  };
  for (const auto& [text, valid] : cases) EXPECT_EQ(isValidUtf8(text), valid) << text;
}

TEST(Utf8, MessagesQuoteBadBytesEscapedAndLongTextsCut) {
  EXPECT_EQ(quotedForMessage("Edit18=\xFD"), "Edit18=\\xFD");
  EXPECT_EQ(quotedForMessage("\x81\x7F"
                             "a\tb"),
            "\\x81\\x7Fa\\x09b");
  EXPECT_EQ(quotedForMessage("擁壁"), "擁壁");
  EXPECT_EQ(quotedForMessage(std::string(1000, '9')), std::string(200, '9') + "...");
  // A character the limit would cut goes with the rest.
  EXPECT_EQ(quotedForMessage("ab擁壁", 4), "ab...");
}

}  // namespace
}  // namespace kovrel
