#include "engine/calculation.h"

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
  Session session;
  session.results.grid("StringGrid1").setCell(2, 3, "from an earlier run");
  EXPECT_EQ(runCalculation(session), RunStatus::Finished);
  EXPECT_TRUE(session.results.visible);
  EXPECT_EQ(session.results.pageControl("PageControl1").active, "TabSheet1");
  for (const char* name : {"StringGrid10", "StringGrid6", "StringGrid1", "StringGrid4",
                           "StringGrid8", "StringGrid13", "StringGrid3", "StringGrid9",
                           "StringGrid14", "StringGrid11", "StringGrid7"}) {
    const StringGrid& g = session.results.grid(name);
    EXPECT_EQ(g.cell(g.colCount() - 1, g.rowCount() - 1), "---") << name;
  }
  // The header row and column are the set-up's.
  EXPECT_EQ(session.results.grid("StringGrid6").cell(0, 1), "躯体重量");
  ASSERT_NE(session.stabilitySnapshot, nullptr);
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
