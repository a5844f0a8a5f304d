#include "base/shift_jis.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

TEST(ShiftJis, RoundTripsTheReportsCharacters) {
  // Full-width, half-width katakana, the vendor circled digit and Roman numeral
  // the report headings use.
  const std::string text = "擁壁 ﾓｰﾒﾝﾄ ①躯体 Ⅱ-1．荷重計算 γs(kN/m3)=20";
  std::string sjis = toShiftJis(text);
  EXPECT_EQ(fromShiftJis(sjis), text);
  // 擁 is 0x9F 0x73 in code page 932; ﾓ is the single byte 0xD3.
  EXPECT_EQ(toShiftJis("擁"), "\x97\x69");
  EXPECT_EQ(toShiftJis("ﾓ"), "\xD3");
}

TEST(ShiftJis, UnmappableCharacterIsNamed) {
  try {
    toShiftJis("abc😀def");
    FAIL() << "expected an EncodingError";
  } catch (const EncodingError& e) {
    EXPECT_NE(std::string(e.what()).find("😀"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("byte 3"), std::string::npos) << e.what();
  }
}

TEST(ShiftJis, InvalidShiftJisBytesAreRejected) {
  EXPECT_THROW(fromShiftJis("\x81"), EncodingError);  // lead byte without trail
}

struct WidthCase {
  const char* text;
  int width;
};

void PrintTo(const WidthCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ShiftJisWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ShiftJisWidthTest, CountsBytesOfCodePage932) {
  EXPECT_EQ(shiftJisWidth(GetParam().text), GetParam().width) << GetParam().text;
  // The width is the byte count of the encoded text wherever it can be encoded.
  EXPECT_EQ(int(toShiftJis(GetParam().text).size()), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Texts, ShiftJisWidthTest,
                         ::testing::Values(WidthCase{"", 0}, WidthCase{"abc", 3},
                                           WidthCase{"躯体重量", 8}, WidthCase{"ﾓｰﾒﾝﾄ", 5},
                                           WidthCase{"Σﾓｰﾒﾝﾄ", 7}, WidthCase{"　", 2},
                                           WidthCase{"①Ⅱ", 4}, WidthCase{"Mr=#,0.00kNm", 12}));

}  // namespace
}  // namespace kovrel
