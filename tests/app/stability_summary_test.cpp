#include "app/summary.h"

#include <gtest/gtest.h>

#include "run/calculation.h"

namespace kovrel {
namespace {

TEST(Summary, StabilityJudgementsWithTheirGoverningNumbers) {
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  EXPECT_EQ(summaryText(session),
            "壁種別: 逆Ｔ型\n"
            "荷重ケース: 常時\n"
            "1.滑動に対する安定( OK )  Fs=2.54 (必要 1.50)\n"
            "2.転倒に対する安定( OK )  |e|=0.118m (許容 B/6=0.967m)\n"
            "3.支持力に対する安定( OK )  q1=159.91kN/m2 q2=125.05kN/m2 (qa=300.00kN/m2)\n"
            "4.鉛直支持力の照査( OK )  Vo/Be=148.54kN/m2 (qu/n=263.91kN/m2)\n"
            "たて壁: OK (応力度比 0.998)\n"
            "つま先版: OK (応力度比 0.735)\n"
            "かかと版: OK (応力度比 0.996)\n");
}

TEST(Summary, WithoutAGroundReaction) {
  Session session;
  session.conditions.setChecked("CheckBox6", true);
  session.conditions.setText("ComboBox4", "200");
  session.conditions.setText("ComboBox9", "1.0");
  session.conditions.setText("ComboBox18", "1");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const std::string text = summaryText(session);
  EXPECT_NE(text.find("1.滑動に対する安定( NO )  計算不能(偏心距離オーバー)\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("2.転倒に対する安定( NO )  |e|=2.296m (許容 B/6=0.967m)\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("3.支持力に対する安定( NO )  q 計算不能(偏心距離オーバー)\n"),
            std::string::npos)
      << text;
}

TEST(Summary, SeismicSlopeThatCannotStand) {
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("TabControl1", 1);
  dc.setText("ComboBox1", "1.5");
  dc.setText("Edit61", "0.12");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  EXPECT_EQ(summaryText(session),
            "壁種別: 逆Ｔ型\n"
            "荷重ケース: 地震時\n"
            "1.滑動に対する安定( NO )  計算不能(地震時 β+θ≧φ：裏込め土の法面が不安定)\n"
            "2.転倒に対する安定( NO )  計算不能(地震時 β+θ≧φ：裏込め土の法面が不安定)\n"
            "3.支持力に対する安定( NO )  計算不能(地震時 β+θ≧φ：裏込め土の法面が不安定)\n"
            "4.鉛直支持力の照査( NO )  計算不能(地震時 β+θ≧φ：裏込め土の法面が不安定)\n");
}

}  // namespace
}  // namespace kovrel
