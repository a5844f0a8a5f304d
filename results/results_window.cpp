#include "results/results_window.h"

#include <algorithm>
#include <stdexcept>

namespace kovrel {

void StringGrid::resize(int colCount, int rowCount) {
  if (colCount < 0 || rowCount < 0) throw std::invalid_argument("negative grid size");
  std::vector<std::string> cells(size_t(colCount) * size_t(rowCount));
  for (int r = 0; r < std::min(rowCount, rowCount_); ++r) {
    for (int c = 0; c < std::min(colCount, colCount_); ++c) {
      cells[size_t(r) * colCount + c] = std::move(cells_[size_t(r) * colCount_ + c]);
    }
  }
  cells_ = std::move(cells);
  colCount_ = colCount;
  rowCount_ = rowCount;
}

const std::string& StringGrid::cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) {
    throw std::out_of_range("grid cell [" + std::to_string(col) + "," + std::to_string(row) +
                            "] outside " + std::to_string(colCount_) + " x " +
                            std::to_string(rowCount_));
  }
  return cells_[size_t(row) * colCount_ + col];
}

void StringGrid::setCell(int col, int row, std::string text) {
  const_cast<std::string&>(cell(col, row)) = std::move(text);
}

Series& Chart::seriesNamed(std::string_view seriesName) {
  for (Series& s : series) {
    if (s.name == seriesName) return s;
  }
  throw std::out_of_range(name + " has no series \"" + std::string(seriesName) + "\"");
}

const Series& Chart::seriesNamed(std::string_view seriesName) const {
  return const_cast<Chart*>(this)->seriesNamed(seriesName);
}

void Chart::clear() {
  for (Series& s : series) s.points.clear();
}

namespace {

template <class Map>
auto& lookup(Map& map, std::string_view name, const char* what) {
  auto it = map.find(name);
  if (it == map.end()) {
    throw std::out_of_range(std::string("the results window has no ") + what + " \"" +
                            std::string(name) + "\"");
  }
  return it->second;
}

struct ChartDesign {
  const char* name;
  const char* title;
  int width, height;
  std::vector<std::pair<const char*, const char*>> series;  // name, title
};

}  // namespace

ResultsWindow::ResultsWindow() {
  for (int i = 1; i <= 23; ++i) listBoxes_["ListBox" + std::to_string(i)];

  // Grids at their design sizes (columns, rows); the set-up and the writers
  // adjust the row counts.
  const std::pair<const char*, std::pair<int, int>> grids[] = {
      {"StringGrid1", {5, 14}}, {"StringGrid2", {3, 2}},   {"StringGrid3", {3, 10}},
      {"StringGrid4", {5, 16}}, {"StringGrid5", {3, 2}},   {"StringGrid6", {7, 11}},
      {"StringGrid7", {3, 10}}, {"StringGrid8", {6, 4}},   {"StringGrid9", {6, 7}},
      {"StringGrid10", {5, 2}}, {"StringGrid11", {3, 10}}, {"StringGrid12", {6, 2}},
      {"StringGrid13", {6, 4}}, {"StringGrid14", {6, 7}},  {"StringGrid15", {6, 2}},
      {"StringGrid16", {6, 2}}};
  for (const auto& [name, size] : grids) grids_.emplace(name, StringGrid(size.first, size.second));

  const ChartDesign charts[] = {
      {"Chart1",
       "荷重図(安定計算時)",
       641,
       480,
       {{"Series1", "擁壁"},
        {"Series2", "地盤反力"},
        {"Series5", "すべり面"},
        {"Series6", "載荷重"},
        {"Series4", "地表"},
        {"Series13", "土圧"},
        {"Series20", "水圧"},
        {"Series10", "中央1/3点"},
        {"Series11", "中央1/3点"},
        {"Series3", "土圧作用点"},
        {"Series9", "Ph作用点"},
        {"Series12", "Pv作用点"},
        {"Series16", ""}}},
      {"Chart2", "図", 298, 117, {{"Series32", ""}, {"Series33", ""}, {"Series34", ""}}},
      {"Chart3",
       "擁壁外形図(mm)",
       417,
       449,
       {{"Series14", ""},
        {"Series21", ""},
        {"Series22", ""},
        {"Series23", ""},
        {"Series24", ""},
        {"Series25", ""},
        {"Series26", ""},
        {"Series27", ""},
        {"Series28", ""},
        {"Series29", ""},
        {"Series30", ""},
        {"Series40", ""}}},
      {"Chart4",
       "点番号図",
       327,
       433,
       {{"Series17", ""}, {"Series41", ""}, {"Series42", ""}, {"Series18", ""}}},
      {"Chart5", "すべり角～土圧図", 217, 248, {{"Series8", ""}, {"Series56", ""}}},
      {"Chart6", "L1(高さ～必要鉄筋量)", 355, 388, {{"Series15", "必要鉄筋量"}, {"Series31", ""}}},
      {"Chart7", "図", 298, 162, {{"Series36", ""}, {"Series37", ""}, {"Series38", ""}}},
      {"Chart8", "図", 279, 205, {{"Series35", ""}, {"Series39", ""}, {"Series43", ""}}},
      {"Chart9", "L2(高さ～引張応力度)", 355, 388, {{"Series7", ""}, {"Series44", ""}}},
      {"Chart10", "図:たて壁鉄配筋", 357, 390, {{"Series45", ""}, {"Series46", ""}}},
      {"Chart11", "地盤反力", 386, 225, {{"Series19", ""}, {"Series47", ""}}},
      {"Chart12",
       "点番号図",
       327,
       433,
       {{"Series48", ""},
        {"Series49", ""},
        {"Series50", ""},
        {"Series51", ""},
        {"Series52", ""},
        {"Series53", ""},
        {"Series54", ""},
        {"Series55", ""},
        {"Series57", ""},
        {"Series58", ""}}},
  };
  for (const ChartDesign& design : charts) {
    Chart& c = charts_[design.name];
    c.name = design.name;
    c.title = design.title;
    c.width = design.width;
    c.height = design.height;
    for (const auto& [name, title] : design.series) {
      Series s;
      s.name = name;
      s.title = title;
      c.series.push_back(std::move(s));
    }
  }
  // The anchorage figures measure depth below the wall top, downwards.
  charts_["Chart6"].left.inverted = true;
  charts_["Chart9"].left.inverted = true;

  const std::pair<const char*, const char*> groupBoxes[] = {
      {"GroupBox1", "３．荷重一覧"},
      {"GroupBox2", "１．自重計算"},
      {"GroupBox3", "鉄筋量、応力度の計算"},
      {"GroupBox4", "断面力、応力度"},
      {"GroupBox5", "２．その他の荷重"},
      {"GroupBox6", "鉄筋量、応力度"},
      {"GroupBox7", "設計条件"},
      {"GroupBox8", "擁壁形状(mm)"},
      {"GroupBox9", "断面力一覧表"},
      {"GroupBox10", "【荷重概要】"},
      {"GroupBox11", "摘要"},
      {"GroupBox12", "鉄筋量、応力度一覧表"},
      {"GroupBox13", ""},
      {"GroupBox14", ""},
      {"GroupBox15", "断面力、応力度"},
      {"GroupBox16", ""},
      {"GroupBox17", "断面力"},
      {"GroupBox18", "断面力"},
      {"GroupBox20", "１．土圧"},
      {"GroupBox21", "鉄筋量、応力度"},
      {"GroupBox22", "２．転倒に対する安定"},
      {"GroupBox23", "３．支持力に対する安定"},
      {"GroupBox24", "１．滑動に対する安定"},
      {"GroupBox25", "2．座標"},
      {"GroupBox26", "定着位置の計算"},
      {"GroupBox27", "地盤反力"},
      {"GroupBox28", "１．自重計算"},
      {"GroupBox29", "鉄筋定着長"},
      {"GroupBox30", "断面力の計算"},
      {"GroupBox31", "2．座標"},
      {"GroupBox32", "Ce：Cpt：Cdcの補正係数表"},
      {"GroupBox33", "４．鉛直支持力の照査"},
      {"GroupBox34", ""},
  };
  for (const auto& [name, caption] : groupBoxes) groupBoxes_[name].caption = caption;

  const std::pair<const char*, const char*> sheets[] = {{"TabSheet9", "Ⅰ．設計条件"},
                                                        {"TabSheet1", "Ⅱ-1．荷重計算"},
                                                        {"TabSheet3", "Ⅱ-3．荷重計算"},
                                                        {"TabSheet2", "Ⅲ-1．安定計算"},
                                                        {"TabSheet7", "Ⅲ-2.荷重図"},
                                                        {"TabSheet5", "Ⅳ-1．構造(たて壁)"},
                                                        {"TabSheet10", "Ⅳ-2．構造(底版)"},
                                                        {"TabSheet19", "Ⅱ-1．安定計算用"},
                                                        {"TabSheet20", "Ⅱ-2．底版構造計算用"},
                                                        {"TabSheet4", "断面力"},
                                                        {"TabSheet8", "鉄筋量、応力度"},
                                                        {"TabSheet14", "定着位置"},
                                                        {"TabSheet11", "つま先版"},
                                                        {"TabSheet12", "かかと版"},
                                                        {"TabSheet13", "突起"},
                                                        {"TabSheet6", "フォントサイズ"},
                                                        {"TabSheet21", "目次"},
                                                        {"TabSheet22", "設計条件"},
                                                        {"TabSheet15", "一覧表"},
                                                        {"TabSheet16", "図"},
                                                        {"TabSheet17", "L1"},
                                                        {"TabSheet18", "L2"}};
  for (const auto& [name, caption] : sheets) tabSheets_[name].caption = caption;

  const std::pair<const char*, std::vector<std::string>> controls[] = {
      {"PageControl1",
       {"TabSheet9", "TabSheet1", "TabSheet3", "TabSheet2", "TabSheet7", "TabSheet5",
        "TabSheet10"}},
      {"PageControl7", {"TabSheet19", "TabSheet20"}},
      {"PageControl2", {"TabSheet4", "TabSheet8", "TabSheet14"}},
      {"PageControl3", {"TabSheet11", "TabSheet12", "TabSheet13"}},
      {"PageControl4", {"TabSheet6"}},
      {"PageControl5", {"TabSheet15", "TabSheet16"}},
      {"PageControl6", {"TabSheet17", "TabSheet18"}},
      {"PageControl8", {"TabSheet21", "TabSheet22"}}};
  // Report pages as designed; the wall type sets the base-slab pages.
  const std::pair<const char*, ReportPage> reportPages[] = {
      {"Form22", {"目　　次", ""}},
      {"Form16", {"Ⅰ．設計条件", "1"}},
      {"Form11", {"Ⅱ-1．荷重計算(自重：安定計算用)", "2"}},
      {"Form23", {"Ⅱ-2．荷重計算(自重：構造計算用)", "3"}},
      {"Form17", {"Ⅱ-3．荷重計算(土圧等)", "4"}},
      {"Form12", {"Ⅲ-1．安定計算", "5"}},
      {"Form25", {"Ⅲ-1．安定計算（極限支持力）", "6"}},
      {"Form19", {"Ⅲ-2．荷重図", "7"}},
      {"Form13", {"Ⅳ-1-1．構造計算：たて壁(断面力)", "8"}},
      {"Form20", {"Ⅳ-1-2．構造計算：たて壁(鉄筋量及び応力度)", "9"}},
      {"Form21", {"Ⅳ-1-3．構造計算：たて壁(鉄筋定着長)", "10"}},
      {"Form14", {"", ""}},
      {"Form15", {"", ""}},
      {"Form26", {"Ⅳ-2-3．構造計算：底版(かかと版)(鉄筋量及び応力度)", "11"}},
      {"Form18", {"", ""}}};
  for (const auto& [name, page] : reportPages) reportPages_[name] = page;

  for (const auto& [name, pages] : controls) {
    PageControl& pc = pageControls_[name];
    pc.pages = pages;
    pc.active = pages.front();
  }

  // The texts the window was designed with, named after the group they sit
  // in and their order there.
  const std::pair<const char*, const char*> labels[] = {
      {"GroupBox11.Label1", "◎土塊上の載荷重、雪荷重は土圧に含む"},
      {"GroupBox11.Label2", "◎載荷重には、仮想背面上の載荷重及び雪荷重を含む"},
      {"GroupBox11.Label3", "◎水平力の合計値には、受働土圧を含まない"},
      {"GroupBox32.Label1", "Ce：部材断面の有効高dの補正係数"},
      {"GroupBox32.Label2", "Cpt：軸方向引張鉄筋比Ptの補正係数"},
      {"GroupBox32.Label3", "Cdc：剪断ｽﾊﾟﾝ比による割り増し係数"}};
  for (const auto& [name, caption] : labels) labels_[name].caption = caption;

  // The label font sizes of the outline figure's dimensions and of the load
  // diagram's values.
  TrackBar& outline = trackBars_["TrackBar2"];
  outline.chart = "Chart3";
  outline.series = {"Series23", "Series24", "Series25", "Series26", "Series27",
                    "Series28", "Series29", "Series30", "Series40"};
  TrackBar& loads = trackBars_["TrackBar1"];
  loads.chart = "Chart1";
  loads.series = {"Series2", "Series3", "Series5", "Series6", "Series9", "Series12", "Series13"};
}

ListBox& ResultsWindow::listBox(std::string_view n) {
  return lookup(listBoxes_, n, "list box");
}
const ListBox& ResultsWindow::listBox(std::string_view n) const {
  return lookup(listBoxes_, n, "list box");
}
StringGrid& ResultsWindow::grid(std::string_view n) {
  return lookup(grids_, n, "grid");
}
const StringGrid& ResultsWindow::grid(std::string_view n) const {
  return lookup(grids_, n, "grid");
}
Chart& ResultsWindow::chart(std::string_view n) {
  return lookup(charts_, n, "chart");
}
const Chart& ResultsWindow::chart(std::string_view n) const {
  return lookup(charts_, n, "chart");
}
GroupBox& ResultsWindow::groupBox(std::string_view n) {
  return lookup(groupBoxes_, n, "group box");
}
const GroupBox& ResultsWindow::groupBox(std::string_view n) const {
  return lookup(groupBoxes_, n, "group box");
}
TabSheet& ResultsWindow::tabSheet(std::string_view n) {
  return lookup(tabSheets_, n, "page");
}
const TabSheet& ResultsWindow::tabSheet(std::string_view n) const {
  return lookup(tabSheets_, n, "page");
}
PageControl& ResultsWindow::pageControl(std::string_view n) {
  return lookup(pageControls_, n, "page control");
}
const PageControl& ResultsWindow::pageControl(std::string_view n) const {
  return lookup(pageControls_, n, "page control");
}

ReportPage& ResultsWindow::reportPage(std::string_view n) {
  return lookup(reportPages_, n, "report page");
}
const ReportPage& ResultsWindow::reportPage(std::string_view n) const {
  return lookup(reportPages_, n, "report page");
}

FixedLabel& ResultsWindow::label(std::string_view n) {
  return lookup(labels_, n, "label");
}
const FixedLabel& ResultsWindow::label(std::string_view n) const {
  return lookup(labels_, n, "label");
}
TrackBar& ResultsWindow::trackBar(std::string_view n) {
  return lookup(trackBars_, n, "track bar");
}
const TrackBar& ResultsWindow::trackBar(std::string_view n) const {
  return lookup(trackBars_, n, "track bar");
}

void moveTrackBar(ResultsWindow& results, std::string_view name, int position) {
  TrackBar& bar = results.trackBar(name);
  bar.position = std::clamp(position, bar.minimum, bar.maximum);
  Chart& chart = results.chart(bar.chart);
  for (const std::string& series : bar.series) {
    chart.seriesNamed(series).labelFontSize = bar.position;
  }
}

}  // namespace kovrel
