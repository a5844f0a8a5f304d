#include "report/load_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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

}  // namespace
}  // namespace kovrel
