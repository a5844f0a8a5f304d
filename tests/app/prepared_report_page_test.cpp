#include "app/prepared_report_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/pdf_report_pages.h"
#include "app/report_page_layouts.h"
#include "app/start_up.h"
#include "conditions/control_input.h"
#include "run/calculation.h"

namespace kovrel {
namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

// A session run as `kovrel-cli --set ...` runs it.
Session ran(const Settings& settings) {
  Session s;
  startUp(s);
  for (const auto& [name, value] : settings) applyControlInput(s.conditions, name, value);
  EXPECT_EQ(runCalculation(s), RunStatus::Finished);
  return s;
}

const Settings kLWall = {{"PageControl2", "1"}};
const Settings kKey = {
    {"RadioGroup2", "1"}, {"Edit35", "2500"}, {"Edit40", "500"}, {"Edit41", "500"}};
const Settings kSeismic = {{"RadioGroup5", "1"}, {"Form9.RadioGroup4", "1"}, {"Edit61", "0.2"}};
const Settings kWaterAndBuoyancy = {
    {"CheckBox3", "1"}, {"Edit62", "1.5"}, {"ComboBox8", "9.8"}, {"CheckBox2", "1"}};
const Settings kEmbankment = {{"TabControl1", "2"}, {"ComboBox1", "1.5"}, {"Edit28", "2000"}};
const Settings kSlope = {{"TabControl1", "1"}, {"ComboBox1", "1.5"}};

Settings operator+(Settings a, const Settings& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ReportPrintOrder, PagesByWallTypeAndKey) {
  const std::vector<std::string> first = {"Form22", "Form16", "Form11", "Form23",
                                          "Form17", "Form12", "Form25", "Form19",
                                          "Form13", "Form20", "Form21"};
  auto with = [&first](std::vector<std::string> slab) {
    std::vector<std::string> all = first;
    all.insert(all.end(), slab.begin(), slab.end());
    return all;
  };
  EXPECT_EQ(reportPrintOrder({false, false}), with({"Form14", "Form15", "Form26"}));
  EXPECT_EQ(reportPrintOrder({false, true}), with({"Form14", "Form15", "Form26", "Form18"}));
  EXPECT_EQ(reportPrintOrder({true, false}), with({"Form15", "Form26"}));
  EXPECT_EQ(reportPrintOrder({true, true}), with({"Form15", "Form26", "Form18"}));
  EXPECT_EQ(reportPageLayouts().size(), 15u);
  EXPECT_THROW(reportPageLayout("Form99"), std::out_of_range);
}

// Every block takes what its source holds: the lines of its list box, every
// cell of its grid, every series of its chart; the heading and number come
// from the results window's report page.
TEST(PreparedReportPage, EveryPageFillsFromItsSources) {
  const Session s = ran(kKey);
  const ResultsWindow& r = s.results;
  for (const ReportPageLayout& layout : reportPageLayouts()) {
    const PreparedPage page = prepareReportPage(r, layout.form);
    EXPECT_EQ(page.heading, r.reportPage(layout.form).heading);
    ASSERT_EQ(page.blocks.size(), layout.blocks.size()) << layout.form;
    for (size_t i = 0; i < page.blocks.size(); ++i) {
      const PreparedBlock& b = page.blocks[i];
      switch (b.kind) {
        case PageBlock::Text:
          EXPECT_EQ(b.lines, r.listBox(b.source).lines) << b.source;
          EXPECT_NEAR(b.memoHeightMm,
                      pixelsToMm((b.fontPt == 12 ? 16.0 : 13.0) * (b.lines.size() + 2)), 1e-9)
              << b.source;
          break;
        case PageBlock::Table: {
          const StringGrid& g = r.grid(b.source);
          const Series& text = b.chart.series[kTableTextSeries];
          ASSERT_EQ(int(text.points.size()), g.colCount() * g.rowCount()) << b.source;
          EXPECT_EQ(text.points.back().label, g.cell(g.colCount() - 1, g.rowCount() - 1));
          break;
        }
        case PageBlock::Figure: {
          const Chart& source = r.chart(b.source);
          ASSERT_EQ(b.chart.series.size(), source.series.size()) << b.source;
          for (size_t i = 0; i < source.series.size(); ++i) {
            EXPECT_EQ(b.chart.series[i].points.size(), source.series[i].points.size());
          }
          // The page's figure keeps its own title.
          EXPECT_EQ(b.chart.title, layout.blocks[i].title);
          break;
        }
        case PageBlock::Label:
          ASSERT_EQ(b.lines.size(), 1u);
          break;
      }
    }
  }
  EXPECT_EQ(prepareReportPage(r, "Form22").number, "") << "the contents page has none";
  EXPECT_EQ(prepareReportPage(r, "Form16").number, "1");
  EXPECT_EQ(prepareReportPage(r, "Form18").number, "P14");
  EXPECT_EQ(prepareReportPage(r, "Form17").blocks[1].lines,
            std::vector<std::string>{"２．その他の荷重"});
}

// The base-slab pages are headed and numbered in print order, matching the
// contents: the key's page of an L wall is the third base-slab section.
TEST(PreparedReportPage, BaseSlabHeadingsFollowTheContents) {
  const Session l = ran(kLWall + kKey);
  EXPECT_EQ(prepareReportPage(l.results, "Form15").heading, "Ⅳ-2-1．構造計算：底版(かかと版)");
  EXPECT_EQ(prepareReportPage(l.results, "Form26").heading,
            "Ⅳ-2-2．構造計算：底版(かかと版)(鉄筋量及び応力度)");
  EXPECT_EQ(prepareReportPage(l.results, "Form18").heading, "Ⅳ-2-3．構造計算：底版(突起)");
  EXPECT_EQ(prepareReportPage(l.results, "Form26").number, "P12");
  EXPECT_EQ(prepareReportPage(l.results, "Form18").number, "P13");
  const std::vector<std::string>& contents = l.results.listBox("ListBox20").lines;
  EXPECT_NE(
      std::find(contents.begin(), contents.end(), "     3.突起                    ・・・・P13"),
      contents.end());
}

struct Wall {
  std::string name;
  Session session;
};

// The walls whose report runs longest: lists grown by water, buoyancy and
// seismic lines, the structural coordinate table at 68 rows under an
// embankment with water, the unstable-slope notes of a seismic slope; and
// the results window before any calculation, whose grids have no widths yet.
std::vector<Wall> tallestWalls() {
  std::vector<Wall> walls;
  walls.push_back({"default", ran({})});
  walls.push_back({"L wall, key, water and buoyancy", ran(kLWall + kKey + kWaterAndBuoyancy)});
  walls.push_back({"seismic, water and buoyancy", ran(kSeismic + kWaterAndBuoyancy)});
  walls.push_back({"embankment and water", ran(kEmbankment + kWaterAndBuoyancy)});
  walls.push_back({"seismic slope", ran(kSeismic + kSlope)});
  walls.push_back(
      {"key, seismic, embankment, water", ran(kKey + kSeismic + kEmbankment + kWaterAndBuoyancy)});
  Session before;
  startUp(before);
  walls.push_back({"before any calculation", std::move(before)});
  return walls;
}

std::string where(const PageRect& r) {
  std::ostringstream out;
  out << "(" << r.left << ", " << r.top << ") .. (" << r.right << ", " << r.bottom << ")";
  return out.str();
}

// Nothing on a printed sheet crosses the frame or the footer, and no block
// meets another; a block set smaller to fit stays readable.
TEST(PreparedReportPage, TheTallestRealCasesStayInsideTheFrameAndOffOneAnother) {
  const PageRect room = reportRoomMm();
  double smallest = 1;
  for (const Wall& wall : tallestWalls()) {
    const Session& s = wall.session;
    for (const std::string& form : reportPrintOrder(wallChoiceOf(s.conditions))) {
      const PreparedPage page = prepareReportPage(s.results, form);
      std::vector<std::vector<PageRect>> ink;
      for (const PreparedBlock& b : page.blocks) {
        ink.push_back(blockInkMm(b));
        if (b.scale < 1) {
          std::printf("%s, %s: %s set at %.0f %%\n", wall.name.c_str(), form.c_str(),
                      b.source.c_str(), b.scale * 100);
        }
        smallest = std::min(smallest, b.scale);
      }
      for (size_t i = 0; i < ink.size(); ++i) {
        for (const PageRect& a : ink[i]) {
          EXPECT_TRUE(a.left >= room.left && a.right <= room.right && a.top >= room.top &&
                      a.bottom <= room.bottom + 1e-9)
              << wall.name << ", " << form << ": " << page.blocks[i].source << " at " << where(a);
          for (size_t k = i + 1; k < ink.size(); ++k) {
            for (const PageRect& b : ink[k]) {
              EXPECT_FALSE(overlaps(a, b))
                  << wall.name << ", " << form << ": " << page.blocks[i].source << " " << where(a)
                  << " meets " << page.blocks[k].source << " " << where(b);
            }
          }
        }
      }
    }
  }
  EXPECT_GE(smallest, 0.8);
}

// The same for the PDF export's pages.
TEST(PdfPageFit, TheTallestRealCasesStayInsideTheFrameAndOffOneAnother) {
  const PageRect room = PdfReportPages::room();
  std::ostringstream out;
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  doc.Contents().fontType = 6;
  PdfReportPages pdf(doc);
  double smallest = 1;
  for (const Wall& wall : tallestWalls()) {
    const Session& s = wall.session;
    const WallChoice choice = wallChoiceOf(s.conditions);
    for (PdfPage& page : pdfReportPages(choice.lWall ? 1 : 0, choice.shearKey)) {
      pdf.fitPage(page, s.results);
      const auto ink = pdf.pageInk(page, s.results);
      for (size_t i = 0; i < ink.size(); ++i) {
        if (page.blocks[i].scale < 1) {
          std::printf("PDF %s, %s: %s set at %.0f %%\n", wall.name.c_str(), page.heading.c_str(),
                      page.blocks[i].source.c_str(), page.blocks[i].scale * 100);
        }
        smallest = std::min(smallest, page.blocks[i].scale);
        for (const PageRect& a : ink[i]) {
          EXPECT_TRUE(a.left >= room.left && a.right <= room.right && a.top >= room.top &&
                      a.bottom <= room.bottom + 1e-9)
              << wall.name << ", " << page.heading << ": " << page.blocks[i].source << " at "
              << where(a);
          for (size_t k = i + 1; k < ink.size(); ++k) {
            for (const PageRect& b : ink[k]) {
              EXPECT_FALSE(overlaps(a, b))
                  << wall.name << ", " << page.heading << ": " << page.blocks[i].source << " "
                  << where(a) << " meets " << page.blocks[k].source << " " << where(b);
            }
          }
        }
      }
    }
  }
  EXPECT_GE(smallest, 0.75);
}

}  // namespace
}  // namespace kovrel
