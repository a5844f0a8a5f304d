#include "results/number_picture.h"

#include <gtest/gtest.h>

#include <limits>

#include "base/non_finite.h"

namespace kovrel {
namespace {

struct PictureCase {
  const char* picture;
  double value;
  const char* expected;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
  *os << '"' << c.picture << "\" " << c.value;
}

class FormatNumberTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(FormatNumberTest, FormatsAsTheReportShowsIt) {
  const PictureCase& c = GetParam();
  EXPECT_EQ(formatNumber(c.picture, c.value), c.expected)
      << "picture \"" << c.picture << "\" value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, FormatNumberTest,
    ::testing::Values(
        // The table of pictures the report relies on.
        PictureCase{"0.000m;-0.000m", -0.1234, "-0.123m"},
        PictureCase{"0.000m;-0.000m", 0.1234, "0.123m"},
        PictureCase{"0.000m;-0.000m", -0.0001, "-0.000m"},
        PictureCase{"#,0.00kN", 1234567.891, "1,234,567.89kN"}, PictureCase{"0", 7.5, "8"},
        PictureCase{"0", -7.5, "-8"}, PictureCase{"0,0", 7100, "7,100"},
        // The rules' own examples.
        PictureCase{"#,0.00kN", 12345.678, "12,345.68kN"}, PictureCase{"#,0.00", 0.5, "0.50"},
        PictureCase{"0.00", 0.5, "0.50"}, PictureCase{"0.00", -0.001, "-0.00"},
        PictureCase{"    Ho (擁壁底面における全水平荷重)      =0.00kN", -1.5,
                    "-    Ho (擁壁底面における全水平荷重)      =1.50kN"},
        PictureCase{"    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm", 4321.005,
                    "    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =4,321.01kNm"},
        PictureCase{"0.000m;-0.000m", 0, "0.000m"},
        // More digits than places go where the first place stands.
        PictureCase{"0.0", 12345.67, "12345.7"}, PictureCase{"D0", 16, "D16"},
        PictureCase{"@0", 150, "@150"}, PictureCase{",0mm2", 12345, "12,345mm2"},
        PictureCase{"θ##0.0", 5, "θ5.0"}, PictureCase{"##0.00", 123.456, "123.46"},
        // Half away from zero on the decimal value, not its binary neighbour.
        PictureCase{"0.00", 2.675, "2.68"}, PictureCase{"0.00", -2.675, "-2.68"},
        PictureCase{"0.00", 0.125, "0.13"},
        // "#" after the point drops trailing zeros, and the point with them.
        PictureCase{"0.##", 1.5, "1.5"}, PictureCase{"0.##", 1, "1"},
        // Rounding carries into a new digit and into a group.
        PictureCase{"#,0.00", 999.999, "1,000.00"}, PictureCase{"0.0", 9.96, "10.0"}));

TEST(FormatNumber, ZeroUsesTheFirstSection) {
  EXPECT_EQ(formatNumber("0.00kN;(0.00)", 0.0), "0.00kN");
  EXPECT_EQ(formatNumber("0.00kN;(0.00)", -0.0), "0.00kN");
  EXPECT_EQ(formatNumber("0.00kN;(0.00)", -3.0), "(3.00)");
}

TEST(FormatNumber, EmptySecondSectionFallsBackToTheFirst) {
  EXPECT_EQ(formatNumber("0.0;", -2.25), "-2.3");
}

TEST(FormatNumber, PictureWithoutPlacesIsLiteralText) {
  EXPECT_EQ(formatNumber("   水圧は無い。", 3.0), "   水圧は無い。");
}

TEST(FormatNumber, NonFiniteValuesAreRefusedNamingThePicture) {
  // Zero digits for an infinite or undefined value would pass a failed
  // calculation off as a result: the picture refuses it and names itself.
  for (double bad :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    try {
      formatNumber("    Mr(抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm", bad);
      ADD_FAILURE() << "printed " << bad;
    } catch (const NonFiniteValue& e) {
      EXPECT_EQ(e.quantity(), "Mr(抵抗ﾓｰﾒﾝﾄ)  =#,0.00kNm");
    }
  }
  // The largest and smallest finite values still print.
  EXPECT_EQ(formatNumber("0.00", 4.9e-324), "0.00");
  EXPECT_EQ(formatNumber("0", 1e308).size(), 309u);
}

}  // namespace
}  // namespace kovrel
