#include "engine/design_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "report/member_figure_titles.h"

namespace kovrel {
namespace {

constexpr double kTol = 1e-12;
constexpr double kDeg = std::numbers::pi / 180.0;

struct Loaded {
  DesignConditions dc;
  ResultsWindow results;
  TAntei s;
  void load() {
    s = TAntei{};
    loadDesignConditions(s, dc);
    titleMemberFigures(results, s, dc);
  }
};

TEST(LoadDesignConditions, DefaultConversions) {
  Loaded l;
  l.load();
  const TAntei& s = l.s;
  EXPECT_EQ(s.wallType, 0);
  EXPECT_NEAR(s.gammaS, 20.0, kTol);
  EXPECT_NEAR(s.phiBackfill, 35 * kDeg, kTol);
  EXPECT_NEAR(s.gammaC, 24.5, kTol);
  EXPECT_EQ(s.phiBaseDeg, 35);
  EXPECT_NEAR(s.phiBase, 35 * kDeg, kTol);
  EXPECT_EQ(s.phiEmbedDeg, 25);
  EXPECT_NEAR(s.phiB, s.phiBase, kTol);  // cast in place
  EXPECT_NEAR(s.stemCover, 0.100, kTol);
  EXPECT_NEAR(s.slabCover, 0.110, kTol);
  EXPECT_NEAR(s.surcharge, 10.0, kTol);
  EXPECT_EQ(s.backfillShape, 1);
  EXPECT_EQ(s.slopeN, 0.0);  // "-" on a flat backfill is never read
  EXPECT_EQ(s.slopeAngle, 0.0);
  EXPECT_NEAR(s.wallFaceAngle, std::atan(258.0 / 7100.0), kTol);
  EXPECT_EQ(s.blockLength, 0.0);  // collision off
  EXPECT_EQ(s.waterDepth, 0.0);
  EXPECT_EQ(s.gamma1Eff, s.gamma1);
  EXPECT_EQ(s.gamma2Eff, s.gamma2);
  EXPECT_EQ(l.results.chart("Chart2").title, "図:つま先版地盤反力");
  EXPECT_EQ(l.results.chart("Chart7").title, "図:かかと版地盤反力");
  EXPECT_EQ(l.results.chart("Chart8").title, "図");  // no key
}

TEST(LoadDesignConditions, NormalCaseIgnoresTheSeismicEntries) {
  Loaded l;
  l.dc.setText("Edit61", "0.2");
  l.dc.setIndex("RadioGroup9", 0);
  l.load();
  EXPECT_EQ(l.s.seismicCombination, 0);
  EXPECT_EQ(l.s.kh, 0.0);
  EXPECT_EQ(l.s.khInertia, 0.0);
  EXPECT_EQ(l.s.seismicAngle, 0.0);
}

TEST(LoadDesignConditions, SeismicCombinations) {
  struct Case {
    int item, combination;
    bool inertia, angle;
  };
  for (Case c : {Case{0, 1, true, false}, Case{1, 2, true, true}, Case{2, 4, false, true}}) {
    Loaded l;
    l.dc.setIndex("RadioGroup5", 1);
    l.dc.setText("Edit61", "0.2");
    l.dc.setIndex("RadioGroup9", c.item);
    l.load();
    EXPECT_EQ(l.s.seismicCombination, c.combination);
    EXPECT_NEAR(l.s.khInertia, c.inertia ? 0.2 : 0.0, kTol);
    EXPECT_NEAR(l.s.seismicAngle, c.angle ? std::atan(0.2) : 0.0, kTol);
  }
}

TEST(LoadDesignConditions, SubmergedUnitWeights) {
  Loaded l;
  l.dc.setChecked("CheckBox3", true);
  l.dc.setText("Edit62", "1.0");
  l.dc.setText("LabeledEdit4", "18");
  l.dc.setText("LabeledEdit3", "2.5");
  l.load();
  EXPECT_NEAR(l.s.gamma2Eff, 14.4, 1e-12);  // (1.5*18 + 1.0*9) / 2.5
  EXPECT_NEAR(l.s.gamma1Eff, 19.0 - 9.0, kTol);
  l.dc.setText("Edit62", "3.0");  // water above Df: all submerged
  l.load();
  EXPECT_NEAR(l.s.gamma2Eff, 9.0, kTol);
}

TEST(LoadDesignConditions, PrecastSlopeEmbankmentAndCollision) {
  Loaded l;
  l.dc.setIndex("RadioGroup3", 1);
  l.dc.setIndex("TabControl1", 2);
  l.dc.setText("ComboBox1", "1.5");
  l.dc.setText("Edit28", "2000");
  l.dc.setChecked("CheckBox6", true);
  l.dc.setText("ComboBox18", "7");
  l.dc.setIndex("RadioGroup2", 1);
  l.load();
  EXPECT_NEAR(l.s.phiB * 180 / std::numbers::pi, 23.333333333333, 1e-9);
  EXPECT_EQ(l.s.backfillShape, 3);
  EXPECT_NEAR(l.s.slopeAngle * 180 / std::numbers::pi, 33.690067525979785, 1e-9);
  EXPECT_NEAR(l.s.embankHeight, 2.0, kTol);
  EXPECT_NEAR(l.s.slopeRun, 3.0, kTol);
  EXPECT_NEAR(l.s.blockLength, 7.0, kTol);
  EXPECT_EQ(l.results.chart("Chart8").title, "図:突起地盤反力");
}

TEST(LoadDesignConditions, LWallReadsItsOwnDimensions) {
  Loaded l;
  l.dc.setIndex("PageControl2", 1);
  l.dc.setText("Edit32", "300");
  l.dc.setText("Edit44", "6000");
  l.results.chart("Chart2").title = "図";
  l.load();
  EXPECT_EQ(l.s.wallType, 1);
  EXPECT_NEAR(l.s.wallFaceAngle, std::atan(300.0 / 6000.0), kTol);
  EXPECT_EQ(l.results.chart("Chart2").title, "図");  // no toe figure on an L wall
}

TEST(LoadDesignConditions, WholeDegreesOnly) {
  Loaded l;
  l.dc.setText("Edit42", "35.5");
  try {
    l.load();
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.control(), "Edit42");
  }
}

TEST(LoadDesignConditions, ZeroStemHeightStaysFinite) {
  Loaded l;
  l.dc.setText("Edit12", "0");
  l.load();
  EXPECT_TRUE(std::isfinite(l.s.wallFaceAngle));
}

}  // namespace
}  // namespace kovrel
