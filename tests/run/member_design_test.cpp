// The member design end to end through the calculation command: every member
// page of the default wall, an L wall with a key, water and buoyancy in the
// slab design, the seismic case, and the gate that clears the pages.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/summary.h"
#include "conditions/allowable_stresses.h"
#include "results/number_picture.h"
#include "run/calculation.h"
#include "run/session.h"

namespace kovrel {
namespace {

const char* const kMemberBoxes[] = {"ListBox8",  "ListBox19", "ListBox14", "ListBox18",
                                    "ListBox22", "ListBox15", "ListBox11", "ListBox16",
                                    "ListBox13", "ListBox17"};

bool printable(const std::string& text) {
  return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

void expectPagesWritten(const Session& session, bool toe) {
  const ResultsWindow& r = session.results;
  for (const char* name : kMemberBoxes) {
    const auto& lines = r.listBox(name).lines;
    EXPECT_GT(lines.size(), 5u) << name;
    for (const std::string& line : lines) EXPECT_TRUE(printable(line)) << name << ": " << line;
  }
  EXPECT_EQ(r.listBox("ListBox9").lines.empty(), !toe);
  // Data cells that always carry a value.
  for (const char* name : {"StringGrid1", "StringGrid4"}) {
    const StringGrid& g = r.grid(name);
    for (int col = 1; col <= 4; ++col) {
      for (int row = 1; row < g.rowCount(); ++row) {
        EXPECT_NE(g.cell(col, row), "---") << name << " (" << col << "," << row << ")";
        EXPECT_TRUE(printable(g.cell(col, row)));
      }
    }
  }
  for (const char* name : {"StringGrid3", "StringGrid11"}) {
    const StringGrid& g = r.grid(name);
    for (int row = 1; row <= 9; ++row) EXPECT_FALSE(g.cell(1, row).empty()) << name << row;
  }
  const StringGrid& heel = r.grid("StringGrid14");
  const int last = heel.rowCount() - 1;
  for (int col = 3; col <= 5; ++col) EXPECT_NE(heel.cell(col, last), "---") << col;
  EXPECT_EQ(r.grid("StringGrid9").cell(3, last).find("---"), std::string::npos);
  for (const char* chart : {"Chart6", "Chart9", "Chart10", "Chart7", "Chart8"}) {
    std::size_t points = 0;
    for (const Series& s : r.chart(chart).series) points += s.points.size();
    EXPECT_GT(points, 3u) << chart;
  }
}

TEST(MemberDesign, DefaultWallWritesEveryMemberPage) {
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_NE(session.stabilitySnapshot, nullptr);
  ASSERT_LT(session.stabilitySnapshot->bearingState, 3);
  expectPagesWritten(session, true);
  const ResultsWindow& r = session.results;
  for (const char* name : {"StringGrid8", "StringGrid13"}) {
    const StringGrid& g = r.grid(name);
    EXPECT_EQ(g.cell(0, 0), "断面力");
    EXPECT_NE(g.cell(3, g.rowCount() - 1), "---") << name;
  }
  // The slab force tables without buoyancy: every cell that carries a value.
  struct Cells {
    const char* grid;
    std::vector<std::pair<int, int>> cells;  // (column, row)
  };
  const Cells filled[] = {
      {"StringGrid8", {{3, 1}, {1, 2}, {2, 2}, {3, 2}, {3, 3}}},
      {"StringGrid13",
       {{3, 1}, {4, 1}, {5, 1}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}}},
      {"StringGrid9",
       {{1, 1},
        {2, 1},
        {3, 1},
        {3, 2},
        {3, 3},
        {1, 4},
        {2, 4},
        {3, 4},
        {1, 5},
        {2, 5},
        {3, 5},
        {3, 6}}},
      {"StringGrid14", {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {3, 2}, {4, 2}, {5, 2},
                        {3, 3}, {4, 3}, {5, 3}, {1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4},
                        {1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {3, 6}, {4, 6}, {5, 6}}},
  };
  for (const Cells& c : filled) {
    for (auto [col, row] : c.cells) {
      const std::string& text = r.grid(c.grid).cell(col, row);
      EXPECT_NE(text, "---") << c.grid << " (" << col << "," << row << ")";
      EXPECT_FALSE(text.empty()) << c.grid << " (" << col << "," << row << ")";
    }
  }
  for (int row = 6; row <= 8; ++row) {
    EXPECT_NE(r.grid("StringGrid3").cell(2, row), "---") << row;
    EXPECT_NE(r.grid("StringGrid11").cell(2, row), "---") << row;
  }
  // The anchorage figures measure depth below the wall top, downwards; no
  // other figure has an inverted axis.
  for (const auto& [name, chart] : r.charts()) {
    EXPECT_EQ(chart.left.inverted, name == "Chart6" || name == "Chart9") << name;
  }
  EXPECT_DOUBLE_EQ(r.chart("Chart9").left.minimum, -0.5);
  EXPECT_EQ(r.listBox("ListBox9").lines[0], "つま先版の設計");
  EXPECT_EQ(r.listBox("ListBox13").lines[5], "　　　=0.00kN");  // no key
  const std::string summary = summaryText(session);
  EXPECT_NE(summary.find("たて壁: OK (応力度比 0.998)"), std::string::npos) << summary;
  EXPECT_NE(summary.find("つま先版: OK"), std::string::npos);
  EXPECT_NE(summary.find("かかと版: OK"), std::string::npos);
  EXPECT_EQ(summary.find("突起"), std::string::npos);
}

TEST(MemberDesign, LWallWithKeyWaterAndBuoyancy) {
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("PageControl2", 1);
  dc.setIndex("RadioGroup2", 1);
  dc.setText("Edit35", "1500");
  dc.setText("Edit40", "500");
  dc.setText("Edit41", "500");
  dc.setChecked("CheckBox3", true);
  dc.setText("ComboBox8", "9.8");  // as the water switch proposes
  dc.setText("Edit62", "2.0");
  dc.setChecked("CheckBox2", true);
  ASSERT_EQ(runCalculation(session), RunStatus::Finished) << session.messages.size();
  const TAntei& st = *session.stabilitySnapshot;
  ASSERT_EQ(st.wallType, 1);
  ASSERT_LT(st.bearingState, 3);
  expectPagesWritten(session, false);
  const ResultsWindow& r = session.results;
  // The heel tables carry the two buoyancy rows.
  EXPECT_EQ(r.grid("StringGrid14").rowCount(), 9);
  EXPECT_NE(r.grid("StringGrid14").cell(3, 6), "---");
  EXPECT_NE(r.grid("StringGrid14").cell(3, 7), "---");
  EXPECT_EQ(r.listBox("ListBox11").lines[9].rfind("　S=Wc+Ws+Wq+Pv-Qs-Sf-Wf", 0), 0u);
  // Key force from the sliding partition of the stability result.
  const double ho = st.sumHcopy, hk = st.shearResistance;
  const double ht =
      (st.cohesionBase * st.keyB1 + st.keyV1 * (std::tan(st.phiBase) - std::tan(st.phiB)) +
       st.keyV2 * std::tan(st.phiB)) *
      ho / hk;
  EXPECT_EQ(r.listBox("ListBox13").lines[5], formatNumber("　　　=0.00kN", ht));
  EXPECT_EQ(r.listBox("ListBox13").lines[24],
            formatNumber("　　　M= ---･Ht =0.00kNm", 0.5 * ht / 2));
  const StringGrid& key = r.grid("StringGrid7");
  for (int row = 1; row <= 9; ++row) EXPECT_NE(key.cell(1, row), "---") << row;
  // The stem sees the water above its foot: 2.0 - 0.9 = 1.1 m.
  EXPECT_EQ(r.listBox("ListBox19").lines[14], "     Hw (水深)          =1.100m");
  EXPECT_EQ(r.chart("Chart2").seriesNamed("Series34").points.size(), 0u);
  EXPECT_NE(summaryText(session).find("突起: "), std::string::npos);
}

TEST(MemberDesign, SeismicCaseWithTheWindowsSeismicAllowableStresses) {
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup5", 1);
  dc.setText("Edit61", "0.20");
  dc.setIndex("Form9.RadioGroup4", 1);
  recomputeAllowableStresses(dc);
  transferAllowableStresses(dc);
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_LT(session.stabilitySnapshot->bearingState, 3);
  expectPagesWritten(session, true);
  const auto& stem = session.results.listBox("ListBox8").lines;
  EXPECT_EQ(stem[3], "  部材設計において考慮する荷重は、地震時主働土圧");
  EXPECT_EQ(session.results.listBox("ListBox14").lines[7], "　　σsa(許容引張応力度)=300.00N/mm2");
  EXPECT_NE(session.results.listBox("ListBox19").lines[1], "   常時であり、地震慣性力はない。");
}

TEST(MemberDesign, ResultantBeyondTheMiddleThirdClearsTheMemberPages) {
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_FALSE(session.results.listBox("ListBox8").lines.empty());
  // A base 1.5 m wide under a 7.1 m stem: the resultant leaves the base.
  DesignConditions& dc = session.conditions;
  dc.setText("Edit7", "1500");
  dc.setText("Edit8", "100");
  dc.setText("Edit9", "600");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_EQ(session.stabilitySnapshot->bearingState, 3);
  // Every member list box, the anchorage notes of ListBox22 included.
  for (const char* name : kMemberBoxes) {
    EXPECT_TRUE(session.results.listBox(name).lines.empty()) << name;
  }
  EXPECT_TRUE(session.results.listBox("ListBox9").lines.empty());
  EXPECT_TRUE(session.results.chart("Chart10").seriesNamed("Series45").points.empty());
  EXPECT_EQ(session.results.grid("StringGrid4").cell(4, 15), "---");
  EXPECT_TRUE(session.memberJudgements.empty());
  EXPECT_EQ(summaryText(session).find("たて壁"), std::string::npos);
}

}  // namespace
}  // namespace kovrel
