#include "report/self_weight_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/design_loader.h"
#include "results/results_window.h"

namespace kovrel {
namespace {

using Lines = std::vector<std::string>;

struct Written {
  TAntei state;
  ResultsWindow results;
};

Written write(const DesignConditions& dc) {
  Written w;
  loadDesignConditions(w.state, dc);
  writeSelfWeightReports(w.state, dc, w.results);
  return w;
}

DesignConditions water(const char* depth, DesignConditions dc = {}) {
  dc.setChecked("CheckBox3", true);
  dc.setText("Edit62", depth);
  dc.setText("ComboBox8", "9.8");
  return dc;
}

DesignConditions lWall() {
  DesignConditions dc;
  dc.setIndex("PageControl2", 1);
  return dc;
}

const Lines kMethod = {
    "荷重の計算",
    "  座標法により、荷重を求める。",
    "　図形の折点(0,1,2...i,i+1,...N)の各座標",
    "　値を(x[i],y[i])とすると",
    "　  A (断面積)",
    "    Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)",
    "    Ix(x軸に関する断面1次ﾓｰﾒﾝﾄ)",
    "  は、次式で求められる。",
    "  A = 1/2･Σ(xi1･yi-xi･yi1)",
    "  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}",
    "  Ix= 1/2･Σ(xi1-xi){yi^2+1/3･(yi1-yi)(yi1+2･yi)}",
    "  ここに",
    "    xi1=x[i+1] , xi=x[i]",
    "    yi1=y[i+1] , yi=y[i]",
    "  座標法による計算結果を下記に示す。",
    "",
};

Lines concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Numbers of the default wall by hand (rectangles and triangles): wall
// A 9.00, x̄ 2.2349, ȳ 2.1362; backfill block A 28.2659, x̄ 3.8444, ȳ 4.4410.
TEST(SelfWeightReport, StabilitySectionOfTheDefaultWall) {
  Written w = write(DesignConditions{});
  const Lines expected = concat(kMethod, {
                                             "1.躯体重量の計算",
                                             "  A (擁壁躯体面積)     =9.00m2",
                                             "  W (擁壁重量)=γc･A   =220.50kN",
                                             "  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=20.11m3",
                                             "  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=19.23m3",
                                             "  x (図心)=Iy/A        =2.235m",
                                             "  y (図心)=Ix/A        =2.136m",
                                             "",
                                             "2.背面土重量の計算",
                                             "  A (背面土面積)       =28.27m2",
                                             "  W (背面土重量)=γ･A  =565.32kN",
                                             "  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=108.66m3",
                                             "  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=125.53m3",
                                             "  x (図心)=Iy/A        =3.844m",
                                             "  y (図心)=Ix/A        =4.441m",
                                             "",
                                             "ここに",
                                             "  γc(ｺﾝｸﾘｰﾄ単位重量)  =24.50kN",
                                             "  γs(土の単位重量)    =20.00kN",
                                         });
  EXPECT_EQ(w.results.listBox("ListBox6").lines, expected);

  // The wall's coordinate block lists point 9 once and drops the key points
  // at the origin; the grid ends with the backfill block.
  const StringGrid& g = w.results.grid("StringGrid2");
  EXPECT_EQ(g.cell(0, 0), "1.躯体重量    ");
  EXPECT_EQ(g.cell(1, 0), "座標x(m)");
  EXPECT_EQ(g.cell(0, 10), "9");
  EXPECT_EQ(g.cell(1, 10), "5.800");
  EXPECT_EQ(g.cell(0, 11), "2.背面土重量  ");
  EXPECT_EQ(g.rowCount(), 18);

  const Chart& chart = w.results.chart("Chart4");
  const Series& wall = chart.seriesNamed("Series17");
  ASSERT_EQ(wall.points.size(), 11u);
  EXPECT_EQ(wall.points[4].label, "4");
  EXPECT_EQ(wall.points[10].label, " ");
  EXPECT_EQ(wall.points[10].x, 0);
  EXPECT_TRUE(chart.seriesNamed("Series18").points.empty());
  EXPECT_EQ(chart.seriesNamed("Series41").colour, clMaroon);
  EXPECT_DOUBLE_EQ(chart.bottom.maximum, 6.3);
  EXPECT_DOUBLE_EQ(chart.left.minimum, -1);
  EXPECT_DOUBLE_EQ(chart.left.maximum, 8.5);
}

// Water 2.0 m deep with γw 9.8: the wall below the water (A 5.5859, x̄
// 2.6420, ȳ 0.5674) and the backfill below it (A 4.5720, x̄ 3.9448), both by
// hand from the water line's crossings with the stem faces.
TEST(SelfWeightReport, StabilitySectionWithWater) {
  Written w = write(water("2.0"));
  const Lines& lines = w.results.listBox("ListBox6").lines;
  const Lines buoyancy = {
      "2.躯体浮力の計算",
      "  A (擁壁躯体面積)     =5.59m2",
      "  W (擁壁浮力)=γw･A   =54.74kN",
      "  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=14.76m3",
      "  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=3.17m3",
      "  x (図心)=Iy/A        =2.642m",
      "  y (図心)=Ix/A        =0.567m",
      "",
  };
  const Lines soil = {
      "4.背面土浮力の計算",
      "  A (背面土面積)       =4.57m2",
      "  γw(水の単位重量)    =9.00kN",
      "  W (背面土浮力)=γw･A =41.15kN",
      "  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=18.04m3",
      "  x (図心)=Iy/A        =3.945m",
      "",
      "ここに",
      "  γc(ｺﾝｸﾘｰﾄ単位重量)  =24.50kN",
      "  γs(土の単位重量)    =20.00kN",
      "  γw(水の単位重量)    =9.80kN",
  };
  ASSERT_EQ(lines.size(), kMethod.size() + 8 + 8 + 8 + soil.size());
  EXPECT_EQ(Lines(lines.begin() + 24, lines.begin() + 32), buoyancy);
  EXPECT_EQ(lines[32], "3.背面土重量の計算");
  EXPECT_EQ(Lines(lines.end() - static_cast<long>(soil.size()), lines.end()), soil);

  // Water mark over the middle third of the heel (x6 2.0, B 5.8).
  const Series& mark = w.results.chart("Chart4").seriesNamed("Series18");
  ASSERT_EQ(mark.points.size(), 6u);
  EXPECT_NEAR(mark.points[0].x, 2.0 + 3.8 / 3, 1e-12);
  EXPECT_NEAR(mark.points[2].x, 3.9 - 0.19, 1e-12);
  EXPECT_NEAR(mark.points[2].y, 2.0 + 0.38, 1e-12);
  EXPECT_NEAR(mark.points[5].x, 2.0 + 2 * 3.8 / 3, 1e-12);
  EXPECT_EQ(w.results.chart("Chart4").seriesNamed("Series18").colour, clAqua);
}

TEST(SelfWeightReport, ZeroAreaItemsAreSkippedAndTheNumberingFollows) {
  // Water 0.5 m: below the heel's top, so the backfill has no part under water.
  Written w = write(water("0.5"));
  const Lines& lines = w.results.listBox("ListBox6").lines;
  int blocks = 0;
  for (const std::string& l : lines) {
    if (l.find("の計算") != std::string::npos && l != "荷重の計算") ++blocks;
  }
  EXPECT_EQ(blocks, 3);
  EXPECT_EQ(lines[kMethod.size() + 8], "2.躯体浮力の計算");
  EXPECT_EQ(lines[kMethod.size() + 16], "3.背面土重量の計算");
  EXPECT_EQ(lines.back(), "  γw(水の単位重量)    =9.80kN");

  // The slab table: 4 slab rows, 4 slab buoyancy rows, 2 backfill rows; no
  // backfill buoyancy.
  const StringGrid& g = w.results.grid("StringGrid10");
  EXPECT_EQ(g.rowCount(), 11);
  EXPECT_EQ(g.cell(0, 5), "5.つま先版浮力(M)");
  EXPECT_EQ(g.cell(0, 10), "10.背面土(S)　　　");
}

TEST(SelfWeightReport, SlabSectionOfTheDefaultWall) {
  Written w = write(DesignConditions{});
  const Lines expected = {
      "座標法により、荷重を求める。",
      "",
      "図形の折点(0,1,2...i,i+1,...N)の各座標",
      "値を(x[i],y[i])とすると",
      "  A (断面積)",
      "  Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)",
      "は、次式で求められる。",
      "  A = 1/2･Σ(xi1･yi-xi･yi1)",
      "  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}",
      "ここに",
      "  xi1=x[i+1] , xi=x[i]",
      "  yi1=y[i+1] , yi=y[i]",
      "",
      "W (重量)は,A×(単位重量)である。",
      "  γc(ｺﾝｸﾘｰﾄ単位重量)  =24.50kN",
      "  γ (土の単位重量)    =20.00kN",
      "なお",
      "  (M)は、ﾓｰﾒﾝﾄ計算用を示す。 ",
      "  (S)は、剪断力計算用を示す。",
      "",
      "座標法による計算結果を下記に示す。",
  };
  EXPECT_EQ(w.results.listBox("ListBox21").lines, expected);

  // Toe to the stem front: A 0.97 (slab 0.84, haunch 0.11, strip 0.02),
  // x̄ = (0.84·0.6 + 0.11·0.7333 + 0.02·1.15)/0.97 = 0.6265. Heel to the stem
  // rear: A 3.05 (slab 2.66, strip 0.02, haunch 0.37).
  const StringGrid& g = w.results.grid("StringGrid10");
  const std::vector<Lines> rows = {
      {"1.つま先版(M)　　", "0.97", "23.77", "0.61", "0.626"},
      {"2.つま先版(S)　　", "0.58", "14.12", "0.22", "0.386"},
      {"3.かかと版(M)　　", "3.05", "74.73", "11.65", "3.819"},
      {"4.かかと版(S)　　", "2.65", "64.88", "10.75", "4.061"},
      {"5.背面土(M)　　　", "27.35", "547.00", "106.91", "3.909"},
      {"6.背面土(S)　　　", "24.15", "483.03", "99.80", "4.132"},
  };
  ASSERT_EQ(g.rowCount(), 7);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(g.cell(c, static_cast<int>(r) + 1), rows[r][static_cast<size_t>(c)])
          << "row " << r + 1 << " column " << c;
    }
  }
  const StringGrid& coords = w.results.grid("StringGrid5");
  EXPECT_EQ(coords.cell(0, 0), "1.つま先(M)");
  EXPECT_EQ(coords.cell(0, 6), "2.つま先(S)");
  EXPECT_EQ(coords.cell(2, 9), "0.836");
  EXPECT_EQ(w.results.chart("Chart12").seriesNamed("Series48").points.size(), 11u);
  EXPECT_EQ(w.results.chart("Chart12").seriesNamed("Series49").colour, clRed);
}

// The L wall by hand: slab 3.22, under the stem 0.16, heel strip 0.02 and
// haunch 0.37, stem 4.26 gives A 8.03, x̄ 1.2292, ȳ 2.3451; the backfill block
// is the inverted-T wall's moved 1.2 m towards the toe.
TEST(SelfWeightReport, StabilitySectionOfTheLWall) {
  Written w = write(lWall());
  const Lines expected = concat(kMethod, {
                                             "1.躯体重量の計算",
                                             "  A (擁壁躯体面積)     =8.03m2",
                                             "  W (擁壁重量)=γc･A   =196.74kN",
                                             "  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=9.87m3",
                                             "  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=18.83m3",
                                             "  x (図心)=Iy/A        =1.229m",
                                             "  y (図心)=Ix/A        =2.345m",
                                             "",
                                             "2.背面土重量の計算",
                                             "  A (背面土面積)       =28.27m2",
                                             "  W (背面土重量)=γ･A  =565.32kN",
                                             "  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=74.75m3",
                                             "  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=125.53m3",
                                             "  x (図心)=Iy/A        =2.644m",
                                             "  y (図心)=Ix/A        =4.441m",
                                             "",
                                             "ここに",
                                             "  γc(ｺﾝｸﾘｰﾄ単位重量)  =24.50kN",
                                             "  γs(土の単位重量)    =20.00kN",
                                         });
  EXPECT_EQ(w.results.listBox("ListBox6").lines, expected);
  const StringGrid& g = w.results.grid("StringGrid10");
  ASSERT_EQ(g.rowCount(), 5);
  EXPECT_EQ(g.cell(0, 1), "1.かかと版(M)　　");
  EXPECT_EQ(g.cell(1, 1), "3.05");
  EXPECT_EQ(g.cell(4, 1), "2.619");
}

TEST(SelfWeightReport, SlabSectionOfTheLWallInBlackAndWhite) {
  DesignConditions dc = water("2.0");
  dc.setIndex("PageControl2", 1);
  dc.setIndex("RadioGroup10", 1);
  Written w = write(dc);
  const StringGrid& g = w.results.grid("StringGrid10");
  const Lines titles = {"1.かかと版(M)　　", "2.かかと版(S)　　", "3.かかと版浮力(M)",
                        "4.かかと版浮力(S)", "5.背面土(M)　　　", "6.背面土(S)　　　",
                        "7.背面土浮力(M)　", "8.背面土浮力(S)　"};
  ASSERT_EQ(g.rowCount(), 9);
  for (size_t r = 0; r < titles.size(); ++r) {
    EXPECT_EQ(g.cell(0, static_cast<int>(r) + 1), titles[r]);
  }
  const StringGrid& coords = w.results.grid("StringGrid5");
  EXPECT_EQ(coords.cell(0, 0), "1.かかと(M)");
  const Chart& chart = w.results.chart("Chart12");
  EXPECT_TRUE(chart.seriesNamed("Series49").points.empty());
  EXPECT_EQ(chart.seriesNamed("Series51").colour, clBlack);
  EXPECT_EQ(chart.seriesNamed("Series55").colour, clBlack);
  EXPECT_EQ(chart.titleColour, clBlack);
  EXPECT_EQ(chart.seriesNamed("Series55").points.size(), 6u);
  EXPECT_EQ(w.results.listBox("ListBox21").lines[16], "  γw(水の単位重量)    =9.80kN");
}

}  // namespace
}  // namespace kovrel
