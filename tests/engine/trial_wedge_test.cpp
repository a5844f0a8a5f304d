#include "engine/trial_wedge.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/wall_friction.h"

namespace kovrel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDeg = kPi / 180.0;

// A backfill on the virtual back face, nothing else: γs = 19 kN/m3.
TPa backfill(double phiDeg, double c = 0, double q = 0) {
  TPa s;
  s.gammaS = 19;
  s.phiBackfill = phiDeg * kDeg;
  s.cohesionBackfill = c;
  s.surcharge = q;
  s.backfillShape = 1;
  s.gammaW = 9.8;
  return s;
}

// The fine search refines upwards from the coarse peak, so the angle is found
// to one coarse step (0.005 rad) and the force, flat at its maximum, to about
// 1e-4 of its value.
constexpr double kOmegaTolerance = 0.006;
constexpr double kForceTolerance = 1e-4;

TEST(TrialWedge, FlatCohesionlessBackfillMatchesRankine) {
  struct Case {
    double phiDeg, q, h;
  };
  for (Case c : {Case{30, 0, 5}, Case{30, 10, 5}, Case{25, 5, 3.2}, Case{40, 20, 7}}) {
    TPa s = backfill(c.phiDeg, 0, c.q);
    trialWedge(s, {}, 1, 1, 0, c.h, c.h);
    const double ka = std::pow(std::tan(kPi / 4 - c.phiDeg * kDeg / 2), 2);
    const double pa = (19 * c.h * c.h / 2 + c.q * c.h) * ka;
    EXPECT_NEAR(s.earthForce, pa, pa * kForceTolerance) << "phi " << c.phiDeg << " q " << c.q;
    EXPECT_NEAR(s.slipAngle, kPi / 4 + c.phiDeg * kDeg / 2, kOmegaTolerance);
    EXPECT_EQ(s.wallFriction, 0.0);
    EXPECT_NEAR(s.earthForceH, pa, pa * kForceTolerance);
    EXPECT_EQ(s.earthForceV, 0.0);
    EXPECT_NEAR(s.earthArmY, c.h / 3, 1e-12);
    EXPECT_NEAR(s.earthCoeff, 2 * s.earthForce / (19 * c.h * c.h), 1e-12);
    EXPECT_EQ(s.crackDepth, 0.0);
    EXPECT_EQ(s.wedgeCase, 1);
  }
}

TEST(TrialWedge, SurchargeTakenSeparatelyAddsARectangleAndRaisesTheArm) {
  TPa s = backfill(30, 0, 10);
  s.surchargeMode = 1;
  trialWedge(s, {}, 1, 1, 0, 5, 5);
  const double ka = 1.0 / 3.0;
  const double soil = ka * 19 * 25 / 2, rect = ka * 10 * 5;
  EXPECT_EQ(s.wedgeCase, 0);
  EXPECT_NEAR(s.earthForceH, soil + rect, (soil + rect) * kForceTolerance);
  EXPECT_NEAR(s.earthArmY, (soil * 5 / 3 + rect * 2.5) / (soil + rect), 1e-4);
  EXPECT_GT(s.earthArmY, 5.0 / 3);
}

TEST(TrialWedge, UniformSlopeWithFrictionEqualToSlopeMatchesCoulomb) {
  for (double n : {2.0, 3.0}) {
    TPa s = backfill(35);
    s.backfillShape = 2;
    s.slopeAngle = std::atan(1 / n);
    const double h = 4.5;
    trialWedge(s, {}, 1, 2, 0, h, h);
    const double phi = 35 * kDeg, beta = s.slopeAngle, delta = beta;
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi - beta) /
                                  (std::cos(delta) * std::cos(beta)));
    const double ka = std::pow(std::cos(phi), 2) / (std::cos(delta) * std::pow(1 + root, 2));
    const double pa = ka * 19 * h * h / 2;
    EXPECT_NEAR(s.wallFriction, beta, 1e-12);
    EXPECT_NEAR(s.earthForce, pa, pa * kForceTolerance) << "n " << n;
    EXPECT_NEAR(s.earthForceH, pa * std::cos(delta), pa * kForceTolerance);
    EXPECT_NEAR(s.earthForceV, pa * std::sin(delta), pa * kForceTolerance);
  }
}

TEST(TrialWedge, SeismicFlatBackfillMatchesMononobeOkabe) {
  for (double kh : {0.1, 0.2}) {
    TPa s = backfill(35);
    s.loadCase = 1;
    s.seismicCombination = 4;
    s.kh = kh;
    s.seismicAngle = std::atan(kh);
    const double h = 5;
    trialWedge(s, {}, 1, 1, 0, h, h);
    const double phi = 35 * kDeg, th = s.seismicAngle;
    // The seismic wall friction of a flat surface.
    const double d = std::asin(std::sin(th) / std::sin(phi));
    const double delta =
        std::atan(std::sin(phi) * std::sin(th + d) / (1 - std::sin(phi) * std::cos(th + d)));
    const double root =
        std::sqrt(std::sin(phi + delta) * std::sin(phi - th) / std::cos(delta + th));
    const double kea = std::pow(std::cos(phi - th), 2) /
                       (std::cos(th) * std::cos(delta + th) * std::pow(1 + root, 2));
    const double pa = kea * 19 * h * h / 2;
    EXPECT_NEAR(s.wallFriction, delta, 1e-12);
    EXPECT_NEAR(s.earthForce, pa, pa * kForceTolerance) << "kh " << kh;
  }
}

TEST(TrialWedge, CohesionOpensACrackAndShortensTheSlipLine) {
  TPa s = backfill(30, 10, 4);
  s.gammaS = 18;
  const double h = 6;
  trialWedge(s, {}, 1, 1, 0, h, h);
  const double zc = std::tan(kPi / 3) * 2 * 10 / 18 - 4.0 / 18;
  const double w = s.slipAngle;
  EXPECT_NEAR(s.crackDepth, zc, 1e-12);
  EXPECT_NEAR(s.slipLength, (h - zc) / std::sin(w), 1e-12);
  // The wedge polygon: foot, face top, face top, crack top, crack foot, foot.
  const double x3 = (h - zc) / std::tan(w);
  const double expectX[] = {0, 0, 0, x3, x3, 0};
  const double expectY[] = {0, h, h, h, h - zc, 0};
  ASSERT_EQ(s.workCount, 5);
  for (int i = 0; i <= 5; ++i) {
    EXPECT_NEAR(s.workX[size_t(i)], expectX[i], 1e-9) << "point " << i;
    EXPECT_NEAR(s.workY[size_t(i)], expectY[i], 1e-9) << "point " << i;
  }
  // The wedge weight is the polygon times γs plus the surcharge over it.
  const double area = h * x3 - x3 * (h - zc) / 2;
  EXPECT_NEAR(s.wedgeWeightTotal, area * 18 + 4 * x3, 1e-9);
  EXPECT_EQ(s.crackOffset, 0.0);

  // With the shift switched on, the diagram starts hc = Zc below the top
  // (vertical face, flat ground) and the coefficient refers to h - hc.
  TPa shifted = backfill(30, 10, 4);
  shifted.gammaS = 18;
  trialWedge(shifted, {true, 0}, 1, 1, 0, h, h);
  EXPECT_NEAR(shifted.crackOffset, zc, 1e-12);
  EXPECT_NEAR(shifted.earthCoeff, 2 * shifted.earthForce / (18 * (h - zc) * (h - zc)), 1e-12);
  EXPECT_NEAR(shifted.earthArmY, (h - zc) / 3, 1e-12);
}

TEST(TrialWedge, CohesionHoldingTheWholeFaceGivesNoPressure) {
  TPa s = backfill(30, 80);
  trialWedge(s, {true, 0}, 1, 1, 0, 3, 3);
  EXPECT_EQ(s.earthForce, 0.0);
  EXPECT_EQ(s.earthForceH, 0.0);
  EXPECT_EQ(s.slipAngle, 0.0);
  EXPECT_TRUE(std::isfinite(s.earthCoeff));
}

TEST(TrialWedge, WaterLiftsTheWedge) {
  TPa s = backfill(30);
  s.waterOn = 1;
  s.waterDepth = 2;
  trialWedge(s, {}, 1, 1, 0, 5, 5);
  EXPECT_NEAR(s.waterForce, 9.8 * 4 / 2, 1e-12);
  EXPECT_NEAR(s.waterArm, 2.0 / 3, 1e-12);
  EXPECT_NEAR(s.reportUplift, s.waterForce / std::tan(s.slipAngle), 1e-9);
  EXPECT_NEAR(s.reportWeightNet, s.reportWeightTotal - s.reportUplift, 1e-9);
  TPa dry = backfill(30);
  trialWedge(dry, {}, 1, 1, 0, 5, 5);
  EXPECT_LT(s.earthForce, dry.earthForce);
  EXPECT_EQ(dry.reportUplift, 0.0);
}

TEST(TrialWedge, SeismicCombinationOneLeavesTheSurchargeOut) {
  TPa loaded = backfill(30, 0, 10);
  loaded.loadCase = 1;
  loaded.seismicCombination = 1;
  trialWedge(loaded, {}, 1, 1, 0, 5, 5);
  TPa bare = backfill(30);
  trialWedge(bare, {}, 1, 1, 0, 5, 5);
  EXPECT_NEAR(loaded.earthForce, bare.earthForce, 1e-12);
}

TEST(TrialWedge, EmbankmentSlipLineBehindTheCrest) {
  // Embankment 1 m high on a 1:1.5 slope over a 3 m face: the critical slip
  // line ends on the top (case 3) and the polygon's point 2 is the crest.
  TPa s = backfill(30);
  s.backfillShape = 3;
  s.slopeN = 1.5;
  s.slopeAngle = std::atan(1 / 1.5);
  s.embankHeight = 1;
  s.slopeRun = 1.5;
  s.outlineY[5] = 3;
  s.outlineX[5] = 1;
  s.outlineX[9] = 2;
  trialWedge(s, {}, 1, 3, 1, 3, 3);
  ASSERT_EQ(s.wedgeCase, 3);
  EXPECT_NEAR(s.workX[2], 1.5, 1e-9);
  EXPECT_NEAR(s.workY[2], 4, 1e-9);
  EXPECT_NEAR(s.widthOnSlope, 1.5, 1e-12);
  EXPECT_GT(s.earthForce, 0);
  // β = 0 turns the embankment into flat ground.
  TPa flat = backfill(30);
  flat.backfillShape = 3;
  trialWedge(flat, {}, 1, 3, 0, 3, 3);
  EXPECT_EQ(flat.wedgeCase, 1);
}

TEST(CoefficientPressure, SoilTriangleAndSurchargeRectangle) {
  TPa s = backfill(30, 0, 10);
  s.surchargeMode = 1;
  coefficientPressure(s, 0.3, 4);
  const double p1 = 16 * 19 * 0.3 / 2, p2 = 10 * 0.3 * 4;
  EXPECT_NEAR(s.earthForceH, p1 + p2, 1e-12);
  EXPECT_NEAR(s.earthArmY, (4 * p1 / 3 + 4 * p2 / 2) / (p1 + p2), 1e-12);
  coefficientPressure(s, 0.3, 0);
  EXPECT_EQ(s.earthArmY, 0.0);
}

TEST(WallFriction, SeismicFrictionStaysFiniteBeyondTheFrictionAngle) {
  EXPECT_TRUE(std::isfinite(seismicWallFriction(0, 10 * kDeg, 20 * kDeg)));
  EXPECT_EQ(seismicWallFriction(0, 0, 0.1), 0.0);
}

}  // namespace
}  // namespace kovrel

namespace kovrel {
namespace {

// Entries a professional tool must survive: a frictionless clay backfill,
// no unit weight, water against a frictionless backfill.
TEST(TrialWedge, DegenerateBackfillsGiveFiniteResults) {
  struct Case {
    double phiDeg, c, gamma;
    bool water;
  };
  for (Case k :
       {Case{0, 10, 18, false}, Case{0, 0, 18, true}, Case{30, 0, 0, false}, Case{0, 0, 0, true}}) {
    TPa s = backfill(k.phiDeg, k.c);
    s.gammaS = k.gamma;
    s.waterOn = k.water;
    s.waterDepth = 2;
    trialWedge(s, {true, 0}, 1, 1, 0, 5, 5);
    for (double v : {s.earthForce, s.earthForceH, s.earthForceV, s.earthCoeff, s.earthArmY,
                     s.slipAngle, s.slipLength, s.crackDepth, s.reportWeightNet, s.reportUplift,
                     s.wedgeWeightTotal, s.waterUplift}) {
      EXPECT_TRUE(std::isfinite(v)) << "phi " << k.phiDeg << " c " << k.c << " gamma " << k.gamma;
    }
  }
}

}  // namespace
}  // namespace kovrel

namespace kovrel {
namespace {

TEST(WallFriction, TableByCombinationFaceAndShape) {
  struct Case {
    const char* what;
    int combination, faceKind, shape, ratioItem;
    double betaDeg, thetaDeg;
    double expectedDeg;  // NaN: the seismic δE(β) computed below
  };
  const double phiDeg = 30;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"stem 2/3", 0, 0, 1, 0, 0, 0, 20},
      {"stem 1/2", 0, 2, 2, 1, 20, 0, 15},
      {"stem seismic", 2, 0, 1, 0, 0, 10, 15},
      {"virtual flat", 0, 1, 1, 0, 0, 0, 0},
      {"virtual slope", 1, 1, 2, 0, 20, 0, 20},
      {"virtual slope steeper than phi", 0, 1, 2, 0, 35, 0, 30},
      {"seismic slope beyond phi", 4, 1, 2, 0, 25, 6, 30},
      {"seismic slope", 4, 1, 2, 0, 10, 6, nan},
  };
  for (const Case& c : cases) {
    TPa s;
    s.phiBackfill = phiDeg * kDeg;
    s.seismicCombination = c.combination;
    s.slopeAngle = c.betaDeg * kDeg;
    s.seismicAngle = c.thetaDeg * kDeg;
    const double delta = wallFrictionAngle(s, {false, c.ratioItem}, c.faceKind, c.shape, 1.0, 0, 5);
    const double expected =
        std::isnan(c.expectedDeg)
            ? seismicWallFriction(c.betaDeg * kDeg, phiDeg * kDeg, c.thetaDeg * kDeg)
            : c.expectedDeg * kDeg;
    EXPECT_NEAR(delta, expected, 1e-12) << c.what;
  }
}

}  // namespace
}  // namespace kovrel

namespace kovrel {
namespace {

TEST(VirtualBackFace, HeightAndEmbankmentAboveByShape) {
  TTeisu s;
  s.outlineX[5] = 1.7;
  s.outlineX[9] = 5.7;  // 4 m from the stem top to the virtual back face
  s.outlineY[5] = 8;
  s.outlineY[23] = 9.2;
  s.embankHeight = 2;
  struct Case {
    int shape;
    double slopeRun, b, h;
  };
  for (Case c :
       {Case{1, 0, 0, 9.2}, Case{2, 0, 0, 9.2}, Case{3, 4, 0, 10},  // slope ends above the heel
        Case{3, 5, 0.8, 9.2}}) {                                    // slope runs past it
    s.backfillShape = c.shape;
    s.slopeRun = c.slopeRun;
    const VirtualBackFace f = virtualBackFace(s);
    EXPECT_NEAR(f.b, c.b, 1e-12) << "shape " << c.shape << " run " << c.slopeRun;
    EXPECT_NEAR(f.h, c.h, 1e-12) << "shape " << c.shape << " run " << c.slopeRun;
  }
}

}  // namespace
}  // namespace kovrel
