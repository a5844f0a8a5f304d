#include "engine/input_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "conditions/condition_ranges.h"

namespace kovrel {
namespace {

struct CheckCase {
  const char* what;
  std::function<void(DesignConditions&)> set;
  MessageKind kind;
  std::string firstLine;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.what;
}

class InputCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(InputCheckTest, ReportsTheFinding) {
  const CheckCase& c = GetParam();
  DesignConditions dc;
  c.set(dc);
  MessageLog log;
  bool blocked = checkDesignConditions(dc, log);
  ASSERT_EQ(log.size(), 1u) << c.what;
  EXPECT_EQ(log[0].kind, c.kind) << c.what;
  EXPECT_EQ(log[0].lines.front(), c.firstLine) << c.what;
  EXPECT_EQ(blocked, c.kind == MessageKind::Block) << c.what;
}

void slope(DesignConditions& dc, const char* n) {
  dc.setIndex("TabControl1", 1);
  dc.setText("ComboBox1", n);
}

INSTANTIATE_TEST_SUITE_P(
    Findings, InputCheckTest,
    ::testing::Values(
        CheckCase{"cohesion", [](auto& dc) { dc.setText("Edit21", "25"); }, MessageKind::Warn,
                  "粘着力が過大です。修正する事をお勧めします。"},
        CheckCase{"adhesion", [](auto& dc) { dc.setText("Edit18", "20.5"); }, MessageKind::Warn,
                  "付着力が過大です。修正する事をお勧めします。"},
        CheckCase{"key position",
                  [](auto& dc) {
                    dc.setIndex("RadioGroup2", 1);
                    dc.setText("Edit35", "-1");
                    dc.setText("Edit40", "500");
                    dc.setText("Edit41", "400");
                  },
                  MessageKind::Block, "突起位置を再確認して下さい。"},
        CheckCase{"key width",
                  [](auto& dc) {
                    dc.setIndex("RadioGroup2", 1);
                    dc.setText("Edit40", "9");
                    dc.setText("Edit41", "400");
                  },
                  MessageKind::Block, "突起幅を再確認して下さい。"},
        CheckCase{"concrete", [](auto& dc) { dc.setText("ComboBox7", "1.9"); }, MessageKind::Block,
                  "コンクリート重量を再確認して下さい。"},
        CheckCase{"slope without gradient", [](auto& dc) { slope(dc, "0"); }, MessageKind::Block,
                  "法面勾配を設定して下さい。"},
        // atan(1/1) = 45 degrees: phi 45 is not larger.
        CheckCase{"slope as steep as phi",
                  [](auto& dc) {
                    slope(dc, "1.0");
                    dc.setText("Edit14", "45");
                  },
                  MessageKind::Block, "剪断抵抗角より法面勾配が大きいです。修正して下さい。"},
        CheckCase{"embankment height",
                  [](auto& dc) {
                    dc.setIndex("TabControl1", 2);
                    dc.setText("ComboBox1", "0.5");  // steep: the angle rule does not apply here
                    dc.setText("Edit28", "0.0");
                  },
                  MessageKind::Block, "盛土高を設定して下さい。"},
        CheckCase{"heel width",
                  [](auto& dc) {
                    dc.setText("Edit9", "100");
                    dc.setText("Edit7", "2100");
                  },
                  MessageKind::Block, "かかと幅を再確認して下さい。"},
        // One millimetre short is already a finding.
        CheckCase{"widths 1 mm short", [](auto& dc) { dc.setText("Edit7", "5801"); },
                  MessageKind::Block, "擁壁形状(幅)を再確認して下さい。"},
        CheckCase{"L widths",
                  [](auto& dc) {
                    dc.setIndex("PageControl2", 1);
                    dc.setText("Edit48", "4700");
                  },
                  MessageKind::Block, "擁壁形状(幅)を再確認して下さい。"},
        CheckCase{"sigma sa", [](auto& dc) { dc.setText("Edit26", "9"); }, MessageKind::Block,
                  "σsaエラー"},
        CheckCase{"tau o on the L wall",
                  [](auto& dc) {
                    dc.setIndex("PageControl2", 1);
                    dc.setText("Edit27", "0.5");
                  },
                  MessageKind::Block, "τoエラー"},
        CheckCase{"normal case with seismic stresses",
                  [](auto& dc) { dc.setIndex("Form9.RadioGroup4", 1); }, MessageKind::Block,
                  "[常時計算時]に[許容応力度]が"},
        CheckCase{"seismic case with normal stresses",
                  [](auto& dc) {
                    dc.setIndex("RadioGroup5", 1);
                    dc.setIndex("RadioGroup9", 2);
                  },
                  MessageKind::Block, "[地震時計算時]に[許容応力度]が"},
        CheckCase{"Df below Df'", [](auto& dc) { dc.setText("LabeledEdit6", "3.0"); },
                  MessageKind::Block,
                  "Df(根入地盤への根入れ深さ)が、Df'(支持地盤への根入れ深さ)より浅いです。"},
        CheckCase{"Ho in the base slab",
                  [](auto& dc) {
                    dc.setChecked("CheckBox9", true);
                    dc.setText("Edit54", "0.8");
                  },
                  MessageKind::Block, "有効根入長は底版厚以上にして下さい。"},
        CheckCase{"Ho deeper than Df",
                  [](auto& dc) {
                    dc.setChecked("CheckBox9", true);
                    dc.setText("LabeledEdit3", "0.95");
                    dc.setText("LabeledEdit6", "0.6");
                    dc.setText("Edit54", "1.0");
                  },
                  MessageKind::Block,
                  "Df(根入地盤への根入れ深さ)が、(3)その他の荷重のHo(有効根入長)より浅いです。"},
        CheckCase{"water above the L wall",
                  [](auto& dc) {
                    dc.setIndex("PageControl2", 1);
                    dc.setChecked("CheckBox3", true);
                    dc.setText("ComboBox8", "9.8");  // as the water switch proposes
                    dc.setText("Edit62", "8.1");
                  },
                  MessageKind::Block, "地下水位は擁壁天端以下にして下さい。"}));

TEST(InputChecks, DefaultsPass) {
  DesignConditions dc;
  MessageLog log;
  EXPECT_FALSE(checkDesignConditions(dc, log));
  EXPECT_TRUE(log.empty());
}

TEST(InputChecks, SeismicWarningKeepsTheWholeMessage) {
  DesignConditions dc;
  dc.setIndex("RadioGroup5", 1);
  dc.setIndex("Form9.RadioGroup4", 1);
  dc.setIndex("RadioGroup9", 0);  // normal earth pressure while the surcharge is on
  MessageLog log;
  EXPECT_FALSE(checkDesignConditions(dc, log));
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].joined("\r"),
            "[地震時土圧計算法]が[載荷無常時土圧]です。\rしかし、\r\r[②載荷重]が[載荷重有り]に"
            "なっています。\r[②載荷重]を確認してください。\r\r計算は、このまま続行します。");
}

TEST(InputChecks, EveryFindingOfOneAttemptInTableOrder) {
  DesignConditions dc;
  dc.setText("Edit21", "30");       // 1 warn
  dc.setText("ComboBox7", "0");     // 6
  dc.setText("Edit9", "150");       // 11 and 12
  dc.setText("LabeledEdit6", "9");  // 21
  MessageLog log;
  EXPECT_TRUE(checkDesignConditions(dc, log));
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[0].kind, MessageKind::Warn);
  EXPECT_EQ(log[1].lines[0], "コンクリート重量を再確認して下さい。");
  EXPECT_EQ(log[2].lines[0], "かかと幅を再確認して下さい。");
  EXPECT_EQ(log[3].lines[0], "擁壁形状(幅)を再確認して下さい。");
  EXPECT_EQ(log[4].lines[1], "確認して、訂正して下さい。");
}

TEST(InputChecks, SwitchedOffLoadsSkipTheirChecks) {
  DesignConditions dc;
  dc.setText("Edit54", "99");  // passive pressure off
  dc.setText("Edit62", "99");  // water off
  dc.setText("Edit35", "-5");  // no shear key
  MessageLog log;
  EXPECT_FALSE(checkDesignConditions(dc, log));
  EXPECT_TRUE(log.empty());
}

TEST(InputChecks, TextThatIsNoNumberStopsThePass) {
  DesignConditions dc;
  dc.setText("Edit21", "x");
  MessageLog log;
  EXPECT_THROW(checkDesignConditions(dc, log), ConversionError);
}

struct RangeCase {
  const char* what;
  std::function<void(DesignConditions&)> set;
  std::vector<std::string> lines;
};

// A number outside its plausible range blocks with the control, its label,
// the text as typed and the range, wherever the run would read it.
TEST(InputChecks, NumbersOutsideTheirRangesBlockNamingLabelValueAndRange) {
  auto message = [](std::string first, std::string range) {
    return std::vector<std::string>{std::move(first), std::move(range),
                                    "確認して、訂正して下さい。"};
  };
  const RangeCase cases[] = {
      {"friction angle", [](auto& dc) { dc.setText("Edit14", "-1e300"); },
       message("Edit14「φ (角度)   =」の値 \"-1e300\" は範囲外です。", "範囲は 0 ～ 60 度 です。")},
      {"stem of the L wall",
       [](auto& dc) {
         dc.setIndex("PageControl2", 1);
         dc.setText("Edit44", "100001");
       },
       message("Edit44「たて壁高さ」の値 \"100001\" は範囲外です。",
               "範囲は 0 ～ 100,000 mm です。")},
      {"embankment height",
       [](auto& dc) {
         dc.setIndex("TabControl1", 2);
         dc.setText("ComboBox1", "1.5");
         dc.setText("Edit28", "-300");
       },
       message("Edit28「盛土高(mm)=」の値 \"-300\" は範囲外です。",
               "範囲は 0 ～ 100,000 mm です。")},
      {"water depth",
       [](auto& dc) {
         dc.setChecked("CheckBox3", true);
         dc.setText("ComboBox8", "9.8");
         dc.setText("Edit62", "-0.5");
       },
       message("Edit62「H1(水深m)=」の値 \"-0.5\" は範囲外です。", "範囲は 0 ～ 100 m です。")},
      {"water weight with water on",
       [](auto& dc) {
         dc.setChecked("CheckBox3", true);
         dc.setText("ComboBox8", "0.5");
       },
       message("ComboBox8「γw(重量kN/m3)=」の値 \"0.5\" は範囲外です。",
               "範囲は 1 ～ 100 kN/m3 です。")},
      {"seismic coefficient",
       [](auto& dc) {
         dc.setIndex("RadioGroup5", 1);
         dc.setIndex("Form9.RadioGroup4", 1);
         dc.setText("Edit61", "1.5");
       },
       message("Edit61「=設計震度」の値 \"1.5\" は範囲外です。", "範囲は 0 ～ 1 です。")},
      {"required safety factor",
       [](auto& dc) {
         dc.setIndex("RadioGroup11", 1);
         dc.setText("LabeledEdit1", "1e9");
       },
       message("LabeledEdit1「常　時」の値 \"1e9\" は範囲外です。", "範囲は 0 ～ 10 です。")},
      {"denormal unit weight", [](auto& dc) { dc.setText("LabeledEdit5", "4.9e-324"); },
       message("LabeledEdit5「γ1 (kN/m3)=」の値 \"4.9e-324\" は範囲外です。",
               "範囲は 1 ～ 100 kN/m3 です。")},
  };
  for (const RangeCase& c : cases) {
    DesignConditions dc;
    c.set(dc);
    MessageLog log;
    EXPECT_TRUE(checkDesignConditions(dc, log)) << c.what;
    ASSERT_EQ(log.size(), 1u) << c.what << ": " << (log.empty() ? "" : log[0].joined(" | "));
    EXPECT_EQ(log[0].kind, MessageKind::Block) << c.what;
    EXPECT_EQ(log[0].lines, c.lines) << c.what;
  }
}

// What the run does not read may hold anything: a disabled field of another
// wall type, load case or switch never blocks.
TEST(InputChecks, RangesOfFieldsTheRunDoesNotReadStayQuiet) {
  DesignConditions dc;
  for (const char* name : {"Edit44", "Edit48", "Edit62", "Edit61", "Edit28", "ComboBox1", "Edit35",
                           "Edit40", "LabeledEdit1", "LabeledEdit2"}) {
    dc.setText(name, "-1e300");
  }
  dc.setText("ComboBox8", "0.0");  // as it stands with the water off
  MessageLog log;
  EXPECT_FALSE(checkDesignConditions(dc, log));
  EXPECT_TRUE(log.empty()) << log[0].joined(" | ");
}

// A field with a check of its own keeps that check's message alone.
TEST(InputChecks, ARangeDoesNotRepeatAFieldsOwnCheck) {
  const std::pair<const char*, const char*> own[] = {
      {"Edit9", "かかと幅を再確認して下さい。"},
      {"Edit26", "σsaエラー"},
      {"Edit27", "τoエラー"},
      {"ComboBox7", "コンクリート重量を再確認して下さい。"}};
  for (const auto& [name, first] : own) {
    DesignConditions dc;
    dc.setText(name, "-1e300");
    MessageLog log;
    EXPECT_TRUE(checkDesignConditions(dc, log)) << name;
    for (const Message& m : log) {
      EXPECT_EQ(m.lines[0].find(name), std::string::npos) << name << ": " << m.lines[0];
    }
    EXPECT_EQ(log[0].lines[0], first) << name;
  }
  // Above its range the heel width has no check but the range.
  DesignConditions dc;
  dc.setText("Edit9", "1e6");
  dc.setText("Edit7", "1002000");
  MessageLog log;
  EXPECT_TRUE(checkDesignConditions(dc, log));
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].lines[0], "Edit7「底版幅」の値 \"1002000\" は範囲外です。");
  EXPECT_EQ(log[1].lines[0], "Edit9「かかと版幅」の値 \"1e6\" は範囲外です。");
}

TEST(ConditionRanges, EveryRangeBoundsAnEditTheRunReads) {
  const DesignConditions dc;
  for (const ConditionRange& r : conditionRanges()) {
    ASSERT_TRUE(dc.has(r.control)) << r.control;
    const ControlKind kind = dc.control(r.control).kind;
    EXPECT_TRUE(kind == ControlKind::Edit || kind == ControlKind::Combo) << r.control;
    EXPECT_LT(r.lower, r.upper) << r.control;
  }
  EXPECT_EQ(boundText(100000), "100,000");
  EXPECT_EQ(boundText(0.5), "0.5");
  EXPECT_EQ(boundText(0), "0");
}

}  // namespace
}  // namespace kovrel
