#include "conditions/design_conditions.h"

#include <gtest/gtest.h>

#include <vector>

namespace kovrel {
namespace {

TEST(DesignConditions, InitialValuesOfTheWindow) {
  DesignConditions dc;
  EXPECT_EQ(dc.text("Edit15"), "20");
  EXPECT_EQ(dc.text("Edit7"), "5800");
  EXPECT_EQ(dc.text("Edit48"), "4600");
  EXPECT_EQ(dc.text("ComboBox1"), "-");
  EXPECT_FALSE(dc.control("ComboBox1").enabled);
  EXPECT_EQ(dc.control("ComboBox1").colour, clSilver);
  EXPECT_EQ(dc.control("Edit15").colour, clWindow);
  EXPECT_TRUE(dc.checked("CheckBox1"));
  EXPECT_EQ(dc.control("CheckBox1").colour, clMaroon);
  EXPECT_EQ(dc.index("RadioGroup7"), 1);
  EXPECT_EQ(dc.index("RadioGroup9"), 1);
  EXPECT_EQ(dc.control("ComboBox10").items.size(), 12u);
  EXPECT_EQ(dc.control("ComboBox11").items.back(), "51mm");
  EXPECT_EQ(dc.control("ComboBox1").items.size(), 20u);
  EXPECT_EQ(dc.cell("StringGrid2", 3, 5), "-");
  EXPECT_EQ(dc.cell("StringGrid2", 0, 5), "5");
  EXPECT_EQ(dc.index("Form9.RadioGroup1"), 2);  // "24"
  EXPECT_EQ(dc.control("Form9.RadioGroup1").items[2], "24");
}

TEST(DesignConditions, NamesAreUnique) {
  DesignConditions dc;
  for (const Control& c : dc.controls()) EXPECT_EQ(&dc.control(c.name), &c) << c.name;
}

TEST(DesignConditions, ReadersConvertWhenTheyRead) {
  DesignConditions dc;
  EXPECT_DOUBLE_EQ(dc.readDouble("Edit15"), 20.0);
  EXPECT_DOUBLE_EQ(dc.readDouble("LabeledEdit3"), 2.5);
  EXPECT_EQ(dc.readInt("Edit42"), 35);
  dc.setText("LabeledEdit7", "25.5");
  EXPECT_DOUBLE_EQ(dc.readDouble("LabeledEdit7"), 25.5);
  try {
    dc.readInt("LabeledEdit7");
    FAIL() << "a fraction is no whole number";
  } catch (const ConversionError& e) {
    EXPECT_EQ(e.control(), "LabeledEdit7");
    EXPECT_EQ(e.label(), "φ (角度) =");
    EXPECT_EQ(e.text(), "25.5");
  }
}

TEST(DesignConditions, DecimalReadingAcceptsOnlyNumbers) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  };
  const Case cases[] = {{"1.5", true, 1.5}, {" 2 ", true, 2},    {"-0.25", true, -0.25},
                        {"+3", true, 3},    {".5", true, 0.5},   {"1e3", true, 1000},
                        {"", false, 0},     {"-", false, 0},     {"abc", false, 0},
                        {"1,5", false, 0},  {"1.5.2", false, 0}, {"inf", false, 0},
                        {"nan", false, 0},  {"1e999", false, 0}, {"５", false, 0}};
  for (const Case& c : cases) {
    double v = -1;
    EXPECT_EQ(parseDecimal(c.text, v), c.ok) << "\"" << c.text << "\"";
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
  }
  int n = 0;
  EXPECT_TRUE(parseWhole("35", n));
  EXPECT_EQ(n, 35);
  EXPECT_FALSE(parseWhole("3.0", n));
  EXPECT_FALSE(parseWhole("99999999999", n));
}

TEST(DesignConditions, RuleHookRunsOnClicksNotOnTexts) {
  DesignConditions dc;
  std::vector<std::string> fired;
  dc.setRuleHook([&](DesignConditions&, const std::string& name) { fired.push_back(name); });

  dc.setText("Edit15", "19");         // a text: no rule
  dc.setIndex("RadioGroup5", 0);      // same item: no rule
  dc.setIndex("RadioGroup5", 1);      // new item: rule
  dc.setIndex("TabControl1", 2);      // a tab set by the program: no rule
  dc.clickIndex("TabControl1", 1);    // a tab changed by the user: rule
  dc.setChecked("CheckBox1", true);   // unchanged: no rule
  dc.setChecked("CheckBox1", false);  // changed: rule
  EXPECT_EQ(fired, (std::vector<std::string>{"RadioGroup5", "TabControl1", "CheckBox1"}));
}

TEST(DesignConditions, UnknownNamesAndCellsAreErrors) {
  DesignConditions dc;
  EXPECT_THROW(dc.text("Edit999"), UnknownControl);
  EXPECT_THROW(dc.cell("StringGrid2", 4, 0), std::out_of_range);
}

}  // namespace
}  // namespace kovrel
