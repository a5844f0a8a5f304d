#include "app/pdf_export.h"

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include "app/pdf_report_pages.h"
#include "app/report_page_layouts.h"
#include "base/atomic_file.h"
#include "pdf/pdf_document.h"
#include "results/results_window_setup.h"

namespace kovrel {
namespace {

Series makeSeries(const char* name, Colour colour, std::vector<ChartPoint> points) {
  Series s;
  s.name = name;
  s.colour = colour;
  s.points = std::move(points);
  return s;
}

namespace fs = std::filesystem;

std::tm fixedTime() {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 0;
  t.tm_mday = 2;
  return t;
}

// A results window filled by hand the way a run fills it: Japanese report
// lines (with Shift-JIS bytes that look like "\" and half-width katakana),
// every grid and every chart.
ResultsWindow filledResults() {
  ResultsWindow r;
  setUpResultsWindow(r, false);
  for (const auto& [name, box] : r.listBoxes()) {
    ListBox& b = r.listBox(name);
    b.lines = {name + " 設計条件 H24擁壁工指針", "", "  表示能力 ｿﾌﾄ (ﾓｰﾒﾝﾄ) =1,234.57kNm",
               "    Mr(擁壁底面つま先回りの抵抗ﾓｰﾒﾝﾄ)  =512.30kNm"};
    for (int i = 0; i < 20; ++i)
      b.lines.push_back("  e=B/2-d        =" + std::to_string(i) + ".125m");
  }
  for (const auto& [name, grid] : r.grids()) {
    StringGrid& g = r.grid(name);
    for (int c = 1; c < g.colCount(); ++c) {
      for (int row = 1; row < g.rowCount(); ++row)
        g.setCell(c, row, std::to_string(c * 10 + row) + ".50");
    }
  }
  for (const auto& [name, chart] : r.charts()) {
    Chart& c = r.chart(name);
    c.left = {0, 10, "y"};
    c.bottom = {0, 10, "x(m)"};
    for (size_t k = 0; k < c.series.size(); ++k) {
      Series& s = c.series[k];
      s.colour = k % 2 ? clRed : clBlue;
      for (int i = 0; i <= 10; ++i) {
        s.points.push_back({double(i), 5 + 4 * std::sin(i + double(k)), i % 3 ? " " : "1,000", {}});
      }
    }
  }
  return r;
}

PdfReportSource source(const ResultsWindow& r, int wallType, bool key) {
  return {r, wallType, key, "擁壁サンプル", fixedTime()};
}

// Every content stream of a file, in page order (our streams hold no "endstream").
std::vector<std::string> streams(const std::string& file) {
  std::vector<std::string> out;
  for (size_t at = 0; (at = file.find("stream\r\n", at)) != std::string::npos;) {
    at += 8;
    const size_t end = file.find("\nendstream", at);
    out.push_back(file.substr(at, end - at));
    at = end + 10;
  }
  return out;
}

std::string tempPath(const std::string& name) {
  return (fs::temp_directory_path() / ("kovrel_pdf_" + std::to_string(::getpid()) + "_" + name))
      .string();
}

bool haveTool(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Standard output of a command, and its exit status.
std::string run(const std::string& command, int* status = nullptr) {
  std::string out;
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return out;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  int rc = ::pclose(p);
  if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  return out;
}

double number(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

std::vector<double> tdValues(const std::string& data, std::vector<double>* xs = nullptr) {
  std::vector<double> ys;
  std::regex td(R"(([-0-9.]+) ([-0-9.]+) Td\r)");
  for (auto it = std::sregex_iterator(data.begin(), data.end(), td); it != std::sregex_iterator();
       ++it) {
    if (xs) xs->push_back(number((*it)[1]));
    ys.push_back(number((*it)[2]));
  }
  return ys;
}

TEST(PdfExport, PageSetFollowsWallTypeAndShearKey) {
  const ResultsWindow r = filledResults();
  struct Case {
    int wallType;
    bool key;
    int pages;
    const char* lastHeading;
  };
  const Case cases[] = {
      {0, false, 14, "Ⅳ-2-3.構造計算:底版(かかと版)(鉄筋量、応力度)"},
      {0, true, 15, "Ⅳ-2-4.構造計算:底版(突起)"},
      {1, false, 13, "Ⅳ-2-2.構造計算:底版(かかと版)(鉄筋量、応力度)"},
      {1, true, 14, "Ⅳ-2-3.構造計算:底版(突起)"},
  };
  for (const Case& k : cases) {
    const std::string file = renderPdfReport(source(r, k.wallType, k.key));
    const std::vector<std::string> pages = streams(file);
    ASSERT_EQ(int(pages.size()), k.pages) << "wall type " << k.wallType << " key " << k.key;
    EXPECT_NE(file.find("/Count " + std::to_string(k.pages) + "\r\n"), std::string::npos);
    // Footers: none on the contents page; the last one shows the page count less 1.
    EXPECT_EQ(pages.front().find("Page: "), std::string::npos);
    EXPECT_NE(pages[1].find("(Page: 1) Tj"), std::string::npos);
    EXPECT_NE(pages.back().find("(Page: " + std::to_string(k.pages - 1) + ") Tj"),
              std::string::npos);
    const std::vector<PdfPage> report = pdfReportPages(k.wallType, k.key);
    ASSERT_EQ(int(report.size()), k.pages - 1);
    EXPECT_EQ(report.back().heading, k.lastHeading);
  }
}

// The PDF and the printed report hold the same pages in the same order, and
// each PDF page the very list boxes, grids and charts of its printed page, so
// the footer's page numbers match the contents for either wall type.
TEST(PdfExport, EveryPageHoldsWhatItsPrintedPageHolds) {
  for (int wallType : {0, 1}) {
    for (bool key : {false, true}) {
      std::vector<std::string> printed = reportPrintOrder({wallType == 1, key});
      ASSERT_EQ(printed.front(), "Form22");
      printed.erase(printed.begin());
      const std::vector<PdfPage> pages = pdfReportPages(wallType, key);
      ASSERT_EQ(pages.size(), printed.size());
      for (size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].form, printed[i]);
        std::multiset<std::string> pdfSources, printedSources;
        for (const PdfBlock& b : pages[i].blocks) pdfSources.insert(b.source);
        for (const PageBlock& b : reportPageLayout(printed[i]).blocks) {
          if (b.kind != PageBlock::Label) printedSources.insert(b.source);
        }
        EXPECT_EQ(pdfSources, printedSources) << pages[i].heading;
      }
    }
  }
}

TEST(PdfExport, TheFileIsRepeatableAndCarriesItsInformation) {
  const ResultsWindow r = filledResults();
  const std::string a = renderPdfReport(source(r, 0, true));
  EXPECT_EQ(a, renderPdfReport(source(r, 0, true)));
  EXPECT_NE(a.find("/CreationDate (D:20260102000000)"), std::string::npos);
  EXPECT_NE(a.find("/Author <" + infoHex("KVR") + ">"), std::string::npos);
  EXPECT_NE(a.find("/Title <" + infoHex("擁壁サンプル") + ">"), std::string::npos);
  EXPECT_NE(a.find("/Subject <" + infoHex("擁壁計算結果.pdf") + ">"), std::string::npos);
  EXPECT_NE(a.find("/Creator <" + infoHex("Dernholm Ver3.1") + ">"), std::string::npos);
  for (const std::string& page : streams(a)) {
    for (const char* bad : {"nan", "inf"}) EXPECT_EQ(page.find(bad), std::string::npos) << bad;
  }
}

TEST(PdfExport, BoxTextsOfTheCommand) {
  EXPECT_EQ(std::string(kPdfExportFileName), "擁壁計算結果.pdf");
  EXPECT_EQ(kPdfExportQuestion,
            (std::vector<std::string>{"計算結果をPDF出力しますか。", "", "出力ファイル名は",
                                      "　擁壁計算結果.pdf", "です。"}));
  EXPECT_EQ(std::string(kPdfExportDone), "擁壁計算結果.pdfを作成しました");
  EXPECT_EQ(kPdfExportOpenQuestion,
            (std::vector<std::string>{"[ 擁壁計算結果.pdf ]を表示しますか？", "",
                                      "(起動まで少し時間がかかります。)"}));
}

// One page's drawing, as the page routines write it.
template <class Draw>
std::string drawn(Draw draw) {
  std::ostringstream out;
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  doc.Contents().fontType = 6;
  PdfReportPages pages(doc);
  draw(pages);
  return doc.Contents().data();
}

TEST(PdfChartBlock, SeriesWithFewerThanTwoPointsDrawOnlyTitlesAndFrame) {
  Chart chart;
  chart.title = "地盤反力";
  chart.left = {0, 10, ""};
  chart.bottom = {0, 10, ""};
  chart.series.push_back(makeSeries("Series1", clRed, {{1, 1, "A", {}}}));
  chart.series.push_back(makeSeries("Series2", clRed, {}));
  const std::string data =
      drawn([&](PdfReportPages& p) { p.chartBlock(0, chart, 20, 50, 200, 100); });
  // L = 65, R = 265, B = 817 - 50 - 100 = 667, T = 767.
  const size_t clip =
      data.find("65 767 m\r0.75 w\r0 j\r0 0 0 RG \r65 667 l\r265 667 l\r265 767 l\rq\rW\rs\r");
  ASSERT_NE(clip, std::string::npos) << data;
  EXPECT_EQ(data.substr(clip).find(" l\rS"), std::string::npos) << "no series line";
  EXPECT_EQ(data.substr(data.size() - 2), "Q\r");
  EXPECT_EQ(tdValues(data).size(), 3u) << "title and two axis titles only";
  EXPECT_NE(data.find("65 770 Td"), std::string::npos) << "title at (L, T + 3)";
}

TEST(PdfChartBlock, LabelsOnShortSegmentsAlternateRaisedAndNormal) {
  Chart chart;
  chart.left = {0, 100, ""};
  chart.bottom = {0, 100, ""};
  // One point unit per point, labels 23 points wide; the points are spread so
  // that the raised and normal labels clear one another and none moves.
  Series s = makeSeries("Series1", clBlue, {});
  s.points = {{0, 50, "123456", {}},   // first: +2
              {40, 50, " ", {}},       // blank: drawn as nothing
              {45, 50, "123456", {}},  // short: raised
              {50, 50, "123456", {}},  // short, after a raised one: normal
              {50, 70, "123456", {}},  // vertical: never raised
              {90, 70, "123456", {}},  // long: never raised
              {92, 70, "", {}}};       // no label: nothing drawn
  chart.series.push_back(s);
  std::vector<double> xs;
  const std::string data =
      drawn([&](PdfReportPages& p) { p.chartBlock(0, chart, 0, 100, 100, 100); });
  std::vector<double> ys = tdValues(data, &xs);
  ASSERT_EQ(ys.size(), 3u + 5u);
  // B = 817 - 100 - 100 = 617; a point at y = 50 is at 667, at 70 at 687.
  const double expected[] = {667 + 2, 667 + 8, 667 + 1, 687 + 1, 687 + 1};
  const double pointX[] = {0, 45, 50, 50, 90};
  const double labelW = 6 * 479 * 8 / 1000.0;
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_NEAR(ys[3 + i], expected[i], 0.011) << "label " << i;
    EXPECT_NEAR(xs[3 + i], 45 + pointX[i] - labelW / 2, 0.011) << "label " << i;
  }
  auto strokes = [](const std::string& d) {
    size_t n = 0;
    for (size_t at = 0; (at = d.find(" l\rS", at)) != std::string::npos; ++at) ++n;
    return n;
  };
  Chart unlabelled = chart;
  for (ChartPoint& p : unlabelled.series[0].points) p.label = "";
  EXPECT_EQ(
      strokes(data),
      strokes(drawn([&](PdfReportPages& p) { p.chartBlock(0, unlabelled, 0, 100, 100, 100); })))
      << "no leader line";
  // Downward axis: y = 60 lies 60 points below T, by the mode or by the
  // chart's own inverted axis.
  chart.series[0].points = {{0, 60, "", {}}, {10, 60, "", {}}};
  const std::string down =
      drawn([&](PdfReportPages& p) { p.chartBlock(1, chart, 0, 100, 100, 100); });
  EXPECT_NE(down.find("45 657 m\r0 J\r0 0 1 RG \r0.2 w\r55 657 l\rS\rn\r"), std::string::npos)
      << down;
  chart.left.inverted = true;
  EXPECT_EQ(drawn([&](PdfReportPages& p) { p.chartBlock(0, chart, 0, 100, 100, 100); }), down);
}

// Five labels on segments of 5 under labels 23 wide: the raised/normal rule
// alone leaves every other label over its neighbour. The first two stay where
// the rule puts them; the others move to free rows inside the frame, each
// tied to its point by a leader, and no two labels' ink boxes meet.
TEST(PdfChartBlock, LabelsTheRuleLeavesOverlappingMoveApartWithLeaders) {
  Chart chart;
  chart.left = {0, 100, ""};
  chart.bottom = {0, 100, ""};
  Series s = makeSeries("Series1", clBlue, {});
  for (int i = 0; i < 5; ++i) s.points.push_back({20 + 5.0 * i, 50, "123456", {}});
  chart.series.push_back(s);
  std::vector<double> xs;
  const std::string data =
      drawn([&](PdfReportPages& p) { p.chartBlock(0, chart, 0, 100, 100, 100); });
  std::vector<double> ys = tdValues(data, &xs);
  ASSERT_EQ(ys.size(), 3u + 5u);
  const double labelW = 6 * 479 * 8 / 1000.0, ink = 0.75 * 8;
  EXPECT_NEAR(ys[3], 667 + 2, 0.011);
  EXPECT_NEAR(ys[4], 667 + 8, 0.011);
  int moved = 0;
  for (size_t i = 0; i < 5; ++i) {
    const double x = xs[3 + i], y = ys[3 + i];
    EXPECT_NEAR(x, 65 + 5.0 * i - labelW / 2, 0.011) << "label " << i << " keeps its column";
    EXPECT_TRUE(x >= 45 && x + labelW <= 145 && y >= 617 && y + ink <= 717)
        << "label " << i << " at (" << x << ", " << y << ") leaves the frame";
    for (size_t k = 0; k < i; ++k) {
      const double ox = xs[3 + k], oy = ys[3 + k];
      const bool apart = x >= ox + labelW - 1e-6 || ox >= x + labelW - 1e-6 ||
                         y >= oy + ink - 1e-6 || oy >= y + ink - 1e-6;
      EXPECT_TRUE(apart) << "labels " << k << " and " << i << " at y " << oy << " and " << y;
    }
    // The rule's heights: +2 first, then raised and normal by turns.
    const double ruled = 667 + (i == 0 ? 2 : i % 2 ? 8 : 1);
    if (std::fabs(y - ruled) > 0.011) {
      ++moved;
      const std::string from = std::to_string(65 + 5 * int(i)) + " 667 m\r";
      EXPECT_NE(data.find(from), std::string::npos) << "leader of label " << i;
    }
  }
  EXPECT_EQ(moved, 3);
}

TEST(PdfChartBlock, AnAxisWithoutRangeDrawsNoInfiniteCoordinates) {
  Chart chart;
  chart.title = "図";
  chart.series.push_back(makeSeries("S", clRed, {{0, 0, "1", {}}, {1, 1, "2", {}}}));
  chart.series.push_back(makeSeries("T", clRed, {{0, std::nan(""), "1", {}}, {1, 1, "2", {}}}));
  const std::string empty = drawn([&](PdfReportPages& p) { p.chartBlock(0, chart, 0, 0, 50, 50); });
  EXPECT_EQ(empty.find(" l\rS"), empty.rfind(" l\rS")) << "only the frame's path";
  chart.left = {0, 1, ""};
  chart.bottom = {0, 1, ""};
  const std::string data = drawn([&](PdfReportPages& p) { p.chartBlock(0, chart, 0, 0, 50, 50); });
  for (const std::string& d : {empty, data}) {
    EXPECT_EQ(d.find("nan"), std::string::npos);
    EXPECT_EQ(d.find("inf"), std::string::npos);
  }
  EXPECT_NE(data.find("45 767 m\r0 J\r1 0 0 RG \r0.2 w\r95 817 l\r"), std::string::npos)
      << "the finite series is drawn";
}

TEST(PdfListBlock, LinesStepByTheLeading) {
  ListBox box;
  box.lines = {"１．滑動に対する安定", "", "  Fs=2.505"};
  std::vector<double> xs;
  std::string data = drawn([&](PdfReportPages& p) { p.listBlock(20, 30, box, 9); });
  std::vector<double> ys = tdValues(data, &xs);
  ASSERT_EQ(ys.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_DOUBLE_EQ(xs[i], 65);
    EXPECT_NEAR(ys[i], 817 - 30 - 11.0 * double(i), 1e-9) << "line " << i;
  }
  EXPECT_NE(data.find("/F0 9 Tf\r0 0 0 rg \r11 TL\r"), std::string::npos);
  // At a scale, the size and the leading shrink together.
  ys = tdValues(drawn([&](PdfReportPages& p) { p.listBlock(20, 30, box, 9, 0.5); }));
  EXPECT_NEAR(ys[2] - ys[0], -11.0, 1e-9);
}

// Blocks whose contents would cross the frame or run into one another are
// fitted: a list set smaller, a table's rows closer, a figure moved up.
TEST(PdfPageFit, BlocksStayInsideTheFrameAndOffOneAnother) {
  ResultsWindow r = filledResults();
  // 60 lines from top 40 run 120 points into the figure below them.
  r.listBox("ListBox6").lines.assign(60, "  e=B/2-d        =0.125m");
  // A table of 68 rows at top 60 would need 952 points.
  r.grid("StringGrid5").setRowCount(68);
  PdfPage page{"Form11",
               "Ⅱ-1",
               {{PdfBlock::List, "ListBox6", 20, 40, 9, {}, 0, 0, 0},
                {PdfBlock::Table, "StringGrid5", 330, 60, 9, "表", 0, 0, 0},
                {PdfBlock::Figure, "Chart4", 20, 700, 0, {}, 0, 190, 190}}};
  std::ostringstream out;
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  doc.Contents().fontType = 6;
  PdfReportPages pages(doc);
  pages.fitPage(page, r);
  // The figure's bottom axis title stands 12 points under it: it moves up to
  // top 585, its title's ink reaching up to 575.
  EXPECT_NEAR(page.blocks[2].top + 190 + 12, 789 - 2, 1e-9) << "the figure moved up";
  // The list's last line at 40 + 59 x 11 s, its descent 1.08 s, ends above 575.
  EXPECT_NEAR(page.blocks[0].scale, 0.82, 1e-9);
  // 68 rows of 14 s from 60 end above 787.
  EXPECT_NEAR(page.blocks[1].scale, 0.76, 1e-9);
  const auto ink = pages.pageInk(page, r);
  const PageRect room = PdfReportPages::room();
  for (size_t i = 0; i < ink.size(); ++i) {
    for (const PageRect& a : ink[i]) {
      EXPECT_TRUE(a.left >= room.left && a.right <= room.right && a.top >= room.top &&
                  a.bottom <= room.bottom + 1e-9)
          << "block " << i << " at " << a.top << " .. " << a.bottom;
      for (size_t k = i + 1; k < ink.size(); ++k) {
        for (const PageRect& b : ink[k]) EXPECT_FALSE(overlaps(a, b)) << i << " meets " << k;
      }
    }
  }

  // A list that could clear the figure only below 60 % still stays inside
  // the frame, every line drawn, the last one just above its bottom.
  r.listBox("ListBox6").lines.assign(100, "  e=B/2-d        =0.125m");
  page.blocks[0].scale = 1;
  pages.fitPage(page, r);
  EXPECT_NEAR(page.blocks[0].scale, 0.68, 0.011);
  const std::string data = drawn([&](PdfReportPages& p) {
    p.listBlock(page.blocks[0].left, page.blocks[0].top, r.listBox("ListBox6"), 9,
                page.blocks[0].scale);
  });
  const std::vector<double> ys = tdValues(data);
  ASSERT_EQ(ys.size(), 100u);
  EXPECT_GT(ys.back(), 28 + 2);
  EXPECT_LT(ys.back(), 28 + 2 + 9);
}

TEST(PdfTableBlock, RulesAndCentredCells) {
  StringGrid g(2, 3);
  g.colWidths = {30, 50};
  g.setCell(0, 0, "-");
  g.setCell(1, 2, "12.50");
  std::vector<double> xs;
  const std::string data =
      drawn([&](PdfReportPages& p) { p.tableBlock(10, 100, "表:断面力", g, 9); });
  // X0 = 55, Y0 = 717, rows of 14 points, W = 80, H = 42.
  const std::string expectedRules =
      "55 703 m\r0 J\r0 0 0 RG \r1 w\r135 703 l\rS\rn\r"      // under the first row
      "55 717 m\r0 J\r0 0 0 RG \r0.75 w\r135 717 l\rS\rn\r";  // row rule 0
  EXPECT_EQ(data.rfind(expectedRules, 0), 0u) << data.substr(0, 200);
  EXPECT_NE(data.find("85 717 m\r0 J\r0 0 0 RG \r1 w\r85 675 l\r"), std::string::npos);
  EXPECT_NE(data.find("135 717 m\r0 J\r0 0 0 RG \r0.75 w\r135 675 l\r"), std::string::npos);
  std::vector<double> ys = tdValues(data, &xs);
  ASSERT_EQ(ys.size(), 1u + 6u);
  EXPECT_DOUBLE_EQ(xs[0], 55);
  EXPECT_DOUBLE_EQ(ys[0], 720);  // title at Y0 + 3
  // Cell (1, 2): centre of column 1 is 55 + 30 + 25; baseline Y0 - 3 x 14 + 3.
  const double w = 5 * 479 * 9 / 1000.0;
  EXPECT_NEAR(xs[6], 110 - w / 2, 0.011);
  EXPECT_NEAR(ys[6], 717 - 42 + 3, 1e-9);
  EXPECT_NE(data.find("(12.50) Tj"), std::string::npos);
}

TEST(PdfExport, AFailedWriteLeavesNoFile) {
  Session s;
  const std::string dir = tempPath("missing_dir");
  const std::string path = dir + "/擁壁計算結果.pdf";
  try {
    exportPdf(s, path);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
  }
  EXPECT_FALSE(fs::exists(path));

  // An existing file stays as it was when the new one cannot be written.
  const std::string keep = tempPath("keep.pdf");
  writeFileAtomically(keep, "old");
  fs::create_directories(keep + ".dir");
  EXPECT_THROW(exportPdf(s, keep + ".dir"), FileError);
  EXPECT_EQ(readWholeFile(keep), "old");
  fs::remove(keep);
  fs::remove_all(keep + ".dir");
}

TEST(PdfExport, DesktopCommandAsksWritesTellsAndOffersToOpen) {
  Session s;
  const std::string folder = tempPath("command");
  fs::create_directories(folder);
  const std::string path = folder + "/擁壁計算結果.pdf";
  std::vector<std::string> log;
  auto dialogs = [&](bool firstAnswer, bool openAnswer) {
    PdfExportDialogs d;
    d.askYesNo = [&log, firstAnswer, openAnswer](const std::vector<std::string>& lines) {
      log.push_back("ask " + lines.front());
      return lines == kPdfExportQuestion ? firstAnswer : openAnswer;
    };
    d.inform = [&log](const std::string& t) { log.push_back("inform " + t); };
    d.showError = [&log](const std::string& t) { log.push_back("error " + t); };
    d.openWithViewer = [&log](const std::string& p) { log.push_back("open " + p); };
    return d;
  };

  EXPECT_FALSE(runPdfExportCommand(s, dialogs(false, true), folder));
  EXPECT_EQ(log, std::vector<std::string>{"ask 計算結果をPDF出力しますか。"});
  EXPECT_FALSE(fs::exists(path)) << "No writes nothing";

  log.clear();
  EXPECT_TRUE(runPdfExportCommand(s, dialogs(true, true), folder));
  EXPECT_EQ(log, (std::vector<std::string>{
                     "ask 計算結果をPDF出力しますか。", "inform 擁壁計算結果.pdfを作成しました",
                     "ask [ 擁壁計算結果.pdf ]を表示しますか？", "open " + path}));
  EXPECT_EQ(readWholeFile(path).rfind("%PDF-1.2", 0), 0u);

  log.clear();
  const std::string missing = folder + "/no_such_folder";
  EXPECT_FALSE(runPdfExportCommand(s, dialogs(true, true), missing));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].rfind("error " + missing + "/擁壁計算結果.pdf", 0), 0u) << log[1];
  fs::remove_all(folder);
}

// The exported file read back by the standard PDF tools.
class PdfTools : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* tool : {"qpdf", "pdfinfo", "pdffonts", "pdftotext"}) {
      if (!haveTool(tool)) GTEST_SKIP() << tool << " is not installed";
    }
  }
  std::string write(const ResultsWindow& r, int wallType, bool key, const std::string& name) {
    const std::string path = tempPath(name);
    writeFileAtomically(path, renderPdfReport(source(r, wallType, key)));
    written_.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const std::string& p : written_) fs::remove(p);
  }
  std::vector<std::string> written_;
};

TEST_F(PdfTools, QpdfFindsNoErrorAndPdfinfoCountsThePages) {
  const ResultsWindow filled = filledResults();
  const ResultsWindow empty;
  struct Case {
    const ResultsWindow* r;
    int wallType;
    bool key;
    int pages;
  };
  const Case cases[] = {{&filled, 0, false, 14},
                        {&filled, 0, true, 15},
                        {&filled, 1, false, 13},
                        {&empty, 0, false, 14}};
  int i = 0;
  for (const Case& k : cases) {
    const std::string path = write(*k.r, k.wallType, k.key, "check" + std::to_string(i++) + ".pdf");
    int status = -1;
    const std::string check = run("qpdf --check '" + path + "' 2>&1", &status);
    EXPECT_EQ(status, 0) << check;
    EXPECT_NE(check.find("No syntax or stream encoding errors"), std::string::npos) << check;
    const std::string info = run("pdfinfo '" + path + "' 2>&1");
    EXPECT_NE(info.find("Pages:           " + std::to_string(k.pages) + "\n"), std::string::npos)
        << info;
    EXPECT_NE(info.find("PDF version:     1.2"), std::string::npos) << info;
  }
}

TEST_F(PdfTools, JapaneseFontAndTextComeBack) {
  const ResultsWindow r = filledResults();
  const std::string path = write(r, 0, false, "text.pdf");
  const std::string fonts = run("pdffonts '" + path + "' 2>&1");
  EXPECT_NE(fonts.find("CID TrueType"), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("90msp-RKSJ-H"), std::string::npos) << fonts;

  // Every line of every list box comes back from the page that carries it;
  // the extraction folds runs of spaces, so both sides are folded.
  auto fold = [](const std::string& t) {
    return std::regex_replace(std::regex_replace(t, std::regex(" +"), " "), std::regex("\n "),
                              "\n");
  };
  int pageNo = 1;
  for (const PdfPage& page : pdfReportPages(0, false)) {
    ++pageNo;
    const std::string text = fold(run("pdftotext -f " + std::to_string(pageNo) + " -l " +
                                      std::to_string(pageNo) + " -raw '" + path + "' - 2>&1"));
    EXPECT_NE(text.find(page.heading), std::string::npos) << text;
    for (const PdfBlock& b : page.blocks) {
      if (b.kind != PdfBlock::List) continue;
      for (const std::string& line : r.listBox(b.source).lines) {
        if (line.empty()) continue;
        EXPECT_NE(text.find(fold("\n" + line)), std::string::npos)
            << b.source << " on page " << pageNo << ": \"" << line << "\"";
      }
    }
  }
  const std::string contents = run("pdftotext -f 1 -l 1 -raw '" + path + "' - 2>&1");
  // The extraction gives the full-width spaces back as plain ones.
  EXPECT_TRUE(std::regex_search(contents, std::regex("目[ 　]+次"))) << contents;
}

TEST(PdfExport, WholeReportInMilliseconds) {
  const ResultsWindow r = filledResults();
  const auto start = std::chrono::steady_clock::now();
  std::string file;
  for (int i = 0; i < 5; ++i) file = renderPdfReport(source(r, 0, true));
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
      5;
  std::printf("whole PDF report (15 pages, %zu bytes): %.2f ms\n", file.size(), ms);
  EXPECT_LT(ms, 2000);
}

TEST(PdfCli, WritesThePdfOrFailsWithStatusFour) {
  const std::string path = tempPath("cli.pdf");
  int status = -1;
  run(std::string(KOVREL_CLI_PATH) + " --no-calc --pdf '" + path + "' 2>&1", &status);
  EXPECT_EQ(status, 0);
  const std::string file = readWholeFile(path);
  EXPECT_EQ(file.rfind("%PDF-1.2 \r\n", 0), 0u);
  EXPECT_EQ(file.substr(file.size() - 7), "%%EOF\r\n");
  fs::remove(path);

  const std::string bad = tempPath("no_such_dir") + "/out.pdf";
  const std::string err =
      run(std::string(KOVREL_CLI_PATH) + " --no-calc --pdf '" + bad + "' 2>&1", &status);
  EXPECT_EQ(status, 4) << err;
  EXPECT_NE(err.find(bad), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(bad));

  run(std::string(KOVREL_CLI_PATH) + " --pdf 2>&1", &status);
  EXPECT_EQ(status, 64) << "--pdf needs a path";
}

}  // namespace
}  // namespace kovrel
