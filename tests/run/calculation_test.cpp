#include "run/calculation.h"

#include <gtest/gtest.h>

namespace kovrel {
namespace {

TEST(RunCalculation, BlockingFindingChangesNothing) {
  Session session;
  session.results.grid("StringGrid6").setCell(1, 1, "earlier");
  session.results.listBox("ListBox8").lines = {"earlier"};
  session.conditions.setText("Edit9", "100");
  EXPECT_EQ(runCalculation(session), RunStatus::Blocked);
  EXPECT_FALSE(session.results.visible);
  EXPECT_EQ(session.results.grid("StringGrid6").cell(1, 1), "earlier");
  EXPECT_EQ(session.results.listBox("ListBox8").lines.size(), 1u);
  EXPECT_EQ(session.stabilitySnapshot, nullptr);
}

TEST(RunCalculation, GridsStartEveryRunAtDashes) {
  // A collision load that pushes the resultant beyond B/3: the member design
  // does not run, so its grids must show the dashes of the run's start, not
  // what an earlier run left there.
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setChecked("CheckBox6", true);
  dc.setText("ComboBox4", "500");
  dc.setText("ComboBox9", "0.6");
  dc.setText("ComboBox18", "1");
  const char* memberGrids[] = {"StringGrid1",  "StringGrid4",  "StringGrid8",
                               "StringGrid13", "StringGrid3",  "StringGrid9",
                               "StringGrid14", "StringGrid11", "StringGrid7"};
  for (const char* name : memberGrids) session.results.grid(name).setCell(1, 1, "earlier");
  session.results.listBox("ListBox8").lines = {"earlier"};

  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_NE(session.stabilitySnapshot, nullptr);
  EXPECT_EQ(session.stabilitySnapshot->bearingState, 3);
  EXPECT_TRUE(session.results.visible);
  EXPECT_EQ(session.results.pageControl("PageControl1").active, "TabSheet1");
  for (const char* name : memberGrids) {
    const StringGrid& g = session.results.grid(name);
    for (int row = 1; row < g.rowCount(); ++row) {
      for (int col = 1; col < g.colCount(); ++col) {
        EXPECT_EQ(g.cell(col, row), "---") << name << " [" << col << "," << row << "]";
      }
    }
  }
  EXPECT_TRUE(session.results.listBox("ListBox8").lines.empty());
  // The header row and column are the set-up's.
  EXPECT_EQ(session.results.grid("StringGrid6").cell(0, 1), "躯体重量");
  EXPECT_EQ(session.stabilitySnapshot->slidingFsRequired, 1.5);
}

TEST(RunCalculation, WarningsLetTheRunGoOn) {
  Session session;
  session.conditions.setText("Edit21", "25");
  EXPECT_EQ(runCalculation(session), RunStatus::Finished);
  ASSERT_EQ(session.messages.size(), 1u);
  EXPECT_EQ(session.messages[0].kind, MessageKind::Warn);
}

TEST(RunCalculation, TextThatIsNoNumberEndsTheRunWithItsName) {
  Session session;
  session.conditions.setText("Edit15", "abc");  // read by the loader, not by the checks
  EXPECT_EQ(runCalculation(session), RunStatus::ConversionFailed);
  ASSERT_FALSE(session.messages.empty());
  const std::string text = session.messages.back().joined("\n");
  EXPECT_EQ(session.messages.back().kind, MessageKind::Error);
  EXPECT_NE(text.find("Edit15"), std::string::npos) << text;
  EXPECT_NE(text.find("γs(kN/m3)="), std::string::npos) << text;
  EXPECT_NE(text.find("\"abc\""), std::string::npos) << text;
}

TEST(RunCalculation, StateStartsAtZeroForEveryRun) {
  // The state is value-initialised: a field no step writes reads 0.
  TAntei s{};
  bool allZero = true;
  visitStateFields(s, [&](const char*, const auto& v) {
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(v)>>) {
      allZero = allZero && v == 0;
    } else {
      for (auto x : v) allZero = allZero && x == 0;
    }
  });
  EXPECT_TRUE(allZero);
}

}  // namespace
}  // namespace kovrel
