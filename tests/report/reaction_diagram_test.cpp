#include "report/reaction_diagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovrel {
namespace {

struct P {
  double x, y;
  std::string label;
};

void expectPoints(const Series& s, const std::vector<P>& expected) {
  ASSERT_EQ(s.points.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(s.points[i].x, expected[i].x, 1e-12) << "point " << i;
    EXPECT_NEAR(s.points[i].y, expected[i].y, 1e-12) << "point " << i;
    EXPECT_EQ(s.points[i].label, expected[i].label) << "point " << i;
  }
}

// The default wall's base: x3 1.2, x6 2.0, heel section 2.45, B 5.8; a key
// from 3.0 to 3.5. Section reactions are set as the member loads would.
TAntei base(int state, double q1, double q2, double d) {
  TAntei s;
  s.outlineX[3] = 1.2;
  s.outlineX[6] = 2.0;
  s.outlineX[34] = 2.45;
  s.outlineX[13] = 3.0;
  s.outlineX[10] = 3.5;
  s.outlineX[9] = 5.8;
  s.bearingState = state;
  s.reactionToe = q1;
  s.reactionHeel = q2;
  s.resultantD = d;
  s.reactionAtStemFront = 180;
  s.reactionAtStemRear = 170;
  s.reactionAtHeelSection = 160;
  s.reactionAtKeyFront = 150;
  s.reactionAtKeyRear = 140;
  return s;
}

const std::string b = " ";

TEST(ReactionDiagram, TrapezoidVariants) {
  TAntei s = base(0, 200, 100, 0);
  Series series;
  series.points.push_back({1, 1, "old", std::nullopt});
  drawReactionDiagram(s, series, ReactionVariant::Plain);
  expectPoints(series, {{0, 0, b}, {0, -2, "200.00kN/m2"}, {5.8, -1, "100.00kN/m2"}, {5.8, 0, b}});

  drawReactionDiagram(s, series, ReactionVariant::ToeSlab);
  expectPoints(series, {{0, 0, b},
                        {0, -2, "200.00"},
                        {1.2, -1.8, b},
                        {1.2, 0, b},
                        {1.2, -1.8, "180.00kN/m2"},
                        {5.8, -1, b},
                        {5.8, 0, b}});

  drawReactionDiagram(s, series, ReactionVariant::HeelSlab);
  expectPoints(series, {{0, 0, b},
                        {0, -2, b},
                        {2.0, -1.7, b},
                        {2.0, 0, b},
                        {2.0, -1.7, "170.00kN/m2"},
                        {2.45, -1.6, b},
                        {2.45, 0, b},
                        {2.45, -0.8, "160.00kN/m2"},
                        {2.45, -1.6, b},
                        {5.8, -1, "100.00kN/m2"},
                        {5.8, 0, b}});

  drawReactionDiagram(s, series, ReactionVariant::ShearKey);
  expectPoints(series, {{0, 0, b},
                        {0, -2, "200.00kN/m2"},
                        {3.0, -1.5, b},
                        {3.0, 0, b},
                        {3.0, -0.75, "150.00"},
                        {3.0, -1.5, b},
                        {3.5, -1.4, b},
                        {3.5, 0, b},
                        {3.5, -1.4, "140.00"},
                        {5.8, -1, "100.00kN/m2"},
                        {5.8, 0, b}});
}

TEST(ReactionDiagram, TriangleFromTheToe) {
  // 3d = 2.1: the stem rear ordinate (2.0) shows with a blank label, the heel
  // section (2.45) would be outside and is drawn only for the trapezoid.
  TAntei s = base(1, 300, 0, 0.7);
  Series series;
  drawReactionDiagram(s, series, ReactionVariant::HeelSlab);
  expectPoints(
      series,
      {{0, 0, b}, {0, -3, b}, {2.0, -1.7, b}, {2.0, 0, b}, {2.0, -1.7, b}, {2.1, 0, "0.0kN/m2"}});

  // 3d = 0.9 short of the stem front face: no ordinate.
  s.resultantD = 0.3;
  drawReactionDiagram(s, series, ReactionVariant::ToeSlab);
  expectPoints(series, {{0, 0, b}, {0, -3, "300.00"}, {0.9, 0, "0.0kN/m2"}});
}

TEST(ReactionDiagram, TriangleFromTheHeelEnd) {
  // 3(B - d) = 2.7: loaded from 3.1; the key front (3.0) is outside, its rear
  // (3.5) inside.
  TAntei s = base(2, 0, 250, 4.9);
  Series series;
  drawReactionDiagram(s, series, ReactionVariant::ShearKey);
  expectPoints(series, {{3.1, 0, b},
                        {3.5, -1.4, b},
                        {3.5, 0, b},
                        {3.5, -1.4, "140.00"},
                        {5.8, -2.5, "250.00kN/m2"},
                        {5.8, 0, b}});
  drawReactionDiagram(s, series, ReactionVariant::Plain);
  expectPoints(series, {{3.1, 0, "0.0kN/m2"}, {5.8, -2.5, "250.00kN/m2"}, {5.8, 0, b}});
}

TEST(ReactionDiagram, NothingBeyondTheMiddleThird) {
  TAntei s = base(3, 0, 0, 0);
  Series series;
  series.points.push_back({1, 1, "old", std::nullopt});
  drawReactionDiagram(s, series, ReactionVariant::Plain);
  EXPECT_TRUE(series.points.empty());
}

}  // namespace
}  // namespace kovrel
