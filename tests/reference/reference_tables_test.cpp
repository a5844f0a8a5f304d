#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "conditions/soil_constants.h"
#include "conditions/window_rules.h"
#include "reference/bearing_factor_tables.h"
#include "reference/earth_pressure_table.h"

namespace kovrel {
namespace {

constexpr double kDegree = 0.017453292519943295;

// Coulomb's active coefficient for a vertical wall and level backfill.
double coulombKa(double phi, double delta) {
  const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
  return std::cos(phi) * std::cos(phi) / (std::cos(delta) * (1 + root) * (1 + root));
}

double cellValue(const StringGrid& g, int col, int row) {
  return std::stod(g.cell(col, row));
}

TEST(EarthPressureTableTest, ZeroEmbankmentColumnIsTheFlatBackfillCoefficient) {
  DesignConditions dc;
  EarthPressureWindow window;
  EarthPressureTable table;
  ASSERT_EQ(computeEarthPressureTable(window, dc, table), "");
  EXPECT_EQ(table.grid.cell(2, 0), "0.00");
  EXPECT_EQ(table.grid.cell(12, 0), "1.00");
  // φ = 35°, δ = 2φ/3, vertical back: every slope shows the same flat value.
  const double phi = 35 * kDegree, delta = 2 * phi / 3;
  const double ka = coulombKa(phi, delta);
  for (int slope = 0; slope < 4; ++slope) {
    const int row = 1 + slope * 3;
    SCOPED_TRACE(table.grid.cell(0, row));
    EXPECT_NEAR(cellValue(table.grid, 2, row), ka, 0.0006) << "expected " << ka;
    EXPECT_NEAR(cellValue(table.grid, 2, row + 1), ka * std::cos(delta), 0.0006);
    EXPECT_NEAR(cellValue(table.grid, 2, row + 2), ka * std::sin(delta), 0.0006);
  }
  // Higher embankments press harder; steeper slopes more so.
  EXPECT_GT(cellValue(table.grid, 12, 2), cellValue(table.grid, 2, 2));
  EXPECT_GT(cellValue(table.grid, 12, 2), cellValue(table.grid, 12, 11));
  ASSERT_EQ(table.chart.series.size(), 8u);
  EXPECT_EQ(table.chart.series[0].name, "Kh 1:1.5");
  ASSERT_EQ(table.chart.series[0].points.size(), 11u);
  EXPECT_EQ(table.chart.series[0].points[3].label, "0.3");
  EXPECT_EQ(table.chart.series[7].points[0].colour, clBlue);
}

TEST(EarthPressureTableTest, SeismicSlopesThatCannotStandHaveNoCoefficient) {
  // φ = 35°, kh = 0.1 (θ = 5.71°): 1:1.5 (33.69°) cannot stand, 1:1.8
  // (29.05°) can. Without an embankment (H1/H = 0) there is no slope at all.
  DesignConditions dc;
  EarthPressureWindow window;
  window.chooseSeismic(1);
  EarthPressureTable table;
  ASSERT_EQ(computeEarthPressureTable(window, dc, table), "");
  for (int column = 2; column <= 12; ++column) {
    for (int row = 1; row <= 6; ++row) {
      const std::string& cell = table.grid.cell(column, row);
      const bool steep = row <= 3 && column > 2;
      EXPECT_EQ(cell == "---", steep) << "column " << column << " row " << row << ": " << cell;
    }
  }
  EXPECT_EQ(table.chart.series[0].points.size(), 1u);  // Kh 1:1.5 at H1/H = 0 only
  EXPECT_EQ(table.chart.series[2].points.size(), 11u);
}

TEST(EarthPressureTableTest, InvertedTTabOnlyShowsTheMessage) {
  DesignConditions dc;
  EarthPressureWindow window;
  EarthPressureTable table;
  computeEarthPressureTable(window, dc, table);
  const std::string before = table.grid.cell(5, 5);
  window.wallTab = 3;
  window.chooseSoil(2);
  EXPECT_EQ(computeEarthPressureTable(window, dc, table),
            "H24擁壁工指針では,βの計算にかかと版の幅\r\rが必要になったで計算出来ません。");
  EXPECT_EQ(table.grid.cell(5, 5), before);
}

TEST(EarthPressureTableTest, BadWindowValuesNameTheControl) {
  DesignConditions dc;
  EarthPressureTable table;
  EarthPressureWindow window;
  window.phi = "abc";
  EXPECT_THROW(computeEarthPressureTable(window, dc, table), ConversionError);
  window.phi = "35";
  window.gamma = "0";
  try {
    computeEarthPressureTable(window, dc, table);
    FAIL() << "a zero unit weight was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("ComboBox2"), std::string::npos) << e.what();
  }
  // The soil numbers share the plausible ranges of the design conditions;
  // a back batter beyond 1:10 is no wall of these types.
  const struct {
    std::string EarthPressureWindow::*field;
    const char* text;
    const char* control;
  } absurd[] = {{&EarthPressureWindow::gamma, "1e300", "ComboBox2"},
                {&EarthPressureWindow::phi, "-1e300", "ComboBox3"},
                {&EarthPressureWindow::phi, "75", "ComboBox3"},
                {&EarthPressureWindow::cohesion, "1e308", "ComboBox4"},
                {&EarthPressureWindow::batterGravity, "1e300", "ComboBox6"}};
  for (const auto& a : absurd) {
    EarthPressureWindow w;
    w.wallTab = 1;
    w.*a.field = a.text;
    try {
      computeEarthPressureTable(w, dc, table);
      ADD_FAILURE() << a.text << " was accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(a.control), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(a.text), std::string::npos) << e.what();
    }
  }
  // The seismic group proposes kh and enables it.
  window.gamma = "20";
  window.chooseSeismic(1);
  EXPECT_EQ(window.kh, "0.1");
  EXPECT_TRUE(window.khEnabled);
  EXPECT_EQ(computeEarthPressureTable(window, dc, table), "");
  // Seismic pressure exceeds the normal one.
  EXPECT_GT(cellValue(table.grid, 2, 1), 0.245);
}

TEST(BearingFactorTablesTest, GridPointsReproduceTheFactors) {
  const std::vector<BearingFactorPage> pages = bearingFactorPages();
  ASSERT_EQ(pages.size(), 3u);
  const StringGrid& nc = pages[0].grid;
  const StringGrid& nq = pages[1].grid;
  const StringGrid& ng = pages[2].grid;
  EXPECT_EQ(nc.cell(7, 0), "φ30.0");
  EXPECT_EQ(nc.cell(0, 11), "θ50.0");
  // φ = 0, vertical load; φ = 30°, vertical load (closed forms of Nq and Nc).
  EXPECT_EQ(nc.cell(1, 1), "5.14");
  EXPECT_EQ(nq.cell(1, 1), "1.00");
  const double t = std::tan(30 * kDegree), s = std::sin(30 * kDegree);
  const double nq30 = std::exp(M_PI * t) * (1 + s) / (1 - s);
  EXPECT_NEAR(cellValue(nq, 7, 1), nq30, 0.005) << "expected " << nq30;
  EXPECT_NEAR(cellValue(nc, 7, 1), (nq30 - 1) / t, 0.005);
  EXPECT_EQ(ng.cell(7, 1), "15.33");  // the φ = 30° polynomial at θ = 0
  EXPECT_EQ(ng.cell(5, 5), "0.32");   // φ = 20° at θ = 20°
  EXPECT_EQ(ng.cell(5, 6), "");       // beyond: out of range
  // Out of range ends the curve: no cells after it.
  EXPECT_EQ(nc.cell(1, 2), "");
  EXPECT_EQ(ng.cell(1, 1), "");
}

TEST(BearingFactorTablesTest, CurvesAreSeparatedAndLabelled) {
  const BearingFactorPage nc = bearingFactorPages()[0];
  const Series& curves = nc.chart.series[0];
  int nulls = 0;
  bool labelled = false;
  for (const ChartPoint& p : curves.points) {
    if (p.colour == kNullPointColour) {
      ++nulls;
      continue;
    }
    EXPECT_GT(p.y, 0) << "a point that cannot stand on a logarithmic axis";
    if (p.label == "φ30°") {
      labelled = true;
      EXPECT_EQ(p.x, 15);
    }
  }
  EXPECT_EQ(nulls, 9);
  EXPECT_TRUE(labelled);
  EXPECT_EQ(nc.chart.left.minimum, 1);
  EXPECT_EQ(nc.chart.left.maximum, 200);
  // Range ends: one per φ whose curve stops at θ ≥ 5°.
  EXPECT_FALSE(nc.chart.series[1].points.empty());
  for (const ChartPoint& p : nc.chart.series[1].points) EXPECT_GE(p.x, 5);
}

TEST(SoilConstantsTest, CopyRulesAndQuestions) {
  DesignConditions dc;
  DesignWindow w;
  dc.setRuleHook(windowRulesHook(w, {}));
  EXPECT_EQ(soilCopyQuestion(0), "");
  EXPECT_EQ(soilCopyQuestion(3),
            "裏込め土の土質=粘性土(wL<50%)\r\rを設計条件に転記します。いいですか。");
  copySoilConstants(dc, 3);
  EXPECT_EQ(dc.index("RadioGroup1"), 2);
  EXPECT_EQ(dc.text("Edit15"), "18");
  EXPECT_EQ(dc.text("Edit14"), "25");
  EXPECT_EQ(dc.text("Edit16"), "300");  // by the soil-class rule

  EXPECT_EQ(foundationCopyQuestion(0), "");
  EXPECT_EQ(foundationCopyQuestion(8),
            "許容鉛直支持力度[qa]  = 200 kN/m2\r\r摩擦係数[μ=tan(φb)]  = 0.5\r\rいいですか。");
  copyFoundationConstants(dc, 8);
  EXPECT_EQ(dc.text("Edit16"), "200");
  EXPECT_EQ(dc.text("Edit17"), "0.5");
  copyFoundationConstants(dc, 10);  // no such row
  EXPECT_EQ(dc.text("Edit16"), "200");
}

}  // namespace
}  // namespace kovrel
