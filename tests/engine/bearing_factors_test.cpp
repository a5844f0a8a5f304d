#include "engine/bearing_factors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kovrel {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// Published values of the factors, to the digits the guideline's tables carry.
struct FactorCase {
  const char* what;
  double phiDeg, tanTheta, q, c2;
  double nc, nq, ngamma;  // NaN: not checked here
  double tolerance;
};

constexpr double kSkip = std::numeric_limits<double>::quiet_NaN();

class BearingFactorTable : public ::testing::TestWithParam<FactorCase> {};

TEST_P(BearingFactorTable, MatchesTheTabulatedValues) {
  const FactorCase& c = GetParam();
  if (!std::isnan(c.nc)) {
    EXPECT_NEAR(bearingFactorNc(c.tanTheta, c.phiDeg * kDeg), c.nc, c.tolerance) << c.what << " Nc";
  }
  if (!std::isnan(c.nq)) {
    EXPECT_NEAR(bearingFactorNq(0, c.phiDeg * kDeg, c.tanTheta, c.q, c.c2).value, c.nq, c.tolerance)
        << c.what << " Nq";
  }
  if (!std::isnan(c.ngamma)) {
    EXPECT_NEAR(bearingFactorNgamma(int(c.phiDeg), c.tanTheta), c.ngamma, c.tolerance)
        << c.what << " Ngamma";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, BearingFactorTable,
    ::testing::Values(
        FactorCase{"phi 0 vertical", 0, 0, 0, 0, 5.14, 1.0, 0.0, 1e-12},
        FactorCase{"phi 0 inclined", 0, 0.1, 0, 0, -9, -9, 0.0, 1e-12},
        FactorCase{"phi 0 inclined cohesive", 0, 0.1, 20, 10, -9, -9, 0.0, 1e-12},
        FactorCase{"phi 30 vertical", 30, 0, 0, 0, 30.14, 18.40, 15.3262, 0.005},
        FactorCase{"phi 30 tan 0.3", 30, 0.3, 0, 0, 16.10, 9.533, 4.254, 0.005},
        FactorCase{"phi 10 tan 0.3 no cohesion", 10, 0.3, 0, 0, kSkip, 1.441, 0.0, 0.0005},
        FactorCase{"phi 10 tan 0.3 cohesive", 10, 0.3, 22.8, 20, kSkip, 1.501, kSkip, 0.0005},
        FactorCase{"phi 10 tan 0.4 cohesive", 10, 0.4, 22.8, 20, kSkip, -9, kSkip, 1e-12},
        FactorCase{"phi 33 vertical", 33, 0, 0, 0, kSkip, kSkip, 23.99, 0.005},
        FactorCase{"phi 33 tan 0.2", 33, 0.2, 0, 0, kSkip, kSkip, 10.70, 0.005},
        FactorCase{"phi 20 theta 20", 20, std::tan(20 * kDeg), 0, 0, kSkip, kSkip, 0.32, 0.005},
        FactorCase{"phi 20 theta 20.01", 20, std::tan(20.01 * kDeg), 0, 0, kSkip, kSkip, 0.0, 0},
        FactorCase{"phi 1 tan 0.40", 1, 0.40, 0, 0, 2.614, kSkip, kSkip, 0.0005},
        FactorCase{"phi 1 tan 0.41", 1, 0.41, 0, 0, -9, kSkip, kSkip, 1e-12}));

TEST(BearingFactorNq, ReferenceModeRefusesBeyondTanPhiWithCohesion) {
  EXPECT_EQ(bearingFactorNq(1, 10 * kDeg, 0.3, 22.8, 20).value, -9.0);
  // Without cohesion the reference mode takes the same angle as mode 0.
  EXPECT_NEAR(bearingFactorNq(1, 10 * kDeg, 0.3, 0, 0).value, 1.441, 0.0005);
}

TEST(BearingFactors, SteepInclinationEndsWithOutOfRange) {
  // Without a bound the bracket search would run forever for these.
  for (double phi : {0.5, 5.0, 20.0, 45.0}) {
    for (double tanTheta : {2.0, 4.0, 50.0}) {
      double nc = bearingFactorNc(tanTheta, phi * kDeg);
      EXPECT_TRUE(nc == -9.0 || (std::isfinite(nc) && nc > 0))
          << phi << " " << tanTheta << " " << nc;
    }
  }
  EXPECT_EQ(bearingFactorNc(4.0, 1 * kDeg), -9.0);
}

TEST(BearingFactors, NegativeInclinationActsAsItsAbsoluteValueExceptInThePolynomials) {
  EXPECT_DOUBLE_EQ(bearingFactorNc(-0.3, 30 * kDeg), bearingFactorNc(0.3, 30 * kDeg));
  EXPECT_DOUBLE_EQ(bearingFactorNq(0, 30 * kDeg, -0.3, 0, 0).value,
                   bearingFactorNq(0, 30 * kDeg, 0.3, 0, 0).value);
  EXPECT_DOUBLE_EQ(bearingFactorNgamma(33, -0.2), bearingFactorNgamma(33, 0.2));
  // The polynomial for 30° at θ = -16.70°: larger than at θ = 0.
  EXPECT_GT(bearingFactorNgamma(30, -0.3), 15.3262);
}

}  // namespace
}  // namespace kovrel

namespace kovrel {
namespace {

TEST(BearingFactors, NinetyDegreesIsOutOfRangeNotInfinite) {
  const double phi = std::numbers::pi / 2;
  EXPECT_EQ(bearingFactorNc(0, phi), -9.0);
  EXPECT_EQ(bearingFactorNq(0, phi, 0, 0, 0).value, -9.0);
  EXPECT_TRUE(std::isfinite(bearingFactorNgamma(90, 0)));
}

// The bracket search counts its steps: an angle no 2° step can move on (or
// one that would take millions of them) ends as out of range.
TEST(BearingFactors, AbsurdAnglesEndTheBracketSearch) {
  for (double phi : {1e7, 1e17, 1e300}) EXPECT_EQ(bearingFactorNc(0.3, phi), -9.0) << phi;
}

}  // namespace
}  // namespace kovrel
