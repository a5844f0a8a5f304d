// The label separator on its own: where a crowded label goes when obstacles or
// the frame leave it few rows, and what it does with nowhere to go.

#include "app/label_separation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kovrel {
namespace {

// A 20 x 10 label whose point is just under its left end.
constexpr LabelBox kLabel{100, 90, 120, 100};
constexpr double kPointX = 100, kPointY = 102;

TEST(LabelSeparator, ACrowdedLabelTakesTheNearestFreeRow) {
  struct Case {
    const char* what;
    LabelBox frame;
    LabelBox obstacle;  // zero size: none
    bool belowFirst;
    double dy;  // expected shift; 0: stays
    bool leader;
  } cases[] = {
      {"above first", {0, 0, 400, 300}, {}, false, -11.5, true},
      {"below first", {0, 0, 400, 300}, {}, true, 11.5, false},
      {"the row above is a title", {0, 0, 400, 300}, {90, 75, 130, 85}, false, 11.5, false},
      {"the rows beside it are taken: two rows below",
       {0, 0, 400, 300},
       {90, 75, 130, 112},
       false,
       23,
       true},
      {"the frame's top is near", {0, 85, 400, 300}, {}, false, 11.5, false},
      {"no row fits the frame: stays", {0, 88, 400, 102}, {}, false, 0, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    LabelSeparator s;
    s.begin(k.frame);
    if (k.obstacle.width() > 0) s.addObstacle(k.obstacle);
    EXPECT_FALSE(s.place(kLabel, "first", kPointX, kPointY, false).moved);
    const LabelShift shift = s.place(kLabel, "second", kPointX, kPointY, k.belowFirst);
    EXPECT_EQ(shift.moved, k.dy != 0);
    EXPECT_DOUBLE_EQ(shift.dx, 0);
    EXPECT_NEAR(shift.dy, k.dy, 1e-9);
    EXPECT_EQ(shift.leader, k.leader);
    if (shift.leader) {
      // Straight up or down from the point to the moved box's near edge.
      EXPECT_DOUBLE_EQ(shift.leaderX, kPointX);
      EXPECT_DOUBLE_EQ(shift.leaderY, (shift.dy < 0 ? kLabel.bottom : kLabel.top) + shift.dy);
    }
  }
}

TEST(LabelSeparator, AMovedLabelComesBackInsideTheFrameSideways) {
  LabelSeparator s;
  s.begin({0, 0, 110, 300});
  s.place(kLabel, "first", kPointX, kPointY, false);  // runs past the right edge: stays
  const LabelShift shift = s.place(kLabel, "second", kPointX, kPointY, false);
  EXPECT_TRUE(shift.moved);
  EXPECT_DOUBLE_EQ(shift.dx, -10);
  // The point lies right of the moved box's left end, under it: the leader
  // goes straight up to the box.
  EXPECT_DOUBLE_EQ(shift.leaderX, kPointX);
}

TEST(LabelSeparator, NonFiniteBoxesAreLeftAlone) {
  LabelSeparator s;
  s.begin({0, 0, 400, 300});
  s.place(kLabel, "first", kPointX, kPointY, false);
  const LabelShift shift = s.place({NAN, 90, 120, 100}, "second", kPointX, kPointY, false);
  EXPECT_FALSE(shift.moved);
  EXPECT_FALSE(shift.leader);
}

}  // namespace
}  // namespace kovrel
