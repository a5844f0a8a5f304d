#include "conditions/window_rules.h"

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "conditions/numeric_keypad.h"

namespace kovrel {
namespace {

class WindowRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { startUp(s); }
  DesignConditions& dc() { return s.conditions; }
  void expectState(const char* name, const char* text, bool enabled) {
    const Control& c = dc().control(name);
    EXPECT_EQ(c.text, text) << name;
    EXPECT_EQ(c.enabled, enabled) << name;
    EXPECT_EQ(c.colour, enabled ? clWindow : clSilver) << name;
  }
  Session s;
};

TEST_F(WindowRulesTest, StartUpLeavesTheSwitchedOffValuesGreyed) {
  expectState("ComboBox1", "-", false);
  expectState("Edit28", "0.0", false);
  expectState("LabeledEdit1", "-", false);
  expectState("LabeledEdit2", "-", false);
  EXPECT_FALSE(dc().control("RadioGroup9").enabled);
  EXPECT_FALSE(s.designWindow.seismicPageVisible);
  EXPECT_FALSE(s.designWindow.keyRebarTabVisible);
  EXPECT_EQ(dc().control("CheckBox1").colour, clMaroon);
  EXPECT_EQ(s.designWindow.standardValues.cell(2, 2), "0.20");
  EXPECT_EQ(s.designWindow.groundTypes.cell(1, 1), "       Tg<0.2");
}

struct CheckRule {
  const char* box;
  std::vector<std::pair<const char*, const char*>> onTexts;  // off: "0.0"
  std::vector<const char*> labels;
};

TEST_F(WindowRulesTest, LoadCheckBoxesEnableProposeAndZeroTheirValues) {
  const CheckRule rules[] = {
      {"CheckBox4", {{"Edit43", "1.0"}, {"Edit13", "0.35"}}, {}},
      {"CheckBox9", {{"Edit54", "1.0"}}, {"仮想地盤面 ----", "Ho"}},
      {"CheckBox3", {{"Edit62", "0.5"}, {"ComboBox8", "9.8"}}, {"H1"}},
      {"CheckBox5", {{"ComboBox3", "1.0"}, {"ComboBox2", "1.0"}}, {"H2"}},
      {"CheckBox6", {{"ComboBox4", "30"}, {"ComboBox9", "0.6"}}, {"H3"}},
  };
  for (const CheckRule& r : rules) {
    SCOPED_TRACE(r.box);
    dc().setChecked(r.box, true);
    EXPECT_EQ(dc().control(r.box).colour, clMaroon);
    for (auto [name, text] : r.onTexts) expectState(name, text, true);
    for (const char* label : r.labels) EXPECT_TRUE(s.designWindow.pictureLabels.at(label));
    dc().setChecked(r.box, false);
    EXPECT_EQ(dc().control(r.box).colour, clBlack);
    for (auto [name, text] : r.onTexts) expectState(name, "0.0", false);
    for (const char* label : r.labels) EXPECT_FALSE(s.designWindow.pictureLabels.at(label));
  }
}

TEST_F(WindowRulesTest, SurchargeBoxTogglesItsIntensity) {
  dc().setChecked("CheckBox1", false);
  expectState("Edit1", "0.0", false);
  EXPECT_EQ(dc().control("CheckBox1").colour, clBlack);
  dc().setChecked("CheckBox1", true);
  expectState("Edit1", "10.0", true);
}

TEST_F(WindowRulesTest, WaterOffAlsoTakesBuoyancyOutOfTheSlabs) {
  dc().setChecked("CheckBox3", true);
  EXPECT_TRUE(dc().checked("CheckBox2"));
  EXPECT_TRUE(dc().control("CheckBox2").enabled);
  dc().setChecked("CheckBox3", false);
  EXPECT_FALSE(dc().checked("CheckBox2"));
  EXPECT_FALSE(dc().control("CheckBox2").enabled);
}

TEST_F(WindowRulesTest, SlopeWithSurchargeOnTheFlatPartOnlyDropsTheSurcharge) {
  dc().clickIndex("TabControl1", 1);
  expectState("ComboBox1", "1.0", true);
  expectState("Edit28", "0.0", false);
  EXPECT_FALSE(dc().checked("CheckBox1"));
  expectState("Edit1", "0.0", false);
  // "全面" does not bring it back ...
  dc().clickIndex("RadioGroup8", 1);
  EXPECT_FALSE(dc().checked("CheckBox1"));
  // ... and going back to "平坦部" on the slope drops it again.
  dc().setChecked("CheckBox1", true);
  dc().clickIndex("RadioGroup8", 0);
  EXPECT_FALSE(dc().checked("CheckBox1"));
  expectState("Edit1", "0.0", false);

  dc().clickIndex("TabControl1", 2);
  expectState("ComboBox1", "1.0", true);
  expectState("Edit28", "2000", true);
  dc().clickIndex("TabControl1", 0);
  expectState("ComboBox1", "-", false);
  expectState("Edit28", "0.0", false);
}

TEST_F(WindowRulesTest, LoadCaseSwitchProposesAndResetsTheSeismicCoefficient) {
  dc().setText("ComboBox5", "0.24");
  dc().setText("Edit61", "0.3");
  dc().clickIndex("RadioGroup5", 1);
  expectState("ComboBox5", "0.12", true);
  expectState("ComboBox6", "1.0", true);
  expectState("Edit61", "0.12", true);
  EXPECT_TRUE(dc().control("RadioGroup9").enabled);
  EXPECT_TRUE(s.designWindow.seismicPageVisible);
  EXPECT_TRUE(s.designWindow.aidPagesEnabled);
  EXPECT_EQ(s.designWindow.aidBackground, clWindow);

  s.designWindow.zoneKeys = {"x"};
  dc().clickIndex("RadioGroup5", 0);
  expectState("ComboBox5", "0.0", false);
  expectState("ComboBox6", "1.0", false);
  expectState("Edit61", "0.0", false);
  EXPECT_FALSE(dc().control("RadioGroup9").enabled);
  EXPECT_FALSE(s.designWindow.seismicPageVisible);
  EXPECT_TRUE(s.designWindow.zoneKeys.empty());
  EXPECT_EQ(s.designWindow.aidBackground, clSilver);
}

TEST_F(WindowRulesTest, ShearKeyProposesItsSizeOnlyWhenTheChoiceChanges) {
  dc().clickIndex("RadioGroup2", 1);
  expectState("Edit35", "800", true);
  expectState("Edit40", "500", true);
  expectState("Edit41", "400", true);
  EXPECT_TRUE(s.designWindow.pictureLabels.at("(2)"));
  EXPECT_TRUE(s.designWindow.keyRebarTabVisible);
  EXPECT_TRUE(s.results.tabSheet("TabSheet13").visible);
  EXPECT_TRUE(s.reportMenu.menuItems.at("N34").visible);

  dc().setText("Edit35", "650");
  dc().clickIndex("RadioGroup2", 1);  // already "有り": no rule
  EXPECT_EQ(dc().text("Edit35"), "650");

  dc().clickIndex("RadioGroup2", 0);
  expectState("Edit35", "0", false);
  EXPECT_FALSE(s.results.tabSheet("TabSheet13").visible);
  EXPECT_FALSE(s.reportMenu.menuItems.at("N34").visible);
}

TEST_F(WindowRulesTest, ReinforcementChoiceSetsPitchAndDiameterCombos) {
  struct Case {
    int item;
    const char* pitch;
    bool pitchOn;
    const char* diameter;
    bool diameterOn;
  };
  const Case cases[] = {{1, "150mm", true, "-", false},
                        {2, "-", false, "16mm", true},
                        {3, "150mm", true, "16mm", true},
                        {0, "-", false, "-", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    dc().clickIndex("RadioGroup14", c.item);
    EXPECT_EQ(dc().text("ComboBox14"), c.pitch);
    EXPECT_EQ(dc().control("ComboBox14").enabled, c.pitchOn);
    EXPECT_EQ(dc().text("ComboBox15"), c.diameter);
    EXPECT_EQ(dc().control("ComboBox15").enabled, c.diameterOn);
    // Only the enabled flag changes; the background stays.
    EXPECT_EQ(dc().control("ComboBox14").colour, clSilver);
  }
  EXPECT_EQ(dc().text("ComboBox10"), "-");  // other members untouched
}

TEST_F(WindowRulesTest, SoilClassAndOverturningMethodProposeTheirValues) {
  dc().clickIndex("RadioGroup1", 1);
  EXPECT_EQ(dc().text("Edit15"), "19");
  EXPECT_EQ(dc().text("Edit14"), "30");
  EXPECT_EQ(dc().text("Edit21"), "0.0");
  EXPECT_EQ(dc().text("Edit16"), "600");
  dc().clickIndex("RadioGroup1", 0);
  EXPECT_EQ(dc().text("Edit16"), "900");

  dc().clickIndex("RadioGroup11", 1);
  expectState("LabeledEdit1", "1.5", true);
  expectState("LabeledEdit2", "1.2", true);
}

TEST_F(WindowRulesTest, LoadCombinationConfirmationListsEverySwitch) {
  EXPECT_EQ(loadCombinationText(dc()),
            "[荷重組合せ]は正しいですか。\r\r1.[載荷重]   =有り\r2.[雪荷重]   =無し\r3.[常   時]\r"
            "4.[受働土圧]=無し\r5.[水圧浮力]=無し\r6.[風荷重   ]=無し\r7.[衝突荷重]=無し");
  dc().clickIndex("RadioGroup5", 1);
  dc().setChecked("CheckBox6", true);
  const std::string text = loadCombinationText(dc());
  EXPECT_NE(text.find("\r3.[地震時]\r"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - std::string("7.[衝突荷重]=有り").size()),
            "7.[衝突荷重]=有り");
}

TEST_F(WindowRulesTest, KeypadTransfersAsTypedWithoutRules) {
  NumericKeypad pad;
  EXPECT_FALSE(pad.open(dc(), "Edit61"));  // kh is not keyed
  EXPECT_FALSE(pad.open(dc(),
                        "Edit1"
                        "x"));
  EXPECT_FALSE(pad.open(dc(), "Edit43"));  // disabled
  ASSERT_TRUE(pad.open(dc(), "Edit15"));
  for (const char* key : {"1", "2", ".", "5"}) pad.press(dc(), key);
  EXPECT_EQ(pad.text(), "12.5");
  pad.press(dc(), "転記");
  EXPECT_EQ(dc().text("Edit15"), "12.5");
  EXPECT_FALSE(pad.isOpen());
  // An empty transfer empties the edit.
  ASSERT_TRUE(pad.open(dc(), "Edit14"));
  pad.press(dc(), "9");
  pad.press(dc(), "CLS");
  pad.press(dc(), "転記");
  EXPECT_EQ(dc().text("Edit14"), "");
  // The allowable-stresses window's values take it too, with no recomputation.
  ASSERT_TRUE(pad.open(dc(), "Form9.Edit3"));
  EXPECT_FALSE(pad.open(dc(), "Form9.RadioGroup1"));
  ASSERT_TRUE(pad.open(dc(), "Form9.Edit3"));
  for (const char* key : {"0", ".", "2", "5"}) pad.press(dc(), key);
  pad.press(dc(), "転記");
  EXPECT_EQ(dc().text("Form9.Edit3"), "0.25");
  EXPECT_EQ(dc().text("Form9.Edit1"), "8");
}

TEST_F(WindowRulesTest, WallTypeLayoutFollowsTheTabAndTheKey) {
  dc().clickIndex("PageControl2", 1);
  EXPECT_FALSE(s.reportMenu.menuItems.at("N16").visible);
  EXPECT_EQ(s.reportMenu.menuItems.at("N28").caption, "1．かかと版");
  EXPECT_EQ(s.reportMenu.menuItems.at("N34").caption, "2．突起");
  EXPECT_FALSE(s.reportMenu.menuItems.at("N34").visible);
  EXPECT_EQ(s.results.reportPage("Form14").heading, "-");
  // Base-slab pages numbered in print order, as the contents count them.
  EXPECT_EQ(s.results.reportPage("Form15").heading, "Ⅳ-2-1．構造計算：底版(かかと版)");
  EXPECT_EQ(s.results.reportPage("Form26").heading,
            "Ⅳ-2-2．構造計算：底版(かかと版)(鉄筋量及び応力度)");
  EXPECT_EQ(s.results.reportPage("Form18").heading, "Ⅳ-2-3．構造計算：底版(突起)");
  EXPECT_EQ(s.results.reportPage("Form18").number, "13");
  EXPECT_FALSE(s.results.tabSheet("TabSheet11").visible);
  EXPECT_TRUE(s.results.tabSheet("TabSheet12").visible);
  EXPECT_EQ(s.designWindow.pictures.outline, OutlineCase::LType);

  dc().clickIndex("PageControl2", 0);
  EXPECT_TRUE(s.reportMenu.menuItems.at("N16").visible);
  EXPECT_EQ(s.results.reportPage("Form14").heading, "Ⅳ-2-1．構造計算：底版(つま先版)");
  EXPECT_EQ(s.results.reportPage("Form26").heading,
            "Ⅳ-2-3．構造計算：底版(かかと版)(鉄筋量及び応力度)");
  EXPECT_EQ(s.results.reportPage("Form18").heading, "Ⅳ-2-4．構造計算：底版(突起)");
  EXPECT_EQ(s.results.reportPage("Form18").number, "14");
  EXPECT_TRUE(s.results.tabSheet("TabSheet11").visible);
}

}  // namespace
}  // namespace kovrel
