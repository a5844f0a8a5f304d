// The stem wall: section forces, the fixed-end design checked against the
// classical singly reinforced section, the cut-off search and its report.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "conditions/design_conditions.h"
#include "engine/design_loader.h"
#include "engine/stem_wall.h"
#include "report/stem_report.h"
#include "results/number_picture.h"
#include "results/results_window.h"

namespace kovrel {
namespace {

struct StemFixture {
  DesignConditions dc;
  ResultsWindow results;
  TAntei state;
  StemDesign design;

  void run() {
    loadDesignConditions(state, dc);
    StemPressure p{wedgeSettingsFrom(dc), dc.index("RadioGroup7"), 0, 0};
    design = designStem(state, p, BarSetting{});
    checkStemSections(state, design);
    writeStemReport(results, state, design);
    writeAnchorageReport(results, state, design);
    writeStemTables(results, design);
  }
  const std::vector<std::string>& lines(const char* box) { return results.listBox(box).lines; }
};

// Neutral axis of the balanced section by bisection, mm.
double balancedX(double sa, double mNmm, double d) {
  auto f = [&](double x) {
    return x * x * x - 3 * d * x * x - 6 * mNmm * 15 / (sa * 1000) * (x - d);
  };
  double lo = 0, hi = d;
  for (int i = 0; i < 200; ++i) {
    double mid = (lo + hi) / 2;
    (f(mid) > 0 ? lo : hi) = mid;
  }
  return lo;
}

TEST(StemWall, DefaultWallFixedEndAgainstTheClassicalSection) {
  StemFixture f;
  f.run();
  const TAntei& s = f.state;
  const StemDesign& r = f.design;
  // Geometry of the default wall: H = 7.1 m, t = 0.4 + 0.142 + 0.258 = 0.8 m.
  EXPECT_NEAR(r.geometry.height, 7.1, 1e-9);
  EXPECT_NEAR(r.fixedEnd.thickness, 0.8, 1e-9);
  const double d = 800 - 100;  // mm
  // Normal case without water: the moment is the earth pressure's alone.
  const double m = r.fixedEnd.earthH * r.fixedEnd.earthArm;
  ASSERT_GT(m, 0);
  EXPECT_NEAR(r.fixedEnd.moment, m, 1e-9);
  EXPECT_EQ(r.fixedEnd.inertia, 0);
  EXPECT_EQ(r.fixedEnd.waterH, 0);
  // Required area from the exact neutral axis; the 1 mm scan stays within 0.5 %.
  const double x = balancedX(160, m * 1e6, d);
  const double required = m * 1e6 / 160 / (d - x / 3);
  EXPECT_NEAR(r.bars.requiredAs, required, 0.005 * required)
      << "expected " << required << " actual " << r.bars.requiredAs;
  EXPECT_GT(r.bars.providedAs, r.bars.requiredAs);
  // Stresses with n = 15 on the provided area.
  const double as = r.bars.providedAs;
  const double k = 15 * as / 1000 * (std::sqrt(1 + 2 * 1000 * d / (15 * as)) - 1);
  const double sc = 2 * m * 1e6 / (1000 * k * (d - k / 3));
  const double ss = 15 * sc * (d - k) / k;
  EXPECT_NEAR(r.stresses.sigmaC, sc, 1e-9 * sc) << "expected " << sc;
  EXPECT_NEAR(r.stresses.sigmaS, ss, 1e-9 * ss) << "expected " << ss;
  EXPECT_LT(r.stresses.sigmaS, 160);
  // Sh with the batters tanβ = 0.142/7.1 and tanγ = 0.258/7.1.
  const double sh = r.fixedEnd.shear - m / 0.7 * (0.4 / 7.1);
  EXPECT_NEAR(r.shear.sh, sh, 1e-9);
  EXPECT_NEAR(r.shear.tau, sh / 700, 1e-12);
  EXPECT_NEAR(s.stemAllowableShear, 0.23 * r.ce * r.cpt, 1e-12);

  auto& c = f.lines("ListBox14");
  EXPECT_EQ(c[0], "(e)応力度計算");
  EXPECT_EQ(c[4], formatNumber("　As=---------------　　=0,0mm2", r.bars.requiredAs));
  EXPECT_EQ(c[12], formatNumber("　上記式を解いてx=0mmを得る。", r.bars.x));
  EXPECT_EQ(c[13], "　配筋は、鉄筋直径=D" + std::to_string(r.bars.diameter) + "mm、鉄筋ﾋﾟｯﾁ=@" +
                       std::to_string(r.bars.pitch) + "mmとする。");
  EXPECT_EQ(c[19], formatNumber("　σc(圧縮応力度)=------------=0.00N/mm2", sc) +
                       (sc > 8 ? " (＞σca=8.00N/mm2)" : " (≦σca=8.00N/mm2)"));
  EXPECT_EQ(c[22],
            formatNumber("　σs(引張応力度)=n･σc･------=0.00N/mm2", ss) + " (≦σsa=160.00N/mm2)");
  EXPECT_EQ(c[29], formatNumber("　　M(曲げﾓｰﾒﾝﾄ)　　 =0.00kN･m", m));
  EXPECT_EQ(c[31], "　　d(部材厚-かぶり) =700mm");
  EXPECT_EQ(c.back(), "　計算結果を一覧表に示す。");
  EXPECT_EQ(c.size(), 47u);
}

TEST(StemWall, DefaultWallReportPagesAreWrittenInFull) {
  StemFixture f;
  f.run();
  auto& a = f.lines("ListBox8");
  EXPECT_EQ(a[0], "1.たて壁の計算");
  EXPECT_EQ(a[3], "  部材設計において考慮する荷重は、常時");
  EXPECT_EQ(a[4], "  主働土圧の水平分力とする。");
  EXPECT_EQ(a[7], "   たて壁の固定端(H=7.100m)における土圧を求める");
  EXPECT_EQ(a[11], "       W･sin(ω-φ)-c･L･cosφ");
  EXPECT_EQ(a[26], "     α(壁面が鉛直となす角)        =2.08度");
  EXPECT_EQ(a[31], "(b)断面力(土圧)の計算[逆算土圧係数で計算]");
  EXPECT_EQ(a.size(), 39u);  // no cohesion, no crack shift
  auto& b = f.lines("ListBox19");
  EXPECT_EQ(b[1], "   常時であり、地震慣性力はない。");
  EXPECT_EQ(b[4], "   水圧は無い。");
  EXPECT_EQ(b.back(), "計算結果を[表]に示す。");
  // Every cell of both tables is a number (or the judgement).
  for (const char* name : {"StringGrid1", "StringGrid4"}) {
    const StringGrid& g = f.results.grid(name);
    for (int col = 1; col <= 4; ++col) {
      for (int row = 1; row < g.rowCount(); ++row) {
        EXPECT_FALSE(g.cell(col, row).empty()) << name << " (" << col << "," << row << ")";
        EXPECT_EQ(g.cell(col, row).find("nan"), std::string::npos);
        EXPECT_EQ(g.cell(col, row).find("inf"), std::string::npos);
      }
    }
  }
  const StringGrid& g = f.results.grid("StringGrid4");
  EXPECT_EQ(g.cell(4, 1), "7.100m");
  EXPECT_EQ(g.cell(1, 1), "1.775m");
  EXPECT_EQ(g.cell(4, 2), "0.800m");
  EXPECT_EQ(g.cell(4, 15), "OK");
}

TEST(StemWall, CutOffLengthsAndTheDoubledPitch) {
  StemFixture f;
  f.run();
  const StemDesign& r = f.design;
  const double H = r.geometry.height;
  // Both lengths are found on the 0.01 m grid and below the 0.1 m limit.
  EXPECT_GT(r.anchorage.l1, 0);
  EXPECT_NEAR(r.anchorage.l1 * 100, std::round(r.anchorage.l1 * 100), 1e-6);
  EXPECT_NEAR(r.anchorage.l2 * 100, std::round(r.anchorage.l2 * 100), 1e-6);
  EXPECT_LE(r.anchorage.l2, H - 0.1 + 1e-9);
  EXPECT_NEAR(r.anchorage.lo,
              std::max(r.anchorage.l1 + 35.0 * r.bars.diameter / 1000, r.anchorage.l2), 1e-12);
  // Just below L1 the half area still falls short; at L1 it suffices.
  for (int i = 0; i < 4; ++i) {
    const double x = H - H / 4 * i;
    const int expected = H - r.anchorage.lo > x ? 2 * r.bars.pitch : r.bars.pitch;
    EXPECT_EQ(r.columns[std::size_t(i)].pitch, expected) << "section " << i;
  }
  auto& a = f.lines("ListBox18");
  EXPECT_EQ(a[20], formatNumber("         L1+35φ              =0.000m",
                                r.anchorage.l1 + 35.0 * r.bars.diameter / 1000));
  EXPECT_EQ(f.lines("ListBox22").back(),
            "     Lo(定着長)=Max(L1+35φ,L2)=" + formatNumber("0.000m", r.anchorage.lo));
}

TEST(StemWall, BarsGivenHeavyEnoughEndBothLengthsAtTheFixedEnd) {
  // D51 at 50 mm (40,540 mm2): half of it already carries the fixed end, so
  // L1 = L2 = 0 and Lo is the anchorage length 35φ alone.
  StemFixture f;
  f.state = TAntei{};
  loadDesignConditions(f.state, f.dc);
  StemPressure p{wedgeSettingsFrom(f.dc), 1, 0, 0};
  StemDesign r = designStem(f.state, p, BarSetting{3, 1, 13});
  EXPECT_EQ(r.bars.diameter, 51);
  EXPECT_EQ(r.bars.pitch, 50);
  EXPECT_EQ(r.anchorage.l1, 0);
  EXPECT_EQ(r.anchorage.l2, 0);
  EXPECT_NEAR(r.anchorage.lo, 35 * 51 / 1000.0, 1e-12);
  writeAnchorageReport(f.results, f.state, r);
  EXPECT_EQ(f.lines("ListBox18")[17], "      (1)式を反復計算し解[ y=7.100m]を得る。");
}

TEST(StemWall, BackCalculatedCoefficientAboveTheFixedEnd) {
  StemFixture f;
  f.run();
  const TAntei& s = f.state;
  const StemDesign& r = f.design;
  const double kh = r.pressure.fixedEndKh;
  ASSERT_GT(kh, 0);
  // The fixed-end column is the wedge's; the others follow Kh of that wedge:
  // Pe = z^2·γs·Kh/2 plus Pq = z·Kh·(q + snow) when the surcharge is separate.
  EXPECT_NEAR(r.columns[0].forces.earthH, r.wedgePa * std::cos(r.wedgeDelta + s.wallFaceAngle),
              1e-6 * r.columns[0].forces.earthH);
  for (int i = 1; i < 4; ++i) {
    const double z = std::max(0.0, r.columns[std::size_t(i)].forces.depth - r.pressure.fixedEndHc);
    const double pe = z * z * s.gammaS * kh / 2;
    const double pq = s.surchargeMode == 1 ? z * kh * (s.surcharge + s.snowOnFlat) : 0.0;
    EXPECT_NEAR(r.columns[std::size_t(i)].forces.earthH, pe + pq, 1e-9) << "section " << i;
    EXPECT_NEAR(r.columns[std::size_t(i)].forces.earthArm, (z * pe / 3 + z * pq / 2) / (pe + pq),
                1e-9);
  }
}

TEST(StemWall, SeismicWaterAndTheTrialWedgeMethod) {
  StemFixture f;
  f.dc.setIndex("RadioGroup5", 1);
  f.dc.setText("Edit61", "0.20");
  f.dc.setIndex("RadioGroup9", 1);  // seismic earth pressure with inertia
  f.dc.setChecked("CheckBox3", true);
  f.dc.setText("Edit62", "3.0");
  f.dc.setIndex("RadioGroup7", 0);
  f.run();
  const StemForces& fe = f.design.fixedEnd;
  // Stem weight: trapezoid 0.4 m at the top, 0.8 m at the foot, 7.1 m high.
  const double weight = (0.4 + 0.8) / 2 * 7.1 * f.state.gammaC;
  EXPECT_NEAR(fe.weight, weight, 1e-9);
  EXPECT_NEAR(fe.inertia, weight * 0.2, 1e-9);
  // Water 3.0 m above the base underside, the stem foot 0.9 m up: Hw = 2.1 m.
  EXPECT_NEAR(fe.waterDepth, 2.1, 1e-9);
  EXPECT_NEAR(fe.waterH, f.state.gammaW * 2.1 * 2.1 / 2, 1e-9);
  EXPECT_NEAR(fe.moment, fe.earthMoment + fe.inertiaMoment + fe.waterMoment, 1e-9);
  auto& a = f.lines("ListBox8");
  EXPECT_EQ(a[4], "  の水平分力とたて壁自重の地震時慣性力と水圧とする。");
  EXPECT_EQ(a[11], "       W･secθsin(ω-φ+θ)-c･L･cosφ");
  auto& b = f.lines("ListBox19");
  EXPECT_EQ(b[1], "   躯体重量は、座標法にて求める。");
  EXPECT_EQ(b[8], "     Kh(水平震度)       =0.20");
  EXPECT_EQ(b[12], "   水圧は、次式にて求める。");
  EXPECT_EQ(f.results.grid("StringGrid1").cell(4, 9), formatNumber("0.00kN", fe.waterH));
  // The trial-wedge method: every column from its own wedge.
  EXPECT_EQ(a[a.size() - 8], "(b)断面力(土圧)の計算[試行くさび法で計算]");
}

TEST(StemWall, SeismicEarthPressureOnlyIgnoresTheInertia) {
  StemFixture f;
  f.dc.setIndex("RadioGroup5", 1);
  f.dc.setText("Edit61", "0.20");
  f.dc.setIndex("RadioGroup9", 2);
  f.run();
  EXPECT_EQ(f.design.fixedEnd.inertia, 0);
  EXPECT_GT(f.design.fixedEnd.weight, 0);
  auto& a = f.lines("ListBox8");
  EXPECT_EQ(a[4], "  の水平分力とする。");
  EXPECT_EQ(f.lines("ListBox19")[1], "   地震慣性力は、無視する。");
}

TEST(StemWall, VerticalFacesLeaveTheShearUncorrected) {
  StemGeometry g;
  g.height = 5;
  g.topWidth = 0.5;
  g.cover = 0.1;
  ShearStress t = stemShearStress(g, 0.4, 50, 120);
  EXPECT_EQ(t.sh, 50);
  EXPECT_NEAR(t.tau, 0.125, 1e-12);
  // Without effective depth the stress is the sentinel, never infinite.
  EXPECT_EQ(stemShearStress(g, 0, 50, 120).tau, kUnreinforceable);
}

}  // namespace
}  // namespace kovrel
