#include "app/conditions_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "app/start_up.h"
#include "base/atomic_file.h"
#include "base/shift_jis.h"
#include "conditions/colour_names.h"
#include "conditions/dat_file.h"
#include "conditions/window_rules.h"

namespace kovrel {
namespace {

namespace fs = std::filesystem;

class ConditionsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kovrel-dat-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    startUp(s);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const char* name) const { return (dir / name).string(); }

  // The file's lines, decoded, without their CR LF.
  static std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < bytes.size()) {
      size_t end = bytes.find("\r\n", start);
      out.push_back(fromShiftJis(bytes.substr(start, end - start)));
      start = end + 2;
    }
    return out;
  }
  static std::string join(const std::vector<std::string>& ls) {
    std::string out;
    for (const std::string& l : ls) out += toShiftJis(l) + "\r\n";
    return out;
  }

  fs::path dir;
  Session s;
};

// Every control value the file stores must survive a save and a load.
void expectSameStoredControls(const DesignConditions& a, const DesignConditions& b) {
  for (const DatEntry& e : datLayout()) {
    const Control& x = a.control(e.control);
    const Control& y = b.control(e.control);
    switch (e.kind) {
      case DatEntryKind::Index:
        EXPECT_EQ(x.index, y.index) << x.name;
        break;
      case DatEntryKind::Text:
        EXPECT_EQ(x.text, y.text) << x.name;
        break;
      case DatEntryKind::EditState:
        EXPECT_EQ(x.text, y.text) << x.name;
        EXPECT_EQ(x.colour, y.colour) << x.name;
        EXPECT_EQ(x.enabled, y.enabled) << x.name;
        break;
      case DatEntryKind::CheckState:
        EXPECT_EQ(x.checked, y.checked) << x.name;
        EXPECT_EQ(x.colour, y.colour) << x.name;
        break;
      case DatEntryKind::Cell:
        EXPECT_EQ(a.cell(e.control, e.col, e.row), b.cell(e.control, e.col, e.row))
            << e.control << "[" << e.col << "," << e.row << "]";
        break;
    }
  }
}

TEST_F(ConditionsFileTest, LayoutHas218Lines) {
  int count = 0;
  for (const DatEntry& e : datLayout()) count += datLineCount(e.kind);
  EXPECT_EQ(count, 218);
  EXPECT_EQ(lines(conditionsFileBytes(s.conditions)).size(), 218u);
}

TEST_F(ConditionsFileTest, StartUpStateRoundTripsByteForByte) {
  ASSERT_TRUE(saveConditions(s, path("a.dat")));
  EXPECT_EQ(s.currentFileName, "a");
  EXPECT_EQ(s.designWindow.caption, "設計条件 a");
  EXPECT_EQ(s.messages.back().lines.front(), "設計条件を保存しました。");

  Session t;
  startUp(t);
  ASSERT_TRUE(loadConditions(t, path("a.dat"))) << t.messages.back().joined("\n");
  EXPECT_EQ(t.messages.back().lines.front(), "設計条件を読込みました。");
  ASSERT_TRUE(saveConditions(t, path("b.dat")));
  EXPECT_EQ(readWholeFile(path("a.dat")), readWholeFile(path("b.dat")));
  const std::vector<std::string> l = lines(readWholeFile(path("a.dat")));
  // Spot checks of the kinds: an index, an edit state, a check state, a cell.
  EXPECT_EQ(l[0], "0");
  EXPECT_EQ((std::vector<std::string>{l[20], l[21], l[22]}),
            (std::vector<std::string>{"700", "clWindow", "TRUE"}));
  EXPECT_EQ((std::vector<std::string>{l[97], l[98]}),
            (std::vector<std::string>{"TRUE", "clMaroon"}));
  EXPECT_EQ((std::vector<std::string>{l[88], l[89], l[90]}),
            (std::vector<std::string>{"-", "clSilver", "FALSE"}));
  EXPECT_EQ(l[124], "-");
}

TEST_F(ConditionsFileTest, EveryStoredControlRoundTrips) {
  DesignConditions& dc = s.conditions;
  dc.clickIndex("RadioGroup1", 2);
  dc.clickIndex("RadioGroup2", 1);
  dc.setText("Edit7", "6000");  // inverted-T dimension while the L type is active
  dc.clickIndex("PageControl2", 1);
  dc.setText("Edit48", "4000");
  dc.setEnabled("Edit48", false);
  dc.setColour("Edit48", rgb(1, 2, 3));  // a colour without a name: "$" form
  dc.clickIndex("TabControl1", 2);
  dc.setChecked("CheckBox3", true);
  dc.setChecked("CheckBox4", true);
  dc.clickIndex("RadioGroup5", 1);
  dc.setText("ComboBox5", "0.16");
  dc.setCell("StringGrid2", 3, 2, "粘性土");
  dc.setText("Edit53", "Tg=0.20");
  dc.clickIndex("RadioGroup15", 3);
  dc.setText("Edit50", "27");

  ASSERT_TRUE(saveConditions(s, path("w.dat")));
  Session t;
  startUp(t);
  ASSERT_TRUE(loadConditions(t, path("w.dat"))) << t.messages.back().joined("\n");
  expectSameStoredControls(s.conditions, t.conditions);
  EXPECT_EQ(t.conditions.text("Edit7"), "6000");
  EXPECT_EQ(t.conditions.control("Edit48").colour, rgb(1, 2, 3));
  // The hand-over to the allowable-stresses window and the after-load steps.
  EXPECT_EQ(t.conditions.index("Form9.RadioGroup4"), 1);
  EXPECT_EQ(t.conditions.index("Form9.RadioGroup1"), 3);
  EXPECT_EQ(t.conditions.text("Form9.Edit1"), t.conditions.text("Edit23"));
  EXPECT_EQ(t.conditions.text("Form9.Edit4"), t.conditions.text("Edit26"));
  EXPECT_EQ(t.conditions.text("Form9.Edit5"), t.conditions.text("Edit27"));
  EXPECT_TRUE(t.designWindow.seismicPageVisible);
  EXPECT_FALSE(t.reportMenu.menuItems.at("N16").visible);
  EXPECT_TRUE(t.results.tabSheet("TabSheet13").visible);
  EXPECT_EQ(t.designWindow.pictures.outline, OutlineCase::LTypeWithKey);
  EXPECT_EQ(t.currentFileName, "w");

  // The rules stay installed on the committed conditions.
  t.conditions.setChecked("CheckBox3", false);
  EXPECT_FALSE(t.conditions.checked("CheckBox2"));
}

TEST_F(ConditionsFileTest, StoredValueReplacesTheRuleProposal) {
  std::vector<std::string> l = lines(conditionsFileBytes(s.conditions));
  ASSERT_TRUE(s.conditions.checked("CheckBox1"));
  l[97] = "FALSE";  // CheckBox1 unchecked ...
  l[99] = "12.5";   // ... but Edit1 stored enabled with a value
  l[100] = "clWindow";
  l[101] = "TRUE";
  std::ofstream(path("c.dat"), std::ios::binary) << join(l);

  // Watch the rule run while the line is applied.
  DesignConditions dc = s.conditions;
  DesignWindow w;
  std::string edit1AfterRule;
  dc.setRuleHook([&](DesignConditions& d, const std::string& name) {
    runWindowRule(d, w, {}, name);
    if (name == "CheckBox1")
      edit1AfterRule = d.text("Edit1") + (d.control("Edit1").enabled ? "+" : "-");
  });
  applyConditionsFile(dc, readWholeFile(path("c.dat")));
  EXPECT_EQ(edit1AfterRule, "0.0-");
  EXPECT_FALSE(dc.checked("CheckBox1"));
  EXPECT_EQ(dc.text("Edit1"), "12.5");
  EXPECT_TRUE(dc.control("Edit1").enabled);
  EXPECT_EQ(dc.control("Edit1").colour, clWindow);
}

TEST_F(ConditionsFileTest, LaterRuleDoesNotUndoAStoredSurcharge) {
  // Slope backfill, surcharge on the flat part, surcharge checked again by
  // hand: a state the window allows.
  s.conditions.clickIndex("TabControl1", 1);
  s.conditions.setChecked("CheckBox1", true);
  s.conditions.setText("Edit1", "7.5");
  ASSERT_TRUE(saveConditions(s, path("slope.dat")));

  // Loaded where "全面" was chosen: the file's "平坦部" line would drop the
  // surcharge stored before it.
  Session t;
  startUp(t);
  t.conditions.clickIndex("RadioGroup8", 1);
  ASSERT_TRUE(loadConditions(t, path("slope.dat")));
  EXPECT_TRUE(t.conditions.checked("CheckBox1"));
  EXPECT_EQ(t.conditions.text("Edit1"), "7.5");
  EXPECT_TRUE(t.conditions.control("Edit1").enabled);
  expectSameStoredControls(s.conditions, t.conditions);
}

TEST_F(ConditionsFileTest, DesignStrengthMapsOnlyExactItems) {
  struct Case {
    const char* text;
    int expected;
  };
  for (Case c : {Case{"24", 2}, Case{"18", 0}, Case{"24.0", 4}, Case{"", 4}}) {
    DesignConditions dc;
    dc.setIndex("Form9.RadioGroup1", 4);
    std::vector<std::string> l = lines(conditionsFileBytes(dc));
    l[169] = c.text;  // Edit50
    applyConditionsFile(dc, join(l));
    EXPECT_EQ(dc.index("Form9.RadioGroup1"), c.expected) << c.text;
  }
}

TEST_F(ConditionsFileTest, FailedLoadChangesNothing) {
  const std::vector<std::string> good = lines(conditionsFileBytes(s.conditions));
  struct Case {
    const char* name;
    std::function<std::string()> bytes;  // empty result: use the path as given
    const char* expectInMessage;
  };
  auto edited = [&](size_t index, const char* value) {
    std::vector<std::string> l = good;
    l[index] = value;
    return join(l);
  };
  const Case cases[] = {
      {"cut.dat",
       [&] {
         return join({good.begin(), good.begin() + 100});
       },
       "line 101"},
      {"abc.dat", [&] { return edited(0, "abc"); }, "line 1:"},
      {"wall.dat", [&] { return edited(19, "2"); }, "line 20:"},
      {"minus.dat", [&] { return edited(77, "-1"); }, "line 78:"},
      {"colour.dat", [&] { return edited(21, "clNoSuchColour"); }, "line 22:"},
      {"sjis.dat",
       [&] {
         return join({good.begin(), good.begin() + 1}) + "\x81\r\n";
       },
       "line 2:"},
      {"empty.dat", [&] { return std::string(); }, "line 1:"},
  };
  // A state unlike the start-up, so that a partial load would show.
  s.conditions.setChecked("CheckBox3", true);
  s.conditions.clickIndex("RadioGroup2", 1);
  ASSERT_TRUE(saveConditions(s, path("before.dat")));
  const std::string before = readWholeFile(path("before.dat"));
  const std::string caption = s.designWindow.caption;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(path(c.name), std::ios::binary) << c.bytes();
    EXPECT_FALSE(loadConditions(s, path(c.name)));
    const std::string message = s.messages.back().joined("\n");
    EXPECT_EQ(s.messages.back().kind, MessageKind::Error);
    EXPECT_NE(message.find(c.name), std::string::npos) << message;
    EXPECT_NE(message.find(c.expectInMessage), std::string::npos) << message;
    EXPECT_EQ(conditionsFileBytes(s.conditions), before);
    EXPECT_EQ(s.currentFileName, "before");
    EXPECT_EQ(s.designWindow.caption, caption);
  }
  for (const std::string& p : {path("missing.dat"), dir.string()}) {
    EXPECT_FALSE(loadConditions(s, p));
    EXPECT_NE(s.messages.back().joined("\n").find(p), std::string::npos);
    EXPECT_EQ(conditionsFileBytes(s.conditions), before);
  }
}

TEST_F(ConditionsFileTest, FailedSaveKeepsTheExistingFile) {
  ASSERT_TRUE(saveConditions(s, path("keep.dat")));
  const std::string before = readWholeFile(path("keep.dat"));
  s.conditions.setText("Edit15", "21\r\n0");
  EXPECT_FALSE(saveConditions(s, path("keep.dat")));
  EXPECT_NE(s.messages.back().joined("\n").find("Edit15"), std::string::npos);
  s.conditions.setText("Edit15", "21");
  s.conditions.setCell("StringGrid2", 3, 1, "\U0001F600");  // no Shift-JIS code
  EXPECT_FALSE(saveConditions(s, path("keep.dat")));
  EXPECT_NE(s.messages.back().joined("\n").find("StringGrid2[3,1]"), std::string::npos);
  EXPECT_FALSE(saveConditions(s, path("no-such-folder/x.dat")));
  EXPECT_EQ(readWholeFile(path("keep.dat")), before);
  EXPECT_EQ(s.currentFileName, "keep");
}

TEST_F(ConditionsFileTest, LoadCaseHandOverRecomputesThenStoredStressesWin) {
  s.conditions.clickIndex("RadioGroup5", 1);
  s.conditions.setText("Edit23", "11.5");
  ASSERT_TRUE(saveConditions(s, path("seismic.dat")));
  Session t;
  startUp(t);
  ASSERT_TRUE(loadConditions(t, path("seismic.dat")));
  EXPECT_EQ(t.conditions.index("Form9.RadioGroup4"), 1);
  // The stored σca is copied over whatever the load case proposed.
  EXPECT_EQ(t.conditions.text("Form9.Edit1"), "11.5");
  EXPECT_EQ(t.conditions.text("Edit23"), "11.5");
}

TEST(ColourNamesTest, IdentifiersAndHexForm) {
  const std::pair<Colour, const char*> cases[] = {{clSilver, "clSilver"},
                                                  {clWindow, "clWindow"},
                                                  {clBlack, "clBlack"},
                                                  {clMaroon, "clMaroon"},
                                                  {rgb(0, 128, 255), "$00FF8000"}};
  for (auto [colour, name] : cases) {
    EXPECT_EQ(colourName(colour), name);
    EXPECT_EQ(parseColourName(name), colour) << name;
  }
  EXPECT_EQ(parseColourName("12632256"), clSilver);
  EXPECT_EQ(parseColourName("$ff"), clRed);
  for (const char* bad : {"", "$", "clsilver", "$123456789", "silver", " clSilver", "0x10"}) {
    EXPECT_FALSE(parseColourName(bad)) << bad;
  }
}

}  // namespace
}  // namespace kovrel
