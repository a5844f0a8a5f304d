#include "report/load_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/calculation.h"

namespace kovrel {
namespace {

std::vector<std::string> row(const StringGrid& g, int r) {
  std::vector<std::string> cells;
  for (int c = 0; c < g.colCount(); ++c) cells.push_back(g.cell(c, r));
  return cells;
}

TEST(LoadList, RowsOfAWallWithWaterAndPassivePressure) {
  Session session;
  DesignConditions& dc = session.conditions;
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("RadioGroup9", 1);
  dc.setText("Edit61", "0.2");
  dc.setChecked("CheckBox3", true);
  dc.setText("Edit62", "1.5");
  dc.setText("ComboBox8", "9.8");
  dc.setChecked("CheckBox9", true);
  dc.setText("Edit54", "1.5");
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const StringGrid& g = session.results.grid("StringGrid6");
  const TAntei& s = *session.stabilitySnapshot;

  // Passive pressure is listed in brackets and not added.
  EXPECT_EQ(row(g, 5),
            (std::vector<std::string>{"受働土圧", "---", "(21.46kN)", "---", "---", "---", "---"}));
  EXPECT_EQ(row(g, 6), (std::vector<std::string>{"水圧", "---", "11.03kN", "---", "0.500m", "---",
                                                 "5.51kNm"}));
  // Buoyancy acts upwards: negative V and V·x at the combined centroid.
  EXPECT_EQ(row(g, 7), (std::vector<std::string>{"浮力", "-74.97kN", "---", "3.123m", "---",
                                                 "-234.11kNm", "---"}));
  EXPECT_NEAR((s.wallBuoyancyMoment + s.soilBuoyancyMoment) / (s.wallBuoyancy + s.soilBuoyancy),
              3.123, 0.0005);
  EXPECT_EQ(row(g, 8)[2], "---");  // no wind: the row keeps the run's reset
  EXPECT_EQ(row(g, 10)[1], "893.23kN");
  EXPECT_EQ(row(g, 10)[5], "3,407.42kNm");
}

TEST(LoadList, MarkerCellsAndPictures) {
  StringGrid g(7, 11);
  setLoadListRow(g, 3, 1234.567, kNotApplicable, 2.5, kNotApplicable, -12.345, 0);
  EXPECT_EQ(row(g, 3), (std::vector<std::string>{"", "1,234.57kN", "---", "2.500m", "---",
                                                 "-12.35kNm", "0.00kNm"}));
}

}  // namespace
}  // namespace kovrel
