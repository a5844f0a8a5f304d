#include "app/report_page_layouts.h"

#include <stdexcept>

namespace kovrel {
namespace {

PageBlock text(const char* listBox, double left, double top, double pt = kReportFontPt) {
  return {PageBlock::Text, listBox, left, top, pt, {}, 0, 0, 0};
}
PageBlock label(const char* caption, double left, double top, double pt = kReportFontPt) {
  return {PageBlock::Label, caption, left, top, pt, {}, 0, 0, 0};
}
PageBlock table(const char* grid, double left, double top, const char* title, int heightPx = 0) {
  return {PageBlock::Table, grid, left, top, kReportFontPt, title, 0, 0, heightPx};
}
PageBlock figure(const char* chart, double left, double top, double width, double height,
                 const char* title) {
  return {PageBlock::Figure, chart, left, top, kReportFontPt, title, width, height, 0};
}

std::vector<ReportPageLayout> layouts() {
  std::vector<ReportPageLayout> pages;
  // The contents page: a larger heading further right, no page number.
  ReportPageLayout contents{"Form22", 14, 80.4, false, false, {text("ListBox20", 72.0, 46.6, 12)}};
  pages.push_back(contents);
  pages.push_back(
      {"Form16",
       kHeadingFontPt,
       kHeadingLeftMm,
       true,
       true,
       {text("ListBox7", 23.3, 25.4), text("ListBox10", 116.4, 143.9),
        figure("Chart3", 105.8, 23.3, 91.3, 116.7, "擁壁外形図(mm)"),
        table("StringGrid12", 124.4, 226.5, "Ce：部材断面の有効高dに関する補正係数", 50),
        table("StringGrid15", 124.4, 241.3, "Cpt：軸方向引張鉄筋比Ptに関する補正係数", 50),
        table("StringGrid16", 124.4, 256.1, "Cdc：せん断スパン比による割り増し係数", 50)}});
  auto page = [&pages](const char* form, std::vector<PageBlock> blocks) {
    pages.push_back({form, kHeadingFontPt, kHeadingLeftMm, false, true, std::move(blocks)});
  };
  page("Form11", {text("ListBox6", 27.5, 25.4), table("StringGrid2", 131.2, 25.4, "荷重座標一覧表"),
                  figure("Chart4", 25.4, 203.2, 76.5, 76.5, "点番号図")});
  page("Form23",
       {text("ListBox21", 27.5, 29.6), table("StringGrid10", 23.3, 105.8, "荷重計算結果一覧表"),
        table("StringGrid5", 135.5, 23.3, "荷重座標一覧表"),
        figure("Chart12", 39.7, 209.5, 76.5, 70.1, "点番号図")});
  page("Form17", {text("ListBox1", 29.6, 25.9), label("２．その他の荷重", 122.8, 25.9, 11),
                  text("ListBox2", 127.0, 31.8), table("StringGrid6", 29.6, 218.0, "荷重一覧"),
                  figure("Chart5", 25.4, 169.3, 89.2, 40.5, "すべり角～土圧")});
  page("Form12",
       {text("ListBox3", 25.4, 24.6), text("ListBox4", 25.4, 105.0), text("ListBox5", 25.4, 183.4),
        figure("Chart11", 116.4, 182.0, 80.7, 93.4, "地盤反力")});
  page("Form25", {text("ListBox23", 25.4, 24.6)});
  page("Form19", {label("荷重概要", 29.6, 200.3), text("ListBox12", 29.4, 205.8),
                  figure("Chart1", 25.4, 30.4, 171.7, 164.6, "荷重図(安定計算時)")});
  page("Form13", {text("ListBox8", 25.4, 25.4), text("ListBox19", 120.6, 52.9),
                  table("StringGrid1", 25.4, 196.8, "断面力")});
  page("Form20",
       {text("ListBox14", 25.4, 23.3), table("StringGrid4", 23.3, 205.3, "応力度及び配筋量"),
        figure("Chart10", 124.9, 23.3, 72.8, 61.6, "たて壁配筋")});
  page("Form21", {text("ListBox18", 25.4, 23.3), text("ListBox22", 25.4, 160.9),
                  figure("Chart6", 116.4, 69.6, 79.9, 83.1, "L1（高さ～必要鉄筋量）"),
                  figure("Chart9", 116.4, 167.0, 79.9, 83.1, "L2（高さ～引張応力度）")});
  page("Form14", {text("ListBox9", 23.3, 23.3), text("ListBox15", 114.3, 23.3),
                  table("StringGrid8", 20.4, 175.7, "断面力(剪断力:H/2部)"),
                  table("StringGrid13", 20.4, 201.1, "断面力(曲げﾓｰﾒﾝﾄ:たて壁付根部)"),
                  table("StringGrid3", 21.4, 226.5, "応力度及び配筋量"),
                  figure("Chart2", 21.2, 133.3, 84.9, 40.5, "図")});
  page("Form15",
       {text("ListBox11", 23.3, 23.3), table("StringGrid9", 101.6, 179.9, "断面力(剪断力)"),
        table("StringGrid14", 101.6, 230.7, "断面力(曲げﾓｰﾒﾝﾄ)"),
        figure("Chart7", 105.8, 127.0, 91.3, 38.4, "図")});
  page("Form26",
       {text("ListBox16", 25.4, 25.4), table("StringGrid11", 121.7, 201.1, "応力度及び配筋量")});
  page("Form18", {text("ListBox13", 23.3, 23.3), text("ListBox17", 118.5, 23.3),
                  table("StringGrid7", 123.8, 228.6, "表11：応力度及び配筋量"),
                  figure("Chart8", 25.4, 215.9, 89.2, 61.6, "図12")});
  return pages;
}

}  // namespace

const std::vector<ReportPageLayout>& reportPageLayouts() {
  static const std::vector<ReportPageLayout> pages = layouts();
  return pages;
}

const ReportPageLayout& reportPageLayout(std::string_view form) {
  for (const ReportPageLayout& page : reportPageLayouts()) {
    if (page.form == form) return page;
  }
  throw std::out_of_range("no report page \"" + std::string(form) + "\"");
}

std::vector<std::string> reportPrintOrder(const WallChoice& choice) {
  std::vector<std::string> order = {"Form22", "Form16", "Form11", "Form23", "Form17", "Form12",
                                    "Form25", "Form19", "Form13", "Form20", "Form21"};
  if (!choice.lWall) order.push_back("Form14");
  order.push_back("Form15");
  order.push_back("Form26");
  if (choice.shearKey) order.push_back("Form18");
  return order;
}

}  // namespace kovrel
