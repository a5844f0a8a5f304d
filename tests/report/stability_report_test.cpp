#include "report/stability_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "run/calculation.h"
#include "stability_report_golden.h"

namespace kovrel {
namespace {

std::vector<std::string> splitLines(const char* block) {
  std::string text(block);
  if (!text.empty() && text.front() == '\n') text.erase(0, 1);
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

void expectLines(const ListBox& box, const char* expected, const std::string& what) {
  const std::vector<std::string> want = splitLines(expected);
  for (size_t i = 0; i < std::max(want.size(), box.lines.size()); ++i) {
    const std::string got = i < box.lines.size() ? box.lines[i] : "<missing>";
    const std::string exp = i < want.size() ? want[i] : "<none>";
    EXPECT_EQ(got, exp) << what << " line " << i;
  }
}

struct Setting {
  const char* name;
  const char* value;
};

// Applies the settings as the window would hold them, then runs.
Session runWith(std::initializer_list<Setting> settings) {
  Session session;
  DesignConditions& dc = session.conditions;
  for (const Setting& s : settings) {
    const Control& c = dc.control(s.name);
    switch (c.kind) {
      case ControlKind::Check:
        dc.setChecked(s.name, std::string(s.value) == "1");
        break;
      case ControlKind::Radio:
      case ControlKind::TabSet:
      case ControlKind::PageControl:
        dc.setIndex(s.name, std::stoi(s.value));
        break;
      default:
        dc.setText(s.name, s.value);
        break;
    }
  }
  EXPECT_EQ(runCalculation(session), RunStatus::Finished);
  return session;
}

struct Scenario {
  const char* name;
  std::initializer_list<Setting> settings;
  const char* lines[7];     // ListBox1, 2, 4, 5, 23, 3, 12
  const char* captions[4];  // GroupBox24, 22, 23, 33
};

const char* const kBoxes[7] = {"ListBox1",  "ListBox2", "ListBox4", "ListBox5",
                               "ListBox23", "ListBox3", "ListBox12"};

#define KOVREL_GOLDEN(n)                                                         \
  {                                                                              \
    golden::k##n##ListBox1, golden::k##n##ListBox2, golden::k##n##ListBox4,      \
        golden::k##n##ListBox5, golden::k##n##ListBox23, golden::k##n##ListBox3, \
        golden::k##n##ListBox12                                                  \
  }

TEST(StabilityReport, EveryLineOfFourWalls) {
  const Scenario scenarios[] = {
      {"default",
       {},
       KOVREL_GOLDEN(Default),
       {"1.滑動に対する安定( OK )", "2.転倒に対する安定( OK )", "3.支持力に対する安定( OK )",
        "4.鉛直支持力の照査( OK )"}},
      {"seismic with water",
       {{"RadioGroup5", "1"},
        {"Form9.RadioGroup4", "1"},
        {"RadioGroup9", "1"},
        {"Edit61", "0.2"},
        {"CheckBox3", "1"},
        {"Edit62", "1.5"},
        {"ComboBox8", "9.8"},
        {"CheckBox9", "1"},
        {"Edit54", "1.5"}},
       KOVREL_GOLDEN(SeismicWithWater),
       {"1.滑動に対する安定( OK )", "2.転倒に対する安定( OK )", "3.支持力に対する安定( OK )",
        "4.鉛直支持力の照査( NO )"}},
      {"shear key",
       {{"RadioGroup2", "1"},
        {"Edit35", "2500"},
        {"Edit40", "500"},
        {"Edit41", "500"},
        {"RadioGroup11", "1"},
        {"LabeledEdit1", "1.5"}},
       KOVREL_GOLDEN(ShearKeyAndSafetyFactor),
       {"1.滑動に対する安定( OK )", "2.転倒に対する安定( OK )", "3.支持力に対する安定( OK )",
        "4.鉛直支持力の照査( OK )"}},
      {"beyond a third",
       {{"CheckBox6", "1"}, {"ComboBox4", "200"}, {"ComboBox9", "1.0"}, {"ComboBox18", "1"}},
       KOVREL_GOLDEN(BeyondAThird),
       {"1.滑動に対する安定( NO )", "2.転倒に対する安定( NO )", "3.支持力に対する安定( NO )",
        "4.鉛直支持力の照査( NO )"}},
  };
  const char* const groupBoxes[4] = {"GroupBox24", "GroupBox22", "GroupBox23", "GroupBox33"};
  for (const Scenario& sc : scenarios) {
    Session session = runWith(sc.settings);
    for (int i = 0; i < 7; ++i) {
      expectLines(session.results.listBox(kBoxes[i]), sc.lines[i],
                  std::string(sc.name) + " " + kBoxes[i]);
    }
    for (int i = 0; i < 4; ++i) {
      const GroupBox& g = session.results.groupBox(groupBoxes[i]);
      EXPECT_EQ(g.caption, sc.captions[i]) << sc.name;
      EXPECT_EQ(g.colour, g.caption.find("( OK )") != std::string::npos ? clBlue : clRed);
    }
  }
}

// The numbers of the default wall, recomputed here from first principles:
// flat backfill γs = 20, φ = 35°, q = 10 on an 8 m virtual back face.
TEST(StabilityReport, DefaultWallAgreesWithClosedForms) {
  Session session = runWith({});
  const TAntei& s = *session.stabilitySnapshot;
  const double ka = std::pow(std::tan(std::numbers::pi / 4 - 17.5 * std::numbers::pi / 180), 2);
  const double pa = (20 * 64 / 2.0 + 10 * 8) * ka;
  EXPECT_NEAR(s.earthForce, pa, pa * 1e-4) << "Rankine";
  const double vo = s.wallWeight + s.backfillWeight + s.surchargeLoad;
  EXPECT_NEAR(s.sumV, vo, 1e-9);
  const double d = (s.resistingMoment - s.overturningMoment) / vo, e = 5.8 / 2 - d;
  EXPECT_NEAR(s.overturningMoment, s.earthForceH * 8.0 / 3, 1e-9);
  EXPECT_NEAR(s.reactionToe, vo / 5.8 * (1 + 6 * e / 5.8), 1e-9);
  EXPECT_NEAR(s.reactionHeel, vo / 5.8 * (1 - 6 * e / 5.8), 1e-9);
  EXPECT_NEAR(s.slidingFs, 0.6 * vo / s.earthForceH, 1e-9);
}

TEST(StabilityReport, TrianglesPrintTheirDistances) {
  // A hand-made result in state 2 (triangle from the heel end): both d lines.
  Session session;
  TAntei s;
  s.outlineX[9] = 6;
  s.sumV = 600;
  s.resultantD = 4.2;
  s.eccentricity = -1.2;
  s.bearingState = 2;
  s.reactionHeel = 2 * 600 / (3 * 1.8);
  s.qaAllow = 200;
  s.effectiveWidth = 6;
  s.bearingFsRequired = 3;
  writeStabilityReport(s, session.conditions, session.results);
  const std::vector<std::string> expected = {
      "3.支持地盤の支持力に対する安定",
      "  地盤反力度(q)は、次式で求める。",
      "",
      "      2･Vo",
      "  q=-------                          =222.22kN/m2",
      "      3･d",
      "",
      "  ここに",
      "    Vo(擁壁底面における全鉛直荷重)   =600.00kN",
      "    d (つま先～合力作用位置間の距離) =4.200m",
      "    d (踵　　～合力作用位置間の距離) =1.800m",
      "",
      "  q1,q2は次式を満足しなければならない。",
      "  q1,q2≦qa0(地盤の許容鉛直支持力度)=200kN/m2",
      "",
      "  判定：不可(許容鉛直支持力度外)",
      "    q1(つま先での地盤反力度)≦qa0(=200kN/m2)",
      "    q2(かかとでの地盤反力度)＞qa0(=200kN/m2)",
  };
  EXPECT_EQ(session.results.listBox("ListBox5").lines, expected);
  EXPECT_EQ(session.results.groupBox("GroupBox23").caption, "3.支持力に対する安定( NO )");
}

TEST(StabilityReport, SafetyFactorMethodBelowTheRequiredValue) {
  Session session;
  session.conditions.setIndex("RadioGroup11", 1);
  session.conditions.setText("LabeledEdit1", "2.0");
  TAntei s;
  s.outlineX[9] = 6;
  s.resistingMoment = 900;
  s.overturningMoment = 600;
  s.bearingFsRequired = 3.0;  // as every run sets it
  writeStabilityReport(s, session.conditions, session.results);
  const auto& lines = session.results.listBox("ListBox4").lines;
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[lines.size() - 2], "  2.0>Fm(=1.500)");
  EXPECT_EQ(lines.back(), "  判定：不可(安全率不足)");
  EXPECT_EQ(session.results.groupBox("GroupBox22").caption, "2.転倒に対する安定( NO )");

  // Without an overturning moment nothing tips the wall.
  s.overturningMoment = 0;
  writeStabilityReport(s, session.conditions, session.results);
  const auto& free = session.results.listBox("ListBox4").lines;
  EXPECT_EQ(free[4], "  Fm=-----------                       =∞");
  EXPECT_EQ(free.back(), "  判定：OK(安全率を満たす)");

  // A required value that is no number stops the run with the field named.
  session.conditions.setText("LabeledEdit1", "-");
  EXPECT_THROW(writeStabilityReport(s, session.conditions, session.results), ConversionError);
}

// Loads that lift the resultant off the base or beyond its heel must still
// read as findings, never as NaN or infinity.
TEST(StabilityReport, DegenerateResultsReadAsClearNo) {
  for (const char* collision : {"500", "5000"}) {
    Session session = runWith(
        {{"CheckBox6", "1"}, {"ComboBox4", collision}, {"ComboBox9", "1.0"}, {"ComboBox18", "0"}});
    const TAntei& s = *session.stabilitySnapshot;
    EXPECT_EQ(s.bearingState, 3);
    for (const auto& [name, box] : session.results.listBoxes()) {
      for (const std::string& line : box.lines) {
        EXPECT_EQ(line.find("nan"), std::string::npos) << name << ": " << line;
        EXPECT_EQ(line.find("inf"), std::string::npos) << name << ": " << line;
      }
    }
    const auto& l23 = session.results.listBox("ListBox23").lines;
    EXPECT_NE(
        std::find(l23.begin(), l23.end(), "　　　　　　　　　　　　　　(L≦0のため,Be/L =1 とする)"),
        l23.end());
    EXPECT_EQ(l23[l23.size() - 2], "  有効載荷幅(Be)が0以下のため、鉛直支持力の照査ができません。");
    EXPECT_EQ(session.results.groupBox("GroupBox33").caption, "4.鉛直支持力の照査( NO )");
    EXPECT_TRUE(session.results.listBox("ListBox12").lines.empty());
    EXPECT_TRUE(session.results.chart("Chart11").seriesNamed("Series47").points.empty());
  }

  // A wall lifted by water: no vertical load on the base at all.
  Session session;
  TAntei s;
  s.outlineX[9] = 6;
  s.sumV = 0;
  s.bearingState = 3;
  s.eccentricity = 3;
  s.bearingFsRequired = 3.0;
  writeStabilityReport(s, session.conditions, session.results);
  const auto& l4 = session.results.listBox("ListBox4").lines;
  EXPECT_NE(std::find(l4.begin(), l4.end(),
                      "  全鉛直荷重(Vo)が0以下のため、合力の作用点が求まりません。"),
            l4.end());
  EXPECT_EQ(session.results.groupBox("GroupBox22").caption, "2.転倒に対する安定( NO )");
}

}  // namespace
}  // namespace kovrel
