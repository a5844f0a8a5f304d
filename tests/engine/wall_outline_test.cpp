#include "engine/wall_outline.h"

#include <gtest/gtest.h>

#include "engine/self_weight.h"
#include "tests/engine/wall_fixture.h"

namespace kovrel {
namespace {

using test::loadedState;

constexpr double kTol = 1e-9;

// The wall body cut into rectangles and triangles, each with its own centroid:
// base slab, the haunches and flat strips over it, the stem's front triangle,
// core and rear triangle, and the shear key.
struct Piece {
  double a, x, y;
};

test::Shoelace handWallBody(bool lWall, double m, double o, double l, double B, double f, double g,
                            double t, double h, double u, double kp = 0, double kw = 0,
                            double kh = 0) {
  const double v = B - f - g - t - h, top = m + o, H = m + o + l;
  std::vector<Piece> pieces = {
      {B * m, B / 2, m / 2},
      {(B - h - f) * o, (f + B - h) / 2, m + o / 2},                  // under the stem
      {u * o, B - h + u / 2, m + o / 2},                              // heel flat strip
      {(h - u) * o / 2, (2 * (B - h + u) + B) / 3, (3 * m + o) / 3},  // heel haunch
      {g * l / 2, (f + 2 * (f + g)) / 3, (2 * top + H) / 3},          // front batter
      {t * l, f + g + t / 2, top + l / 2},                            // stem core
      {v * l / 2, (2 * (f + g + t) + B - h) / 3, (2 * top + H) / 3},  // rear batter
      {kw * kh, kp + kw / 2, -kh / 2},                                // shear key
  };
  if (!lWall) {
    pieces.push_back({u * o, f - u / 2, m + o / 2});                        // toe flat strip
    pieces.push_back({(f - u) * o / 2, 2 * (f - u) / 3, (3 * m + o) / 3});  // toe haunch
  }
  test::Shoelace r;
  for (const Piece& p : pieces) {
    r.area += p.a;
    r.x += p.a * p.x;
    r.y += p.a * p.y;
  }
  r.x /= r.area;
  r.y /= r.area;
  return r;
}

void expectPoint(const TTeisu& s, int i, double x, double y) {
  EXPECT_NEAR(s.outlineX[i], x, kTol) << "point " << i << " x";
  EXPECT_NEAR(s.outlineY[i], y, kTol) << "point " << i << " y";
}

TEST(WallOutline, DefaultInvertedTWallPointsAndWeight) {
  DesignConditions dc;
  TAntei s = loadedState(dc);
  // m 0.7, o 0.2, l 7.1, B 5.8, f 1.2, g 0.142, t 0.4, h 3.8, u 0.1; v 0.258.
  expectPoint(s, 1, 0, 0.7);
  expectPoint(s, 2, 1.1, 0.9);
  expectPoint(s, 3, 1.2, 0.9);
  expectPoint(s, 4, 1.342, 8.0);
  expectPoint(s, 5, 1.742, 8.0);
  expectPoint(s, 6, 2.0, 0.9);
  expectPoint(s, 7, 2.1, 0.9);
  expectPoint(s, 8, 5.8, 0.7);
  expectPoint(s, 9, 5.8, 0);
  // c = 0.45 > u: both sections on the haunches.
  expectPoint(s, 14, 0.75, 0.7 + 0.2 * 0.75 / 1.1);
  expectPoint(s, 33, 2.45, 0.7 + 0.2 * 3.35 / 3.7);
  expectPoint(s, 23, 5.8, 8.0);  // flat backfill at the wall height
  expectPoint(s, 21, 2.0, 8.0);
  expectPoint(s, 35, 2.45, 8.0);
  expectPoint(s, 24, 0, 0);  // no front ground: Ho 0

  computeWallWeight(s);
  const test::Shoelace hand = handWallBody(false, 0.7, 0.2, 7.1, 5.8, 1.2, 0.142, 0.4, 3.8, 0.1);
  EXPECT_NEAR(s.wallWeight, hand.area * 24.5, 1e-9);
  EXPECT_NEAR(s.wallX, hand.x, 1e-9);
  EXPECT_NEAR(s.wallY, hand.y, 1e-9);
  EXPECT_NEAR(s.wallMomentV, s.wallWeight * hand.x, 1e-9);
}

TEST(WallOutline, LWallWithShearKeyPointsAndWeight) {
  DesignConditions dc = test::lWallConditions();
  dc.setIndex("RadioGroup2", 1);
  dc.setText("Edit35", "3000");
  dc.setText("Edit40", "500");
  dc.setText("Edit41", "400");
  TAntei s = loadedState(dc);
  // m 0.7, o 0.2, l 7.1, B 4.6, g 0.142, t 0.4, h 3.8, u 0.1; v 0.258.
  expectPoint(s, 1, 0, 0.9);
  expectPoint(s, 2, 0, 0.9);
  expectPoint(s, 3, 0, 0.9);
  expectPoint(s, 4, 0.142, 8.0);
  expectPoint(s, 6, 0.8, 0.9);
  expectPoint(s, 12, 3.0, -0.4);
  expectPoint(s, 11, 3.5, -0.4);
  expectPoint(s, 14, 0, 0.9);  // no toe: the section is the stem front foot

  computeWallWeight(s);
  const test::Shoelace hand =
      handWallBody(true, 0.7, 0.2, 7.1, 4.6, 0, 0.142, 0.4, 3.8, 0.1, 3.0, 0.5, 0.4);
  EXPECT_NEAR(s.wallWeight, hand.area * 24.5, 1e-9);
  EXPECT_NEAR(s.wallX, hand.x, 1e-9);
  EXPECT_NEAR(s.wallY, hand.y, 1e-9);
}

TEST(WallOutline, SectionOnTheFlatPartWhenCEqualsU) {
  DesignConditions dc;
  dc.setText("Edit4", "450");  // u = c: the flat-part row, not the haunch
  TAntei s = loadedState(dc);
  expectPoint(s, 14, 0.75, 0.9);
  expectPoint(s, 33, 2.45, 0.9);
}

TEST(WallOutline, WaterLineByDepth) {
  struct Case {
    const char* depth;
    double x15, x16;
  } cases[] = {
      {"0.7", 0, 5.8},                                  // at the slab end thickness
      {"0.8", 1.1 * 0.1 / 0.2, 5.8 - 3.7 * 0.1 / 0.2},  // on the haunches
      {"4.45", 1.2 + 0.142 * 0.5, 2.0 - 0.258 * 0.5},   // half the stem height
      {"9.0", 1.342, 1.742},                            // above the top: clipped
  };
  for (const Case& c : cases) {
    TAntei s = loadedState(test::withWater(DesignConditions{}, c.depth));
    SCOPED_TRACE(c.depth);
    expectPoint(s, 15, c.x15, s.waterDepth);
    expectPoint(s, 31, c.x15, s.waterDepth);
    expectPoint(s, 16, c.x16, s.waterDepth);
    expectPoint(s, 20, 5.8, s.waterDepth);
    expectPoint(s, 36, 2.45, s.waterDepth);
  }
}

TEST(WallOutline, FrontGroundOnlyAboveTheSlabAtTheStem) {
  DesignConditions dc;
  dc.setText("Edit54", "0.9");  // equal to m + o: strict, nothing written
  TAntei s = loadedState(dc);
  for (int i : {24, 25, 26, 30}) expectPoint(s, i, 0, 0);

  dc.setText("Edit54", "1.61");
  s = loadedState(dc);
  expectPoint(s, 24, 0, 1.61);
  expectPoint(s, 25, 1.2, 1.61);
  expectPoint(s, 26, 1.2 + 0.142 * 0.71 / 7.1, 1.61);
  expectPoint(s, 30, 0.75, 1.61);
}

TEST(WallOutline, BackfillSurfaceShapes) {
  DesignConditions slope;
  slope.setIndex("TabControl1", 1);
  slope.setText("ComboBox1", "1.5");
  TAntei s = loadedState(slope);
  const double tb = 1 / 1.5;
  expectPoint(s, 21, 2.0, 8.0 + 0.258 * tb);
  expectPoint(s, 22, 2.0, 8.0 + 0.258 * tb);
  expectPoint(s, 23, 5.8, 8.0 + 4.058 * tb);
  expectPoint(s, 35, 2.45, 8.0 + (0.45 + 0.258) * tb);
  expectPoint(s, 37, 2.45, 8.0 + (0.45 + 0.258) * tb);

  // Embankment 1 m high at 1:1.5: the slope ends 1.5 m behind the crest,
  // above the heel (v + h = 4.058 > 1.5).
  DesignConditions embank = slope;
  embank.setIndex("TabControl1", 2);
  embank.setText("Edit28", "1000");
  s = loadedState(embank);
  expectPoint(s, 22, 1.742 + 1.5, 9.0);
  expectPoint(s, 23, 5.8, 9.0);
  expectPoint(s, 37, 1.742 + 1.5, 9.0);

  // A high embankment whose slope runs past the heel end behaves as a slope.
  embank.setText("Edit28", "3000");
  s = loadedState(embank);
  expectPoint(s, 22, 2.0, 8.0 + 0.258 * tb);
  expectPoint(s, 23, 5.8, 8.0 + 4.058 * tb);
}

// Degenerate dimensions the input checks let through must leave every value
// finite: no haunch (o = 0) with water on the slab, no stem height with water
// and front ground above the slab.
TEST(WallOutline, DegenerateDimensionsStayFinite) {
  struct Case {
    const char* name;
    const char* o;
    const char* l;
    const char* depth;
  } cases[] = {{"no haunch, water at the slab top", "0", "7100", "0.7"},
               {"no haunch, water over the slab", "0", "7100", "1.5"},
               {"no stem height, water above", "200", "0", "2.0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DesignConditions dc = test::withWater(DesignConditions{}, c.depth);
    dc.setText("Edit5", c.o);
    dc.setText("Edit12", c.l);
    dc.setText("Edit54", "1.5");
    TAntei s = loadedState(dc);
    computeWallWeight(s);
    computeHeelBackfill(s, true);
    test::expectAllFinite(s);
  }
  // Zero stem height: water and front ground above the slab sit at the top of
  // the front batter (the limit of the height ratio).
  DesignConditions dc = test::withWater(DesignConditions{}, "2.0");
  dc.setText("Edit12", "0");
  dc.setText("Edit54", "1.5");
  TAntei s = loadedState(dc);
  expectPoint(s, 15, 1.342, 2.0);
  expectPoint(s, 16, 2.0 - 0.258, 2.0);
  expectPoint(s, 26, 1.342, 1.5);
}

}  // namespace
}  // namespace kovrel
