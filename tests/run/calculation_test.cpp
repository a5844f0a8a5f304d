#include "run/calculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/non_finite.h"
#include "engine/finite_guard.h"
#include "results/number_picture.h"

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

TEST(RunCalculation, ShowingTheWindowAgainKeepsTheSlabRowsBesideTheirNumbers) {
  // A run without buoyancy, then the switch turned on and the window hidden
  // and shown (as a print preview does): the toe table must keep the rows the
  // run filled, not gain a buoyancy row that shifts every caption.
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const StringGrid before = session.results.grid("StringGrid8");
  session.conditions.setChecked("CheckBox2", true);
  session.results.visible = false;
  showResultsWindow(session);
  const StringGrid& after = session.results.grid("StringGrid8");
  ASSERT_EQ(after.rowCount(), before.rowCount());
  for (int row = 1; row < after.rowCount(); ++row) {
    EXPECT_EQ(after.cell(0, row), before.cell(0, row)) << "row " << row;
  }
  // The next run lays the tables out for the switch as it is then.
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  EXPECT_EQ(session.results.grid("StringGrid8").rowCount(), before.rowCount() + 1);
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

// A run that meets a value that is not finite, wherever it meets it, leaves
// the outputs exactly as the previous run left them and says which quantity.
TEST(RunCalculation, NonFiniteResultLeavesThePreviousRunInPlace) {
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const ResultsWindow before = session.results;
  const double earthForce = session.stabilitySnapshot->earthForce;
  const size_t judgements = session.memberJudgements.size();
  ASSERT_GT(judgements, 0u);

  struct Failure {
    const char* where;
    std::function<void(Session&)> body;
    std::string quantity;
  };
  const Failure failures[] = {
      {"a report line",
       [](Session& s) {
         s.results.listBox("ListBox3").lines = {"half"};
         s.stabilitySnapshot = std::make_unique<TAntei>();
         s.memberJudgements.clear();
         formatNumber("  Fs=0.00", std::nan(""));
       },
       "Fs=0.00"},
      {"a chart point",
       [](Session& s) {
         s.results.chart("Chart5").seriesNamed("Series8").points.push_back(
             {1.0, HUGE_VAL, "", std::nullopt});
       },
       "Chart5「すべり角～土圧図」 Series8"},
      {"a chart axis", [](Session& s) { s.results.chart("Chart11").left.maximum = -HUGE_VAL; },
       "Chart11「地盤反力」 縦軸"},
      {"a member ratio",
       [](Session& s) {
         s.memberJudgements.push_back({"突起", false, std::nan("")});
       },
       "突起 応力度比"},
  };
  for (const Failure& f : failures) {
    EXPECT_EQ(publishIfFinite(session, [&] { f.body(session); }), RunStatus::NotFinite) << f.where;
    EXPECT_EQ(session.messages.back().kind, MessageKind::Block) << f.where;
    EXPECT_EQ(session.messages.back().lines,
              (std::vector<std::string>{
                  "計算結果に有限でない値(無限大または非数)が生じました。", "[" + f.quantity + "]",
                  "", "この計算の結果は出力しません。", "設計条件を確認して、訂正して下さい。"}))
        << f.where;
    EXPECT_EQ(session.results.listBox("ListBox3").lines, before.listBox("ListBox3").lines);
    EXPECT_EQ(session.results.chart("Chart5").seriesNamed("Series8").points.size(),
              before.chart("Chart5").seriesNamed("Series8").points.size());
    EXPECT_EQ(session.results.chart("Chart11").left.maximum, before.chart("Chart11").left.maximum);
    ASSERT_NE(session.stabilitySnapshot, nullptr) << f.where;
    EXPECT_EQ(session.stabilitySnapshot->earthForce, earthForce) << f.where;
    EXPECT_EQ(session.memberJudgements.size(), judgements) << f.where;
  }
}

TEST(FiniteGuard, NamesTheFirstFieldThatIsNotFinite) {
  TAntei s;
  EXPECT_NO_THROW(requireFiniteState(s));
  s.outlineY[7] = std::nan("");
  s.earthForceH = HUGE_VAL;
  try {
    requireFiniteState(s);
    FAIL() << "accepted";
  } catch (const NonFiniteValue& e) {
    EXPECT_EQ(e.quantity(), "outlineY[7]");  // the outline comes first in the state
  }
  s.outlineY[7] = 0;
  try {
    requireFiniteState(s);
    FAIL() << "accepted";
  } catch (const NonFiniteValue& e) {
    EXPECT_EQ(e.quantity(), "earthForceH");
  }
}

}  // namespace
}  // namespace kovrel
