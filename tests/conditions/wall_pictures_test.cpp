#include "conditions/wall_pictures.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

TEST(WallPicturesTest, SurchargeStateFollowsBackfillPositionAndSnow) {
  struct Case {
    int tab, position, virtualBack;
    bool surcharge, snow;
    int expected;
  };
  const Case cases[] = {
      {0, 0, 0, true, false, 1}, {0, 1, 0, true, false, 2}, {2, 0, 0, true, false, 1},
      {1, 0, 0, true, false, 0}, {1, 1, 0, true, false, 2}, {0, 0, 1, true, false, 3},
      {1, 0, 1, true, false, 0}, {1, 1, 1, true, false, 3}, {0, 0, 0, false, false, 0},
      {0, 0, 0, false, true, 2}, {0, 0, 1, true, true, 3},  {0, 0, 0, true, true, 2},
  };
  for (const Case& c : cases) {
    DesignConditions dc;  // no rules: the switches are set as they stand
    dc.setIndex("TabControl1", c.tab);
    dc.setIndex("RadioGroup8", c.position);
    dc.setIndex("RadioGroup4", c.virtualBack);
    dc.setChecked("CheckBox1", c.surcharge);
    dc.setChecked("CheckBox4", c.snow);
    EXPECT_EQ(surchargeState(dc), c.expected)
        << "tab " << c.tab << " position " << c.position << " virtual back " << c.virtualBack
        << " surcharge " << c.surcharge << " snow " << c.snow;
  }
}

TEST(WallPicturesTest, OutlinesAndShifts) {
  TWaLLImage key = baseOutline(OutlineCase::LTypeWithKey);
  EXPECT_EQ(key.x, (std::array<int, 14>{117, 117, 117, 117, 121, 130, 134, 140, 193, 193, 130, 130,
                                        119, 119}));
  EXPECT_EQ(key.y, (std::array<int, 14>{184, 175, 168, 168, 64, 64, 168, 168, 175, 184, 184, 198,
                                        198, 184}));

  DesignConditions dc;
  dc.setIndex("RadioGroup2", 1);
  WallPictures p;
  redrawWallPictures(dc, p);
  ASSERT_EQ(p.pictures.size(), 6u);
  const WallPicture& keyPicture = p.pictures[2];
  EXPECT_EQ(keyPicture.name, "Image6");
  EXPECT_EQ(keyPicture.outline.x[0], 93 - 85);
  EXPECT_EQ(keyPicture.outline.y[11], 198 - 135);
  EXPECT_TRUE(keyPicture.keyGuides);
}

}  // namespace
}  // namespace kovrel
