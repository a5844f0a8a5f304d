#include "engine/member_loads.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/load_items.h"
#include "tests/engine/wall_fixture.h"

namespace kovrel {
namespace {

// The default wall: x_T 0.75, x3 1.2, x6 2.0, x_K 2.45, B 5.8, c 0.45.
TAntei wall(int state, double q1, double q2, double d) {
  TAntei s = test::loadedState(DesignConditions{});
  s.bearingState = state;
  s.reactionToe = q1;
  s.reactionHeel = q2;
  s.resultantD = d;
  return s;
}

struct Resultant {
  double force, arm;  // kN; m from `from`
};

// Resultant of the reaction q over [a, b] and its distance from `from`, by
// midpoint sums (the reaction is piecewise linear; 200000 strips bring the
// error far below the tolerance).
Resultant integrate(const std::function<double(double)>& q, double a, double b, double from) {
  const int n = 200000;
  const double dx = (b - a) / n;
  double f = 0, m = 0;
  for (int i = 0; i < n; ++i) {
    const double x = a + (i + 0.5) * dx;
    f += q(x) * dx;
    m += q(x) * dx * std::abs(x - from);
  }
  return {f, f != 0 ? m / f : 0};
}

void expectReactions(const TAntei& s, const std::function<double(double)>& q) {
  const double B = 5.8;
  const Resultant toeS = integrate(q, 0, 0.75, 1.2);
  const Resultant toeM = integrate(q, 0, 1.2, 1.2);
  const Resultant heelM = integrate(q, 2.0, B, 2.0);
  const Resultant heelS = integrate(q, 2.45, B, 2.0);
  const double tol = 1e-5;
  EXPECT_NEAR(s.toeReactionS, toeS.force, tol);
  EXPECT_NEAR(s.toeReactionSArm, toeS.arm, tol);
  EXPECT_NEAR(s.toeReactionM, toeM.force, tol);
  EXPECT_NEAR(s.toeReactionMArm, toeM.arm, tol);
  EXPECT_NEAR(s.heelReactionM, heelM.force, tol);
  EXPECT_NEAR(s.heelReactionMArm, heelM.arm, tol);
  EXPECT_NEAR(s.heelReactionS, heelS.force, tol);
  EXPECT_NEAR(s.heelReactionSArm, heelS.arm, tol);
  EXPECT_NEAR(s.reactionAtToeSection, q(0.75), 1e-9);
  EXPECT_NEAR(s.reactionAtStemFront, q(1.2), 1e-9);
  EXPECT_NEAR(s.reactionAtStemRear, q(2.0), 1e-9);
  EXPECT_NEAR(s.reactionAtHeelSection, q(2.45), 1e-9);
}

TEST(MemberLoads, TrapezoidalReaction) {
  TAntei s = wall(0, 200, 100, 0);
  computeMemberLoads(s);
  expectReactions(s, [](double x) { return 100 + 100 * (5.8 - x) / 5.8; });
}

TEST(MemberLoads, TriangleFromTheToe) {
  // 3d = 2.1 reaches past the stem rear face but not the heel section; then
  // 3d = 0.6 stops short of the toe section.
  for (double d : {0.7, 0.2}) {
    SCOPED_TRACE(d);
    TAntei s = wall(1, 300, 0, d);
    computeMemberLoads(s);
    const double lq = 3 * d;
    expectReactions(s, [lq](double x) { return x < lq ? 300 * (lq - x) / lq : 0.0; });
  }
}

TEST(MemberLoads, TriangleFromTheHeelEnd) {
  // 3(B - d) = 3.9 reaches the toe section's neighbourhood; then 2.4 ends
  // behind the heel section.
  for (double d : {4.5, 5.0}) {
    SCOPED_TRACE(d);
    TAntei s = wall(2, 0, 250, d);
    computeMemberLoads(s);
    const double start = 5.8 - 3 * (5.8 - d);
    expectReactions(
        s, [start, d](double x) { return x > start ? 250 * (x - start) / (3 * (5.8 - d)) : 0.0; });
  }
}

TEST(MemberLoads, NoReactionBeyondTheMiddleThird) {
  TAntei s = wall(3, 500, 0, 0.1);
  computeMemberLoads(s);
  EXPECT_EQ(s.toeReactionM, 0);
  EXPECT_EQ(s.heelReactionS, 0);
  EXPECT_EQ(s.reactionAtStemFront, 0);
  EXPECT_EQ(s.heelReactionMArm, 0);
}

TEST(MemberLoads, SelfWeightsAndBuoyancies) {
  TAntei s = test::loadedState(test::withWater(DesignConditions{}, "2.0"));
  s.bearingState = 0;
  s.reactionToe = s.reactionHeel = 100;
  computeMemberLoads(s);
  // Toe from the tip to the stem front: slab, haunch triangle and strip.
  const double toeArea = 1.2 * 0.7 + 1.1 * 0.2 / 2 + 0.1 * 0.2;
  const double toeMoment = 1.2 * 0.7 * 0.6 + 1.1 * 0.2 / 2 * (1.2 - 2 * 1.1 / 3) + 0.1 * 0.2 * 0.05;
  EXPECT_NEAR(s.toeWeightM, toeArea * 24.5, 1e-9);
  EXPECT_NEAR(s.toeWeightMArm, toeMoment / toeArea, 1e-9);
  // Water above the slab: the whole toe and heel are submerged.
  EXPECT_NEAR(s.toeBuoyancyM, toeArea * 9.8, 1e-9);
  EXPECT_NEAR(s.heelBuoyancyM, s.heelWeightM / 24.5 * 9.8, 1e-9);
  // The backfill below the water: 9 kN/m3 whatever γw.
  TAntei t = s;
  const double area = itemProperties(t, "KS_FM").area;
  EXPECT_NEAR(s.backfillBuoyancyM, area * 9, 1e-9);
  EXPECT_NEAR(s.toeSectionX, 0.75, 1e-12);
  test::expectAllFinite(s);
}

TEST(MemberLoads, UnloadedBaseStaysFinite) {
  // A resultant at the toe end (d = 0) in state 1 and no reaction at all in
  // state 0: every arm stays finite.
  TAntei s = wall(1, 0, 0, 0);
  computeMemberLoads(s);
  test::expectAllFinite(s);
  s = wall(0, 0, 0, 2.9);
  computeMemberLoads(s);
  test::expectAllFinite(s);
  EXPECT_NEAR(s.toeReactionMArm, 0.6, 1e-12);  // middle of the unloaded part
}

}  // namespace
}  // namespace kovrel
