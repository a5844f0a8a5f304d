#include "report/load_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>
#include <vector>

#include "report/earth_pressure_curve.h"
#include "results/number_picture.h"

#include "run/calculation.h"

namespace kovrel {
namespace {

Session run(std::initializer_list<std::pair<const char*, const char*>> texts,
            std::initializer_list<const char*> checks = {}, int colourItem = 0) {
  Session session;
  for (const char* c : checks) session.conditions.setChecked(c, true);
  for (auto [name, text] : texts) session.conditions.setText(name, text);
  session.conditions.setIndex("RadioGroup10", colourItem);
  EXPECT_EQ(runCalculation(session), RunStatus::Finished);
  return session;
}

TEST(LoadDiagram, DefaultWallAxesAndForces) {
  Session session = run({});
  const TAntei& s = *session.stabilitySnapshot;
  const Chart& c = session.results.chart("Chart1");
  const double B = 5.8;
  const double xSlipTop = B + s.slipLength * std::cos(s.slipAngle);
  EXPECT_NEAR(c.left.minimum, -s.reactionToe / 100 - 0.5, 1e-12);
  EXPECT_NEAR(c.left.maximum, 8 + 10.0 / 20 + 1, 1e-12);  // flat: H + q/γs + 1
  EXPECT_NEAR(c.bottom.maximum, xSlipTop + 1, 1e-12);
  EXPECT_EQ(c.titleColour, clBlue);

  const Series& slip = c.seriesNamed("Series5");
  ASSERT_EQ(slip.points.size(), 2u);  // no cohesion, no crack point
  EXPECT_EQ(slip.points[0].label, "ω=62.50度");
  EXPECT_NEAR(slip.points[1].x, xSlipTop, 1e-12);
  EXPECT_NEAR(slip.points[1].y, 8, 1e-9);  // the slip line ends on the flat ground

  const Series& ph = c.seriesNamed("Series9");
  ASSERT_EQ(ph.points.size(), 3u);
  EXPECT_NEAR(ph.points[2].x, B + s.earthForceH / 100, 1e-12);
  EXPECT_EQ(ph.points[2].label, "Ph=195.11kN");
  const Series& resultant = c.seriesNamed("Series3");
  EXPECT_NEAR(resultant.points[2].x, s.resultantD + s.sumH / 1000, 1e-12);
  EXPECT_NEAR(resultant.points[2].y, s.sumV / 1000, 1e-12);
  EXPECT_EQ(c.seriesNamed("Series2").points.size(), 4u);  // trapezoid
  EXPECT_EQ(c.seriesNamed("Series6").points[1].label, "10.00kN/m2");
  EXPECT_TRUE(c.seriesNamed("Series20").points.empty());
  EXPECT_TRUE(c.seriesNamed("Series16").points.empty());
  EXPECT_EQ(c.seriesNamed("Series2").colour, clPurple);
  EXPECT_EQ(c.seriesNamed("Series6").labelColour, clLime);
}

TEST(LoadDiagram, BlackAndWhiteDrawsEverythingBlack) {
  Session session = run({}, {}, 1);
  const Chart& c = session.results.chart("Chart1");
  EXPECT_EQ(c.titleColour, clBlack);
  for (const Series& s : c.series) {
    EXPECT_EQ(s.colour, clBlack) << s.name;
    EXPECT_EQ(s.labelColour, clBlack) << s.name;
  }
}

TEST(LoadDiagram, WaterPassiveSoilAndCrack) {
  Session session =
      run({{"Edit62", "1.5"}, {"ComboBox8", "9.8"}, {"Edit54", "1.5"}, {"Edit21", "10"}},
          {"CheckBox3", "CheckBox9", "CheckBox7"});
  const TAntei& s = *session.stabilitySnapshot;
  const Chart& c = session.results.chart("Chart1");
  const Series& water = c.seriesNamed("Series20");
  ASSERT_EQ(water.points.size(), 4u);
  EXPECT_NEAR(water.points[2].x, 5.8 + 9.8 * 1.5 / 10, 1e-12);
  EXPECT_EQ(water.points[2].label, "14.70kN/m2");
  const Series& front = c.seriesNamed("Series16");
  ASSERT_EQ(front.points.size(), 2u);
  EXPECT_EQ(front.points[0].x, -10);
  EXPECT_NEAR(front.points[1].y, 1.5, 1e-12);
  EXPECT_NEAR(front.points[1].x, s.outlineX[26], 1e-12);

  ASSERT_GT(s.crackDepth, 0);
  const Series& slip = c.seriesNamed("Series5");
  ASSERT_EQ(slip.points.size(), 3u);
  EXPECT_EQ(slip.points[2].label, formatNumber("Zc=0.00m", s.crackDepth));
  const Series& pressure = c.seriesNamed("Series13");
  bool marked = false;
  for (const ChartPoint& p : pressure.points) {
    if (p.label.rfind("Hc=", 0) == 0) {
      marked = true;
      EXPECT_EQ(p.colour, clBlue);
      EXPECT_NEAR(p.y, 8 - s.crackOffset, 1e-12);
    }
  }
  EXPECT_TRUE(marked);

  // The earth-pressure page prints the crack depth and the shift.
  const auto& l1 = session.results.listBox("ListBox1").lines;
  EXPECT_NE(std::find(l1.begin(), l1.end(), "              2･C     π   φ     Q"), l1.end());
  EXPECT_NE(std::find(l1.begin(), l1.end(),
                      formatNumber("  hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.00m", s.crackOffset)),
            l1.end());
}

TEST(EarthPressureCurve, DrawsWithoutDisturbingTheResult) {
  Session session = run({});
  const TAntei& s = *session.stabilitySnapshot;
  const Chart& c = session.results.chart("Chart5");
  const Series& curve = c.seriesNamed("Series8");
  // From φ = 35° in steps of 0.05 rad while below π/2 - 0.005.
  const double phi = 35 * std::numbers::pi / 180;
  const size_t expected = size_t(std::ceil((std::numbers::pi / 2 - 0.005 - phi) / 0.05));
  ASSERT_EQ(curve.points.size(), expected);
  EXPECT_NEAR(curve.points[0].x, phi, 1e-12);
  EXPECT_EQ(curve.points[0].label, "35");
  for (const ChartPoint& p : curve.points) EXPECT_LE(p.y, s.earthForce * (1 + 1e-9));
  const Series& marker = c.seriesNamed("Series56");
  ASSERT_EQ(marker.points.size(), 2u);
  EXPECT_EQ(marker.points[0].label, "62.50度");
  EXPECT_EQ(marker.points[1].label, "195.11kN");
  EXPECT_NEAR(c.left.maximum, 1.1 * s.earthForce, 1e-12);
  EXPECT_EQ(c.titleColour, clMaroon);
  EXPECT_EQ(curve.colour, clRed);
  // Drawing again on a copy of the run's state leaves every field as it was.
  TAntei copy = s;
  Chart scratch = c;
  drawEarthPressureCurve(copy, {}, copy.backfillShape, scratch);
  std::vector<double> before, after;
  auto collect = [](std::vector<double>& out) {
    return [&out](const char*, const auto& v) {
      if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
        out.push_back(double(v));
      } else {
        for (auto x : v) out.push_back(double(x));
      }
    };
  };
  TAntei original = s;
  visitStateFields(original, collect(before));
  visitStateFields(copy, collect(after));
  EXPECT_EQ(before, after);
  EXPECT_EQ(scratch.seriesNamed("Series8").points.size(), expected);
}

TEST(EarthPressureCurve, SeismicCurveStartsAtPhiMinusThetaAndPeaksAtTheMarker) {
  // Slope 1:3.0, kh = 0.25: the largest force lies at ω ≈ 30°, below φ = 35°.
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("TabControl1", 1);
  dc.setText("ComboBox1", "3.0");
  dc.setText("Edit1", "0");
  dc.setText("Edit61", "0.25");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const TAntei& s = *session.stabilitySnapshot;
  const Chart& c = session.results.chart("Chart5");
  const std::vector<ChartPoint>& curve = c.seriesNamed("Series8").points;
  ASSERT_GT(curve.size(), 3u);
  // φ − θ, where the wedge starts to push, then the lattice φ + k·0.05.
  const double lowest = s.phiBackfill - s.seismicAngle;
  EXPECT_NEAR(curve[0].x, lowest, 1e-12);
  EXPECT_NEAR(curve[0].y, 0.0, 1e-9 * s.earthForce);
  EXPECT_EQ(curve[0].label, formatNumber("0", lowest * kDegreesPerRadian));
  const double steps = std::floor(s.seismicAngle / 0.05);
  EXPECT_NEAR(curve[1].x, s.phiBackfill - steps * 0.05, 1e-12);
  for (size_t i = 2; i < curve.size(); ++i) EXPECT_NEAR(curve[i].x - curve[i - 1].x, 0.05, 1e-12);
  const auto phiPoint = std::find_if(curve.begin(), curve.end(), [&](const ChartPoint& p) {
    return std::fabs(p.x - s.phiBackfill) < 1e-12;
  });
  ASSERT_NE(phiPoint, curve.end());
  EXPECT_EQ(phiPoint->label, "35");
  // The curve's highest point is the one next to the marker and stays below it.
  const auto top =
      std::max_element(curve.begin(), curve.end(),
                       [](const ChartPoint& a, const ChartPoint& b) { return a.y < b.y; });
  EXPECT_LT(std::fabs(top->x - s.slipAngle), 0.05) << top->x << " vs " << s.slipAngle;
  EXPECT_LE(top->y, s.earthForce * (1 + 1e-12));
  EXPECT_LT(s.slipAngle, s.phiBackfill);
  const std::vector<ChartPoint>& marker = c.seriesNamed("Series56").points;
  ASSERT_EQ(marker.size(), 2u);
  EXPECT_EQ(marker[1].label, formatNumber("0.00kN", s.earthForce));
}

TEST(EarthPressureCurve, HostileAnglesDrawABoundedCurve) {
  // Straight from a state no input check has seen: the curve counts its
  // points whatever φ and θ are.
  for (double phi : {-1e300, 1e300, std::nan(""), -1.5, 0.0}) {
    for (double theta : {0.0, 0.2, 1e300}) {
      TPa s;
      s.gammaS = 19;
      s.phiBackfill = phi;
      s.seismicAngle = theta;
      s.seismicCombination = 4;
      s.backfillShape = 1;
      s.outlineY[23] = 5;
      Chart chart;
      for (const char* name : {"Series8", "Series56"}) {
        chart.series.emplace_back();
        chart.series.back().name = name;
      }
      drawEarthPressureCurve(s, {}, 1, chart);
      EXPECT_LE(chart.seriesNamed("Series8").points.size(), 100u) << phi << " " << theta;
      EXPECT_EQ(chart.seriesNamed("Series56").points.size(), 2u);
    }
  }
}

}  // namespace
}  // namespace kovrel
