#include "report/report_page_copier.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kovrel {
namespace {

// The (x, y) of every point of a series.
std::vector<std::pair<double, double>> xy(const Series& s) {
  std::vector<std::pair<double, double>> out;
  for (const ChartPoint& p : s.points) out.emplace_back(p.x, p.y);
  return out;
}

TEST(TDrawKekka, MeasuresAGridByItsColumnsAndDefaultRows) {
  StringGrid g(3, 4);
  g.colWidths = {40, 30};  // the third column takes the default width
  TDrawKekka k;
  k.measureGrid(g);
  EXPECT_EQ(k.colCount, 3);
  EXPECT_EQ(k.rowCount, 4);
  EXPECT_EQ(k.colWidth[0], 40);
  EXPECT_EQ(k.colWidth[2], kGridDefaultColWidth);
  EXPECT_EQ(k.tableWidth, 40 + 30 + kGridDefaultColWidth);
  EXPECT_EQ(k.rowPitch, kGridDefaultRowHeight - 5);
  EXPECT_EQ(k.tableHeight, 4 * 12);
  EXPECT_EQ(k.tableBottom, -48);
  EXPECT_EQ(k.tableRight, k.tableWidth);
  EXPECT_EQ(k.tableTop, 0);
  EXPECT_EQ(k.tableLeft, 0);

  EXPECT_THROW(k.measureGrid(StringGrid(22, 1)), std::length_error);
}

// Rules as three points (start, end, start); a double rule under the first
// row and after the first column; no rule along the top or left edge; each
// text centred in its column just above its row's bottom rule.
TEST(TDrawKekka, DrawsTheGridAsARuledTable) {
  StringGrid g(2, 3);
  g.colWidths = {30, 50};
  g.setCell(0, 0, "-");
  g.setCell(1, 2, "12.50");
  Chart c = reportTableChart();
  TDrawKekka k;
  k.drawGridTable(g, c, c.series[kTableTextSeries], c.series[kTableVerticalSeries],
                  c.series[kTableHorizontalSeries]);
  using P = std::vector<std::pair<double, double>>;
  EXPECT_EQ(xy(c.series[kTableHorizontalSeries]),
            (P{{0, -13},
               {80, -13},
               {0, -13},  // the double rule under the first row
               {0, -12},
               {80, -12},
               {0, -12},
               {0, -24},
               {80, -24},
               {0, -24},
               {0, -36},
               {80, -36},
               {0, -36}}));
  EXPECT_EQ(xy(c.series[kTableVerticalSeries]),
            (P{{31, 0},
               {31, -36},
               {31, 0},  // the double rule after the first column
               {30, 0},
               {30, -36},
               {30, 0},
               {80, 0},
               {80, -36},
               {80, 0}}));
  const Series& text = c.series[kTableTextSeries];
  ASSERT_EQ(text.points.size(), 6u);
  EXPECT_EQ(text.points[0].label, "-");
  EXPECT_EQ(xy(text), (P{{15, -12}, {15, -24}, {15, -36}, {55, -12}, {55, -24}, {55, -36}}));
  EXPECT_EQ(text.points[5].label, "12.50");
  EXPECT_FALSE(c.axesVisible);
  EXPECT_EQ(c.left.minimum, -36);
  EXPECT_EQ(c.left.maximum, 0);
  EXPECT_EQ(c.bottom.maximum, 80);
  EXPECT_EQ(c.width, 80 + 2 * 15);
  EXPECT_EQ(c.height, 36 + 3 * 5);
}

TEST(TDrawKekka, MemoTakesTheLinesAndGrowsWithThem) {
  ListBox list;
  list.lines = {"１．滑動に対する安定", "", "  Fs=2.505"};
  ReportMemo memo{{"old"}, 99};
  TDrawKekka k;
  k.copyListToMemo(list, memo, -13);
  EXPECT_EQ(memo.lines, list.lines);
  EXPECT_EQ(memo.heightPx, 13 * (3 + 2));
  // An empty list clears the memo and leaves its height.
  k.copyListToMemo(ListBox{}, memo, -13);
  EXPECT_TRUE(memo.lines.empty());
  EXPECT_EQ(memo.heightPx, 65);
}

TEST(TDrawKekka, CopiesAChartIntoTheFigureOfItsPage) {
  Chart source;
  source.name = "Chart5";
  source.title = "すべり角～土圧図";
  source.left = {0, 250, "P(kN)"};
  source.bottom = {0, 0, ""};  // not set: the figure keeps its own range
  Series curve;
  curve.name = "Series8";
  curve.colour = clRed;
  curve.labelFontSize = 7;
  curve.points = {{40, 100, "40", clBlue},
                  {50, 120, "50", std::nullopt},
                  {55, 0, "", kNullPointColour},
                  {60, 110, "60", std::nullopt}};
  Series marker;
  marker.name = "Series56";
  marker.colour = clBlue;
  marker.points = {{52, 0, "52.00度", std::nullopt}};
  source.series = {curve, marker};

  Chart figure = reportFigureChart(source, "すべり角～土圧", 337, 153);
  EXPECT_EQ(figure.title, "すべり角～土圧");
  EXPECT_EQ(figure.width, 337);
  EXPECT_EQ(figure.left.title, "P(kN)");
  ASSERT_EQ(figure.series.size(), 2u);
  EXPECT_EQ(figure.series[0].labelFontSize, 7);
  EXPECT_TRUE(figure.series[0].points.empty());
  figure.bottom = {30, 70, ""};
  figure.series[1].points = {{1, 1, "stale", std::nullopt}};

  TDrawKekka k;
  k.copyChart(source, figure);
  EXPECT_EQ(figure.left.minimum, 0);
  EXPECT_EQ(figure.left.maximum, 250);
  EXPECT_EQ(figure.bottom.minimum, 30) << "a range the source leaves at 0 .. 0 stays";
  EXPECT_EQ(figure.bottom.maximum, 70);
  const Series& copied = figure.series[0];
  EXPECT_EQ(copied.colour, clRed);
  ASSERT_EQ(copied.points.size(), 4u);
  EXPECT_EQ(copied.points[0].label, "40");
  EXPECT_EQ(copied.points[0].colour, clRed) << "every point in the series colour";
  EXPECT_EQ(copied.points[1].colour, clRed);
  EXPECT_EQ(copied.points[2].colour, kNullPointColour) << "a gap stays a gap";
  EXPECT_EQ(figure.series[1].points.size(), 1u);
  EXPECT_EQ(figure.series[1].points[0].label, "52.00度");

  // A figure laid out with fewer series cannot take the copy.
  Chart small = figure;
  small.series.pop_back();
  EXPECT_THROW(k.copyChart(source, small), std::invalid_argument);
}

}  // namespace
}  // namespace kovrel
