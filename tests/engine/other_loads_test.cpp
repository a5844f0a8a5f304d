#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/load_assembly.h"
#include "engine/passive_pressure.h"
#include "wall_fixture.h"

namespace kovrel {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

TTeisu embedment(double phiDeg, double c, double ho) {
  TTeisu s;
  s.phiEmbed = phiDeg * kDeg;
  s.cohesionEmbed = c;
  s.gamma2 = 18;
  s.outlineY[24] = ho;
  return s;
}

TEST(PassivePressure, NormalCaseRankineWithCohesion) {
  TTeisu s = embedment(30, 5, 1.5);
  passivePressure(s);
  EXPECT_NEAR(s.kp, 3.0, 1e-12);
  EXPECT_NEAR(s.passiveForce, 18 * 2.25 * 3 / 2 + 2 * 5 * std::sqrt(3.0), 1e-9);
  // Without embedment only the cohesion term remains.
  TTeisu bare = embedment(30, 5, 0);
  passivePressure(bare);
  EXPECT_NEAR(bare.passiveForce, 2 * 5 * std::sqrt(3.0), 1e-12);
}

TEST(PassivePressure, WaterSplitsTheEmbedmentAtTheWaterLevel) {
  TTeisu below = embedment(30, 0, 1.0);  // all of Ho under water
  below.waterOn = 1;
  below.waterDepth = 2.0;
  passivePressure(below);
  EXPECT_NEAR(below.passiveForce, 3 * (18 - 9) * 1.0 / 2, 1e-12);

  TTeisu split = embedment(30, 0, 2.0);
  split.waterOn = 1;
  split.waterDepth = 0.5;
  passivePressure(split);
  const double o = 18 * 3 * 1.5;  // kN/m2 at the water level
  EXPECT_NEAR(split.passiveForce, o * 1.5 / 2 + 0.5 * (2 * o + 3 * 0.5 * 9) / 2, 1e-9);
}

TEST(PassivePressure, SeismicCoefficient) {
  TTeisu flat = embedment(30, 0, 1.5);
  flat.loadCase = 1;  // θ = 0: the seismic form equals Rankine
  passivePressure(flat);
  EXPECT_NEAR(flat.kp, 3.0, 1e-12);

  TTeisu quake = embedment(30, 0, 1.5);
  quake.loadCase = 1;
  quake.seismicAngle = std::atan(0.2);
  passivePressure(quake);
  const double th = quake.seismicAngle, phi = 30 * kDeg;
  const double root = 1 - std::sqrt(std::sin(phi) * std::sin(phi - th) / std::cos(th));
  EXPECT_NEAR(quake.kp,
              std::pow(std::cos(phi - th), 2) / (std::cos(th) * std::cos(th) * root * root), 1e-12);
  EXPECT_EQ(quake.kpUndefined, 0);

  // θ beyond φ has no real coefficient: the resistance is left out.
  TTeisu steep = embedment(10, 20, 1.5);
  steep.loadCase = 1;
  steep.seismicAngle = std::atan(0.3);
  passivePressure(steep);
  EXPECT_EQ(steep.kpUndefined, 1);
  EXPECT_EQ(steep.kp, 0.0);
  EXPECT_EQ(steep.passiveForce, 0.0);
}

TEST(LoadAssembly, WindCollisionAndTheSums) {
  DesignConditions dc = test::withWater(DesignConditions(), "1.2");
  TAntei s = test::loadedState(dc);
  const double H = s.outlineY[4];
  s.windHeight = 2;
  s.windPressure = 3;
  s.collisionLoad = 50;
  s.collisionArm = 1;
  s.blockLength = 0.5;  // shorter than 1 m: spread over 1 m
  s.wallWeight = 200;
  s.wallMomentV = 400;
  s.earthForceV = 10;
  s.earthForceH = 100;
  s.earthForceVX = s.outlineX[9];
  s.earthForceHY = 2;
  s.waterForce = 7;
  s.waterMoment = 3;
  assembleLoads(s);
  EXPECT_NEAR(s.windArm, 1 + H, 1e-12);
  EXPECT_NEAR(s.windForce, 6, 1e-12);
  EXPECT_NEAR(s.collisionArm, 1 + H, 1e-12);
  EXPECT_NEAR(s.collisionForce, 50, 1e-12);
  EXPECT_GT(s.wallBuoyancy, 0);
  EXPECT_GT(s.soilBuoyancy, 0);
  EXPECT_NEAR(s.sumV, 200 + 10 - s.wallBuoyancy - s.soilBuoyancy, 1e-9);
  EXPECT_NEAR(s.sumH, 50 + 100 + 7 + 6, 1e-9);
  EXPECT_NEAR(s.resistingMoment,
              400 + 10 * s.outlineX[9] - s.wallBuoyancyMoment - s.soilBuoyancyMoment, 1e-9);
  EXPECT_NEAR(s.overturningMoment, 200 + 3 + 6 * (1 + H) + 50 * (1 + H), 1e-9);
  EXPECT_NEAR(s.netMoment, s.resistingMoment - s.overturningMoment, 1e-12);

  TAntei longBlock = test::loadedState(DesignConditions());
  longBlock.collisionLoad = 50;
  longBlock.blockLength = 2.5;
  assembleLoads(longBlock);
  EXPECT_NEAR(longBlock.collisionForce, 20, 1e-12);
  EXPECT_EQ(longBlock.wallBuoyancy, 0.0);  // no water, no buoyancy
}

}  // namespace
}  // namespace kovrel
