#include "engine/stability_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kovrel {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// A 6 m base carrying 600 kN whose resultant lies d from the toe.
TAntei baseWithResultantAt(double d, int loadCase = 0) {
  TAntei s;
  s.outlineX[9] = 6;
  s.sumV = 600;
  s.resistingMoment = 600 * d;
  s.overturningMoment = 0;
  s.qa0 = 200;
  s.loadCase = loadCase;
  return s;
}

TEST(GroundReaction, StatesAtAndAroundTheirLimits) {
  struct Case {
    double d;
    int state;
    double q1, q2, be;
  };
  const Case cases[] = {
      {3, 0, 100, 100, 6},             // e = 0
      {2.5, 0, 150, 50, 5},            // e = 0.5
      {2, 1, 200, 0, 4},               // e = B/6 exactly: the triangle
      {4, 2, 0, 200, 6},               // e = -B/6 exactly
      {4.01, 2, 0, 1200.0 / 5.97, 6},  // just beyond -B/6
      {1, 3, 0, 0, 2},                 // e = B/3 exactly: no reaction
      {5.5, 3, 0, 0, 6},
  };
  for (const Case& c : cases) {
    TAntei s = baseWithResultantAt(c.d);
    computeGroundReaction(s);
    EXPECT_EQ(s.bearingState, c.state) << "d " << c.d;
    EXPECT_NEAR(s.reactionToe, c.q1, 1e-9) << "d " << c.d;
    EXPECT_NEAR(s.reactionHeel, c.q2, 1e-9) << "d " << c.d;
    EXPECT_NEAR(s.effectiveWidth, c.be, 1e-9) << "d " << c.d;
    EXPECT_NEAR(s.eccentricity, 3 - c.d, 1e-12);
  }
}

TEST(GroundReaction, RequiredValuesByLoadCase) {
  TAntei normal = baseWithResultantAt(3, 0);
  computeGroundReaction(normal);
  EXPECT_EQ(normal.bearingFsRequired, 3.0);
  EXPECT_EQ(normal.qaAllow, 200.0);
  TAntei seismic = baseWithResultantAt(3, 1);
  computeGroundReaction(seismic);
  EXPECT_EQ(seismic.bearingFsRequired, 2.0);
  EXPECT_EQ(seismic.qaAllow, 300.0);
}

TEST(GroundReaction, NoVerticalLoadHasNoResultantOnTheBase) {
  for (double vo : {0.0, -50.0}) {
    TAntei s = baseWithResultantAt(3);
    s.sumV = vo;
    computeGroundReaction(s);
    EXPECT_EQ(s.bearingState, 3);
    EXPECT_EQ(s.resultantD, 0.0);
    EXPECT_EQ(s.eccentricity, 3.0);
    EXPECT_EQ(s.effectiveWidth, 0.0);
    computeUltimateBearing(s, 5);
    EXPECT_TRUE(std::isfinite(s.ultimateBearing) && std::isfinite(s.bearingPressure) &&
                std::isfinite(s.loadInclination) && std::isfinite(s.depthFactor));
    EXPECT_EQ(s.bearingPressure, 0.0);
  }
}

TEST(UltimateBearing, MatchesTheFormulaTermByTerm) {
  TAntei s = baseWithResultantAt(2.5);  // Be = 5
  s.sumH = 150;                         // tanθ = 0.25
  s.cohesionBase = 30;
  s.phiBase = 30 * kDeg;
  s.phiBaseDeg = 30;
  s.gamma1Eff = 19;
  s.gamma2Eff = 18;
  s.embedDepth = 1.5;
  s.bearingEmbedDepth = 0.5;
  computeGroundReaction(s);
  computeUltimateBearing(s, 10);
  const double alpha = 1 + 0.3 * 0.5, beta = 1 - 0.4 * 0.5, kappa = 1 + 0.3 * 0.5 / 5;
  const double q = 27, sc = std::pow(3.0, -1.0 / 3), sq = std::pow(2.7, -1.0 / 3),
               sg = std::pow(5.0, -1.0 / 3);
  EXPECT_NEAR(s.shapeAlpha, alpha, 1e-12);
  EXPECT_NEAR(s.shapeBeta, beta, 1e-12);
  EXPECT_NEAR(s.depthFactor, kappa, 1e-12);
  EXPECT_NEAR(s.overburden, q, 1e-12);
  EXPECT_NEAR(s.loadInclination, 0.25, 1e-12);
  const double expected = alpha * kappa * 30 * s.factorNc * sc + kappa * q * s.factorNq * sq +
                          0.5 * 19 * beta * 5 * s.factorNgamma * sg;
  EXPECT_NEAR(s.ultimateBearing, expected, 1e-9);
  EXPECT_NEAR(s.bearingPressure, 120, 1e-12);
}

TEST(UltimateBearing, LimitsOfTheShapeAndScaleFactors) {
  TAntei s = baseWithResultantAt(3);
  s.cohesionBase = 200;
  computeGroundReaction(s);
  for (double blockLength : {2.0, 0.0, -1.0}) {  // Be/L above 1, or no block length
    computeUltimateBearing(s, blockLength);
    EXPECT_NEAR(s.shapeAlpha, 1.3, 1e-12) << blockLength;
    EXPECT_NEAR(s.shapeBeta, 0.6, 1e-12) << blockLength;
    EXPECT_TRUE(std::isfinite(s.ultimateBearing));
  }
  EXPECT_NEAR(s.scaleC, std::pow(10.0, -1.0 / 3), 1e-12);  // c' clipped to 10
  EXPECT_EQ(s.scaleQ, 1.0);                                // q' clipped to 1
  s.cohesionBase = 0;
  s.outlineX[9] = 0.8;
  s.resistingMoment = 600 * 0.4;
  computeGroundReaction(s);
  computeUltimateBearing(s, 5);
  EXPECT_EQ(s.scaleC, 1.0);
  EXPECT_EQ(s.bStar, 1.0);  // B' = max(Be, 1)
}

TEST(Sliding, WithoutAKey) {
  TAntei s = baseWithResultantAt(2.5);
  s.muBase = 0.6;
  s.adhesionCb = 5;
  s.passiveForce = 40;
  s.sumHcopy = 200;
  computeGroundReaction(s);
  computeSliding(s, false);
  EXPECT_NEAR(s.slidingFs, (0.6 * 600 + 5 * 5 + 20) / 200, 1e-12);
  s.sumHcopy = 0;
  computeSliding(s, false);
  EXPECT_EQ(s.slidingFs, 999.9);
}

// A key 0.5 m wide whose front face is xf from the toe, 0.6 m high.
TAntei keyedBase(double d, double xf) {
  TAntei s = baseWithResultantAt(d);
  s.outlineX[13] = xf;
  s.outlineX[12] = xf;
  s.outlineX[10] = xf + 0.5;
  s.outlineX[11] = xf + 0.5;
  s.outlineY[12] = -0.6;
  s.outlineY[11] = -0.6;
  s.phiBase = 30 * kDeg;
  s.phiB = 20 * kDeg;
  s.cohesionBase = 10;
  s.sumHcopy = 250;
  computeGroundReaction(s);
  return s;
}

TEST(Sliding, KeyPartitionOfTheEffectiveWidth) {
  struct Case {
    double d, xf, b1, b2, b3;
  };
  const Case cases[] = {
      {3.5, 2, 2, 0.5, 6 - 2.5},  // e < 0: the whole base
      {2.5, 2, 2, 0.5, 5 - 2.5},  // key inside Be = 5
      {2.5, 4.8, 4.8, 0.2, 0},    // Be ends within the key
      {2.5, 5.2, 5, 0, 0},        // key behind the end of Be
  };
  for (const Case& c : cases) {
    TAntei s = keyedBase(c.d, c.xf);
    computeSliding(s, true);
    EXPECT_NEAR(s.keyB1, c.b1, 1e-12) << "xf " << c.xf;
    EXPECT_NEAR(s.keyB2, c.b2, 1e-12) << "xf " << c.xf;
    EXPECT_NEAR(s.keyB3, c.b3, 1e-12) << "xf " << c.xf;
    const double be = s.effectiveWidth;
    EXPECT_NEAR(s.keyV1, c.b1 / be * 600, 1e-9);
    EXPECT_NEAR(s.keyV1 + s.keyV2 + s.keyV3, (c.b1 + c.b2 + c.b3) / be * 600, 1e-9);
    const double hk =
        std::tan(30 * kDeg) * s.keyV1 + 10 * c.b1 + std::tan(20 * kDeg) * (s.keyV2 + s.keyV3);
    EXPECT_NEAR(s.shearResistance, hk, 1e-9);
    EXPECT_NEAR(s.slidingFs, hk / 250, 1e-12);
  }
}

TEST(Sliding, KeyForceAndMoment) {
  TAntei s = keyedBase(2.5, 2);
  s.phiB = 0;  // with no friction under and behind the key it takes all of Ho
  const KeyForces all = computeSliding(s, true);
  EXPECT_NEAR(all.ht, 250, 1e-9);
  EXPECT_NEAR(all.m, 0.6 * 250 / 2, 1e-9);

  TAntei t = keyedBase(2.5, 2);
  const KeyForces part = computeSliding(t, true);
  const double ht = (10 * 2 + t.keyV1 * (std::tan(30 * kDeg) - std::tan(20 * kDeg)) +
                     t.keyV2 * std::tan(20 * kDeg)) *
                    250 / t.shearResistance;
  EXPECT_NEAR(part.ht, ht, 1e-9);

  TAntei none = keyedBase(2.5, 2);
  none.sumHcopy = 0;
  const KeyForces idle = computeSliding(none, true);
  EXPECT_EQ(none.slidingFs, 9999.9);
  EXPECT_TRUE(std::isfinite(idle.ht));
}

TEST(ReactionWidth, ByState) {
  const std::pair<double, double> cases[] = {{3, 6}, {2, 6}, {4, 6}, {1, 0}};
  for (auto [d, width] : cases) {
    TAntei s = baseWithResultantAt(d);
    computeGroundReaction(s);
    computeReactionWidth(s);
    EXPECT_NEAR(s.reactionWidth, width, 1e-12) << "d " << d;
  }
}

}  // namespace
}  // namespace kovrel
