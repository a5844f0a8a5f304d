#include "report/load_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "run/calculation.h"

namespace kovrel {
namespace {

bool hasLine(const ListBox& box, const std::string& line) {
  return std::find(box.lines.begin(), box.lines.end(), line) != box.lines.end();
}

TEST(LoadReport, StemLeaningBackwardsUsesTheSecondPictureSection) {
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  TAntei s = *session.stabilitySnapshot;
  s.wallFaceAngle = -2.08 / kDegreesPerRadian;
  writeLoadReport(s, session.conditions, session.results);
  EXPECT_TRUE(hasLine(session.results.listBox("ListBox1"), "α(壁面が鉛直となす角)=-2.08度"));
}

TEST(LoadReport, SeismicPassivePressureWithoutARealCoefficientIsLeftOutAndSaidSo) {
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("RadioGroup9", 1);
  dc.setText("Edit61", "0.3");  // θ = 16.7° > φ = 10°
  dc.setText("LabeledEdit7", "10");
  dc.setChecked("CheckBox9", true);
  dc.setText("Edit54", "1.5");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const ListBox& box = session.results.listBox("ListBox2");
  EXPECT_TRUE(hasLine(box, "  Pp=Kp･--------+2･C√Kp=0.00kN"));
  EXPECT_TRUE(hasLine(box, " Kp=------------------------------=0.00"));
  EXPECT_TRUE(hasLine(box, "    (θ＞φのためKpが求まらないので、受働土圧は考慮しない)"));
  EXPECT_EQ(session.stabilitySnapshot->passiveForce, 0.0);
  // Listed nowhere in the load list either.
  EXPECT_EQ(session.results.grid("StringGrid6").cell(2, 5), "---");
}

TEST(LoadReport, SeismicSlopeThatCannotStandIsReportedWithoutAnyFigure) {
  // Default wall, slope 1:1.5 (β = 33.69°), kh = 0.12 (θ = 6.84°), φ = 35°:
  // β + θ ≥ φ. Earlier the report printed Pa = 5,005 kN from L = 389.6 m.
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("TabControl1", 1);
  dc.setText("ComboBox1", "1.5");
  dc.setText("Edit61", "0.12");
  session.results.listBox("ListBox8").lines = {"earlier"};
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const TAntei& s = *session.stabilitySnapshot;
  EXPECT_EQ(s.backfillUnstable, 1);
  EXPECT_EQ(s.earthForce, 0.0);
  EXPECT_EQ(s.slidingFs, 0.0);  // no check ran

  const ResultsWindow& r = session.results;
  const std::vector<std::string> finding = {
      "１．土圧計算",
      "    土圧は試行くさび法により求める。",
      "",
      "  地震時に β+θ≧φ となり、裏込め土の法面そのものが",
      "  安定しないため、試行くさび法では土圧が求まりません。",
      "    β(法面の傾斜角)        =33.69度",
      "    θ=Arctan(kh)           =6.84度",
      "    φ(背面土剪断抵抗角)    =35.00度",
      "    β+θ                   =40.53度",
      "",
      "  設計条件を変更して再計算して下さい。",
      "  土圧が求まりませんので、安定計算及び部材設計は",
      "  行いません。"};
  EXPECT_EQ(r.listBox("ListBox1").lines, finding);
  for (const char* name : {"ListBox3", "ListBox4", "ListBox5", "ListBox23"}) {
    const std::vector<std::string>& lines = r.listBox(name).lines;
    ASSERT_FALSE(lines.empty()) << name;
    EXPECT_EQ(lines.back(), "  判定：不可(土圧算定不能)") << name;
  }
  for (const char* name : {"GroupBox24", "GroupBox22", "GroupBox23", "GroupBox33"}) {
    const std::string& caption = r.groupBox(name).caption;
    EXPECT_NE(caption.find("( NO )"), std::string::npos) << name << ": " << caption;
  }
  // No figure of a force that does not exist, no member designed.
  const StringGrid& list = r.grid("StringGrid6");
  for (int row = 1; row < list.rowCount(); ++row) {
    for (int col = 1; col < list.colCount(); ++col) EXPECT_EQ(list.cell(col, row), "---");
  }
  for (const char* chart : {"Chart1", "Chart5", "Chart11"}) {
    for (const Series& series : r.chart(chart).series) {
      EXPECT_TRUE(series.points.empty()) << chart << " " << series.name;
    }
  }
  EXPECT_TRUE(r.listBox("ListBox8").lines.empty());
  EXPECT_TRUE(session.memberJudgements.empty());
}

}  // namespace
}  // namespace kovrel
