#include "results/results_window_setup.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace kovrel {
namespace {

std::vector<std::string> splitCommas(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  for (;;) {
    size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return items;
}

void setWidths(StringGrid& grid, std::initializer_list<int> widths) {
  grid.colWidths.assign(widths);
}

void headerRow(StringGrid& grid, int row, const std::vector<std::string>& items) {
  for (size_t col = 0; col < items.size() && int(col) < grid.colCount(); ++col) {
    grid.setCell(int(col), row, items[col]);
  }
}

// Column 0 captions; the grid gets exactly one row per caption.
void captionColumn(StringGrid& grid, const std::string& captions) {
  std::vector<std::string> items = splitCommas(captions);
  grid.setRowCount(int(items.size()));
  for (size_t row = 0; row < items.size(); ++row) grid.setCell(0, int(row), items[row]);
}

}  // namespace

void setUpSlabLoadTables(ResultsWindow& r, bool buoyancyInSlabs) {
  const std::string toeRows =
      buoyancyInSlabs ? "-,自　重,地盤反力,浮力,合計" : "-,自　重,地盤反力,合計";
  const std::string heelRows =
      buoyancyInSlabs ? "-,自　重,背面土,載荷重,鉛直土圧,地盤反力,背面土浮力,踵版浮力,合計"
                      : "-,自　重,背面土,載荷重,鉛直土圧,地盤反力,合計";
  const std::pair<const char*, const char*> slabTables[] = {
      {"StringGrid8", "つま先版,先端部,H/2部,V(kN),x(m),Vx(kNm)"},
      {"StringGrid13", "つま先版,先端部,付根部,V(kN),x(m),Vx(kNm)"},
      {"StringGrid9", "かかと版,先端部,H/2部,V(kN),x(m),Vx(kNm)"},
      {"StringGrid14", "かかと版,先端部,付根部,V(kN),x(m),Vx(kNm)"}};
  for (const auto& [name, head] : slabTables) {
    StringGrid& g = r.grid(name);
    bool toe = std::string(head).rfind("つま先版", 0) == 0;
    captionColumn(g, toe ? toeRows : heelRows);
    headerRow(g, 0, splitCommas(head));
  }
}

void setUpResultsWindow(ResultsWindow& r, bool buoyancyInSlabs) {
  r.pageControl("PageControl1").active = "TabSheet1";
  r.pageControl("PageControl7").active = "TabSheet19";
  r.pageControl("PageControl2").active = "TabSheet4";
  r.pageControl("PageControl3").active = "TabSheet11";
  r.pageControl("PageControl5").active = "TabSheet15";
  r.pageControl("PageControl6").active = "TabSheet17";

  setWidths(r.grid("StringGrid2"), {62, 50, 50});
  setWidths(r.grid("StringGrid5"), {90, 50, 50});
  setWidths(r.grid("StringGrid10"), {90, 50, 50, 50, 50});
  for (const char* g : {"StringGrid12", "StringGrid15", "StringGrid16"}) {
    setWidths(r.grid(g), {30, 30, 30, 30, 30, 35});
  }
  setWidths(r.grid("StringGrid6"), {55, 55, 55, 55, 55, 65, 65});
  for (const char* g : {"StringGrid8", "StringGrid13", "StringGrid9", "StringGrid14"}) {
    setWidths(r.grid(g), {54, 42, 42, 42, 42, 47});
  }
  setWidths(r.grid("StringGrid1"), {65, 68, 68, 68, 68});
  setWidths(r.grid("StringGrid4"), {80, 68, 68, 68, 68});
  for (const char* g : {"StringGrid3", "StringGrid11"}) setWidths(r.grid(g), {75, 70, 70});
  setWidths(r.grid("StringGrid7"), {80, 70, 70});

  headerRow(r.grid("StringGrid10"), 0, splitCommas("-,A(m2),W(kN),Iy(m3),X(m)"));
  headerRow(r.grid("StringGrid12"), 0, {"d(mm)", "300", "1,000", "3,000", "5,000", "10,000"});
  headerRow(r.grid("StringGrid12"), 1, splitCommas("Ce,1.4,1.0,0.7,0.6,0.5"));
  headerRow(r.grid("StringGrid15"), 0, splitCommas("Pt(%),0.1,0.2,0.3,0.5,1.0以上"));
  headerRow(r.grid("StringGrid15"), 1, splitCommas("Cpt,0.7,0.9,1.0,1.2,1.5"));
  headerRow(r.grid("StringGrid16"), 0, splitCommas("a/d,0.5,1.0,1.5,2.0,2.5"));
  headerRow(r.grid("StringGrid16"), 1, splitCommas("Cdc,6.4,4.0,2.5,1.6,1.0"));

  StringGrid& loads = r.grid("StringGrid6");
  captionColumn(loads,
                "区分,躯体重量,背面土,載荷重,主働土圧,受働土圧,水圧,浮力,風荷重,衝突荷重,合計");
  headerRow(loads, 0, splitCommas(",鉛直力V,水平力H,作用点x,作用点y,ﾓｰﾒﾝﾄV･x,ﾓｰﾒﾝﾄH･y"));
  loads.setCell(0, 0, "区分");

  setUpSlabLoadTables(r, buoyancyInSlabs);

  const char* stemHead = "-,H=1/4,H=2/4,H=3/4,固定部";
  captionColumn(r.grid("StringGrid1"),
                "断面力,計算位置,土圧水平力,土圧作用点,土圧ﾓｰﾒﾝﾄ,躯体重量,地震慣性力,地震作用点,"
                "地震ﾓｰﾒﾝﾄ,水圧水平力,水圧作用点,水圧ﾓｰﾒﾝﾄ,Σﾓｰﾒﾝﾄ,Σ剪断力");
  headerRow(r.grid("StringGrid1"), 0, splitCommas(stemHead));
  r.grid("StringGrid1").setCell(0, 0, "断面力");
  captionColumn(
      r.grid("StringGrid4"),
      "-,計算位置,たて壁厚,曲げﾓｰﾒﾝﾄ,剪断力(S),剪断力(Sh),必要鉄筋量,使用鉄筋量,"
      "鉄筋径@ﾋﾟｯﾁ,圧縮応力度,引張応力度,平均剪断応力度,許容剪断応力度,Ce,Pt(%):Cpt,判定");
  headerRow(r.grid("StringGrid4"), 0, splitCommas(stemHead));

  for (const char* name : {"StringGrid3", "StringGrid11", "StringGrid7"}) {
    StringGrid& g = r.grid(name);
    captionColumn(g,
                  "-,曲げﾓｰﾒﾝﾄ,剪断力,必要鉄筋量,使用鉄筋量,鉄筋径@ﾋﾟｯﾁ,圧縮応力度,引張応力度,"
                  "平均剪断応力度,判定");
    headerRow(g, 0, splitCommas("-,応力度等,許容応力度"));
  }
}

}  // namespace kovrel
