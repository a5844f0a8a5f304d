#include "report/surface_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/design_loader.h"

namespace kovrel {
namespace {

TAntei load(const DesignConditions& dc) {
  TAntei s;
  loadDesignConditions(s, dc);
  return s;
}

// Points relative to the wall's top rear corner (1.742, 8.0) of the default
// wall; B - x5 = 4.058.
void expectLine(const TShape& s, const std::vector<std::pair<double, double>>& rel) {
  ASSERT_EQ(s.surfaceLineLast, static_cast<int>(rel.size()) - 1);
  for (size_t i = 0; i < rel.size(); ++i) {
    EXPECT_NEAR(s.surfaceLineX[i], 1.742 + rel[i].first, 1e-9) << "point " << i;
    EXPECT_NEAR(s.surfaceLineY[i], 8.0 + rel[i].second, 1e-9) << "point " << i;
  }
}

DesignConditions embankment() {
  DesignConditions dc;
  dc.setIndex("TabControl1", 2);
  dc.setText("ComboBox1", "1.5");
  dc.setText("Edit28", "1000");  // slope run 1.5 m
  return dc;
}

TEST(SurfaceLine, FlatGroundAndSurcharge) {
  DesignConditions dc;  // flat, q = 10 on the flat part, γs = 20
  TAntei s = load(dc);
  SurfaceLabels ground = buildSurfaceLine(s, dc, SurfaceKind::Ground);
  expectLine(s, {{0, 0}, {0, 0}, {100, 0}});
  EXPECT_EQ(ground.first, " ");

  SurfaceLabels load = buildSurfaceLine(s, dc, SurfaceKind::Surcharge);
  expectLine(s, {{0, 0}, {0, 0.5}, {100, 0.5}});
  EXPECT_EQ(load.first, "10.00kN/m2");
  EXPECT_EQ(load.firstIndex, 1);
  EXPECT_EQ(load.secondIndex, -1);
}

TEST(SurfaceLine, SlopeGround) {
  DesignConditions dc;
  dc.setIndex("TabControl1", 1);
  dc.setText("ComboBox1", "2");
  TAntei s = load(dc);
  buildSurfaceLine(s, dc, SurfaceKind::Ground);
  expectLine(s, {{0, 0}, {0, 0}, {100, 50}});
}

TEST(SurfaceLine, EmbankmentStartPoints) {
  DesignConditions dc = embankment();
  TAntei s = load(dc);
  buildSurfaceLine(s, dc, SurfaceKind::Ground);
  expectLine(s, {{0, 0}, {0, 0}, {1.5, 1}, {1.5, 1}, {100, 1}});

  // Surcharge on the flat part only: from the break, q on the flat top.
  SurfaceLabels l = buildSurfaceLine(s, dc, SurfaceKind::Surcharge);
  expectLine(s, {{1.5, 1}, {1.5, 1}, {1.5, 1}, {1.5, 1.5}, {100, 1.5}});
  EXPECT_EQ(l.first, " ");
  EXPECT_EQ(l.second, "10.00kN/m2");
  EXPECT_EQ(l.secondIndex, 3);

  // Everywhere, with snow 2 on the slope: from the crest, f = 0.6, h = 0.5.
  dc.setIndex("RadioGroup8", 1);
  dc.setChecked("CheckBox4", true);
  dc.setText("Edit13", "2");
  s = load(dc);
  l = buildSurfaceLine(s, dc, SurfaceKind::Surcharge);
  expectLine(s, {{0, 0}, {0, 0.6}, {1.5, 1.6}, {1.5, 1.5}, {100, 1.5}});
  EXPECT_EQ(l.first, "12.00kN/m2");
  EXPECT_EQ(l.second, "10.00kN/m2");

  // No load over the virtual back face's wedge: the line starts at the face,
  // and with the slope ending before it the break moves there too.
  dc.setIndex("RadioGroup4", 1);
  s = load(dc);
  buildSurfaceLine(s, dc, SurfaceKind::Surcharge);
  expectLine(s, {{4.058, 1}, {4.058, 1.6}, {4.058, 1.6}, {4.058, 1.5}, {100, 1.5}});
}

}  // namespace
}  // namespace kovrel
