// The geometry steps of a whole run: weights in the state after the stability
// pipeline and the self-weight pages, and a second run leaving nothing of
// the first.

#include <gtest/gtest.h>

#include "run/calculation.h"
#include "run/session.h"

namespace kovrel {
namespace {

TEST(GeometryPipeline, WeightsAndPagesOfTwoRuns) {
  Session session;
  session.currentFileName = "sample";
  session.conditions.setChecked("CheckBox3", true);
  session.conditions.setText("Edit62", "2.0");
  session.conditions.setText("ComboBox8", "9.8");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_TRUE(session.stabilitySnapshot);
  const TAntei& first = *session.stabilitySnapshot;
  // Wall 9.00 m2 x 24.5; backfill block 28.2659 m2 x 20; q 10 over B - x5.
  EXPECT_NEAR(first.wallWeight, 9.0 * 24.5, 1e-9);
  EXPECT_NEAR(first.backfillWeight, 28.2659 * 20, 1e-9);
  EXPECT_NEAR(first.surchargeLoad, 10 * 4.058, 1e-9);
  EXPECT_NEAR(first.surchargeX, 2.0 + 4.058 / 2 - 0.258, 1e-9);
  EXPECT_EQ(session.results.listBox("ListBox20").lines[0], "件　名：sample");
  EXPECT_FALSE(session.results.chart("Chart4").seriesNamed("Series18").points.empty());
  EXPECT_EQ(session.results.grid("StringGrid10").rowCount(), 13);  // 12 items

  session.conditions.setChecked("CheckBox3", false);
  session.conditions.setText("Edit62", "0.0");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const ResultsWindow& r = session.results;
  EXPECT_TRUE(r.chart("Chart4").seriesNamed("Series18").points.empty());
  EXPECT_TRUE(r.chart("Chart12").seriesNamed("Series55").points.empty());
  EXPECT_EQ(r.grid("StringGrid10").rowCount(), 7);
  EXPECT_EQ(r.grid("StringGrid2").rowCount(), 18);
  EXPECT_EQ(r.listBox("ListBox6").lines.back(), "  γs(土の単位重量)    =20.00kN");
}

}  // namespace
}  // namespace kovrel
