// Toe slab, heel slab and shear key on hand-built states: section forces
// against their closed forms, the design moment capped by the stem moment,
// the variants of their pages.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "report/heel_slab_report.h"
#include "report/shear_key_report.h"
#include "report/toe_slab_report.h"
#include "results/number_picture.h"
#include "results/results_window.h"
#include "results/results_window_setup.h"

namespace kovrel {
namespace {

// An inverted-T wall's base: slab 0.9 m at the stem, toe 1.2 m, heel from
// 1.6 m to 5.0 m; loads as the self-weight tables would give them.
TAntei baseState() {
  TAntei s;
  s.wallType = 0;
  s.outlineX = {};
  s.outlineY = {};
  s.outlineX[3] = 1.2;
  s.outlineY[3] = 0.9;
  s.outlineX[6] = 1.6;
  s.outlineY[6] = 0.9;
  s.outlineX[8] = 5.0;
  s.outlineY[8] = 0.7;
  s.outlineY[1] = 0.7;
  s.outlineX[9] = 5.0;
  s.outlineX[33] = 2.05;
  s.outlineY[33] = 0.88;
  s.slabCover = 0.11;
  s.stemCover = 0.1;
  s.gammaC = 24.5;
  s.gammaS = 20;
  s.allowableCompression = 8;
  s.allowableSteelTension = 160;
  s.allowableShearBase = 0.23;
  s.reactionToe = 160;
  s.reactionHeel = 125;
  s.reactionWidth = 5.0;
  s.reactionAtToeSection = 155;
  s.reactionAtStemFront = 152;
  s.reactionAtStemRear = 148;
  s.reactionAtHeelSection = 145;
  s.toeSectionX = 0.75;
  s.toeSectionY = 0.9;
  s.toeWeightS = 14;
  s.toeReactionS = 118;
  s.toeBuoyancyS = 3;
  s.toeWeightM = 24;
  s.toeWeightMArm = 0.57;
  s.toeReactionM = 187;
  s.toeReactionMArm = 0.6;
  s.toeBuoyancyM = 5;
  s.toeBuoyancyMArm = 0.55;
  s.heelWeightM = 75;
  s.heelWeightMArm = 1.8;
  s.heelWeightS = 65;
  s.heelReactionM = 518;
  s.heelReactionMArm = 1.85;
  s.heelReactionS = 452;
  s.heelBuoyancyM = 20;
  s.heelBuoyancyMArm = 1.75;
  s.heelBuoyancyS = 17;
  s.backfillBuoyancyM = 60;
  s.backfillBuoyancyMArm = 1.9;
  s.backfillBuoyancyS = 52;
  s.earthForceV = 30;
  return s;
}

struct ToeCase {
  bool buoyancy;
  double ms;
};

TEST(ToeSlab, ForcesDesignMomentAndPagesWithAndWithoutBuoyancy) {
  for (ToeCase c : {ToeCase{false, 500}, ToeCase{true, 500}, ToeCase{false, 50}}) {
    TAntei s = baseState();
    ResultsWindow results;
    setUpResultsWindow(results, c.buoyancy);
    ToeDesign t = designToeSlab(s, c.ms, c.buoyancy, BarSetting{});
    const double wf = c.buoyancy ? 1 : 0;
    const double shear = -14 + 118 + wf * 3;
    const double v = -24 + 187 + wf * 5;
    const double mr = -24 * 0.57 + 187 * 0.6 + wf * 5 * 0.55;
    EXPECT_NEAR(t.s, shear, 1e-12);
    EXPECT_NEAR(t.v, v, 1e-12);
    EXPECT_NEAR(t.mr, mr, 1e-12);
    EXPECT_NEAR(t.m, std::min(mr, c.ms), 1e-12);
    EXPECT_NEAR(t.tauM, shear / (1000 * 0.79), 1e-12);
    EXPECT_NEAR(t.a, t.m / v, 1e-12);
    writeToeReport(results, s, t, true);
    const auto& lines = results.listBox("ListBox9").lines;
    const StringGrid& root = results.grid("StringGrid13");
    const int total = c.buoyancy ? 4 : 3;
    EXPECT_EQ(root.cell(5, total), formatNumber("0.00", mr));
    EXPECT_EQ(root.cell(4, total), formatNumber("0.000", mr / v));
    // The design table and the stress page show the design moment.
    EXPECT_EQ(results.grid("StringGrid3").cell(1, 1), formatNumber("0.00kNm", t.m));
    EXPECT_EQ(results.listBox("ListBox15").lines[9],
              formatNumber("     M   (曲げﾓｰﾒﾝﾄ)     =0.00kNm", t.m));
    if (c.buoyancy) {
      EXPECT_EQ(lines[7], formatNumber("   S=-Wc+Qs+Wf                =0.00kN", shear));
      EXPECT_EQ(lines.back(), "     x3(Wfのアーム長)         =0.550m");
      EXPECT_EQ(results.grid("StringGrid8").cell(3, 3), "3.00");
    } else {
      EXPECT_EQ(lines[7], formatNumber("   S=-Wc+Qs                   =0.00kN", shear));
      EXPECT_EQ(lines.back(), "     x2(Qsのアーム長)         =0.600m");
    }
    EXPECT_EQ(results.chart("Chart2").seriesNamed("Series33").colour, clPurple);
  }
}

TEST(ToeSlab, TooShortToeSkipsTheShearCheck) {
  TAntei s = baseState();
  s.toeSectionX = s.outlineX[3];
  s.toeReactionS = 1e6;  // a shear that would fail any check
  ResultsWindow results;
  setUpResultsWindow(results, false);
  ToeDesign t = designToeSlab(s, 500, false, BarSetting{});
  EXPECT_TRUE(t.tooShort);
  EXPECT_TRUE(t.ok);
  writeToeReport(results, s, t, false);
  const auto& lines = results.listBox("ListBox9").lines;
  EXPECT_EQ(lines[7], "     つま先版長が短いので剪断応力");
  EXPECT_EQ(lines[8], "     の照査は省略する。");
  const StringGrid& half = results.grid("StringGrid8");
  for (auto [col, row] : {std::pair{3, 1}, {1, 2}, {2, 2}, {3, 2}, {3, 3}}) {
    EXPECT_EQ(half.cell(col, row), "---") << col << "," << row;
  }
  const StringGrid& sum = results.grid("StringGrid3");
  EXPECT_EQ(sum.cell(1, 2), "---");
  EXPECT_EQ(sum.cell(1, 8), "---");
  EXPECT_EQ(sum.cell(2, 8), "---");
  EXPECT_EQ(results.listBox("ListBox15").lines.back(), "計算結果を[図][表]に示す。");
  EXPECT_EQ(results.chart("Chart2").seriesNamed("Series33").colour, clBlack);
}

TEST(ToeSlab, LWallDesignsZeroForcesWithoutShearFactors) {
  TAntei s = baseState();
  s.wallType = 1;
  s.outlineX[3] = 0;
  s.toeSectionX = 0;
  ResultsWindow results;
  setUpResultsWindow(results, false);
  results.listBox("ListBox9").lines = {"an earlier toe"};
  ToeDesign t = designToeSlab(s, 300, false, BarSetting{});
  EXPECT_EQ(t.m, 0);
  EXPECT_EQ(t.bars.diameter, 13);
  EXPECT_EQ(t.bars.pitch, 250);
  EXPECT_EQ(s.toeCdc, 0);
  writeToeReport(results, s, t, true);
  EXPECT_TRUE(results.listBox("ListBox9").lines.empty());
  EXPECT_EQ(results.grid("StringGrid3").cell(1, 5), "D13@250");
  EXPECT_TRUE(results.chart("Chart2").seriesNamed("Series34").points.empty());
}

TEST(HeelSlab, RootAndHalfSectionAgainstTheirClosedForms) {
  for (bool buoyancy : {false, true}) {
    TAntei s = baseState();
    ResultsWindow results;
    setUpResultsWindow(results, buoyancy);
    HeelDesign h = designHeelSlab(s, 1e6, buoyancy, BarSetting{});
    const double L = 3.4, lh = 0.45;
    const double pvEnd = 2 * 30 / L;
    EXPECT_NEAR(h.pvEnd, pvEnd, 1e-12);
    EXPECT_NEAR(h.pvH, pvEnd * lh / L, 1e-12);
    EXPECT_NEAR(h.outer.pv, (pvEnd + pvEnd * lh / L) / 2 * (L - lh), 1e-12);
    // Without backfill items in this state Ws = Wq = 0.
    const double wf = buoyancy ? 1 : 0;
    const double v = 75 + 30 - 518 - wf * (20 + 60);
    const double mr = 75 * 1.8 + 30 * (2.0 / 3 * L) - 518 * 1.85 - wf * (20 * 1.75 + 60 * 1.9);
    EXPECT_NEAR(h.v, v, 1e-9);
    EXPECT_NEAR(h.mr, mr, 1e-9);
    const double d = 0.9 - 0.11;
    EXPECT_NEAR(h.a, mr / v + std::min(0.4 / 2, d), 1e-12);
    writeHeelReport(results, s, h, true);
    const StringGrid& root = results.grid("StringGrid14");
    const int last = buoyancy ? 8 : 6;
    EXPECT_EQ(root.cell(3, last), formatNumber("0.00", v));
    EXPECT_EQ(root.cell(5, last), formatNumber("0.00", mr));
    EXPECT_EQ(root.cell(1, 4), formatNumber("0.00", pvEnd));
    EXPECT_EQ(results.grid("StringGrid9").cell(2, 4), formatNumber("0.00", pvEnd * lh / L));
    const auto& lines = results.listBox("ListBox11").lines;
    EXPECT_EQ(lines.back(), buoyancy ? "　　x7=1.750m" : "　　x5=1.850m");
  }
}

TEST(HeelSlab, StemMomentBelowTheRootMomentGovernsWithItsNote) {
  TAntei s = baseState();
  s.heelReactionM = 0;  // a heel loaded downwards only: a large root moment
  ResultsWindow results;
  setUpResultsWindow(results, false);
  HeelDesign h = designHeelSlab(s, 40, false, BarSetting{});
  ASSERT_GT(h.mr, 40);
  EXPECT_EQ(h.m, 40);
  writeHeelReport(results, s, h, false);
  const auto& lines = results.listBox("ListBox11").lines;
  EXPECT_EQ(lines[lines.size() - 3], "　尚、たて壁の曲げﾓｰﾒﾝﾄ(M)の方が小");
  EXPECT_EQ(lines.back(), "　[40.00]kNmとする");
  EXPECT_EQ(results.grid("StringGrid14").cell(5, 6), "[40.00]");
  EXPECT_EQ(results.grid("StringGrid11").cell(1, 1), "40.00kNm");
}

TEST(ShearKey, ForceMomentAndAFiniteAllowableShearWithoutKeyForce) {
  TAntei s = baseState();
  // A key 0.5 m wide, 0.6 m deep, front face 2.0 m from the toe.
  s.outlineX[13] = 2.0;
  s.outlineX[12] = 2.0;
  s.outlineX[11] = 2.5;
  s.outlineX[10] = 2.5;
  s.outlineY[12] = -0.6;
  s.outlineY[11] = -0.6;
  s.bearingState = 0;
  s.resultantD = 2.5;
  s.eccentricity = 0;
  s.effectiveWidth = 5.0;
  s.sumV = 800;
  s.sumHcopy = 200;
  s.phiBase = 35 / kDegreesPerRadian;
  s.phiB = 35 / kDegreesPerRadian;
  s.cohesionBase = 10;
  ResultsWindow results;
  setUpResultsWindow(results, false);
  KeyDesign k = designShearKey(s, true, BarSetting{});
  // b1 = 2.0, b2 = 0.5: Ht = {c·b1 + v1(tanφ - tanφb) + v2·tanφb}·Ho/Hk.
  const double v1 = 2.0 / 5.0 * 800, v2 = 0.5 / 5.0 * 800, v3 = 2.5 / 5.0 * 800;
  const double t = std::tan(35 / kDegreesPerRadian);
  const double hk = t * v1 + 10 * 2.0 + t * (v2 + v3);
  const double ht = (10 * 2.0 + v2 * t) * 200 / hk;
  EXPECT_NEAR(k.ht, ht, 1e-9) << "expected " << ht << " actual " << k.ht;
  EXPECT_NEAR(k.m, 0.6 * ht / 2, 1e-9);
  EXPECT_NEAR(k.dk, 0.39, 1e-12);
  EXPECT_NEAR(k.a, 0.3, 1e-12);
  writeKeyReport(results, s, k, true);
  EXPECT_EQ(results.listBox("ListBox13").lines[5], formatNumber("　　　=0.00kN", ht));
  EXPECT_EQ(results.grid("StringGrid7").cell(1, 2), formatNumber("0.00kN", ht));
  EXPECT_EQ(results.chart("Chart8").seriesNamed("Series43").points.size(), 4u);

  // No horizontal load: no key force, a zero moment and a finite τca.
  s.sumHcopy = 0;
  KeyDesign idle = designShearKey(s, true, BarSetting{});
  EXPECT_EQ(idle.ht, 0);
  EXPECT_EQ(idle.m, 0);
  EXPECT_EQ(idle.cdc, 1.0);
  EXPECT_TRUE(std::isfinite(idle.tauCa));
  EXPECT_TRUE(idle.ok);
}

TEST(ShearKey, WithoutAKeyThePageIsWrittenWithZeros) {
  TAntei s = baseState();
  s.concreteStress = 3.5;
  ResultsWindow results;
  setUpResultsWindow(results, false);
  results.grid("StringGrid7").setCell(1, 1, "---");
  KeyDesign k = designShearKey(s, false, BarSetting{});
  writeKeyReport(results, s, k, false);
  const auto& a = results.listBox("ListBox13").lines;
  EXPECT_EQ(a[5], "　　　=0.00kN");
  const auto& b = results.listBox("ListBox17").lines;
  // dk = -cover; a one-section picture puts the minus sign first.
  EXPECT_EQ(b[9], "-　　　d   (部材厚-かぶり) =0.110m");
  EXPECT_EQ(b[23], "　σc= ------------ =3.50N/mm2");
  EXPECT_EQ(results.grid("StringGrid7").cell(1, 1), "---");
}

}  // namespace
}  // namespace kovrel
