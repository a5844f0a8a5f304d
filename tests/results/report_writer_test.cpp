#include "results/report_writer.h"

#include <gtest/gtest.h>

#include "results/results_window_setup.h"

namespace kovrel {
namespace {

TEST(PadRight, CountsShiftJisBytes) {
  EXPECT_EQ(padRight("躯体重量", 12), "躯体重量    ");
  EXPECT_EQ(padRight("ﾓｰﾒﾝﾄ", 7), "ﾓｰﾒﾝﾄ  ");
  EXPECT_EQ(padRight("abc", 2), "abc");    // already wider: unchanged
  EXPECT_EQ(padRight("躯体", 4), "躯体");  // exactly as wide
}

TEST(SetJudgement, CaptionAndColour) {
  GroupBox box;
  setJudgement(box, 2, "NO");
  EXPECT_EQ(box.caption, "2.転倒に対する安定( NO )");
  EXPECT_EQ(box.colour, clRed);
  setJudgement(box, 1, "OK");
  EXPECT_EQ(box.caption, "1.滑動に対する安定( OK )");
  EXPECT_EQ(box.colour, clBlue);
  setJudgement(box, 4, "--");  // any other word leaves the colour
  EXPECT_EQ(box.caption, "4.鉛直支持力の照査( -- )");
  EXPECT_EQ(box.colour, clBlue);
}

TEST(ClearGrid, KeepsHeaderRowAndColumn) {
  StringGrid g(3, 3);
  g.setCell(0, 0, "h");
  g.setCell(1, 0, "c1");
  g.setCell(0, 1, "r1");
  g.setCell(2, 2, "old");
  clearGrid(g);
  EXPECT_EQ(g.cell(0, 0), "h");
  EXPECT_EQ(g.cell(1, 0), "c1");
  EXPECT_EQ(g.cell(0, 1), "r1");
  for (int r = 1; r < 3; ++r) {
    for (int c = 1; c < 3; ++c) EXPECT_EQ(g.cell(c, r), "---");
  }
}

TEST(ClearChart, EmptiesEverySeriesKeepsTheRest) {
  ResultsWindow w;
  Chart& c = w.chart("Chart1");
  c.seriesNamed("Series1").points.push_back({1, 2, "a", std::nullopt});
  c.seriesNamed("Series1").colour = clRed;
  clearChart(c);
  EXPECT_TRUE(c.seriesNamed("Series1").points.empty());
  EXPECT_EQ(c.seriesNamed("Series1").colour, clRed);
  EXPECT_EQ(c.title, "荷重図(安定計算時)");
}

TEST(ResultsWindow, UnknownTargetIsAnError) {
  ResultsWindow w;
  EXPECT_THROW(w.listBox("ListBox24"), std::out_of_range);
  EXPECT_THROW(w.chart("Chart1").seriesNamed("Series99"), std::out_of_range);
  EXPECT_THROW(w.grid("StringGrid6").cell(7, 0), std::out_of_range);
}

TEST(SetUpResultsWindow, SlabTablesFollowTheBuoyancyOption) {
  ResultsWindow w;
  setUpResultsWindow(w, false);
  EXPECT_EQ(w.grid("StringGrid8").rowCount(), 4);
  EXPECT_EQ(w.grid("StringGrid9").rowCount(), 7);
  EXPECT_EQ(w.grid("StringGrid9").cell(0, 5), "地盤反力");
  EXPECT_EQ(w.grid("StringGrid9").cell(0, 6), "合計");
  setUpResultsWindow(w, true);
  EXPECT_EQ(w.grid("StringGrid8").rowCount(), 5);
  EXPECT_EQ(w.grid("StringGrid13").cell(0, 3), "浮力");
  EXPECT_EQ(w.grid("StringGrid14").rowCount(), 9);
  EXPECT_EQ(w.grid("StringGrid14").cell(0, 7), "踵版浮力");
  EXPECT_EQ(w.grid("StringGrid14").cell(2, 0), "付根部");
}

TEST(SetUpResultsWindow, HeadersAndWidths) {
  ResultsWindow w;
  setUpResultsWindow(w, false);
  const StringGrid& loads = w.grid("StringGrid6");
  EXPECT_EQ(loads.rowCount(), 11);
  EXPECT_EQ(loads.cell(6, 0), "ﾓｰﾒﾝﾄH･y");
  EXPECT_EQ(loads.cell(0, 10), "合計");
  EXPECT_EQ(loads.colWidths, (std::vector<int>{55, 55, 55, 55, 55, 65, 65}));
  EXPECT_EQ(w.grid("StringGrid12").cell(2, 0), "1,000");
  EXPECT_EQ(w.grid("StringGrid12").cell(0, 1), "Ce");
  EXPECT_EQ(w.grid("StringGrid15").cell(5, 0), "1.0以上");
  EXPECT_EQ(w.grid("StringGrid4").rowCount(), 16);
  EXPECT_EQ(w.grid("StringGrid4").cell(0, 14), "Pt(%):Cpt");
  EXPECT_EQ(w.grid("StringGrid1").cell(4, 0), "固定部");
  EXPECT_EQ(w.grid("StringGrid1").cell(0, 13), "Σ剪断力");
  EXPECT_EQ(w.grid("StringGrid7").cell(0, 9), "判定");
  EXPECT_EQ(w.pageControl("PageControl1").active, "TabSheet1");
}

}  // namespace
}  // namespace kovrel
