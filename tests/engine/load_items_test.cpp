#include "engine/load_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/wall_fixture.h"

namespace kovrel {
namespace {

using test::loadedState;

// Geometries of the default inverted-T wall (c = 0.45): with u = 0.1 both
// sections lie on the haunches, with u = 0.5 on the flat parts. Water depths:
// 0.5 (case 1), 0.8 and 0.85 and 0.89 (case 2: below both section tops, above
// the toe's, above both), 2.0 (case 3).
TAntei geometry(const char* u, const char* depth, bool lWall = false) {
  DesignConditions dc = lWall ? test::lWallConditions() : DesignConditions{};
  dc.setText(lWall ? "Edit49" : "Edit4", u);
  if (depth) dc = test::withWater(dc, depth);
  return loadedState(dc);
}

struct ItemCase {
  const char* item;
  const char* u;
  const char* depth;         // nullptr: no water
  std::vector<int> polygon;  // outline points; empty: no polygon
};

TEST(LoadItems, EveryRowOfTheItemTable) {
  const std::vector<ItemCase> cases = {
      {"W_A", "100", nullptr, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
      {"W_FA", "100", nullptr, {}},
      {"W_FA", "100", "0.5", {0, 31, 16, 9, 10, 11, 12, 13, 0}},
      {"W_FA", "100", "0.8", {0, 1, 31, 16, 8, 9, 10, 11, 12, 13, 0}},
      {"W_FA", "100", "2.0", {0, 1, 2, 3, 31, 16, 6, 7, 8, 9, 10, 11, 12, 13, 0}},
      {"T_M", "100", nullptr, {0, 1, 2, 3, 17, 0}},
      {"T_S", "500", nullptr, {0, 1, 2, 14, 19, 0}},
      {"T_S", "100", nullptr, {0, 1, 14, 19, 0}},
      {"T_FM", "100", nullptr, {}},
      {"T_FM", "100", "0.5", {0, 15, 28, 17, 0}},
      {"T_FM", "100", "0.8", {0, 1, 15, 28, 17, 0}},
      {"T_FM", "100", "2.0", {0, 1, 2, 3, 17, 0}},
      {"T_FS", "100", nullptr, {}},
      {"T_FS", "100", "0.5", {0, 15, 32, 19, 0}},
      {"T_FS", "100", "0.8", {0, 1, 15, 32, 19, 0}},
      {"T_FS", "100", "0.85", {0, 1, 14, 19, 0}},
      {"T_FS", "100", "2.0", {0, 1, 14, 19, 0}},
      {"T_FS", "500", "2.0", {0, 1, 2, 14, 19, 0}},
      {"K_M", "100", nullptr, {18, 6, 7, 8, 9, 18}},
      {"K_S", "500", nullptr, {34, 33, 7, 8, 9, 34}},
      {"K_S", "100", nullptr, {34, 33, 8, 9, 34}},
      {"K_FM", "100", nullptr, {}},
      {"K_FM", "100", "0.5", {18, 29, 16, 9, 18}},
      {"K_FM", "100", "0.8", {18, 29, 16, 8, 9, 18}},
      {"K_FM", "100", "2.0", {18, 6, 7, 8, 9, 18}},
      {"K_FS", "100", nullptr, {}},
      {"K_FS", "100", "0.5", {34, 36, 16, 9, 34}},
      {"K_FS", "100", "0.85", {34, 36, 16, 8, 9, 34}},
      {"K_FS", "100", "0.89", {34, 33, 8, 9, 34}},
      {"K_FS", "100", "2.0", {34, 33, 8, 9, 34}},
      {"K_FS", "500", "2.0", {34, 33, 7, 8, 9, 34}},
      {"KS_A", "100", nullptr, {6, 5, 22, 23, 8, 7, 6}},
      {"KS_M", "100", nullptr, {6, 21, 22, 23, 8, 7, 6}},
      {"KS_S", "500", nullptr, {33, 35, 37, 23, 8, 7, 33}},
      {"KS_S", "100", nullptr, {33, 35, 37, 23, 8, 33}},
      {"KS_FA", "100", "0.5", {}},
      {"KS_FA", "100", "0.8", {8, 16, 20, 8}},
      {"KS_FA", "100", "2.0", {6, 16, 20, 8, 7, 6}},
      {"KS_FM", "100", "0.5", {}},
      {"KS_FM", "100", "0.8", {16, 20, 8, 16}},
      {"KS_FM", "100", "2.0", {6, 29, 20, 8, 7, 6}},
      {"KS_FS", "100", "0.5", {}},
      {"KS_FS", "100", "0.8", {8, 16, 20, 8}},
      {"KS_FS", "100", "0.89", {8, 33, 36, 20, 8}},
      {"KS_FS", "100", "2.0", {8, 33, 36, 20, 8}},
      {"KS_FS", "500", "2.0", {8, 7, 33, 36, 20, 8}},
      {"NO_SUCH", "100", nullptr, {}},
  };
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " u=" + c.u + " H1=" + (c.depth ? c.depth : "-"));
    TAntei s = geometry(c.u, c.depth);
    const ItemProperties p = itemProperties(s, c.item);
    if (c.polygon.empty()) {
      EXPECT_EQ(s.workCount, 0);
      EXPECT_EQ(p.area, 0);
      EXPECT_EQ(p.pointCount, 0);
      continue;
    }
    ASSERT_EQ(s.workCount, static_cast<int>(c.polygon.size()) - 1);
    std::vector<std::pair<double, double>> pts;
    for (int i : c.polygon) pts.emplace_back(s.outlineX[i], s.outlineY[i]);
    const test::Shoelace expected = test::shoelace(pts);
    EXPECT_GT(p.area, 0) << "item polygons run clockwise";
    EXPECT_NEAR(p.area, expected.area, 1e-12);
    EXPECT_NEAR(p.x, expected.x, 1e-9);
    EXPECT_NEAR(p.y, expected.y, 1e-9);
    for (size_t k = 0; k < pts.size(); ++k) {
      EXPECT_EQ(s.workX[k], pts[k].first) << "work point " << k;
      EXPECT_EQ(s.workY[k], pts[k].second) << "work point " << k;
    }
  }
}

TEST(LoadItems, WaterCaseBoundaries) {
  struct Case {
    const char* depth;
    int expected;
  } cases[] = {{nullptr, 0}, {"0.7", 1}, {"0.9", 2}, {"0.91", 3}};
  for (const Case& c : cases) {
    EXPECT_EQ(waterCase(geometry("100", c.depth)), c.expected) << (c.depth ? c.depth : "off");
  }
}

TEST(LoadItems, ClosedFormAreasOfTheDefaultWall) {
  TAntei s = geometry("100", nullptr);
  // Toe from the tip to the stem front face: 1.2 x 0.7 slab, 1.1 x 0.2 / 2
  // haunch, 0.1 x 0.2 strip.
  ItemProperties toe = itemProperties(s, "T_M");
  EXPECT_NEAR(toe.area, 1.2 * 0.7 + 1.1 * 0.2 / 2 + 0.1 * 0.2, 1e-12);
  // Flat backfill over the heel from the stem rear face: the trapezoid of
  // the rear batter plus the rectangle over the heel.
  ItemProperties fill = itemProperties(s, "KS_A");
  const double over = 3.8 * 7.3 - 0.1 * 0.2 - 3.7 * 0.2 / 2 + 0.258 * 7.1 / 2;
  EXPECT_NEAR(fill.area, over, 1e-12);
}

TEST(LoadItems, DisplayListDropsRepeats) {
  // Without a key the key points lie at the origin: W_A lists 0..9 and the
  // origin once more at the end.
  TAntei s = geometry("100", nullptr);
  ItemProperties wall = itemProperties(s, "W_A");
  ASSERT_EQ(wall.pointCount, 11);
  EXPECT_EQ(wall.points[9].x, 5.8);
  EXPECT_EQ(wall.points[10].x, 0);
  EXPECT_EQ(wall.points[10].y, 0);

  // L wall, water between m and m + o: W_FA's spike to point 1 adds nothing,
  // and T_S has no polygon.
  TAntei l = geometry("100", "0.8", true);
  ItemProperties buoy = itemProperties(l, "W_FA");
  // Slab 4.6 x 0.7, then 0.1 of water depth over the slab up to the haunch
  // crossing at x16 = 4.6 - 3.7 x 0.5 and the triangle down to point 8.
  const double x16 = 4.6 - 3.7 * 0.5;
  EXPECT_NEAR(buoy.area, 4.6 * 0.7 + x16 * 0.1 + (4.6 - x16) * 0.1 / 2, 1e-12);
  EXPECT_EQ(itemProperties(l, "T_S").area, 0);
  EXPECT_EQ(itemProperties(l, "T_M").area, 0);
}

TEST(HeelSoilLoads, SurchargeRows) {
  // Flat backfill, q = 10, no snow: b = B - x5 = 4.058, v = 0.258.
  TAntei s = geometry("100", nullptr);
  heelSoilLoads(s, "KS_A", true);
  EXPECT_NEAR(s.surchargeLoad, 10 * 4.058, 1e-9);
  EXPECT_NEAR(s.surchargeArm, 4.058 / 2 - 0.258, 1e-9);
  EXPECT_NEAR(s.backfillWeight, itemProperties(s, "KS_A").area * 20, 1e-9);

  heelSoilLoads(s, "KS_A", false);
  EXPECT_EQ(s.surchargeLoad, 0);
  EXPECT_EQ(s.surchargeArm, 0);

  heelSoilLoads(s, "KS_M", false);  // the heel design keeps its surcharge
  EXPECT_NEAR(s.surchargeLoad, 10 * 3.8, 1e-9);
  EXPECT_NEAR(s.surchargeArm, 3.8 / 2, 1e-9);

  heelSoilLoads(s, "KS_S", true);
  EXPECT_NEAR(s.surchargeLoad, 10 * (5.8 - 2.45), 1e-9);
  EXPECT_NEAR(s.surchargeArm, (5.8 - 2.45) / 2 + 0.45, 1e-9);

  // Embankment 1 m at 1:1.5 with surcharge everywhere (全面) and snow 2 on the
  // slope, 3 on the flat: slope over R = 1.5, flat beyond.
  DesignConditions dc;
  dc.setIndex("TabControl1", 2);
  dc.setText("ComboBox1", "1.5");
  dc.setText("Edit28", "1000");
  dc.setIndex("RadioGroup8", 1);
  dc.setText("Edit13", "2");
  dc.setText("Edit43", "3");
  TAntei e = loadedState(dc);
  const double qs = 12, qf = 13, R = 1.5, b = 4.058, v = 0.258, sK = 2.45 - 1.742;
  auto twoPart = [](double p1, double l1, double p2, double l2) {
    return (p1 * l1 / 2 + p2 * (l1 + l2 / 2)) / (p1 + p2);
  };
  heelSoilLoads(e, "KS_A", true);
  EXPECT_NEAR(e.surchargeLoad, qs * R + qf * (b - R), 1e-9);
  EXPECT_NEAR(e.surchargeArm, twoPart(qs * R, R, qf * (b - R), b - R) - v, 1e-9);
  heelSoilLoads(e, "KS_M", true);
  EXPECT_NEAR(e.surchargeLoad, qs * (R - v) + qf * (b - R), 1e-9);
  EXPECT_NEAR(e.surchargeArm, twoPart(qs * (R - v), R - v, qf * (b - R), b - R), 1e-9);
  heelSoilLoads(e, "KS_S", true);
  EXPECT_NEAR(e.surchargeLoad, qs * (R - sK) + qf * (b - R), 1e-9);
  EXPECT_NEAR(e.surchargeArm, twoPart(qs * (R - sK), R - sK, qf * (b - R), b - R) + 0.45, 1e-9);

  // Slope: the whole length is on the slope.
  dc.setIndex("TabControl1", 1);
  TAntei sl = loadedState(dc);
  heelSoilLoads(sl, "KS_M", true);
  EXPECT_NEAR(sl.surchargeLoad, qs * (b - v), 1e-9);
  EXPECT_NEAR(sl.surchargeArm, (b - v) / 2, 1e-9);

  // Embankment lower than the rear batter's run (R < v, R < s): flat rows.
  dc.setIndex("TabControl1", 2);
  dc.setText("Edit28", "100");  // R = 0.15
  TAntei low = loadedState(dc);
  heelSoilLoads(low, "KS_M", true);
  EXPECT_NEAR(low.surchargeLoad, qf * 3.8, 1e-9);
  EXPECT_NEAR(low.surchargeArm, 3.8 / 2, 1e-9);
  heelSoilLoads(low, "KS_S", true);
  EXPECT_NEAR(low.surchargeLoad, qf * (5.8 - 2.45), 1e-9);
}

}  // namespace
}  // namespace kovrel

namespace kovrel {
namespace {

// A low embankment whose slope ends before the stem's rear foot: the surface
// points over the rear batter and the heel section lie above the embankment
// top and KS_M, KS_S cross themselves. The program keeps the coordinate
// method's signed area for them.
TEST(LoadItems, SelfCrossingBackfillKeepsTheSignedArea) {
  DesignConditions dc;
  dc.setIndex("TabControl1", 2);
  dc.setText("ComboBox1", "1.5");
  dc.setText("Edit28", "100");  // slope run 0.15 < rear batter 0.258
  TAntei s = test::loadedState(dc);
  for (const auto& [item, ids] : {std::pair{"KS_M", std::vector<int>{6, 21, 22, 23, 8, 7, 6}},
                                  std::pair{"KS_S", std::vector<int>{33, 35, 37, 23, 8, 33}}}) {
    SCOPED_TRACE(item);
    std::vector<std::pair<double, double>> pts;
    for (int i : ids) pts.emplace_back(s.outlineX[i], s.outlineY[i]);
    const ItemProperties p = itemProperties(s, item);
    EXPECT_NEAR(p.area, test::shoelace(pts).area, 1e-12);
    heelSoilLoads(s, item, true);
    EXPECT_NEAR(s.backfillWeight, p.area * 20, 1e-9);
    EXPECT_TRUE(std::isfinite(s.backfillX) && std::isfinite(s.surchargeArm));
  }
}

}  // namespace
}  // namespace kovrel
