#include "report/self_weight_report.h"

#include <string>

#include "engine/load_items.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

std::string blockNumber(int n) {
  return formatNumber("0", n);
}

// The chart's series emptied, its axes set to the wall with a margin.
void prepareChart(const TTeisu& s, Chart& chart) {
  chart.bottom.minimum = -0.5;
  chart.bottom.maximum = s.outlineX[9] + 0.5;
  chart.left.minimum = s.outlineY[12] - 1;
  chart.left.maximum = s.outlineY[23] + 0.5;
  clearChart(chart);
}

void drawPolygon(const ItemProperties& p, Series& series) {
  series.points.clear();
  const int n = p.pointCount - 1;  // the last point repeats the first
  if (n <= 0) return;
  for (int k = 0; k < n; ++k) {
    series.points.push_back({p.points[k].x, p.points[k].y, formatNumber("0", k), std::nullopt});
  }
  series.points.push_back({p.points[n].x, p.points[n].y, " ", std::nullopt});
}

// One item of section II-1 as ListBox6 lines; nothing without a positive
// area. The backfill buoyancy shows the soils' water weight and x only.
struct ItemBlock {
  const char* item;
  const char* title;
  const char* weightLabel;
  const char* areaLabel;
  double unitWeight;
  bool fourMoments;
};

void writeItemBlock(TShape& s, ListBox& box, const ItemBlock& b, int& number) {
  const ItemProperties p = itemProperties(s, b.item);
  if (!(p.area > 0)) return;
  ++number;
  appendLine(box, blockNumber(number) + b.title);
  appendLine(box, "  " + padRight(b.areaLabel, 21) + formatNumber("=0.00m2", p.area));
  if (!b.fourMoments) appendLine(box, "  γw(水の単位重量)    =9.00kN");
  appendLine(box,
             "  " + padRight(b.weightLabel, 21) + formatNumber("=0.00kN", p.area * b.unitWeight));
  appendLine(box, formatNumber("  Iy(y軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3", p.area * p.x));
  if (b.fourMoments) appendLine(box, formatNumber("  Ix(x軸の断面1次ﾓｰﾒﾝﾄ)=0.00m3", p.area * p.y));
  appendLine(box, formatNumber("  x (図心)=Iy/A        =0.000m", p.x));
  if (b.fourMoments) appendLine(box, formatNumber("  y (図心)=Ix/A        =0.000m", p.y));
  appendBlank(box);
}

void writeStabilitySection(TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  const bool water = s.waterOn != 0;
  const bool colour = dc.index("RadioGroup10") == 0;

  // 1. Point figure.
  Chart& chart = r.chart("Chart4");
  Series& wall = chart.seriesNamed("Series17");
  wall.colour = clBlack;
  wall.labelColour = clBlack;
  chart.seriesNamed("Series41").colour = colour ? clMaroon : clBlack;
  chart.seriesNamed("Series42").colour = colour ? clMaroon : clBlack;
  chart.seriesNamed("Series18").colour = colour ? clAqua : clBlack;
  chart.titleColour = colour ? clMaroon : clBlack;
  prepareChart(s, chart);

  // 2. Coordinate blocks.
  CoordinateBlocks blocks{r.grid("StringGrid2")};
  coordinateTable(s, "W_A", padRight("躯体重量", 12), blocks, &wall);
  if (water) {
    coordinateTable(s, "W_FA", padRight("躯体浮力", 12), blocks, nullptr);
    drawWaterMark(s, chart.seriesNamed("Series18"));
  }
  coordinateTable(s, "KS_A", padRight("背面土重量", 12), blocks, &chart.seriesNamed("Series41"));
  if (water) coordinateTable(s, "KS_FA", padRight("背面土浮力", 12), blocks, nullptr);

  // 3. The method.
  ListBox& box = r.listBox("ListBox6");
  box.lines.clear();
  for (const char* line :
       {"荷重の計算", "  座標法により、荷重を求める。", "　図形の折点(0,1,2...i,i+1,...N)の各座標",
        "　値を(x[i],y[i])とすると", "　  A (断面積)", "    Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)",
        "    Ix(x軸に関する断面1次ﾓｰﾒﾝﾄ)", "  は、次式で求められる。", "  A = 1/2･Σ(xi1･yi-xi･yi1)",
        "  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}",
        "  Ix= 1/2･Σ(xi1-xi){yi^2+1/3･(yi1-yi)(yi1+2･yi)}", "  ここに", "    xi1=x[i+1] , xi=x[i]",
        "    yi1=y[i+1] , yi=y[i]", "  座標法による計算結果を下記に示す。"}) {
    appendLine(box, line);
  }
  appendBlank(box);

  // 4. Item blocks, numbered over the blocks written.
  int number = 0;
  writeItemBlock(
      s, box, {"W_A", ".躯体重量の計算", "W (擁壁重量)=γc･A", "A (擁壁躯体面積)", s.gammaC, true},
      number);
  if (water) {
    writeItemBlock(
        s, box,
        {"W_FA", ".躯体浮力の計算", "W (擁壁浮力)=γw･A", "A (擁壁躯体面積)", s.gammaW, true},
        number);
  }
  writeItemBlock(
      s, box, {"KS_A", ".背面土重量の計算", "W (背面土重量)=γ･A", "A (背面土面積)", s.gammaS, true},
      number);
  if (water) {
    writeItemBlock(s, box,
                   {"KS_FA", ".背面土浮力の計算", "W (背面土浮力)=γw･A ", "A (背面土面積)",
                    kSoilWaterWeight, false},
                   number);
  }

  // 5. Unit weights.
  appendLine(box, "ここに");
  appendLine(box, formatNumber("  γc(ｺﾝｸﾘｰﾄ単位重量)  =0.00kN", s.gammaC));
  appendLine(box, formatNumber("  γs(土の単位重量)    =0.00kN", s.gammaS));
  if (water) appendLine(box, formatNumber("  γw(水の単位重量)    =0.00kN", s.gammaW));
}

struct TableRow {
  const char* item;
  const char* title;
  double unitWeight;
};

void writeSlabSection(TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  const bool water = s.waterOn != 0;
  const bool colour = dc.index("RadioGroup10") == 0;
  const bool invertedT = s.wallType == 0;

  // 1. Point figure with the wall's vertex numbers.
  Chart& chart = r.chart("Chart12");
  auto series = [&](const char* name) -> Series& { return chart.seriesNamed(name); };
  series("Series48").colour = clBlack;
  series("Series48").labelColour = clBlack;
  for (const char* name : {"Series49", "Series50", "Series51", "Series57"}) {
    series(name).colour = colour ? clRed : clBlack;
  }
  for (const char* name : {"Series52", "Series53", "Series54", "Series58"}) {
    series(name).colour = colour ? clMaroon : clBlack;
  }
  series("Series55").colour = colour ? clAqua : clBlack;
  chart.titleColour = colour ? clMaroon : clBlack;
  prepareChart(s, chart);
  drawPolygon(itemProperties(s, "W_A"), series("Series48"));

  // 2. Coordinate blocks of the slab parts and the backfill over the heel.
  CoordinateBlocks blocks{r.grid("StringGrid5")};
  if (invertedT) {
    coordinateTable(s, "T_M", "つま先(M)", blocks, &series("Series49"));
    coordinateTable(s, "T_S", "つま先(S)", blocks, &series("Series50"));
  }
  coordinateTable(s, "K_M", "かかと(M)", blocks, &series("Series51"));
  coordinateTable(s, "K_S", "かかと(S)", blocks, &series("Series57"));
  if (water) {
    if (invertedT) {
      coordinateTable(s, "T_FM", "つま先浮力(M)", blocks, nullptr);
      coordinateTable(s, "T_FS", "つま先浮力(S)", blocks, nullptr);
    }
    coordinateTable(s, "K_FM", "かかと浮力(M)", blocks, nullptr);
    coordinateTable(s, "K_FS", "かかと浮力(S)", blocks, nullptr);
    drawWaterMark(s, series("Series55"));
  }
  coordinateTable(s, "KS_M", "背面土(M)", blocks, &series("Series54"));
  coordinateTable(s, "KS_S", "背面土(S)", blocks, &series("Series58"));
  if (water) {
    coordinateTable(s, "KS_FM", "背面土浮力(M)", blocks, nullptr);
    coordinateTable(s, "KS_FS", "背面土浮力(S)", blocks, nullptr);
  }

  // 3. The method and the unit weights.
  ListBox& box = r.listBox("ListBox21");
  box.lines.clear();
  for (const char* line :
       {"座標法により、荷重を求める。", "", "図形の折点(0,1,2...i,i+1,...N)の各座標",
        "値を(x[i],y[i])とすると", "  A (断面積)", "  Iy(y軸に関する断面1次ﾓｰﾒﾝﾄ)",
        "は、次式で求められる。", "  A = 1/2･Σ(xi1･yi-xi･yi1)",
        "  Iy=-1/2･Σ(yi1-yi){xi^2+1/3･(xi1-xi)(xi1+2･xi)}", "ここに", "  xi1=x[i+1] , xi=x[i]",
        "  yi1=y[i+1] , yi=y[i]", "", "W (重量)は,A×(単位重量)である。"}) {
    appendLine(box, line);
  }
  appendLine(box, formatNumber("  γc(ｺﾝｸﾘｰﾄ単位重量)  =0.00kN", s.gammaC));
  appendLine(box, formatNumber("  γ (土の単位重量)    =0.00kN", s.gammaS));
  if (water) appendLine(box, formatNumber("  γw(水の単位重量)    =0.00kN", s.gammaW));
  for (const char* line : {"なお", "  (M)は、ﾓｰﾒﾝﾄ計算用を示す。 ", "  (S)は、剪断力計算用を示す。",
                           "", "座標法による計算結果を下記に示す。"}) {
    appendLine(box, line);
  }

  // 4. One table row per item with a positive area.
  std::vector<TableRow> rows = {{"T_M", ".つま先版(M)　　", s.gammaC},
                                {"T_S", ".つま先版(S)　　", s.gammaC},
                                {"K_M", ".かかと版(M)　　", s.gammaC},
                                {"K_S", ".かかと版(S)　　", s.gammaC}};
  if (water) {
    rows.insert(rows.end(), {{"T_FM", ".つま先版浮力(M)", s.gammaW},
                             {"T_FS", ".つま先版浮力(S)", s.gammaW},
                             {"K_FM", ".かかと版浮力(M)", s.gammaW},
                             {"K_FS", ".かかと版浮力(S)", s.gammaW}});
  }
  rows.insert(rows.end(),
              {{"KS_M", ".背面土(M)　　　", s.gammaS}, {"KS_S", ".背面土(S)　　　", s.gammaS}});
  if (water) {
    rows.insert(rows.end(), {{"KS_FM", ".背面土浮力(M)　", kSoilWaterWeight},
                             {"KS_FS", ".背面土浮力(S)　", kSoilWaterWeight}});
  }
  StringGrid& grid = r.grid("StringGrid10");
  int written = 0;
  for (const TableRow& row : rows) {
    const ItemProperties p = itemProperties(s, row.item);
    if (!(p.area > 0)) continue;
    ++written;
    if (grid.rowCount() < written + 1) grid.setRowCount(written + 1);
    grid.setCell(0, written, blockNumber(written) + row.title);
    grid.setCell(1, written, formatNumber("0.00", p.area));
    grid.setCell(2, written, formatNumber("0.00", p.area * row.unitWeight));
    grid.setCell(3, written, formatNumber("0.00", p.area * p.x));
    grid.setCell(4, written, formatNumber("0.000", p.x));
  }
  grid.setRowCount(written + 1);
}

}  // namespace

void coordinateTable(TShape& s, std::string_view item, std::string_view title,
                     CoordinateBlocks& blocks, Series* series) {
  const ItemProperties p = itemProperties(s, item);
  const int n = p.pointCount - 1;
  if (n <= 0) {
    if (series) series->points.clear();
    return;
  }
  ++blocks.counter;
  StringGrid& grid = blocks.grid;
  const int first = blocks.nextRow;
  grid.setRowCount(first + n + 1);
  grid.setCell(0, first, blockNumber(blocks.counter) + "." + std::string(title));
  grid.setCell(1, first, "座標x(m)");
  grid.setCell(2, first, "座標y(m)");
  for (int k = 0; k < n; ++k) {
    grid.setCell(0, first + 1 + k, formatNumber("0", k));
    grid.setCell(1, first + 1 + k, formatNumber("0.000", p.points[k].x));
    grid.setCell(2, first + 1 + k, formatNumber("0.000", p.points[k].y));
  }
  blocks.nextRow = first + n + 1;
  if (series) drawPolygon(p, *series);
}

void drawWaterMark(const TTeisu& s, Series& series) {
  const double x6 = s.outlineX[6], B = s.outlineX[9], H1 = s.waterDepth;
  const double d = (B - x6) / 20, mid = (x6 + B) / 2;
  series.points.clear();
  for (auto [x, y] : {std::pair{x6 + (B - x6) / 3, H1},
                      {mid, H1},
                      {mid - d, H1 + 2 * d},
                      {mid + d, H1 + 2 * d},
                      {mid, H1},
                      {x6 + 2 * (B - x6) / 3, H1}}) {
    series.points.push_back({x, y, " ", std::nullopt});
  }
}

void writeSelfWeightReports(TAntei& s, const DesignConditions& dc, ResultsWindow& r) {
  writeStabilitySection(s, dc, r);
  writeSlabSection(s, dc, r);
}

int selfWeightSlabMemoTop(int wallType, bool waterOn) {
  return wallType == 0 && waterOn ? 88 : 112;
}

}  // namespace kovrel
