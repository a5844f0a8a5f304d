#include "conditions/window_rules.h"

#include <utility>

namespace kovrel {

const char* const kDeltaExplanation =
    "壁面摩擦角δは\r土とコンクリートが接する場合\r\r■道路土工擁壁工指針：δ=2φ/3（常時）\r\r"
    "■一部の開発基準\r　 擁壁背面に透水マットを使用した場合：δ=φ/2（常時）\r\rとされている。";

void setEditState(DesignConditions& dc, bool enabled, std::string text, const std::string& name) {
  dc.setEnabled(name, enabled);
  dc.setColour(name, enabled ? clWindow : clSilver);
  dc.setText(name, std::move(text));
}

void setComboState(DesignConditions& dc, bool enabled, std::string text, const std::string& name) {
  setEditState(dc, enabled, std::move(text), name);
}

namespace {

// Load check boxes: maroon font while checked, black while not.
void fontColour(DesignConditions& dc, const std::string& box) {
  dc.setColour(box, dc.checked(box) ? clMaroon : clBlack);
}

void redraw(const DesignConditions& dc, DesignWindow& w) {
  redrawWallPictures(dc, w.pictures);
}

void layout(const DesignConditions& dc, const WindowRuleLinks& links) {
  if (links.wallTypeLayout) links.wallTypeLayout(dc);
}

// Surcharge only on the flat part of a slope backfill has nowhere to act.
void dropSurcharge(DesignConditions& dc) {
  dc.setChecked("CheckBox1", false);
  setEditState(dc, false, "0.0", "Edit1");
}

void shearKeyRule(DesignConditions& dc, DesignWindow& w) {
  const bool key = dc.index("RadioGroup2") == 1;
  setEditState(dc, key, key ? "800" : "0", "Edit35");
  setEditState(dc, key, key ? "500" : "0", "Edit40");
  setEditState(dc, key, key ? "400" : "0", "Edit41");
  for (const char* label : {"(1)", "(2)", "(3)"}) w.pictureLabels[label] = key;
}

// The pitch and diameter combos of one member follow its choice; they keep
// their background, only the enabled flag changes.
void reinforcementRule(DesignConditions& dc, const std::string& group) {
  static const char* const members[4][3] = {{"RadioGroup12", "ComboBox10", "ComboBox11"},
                                            {"RadioGroup13", "ComboBox12", "ComboBox13"},
                                            {"RadioGroup14", "ComboBox14", "ComboBox15"},
                                            {"RadioGroup15", "ComboBox16", "ComboBox17"}};
  for (const auto& m : members) {
    if (group != m[0]) continue;
    const int choice = dc.index(group);
    const bool pitch = choice == 1 || choice == 3;
    const bool diameter = choice == 2 || choice == 3;
    dc.setText(m[1], pitch ? "150mm" : "-");
    dc.setEnabled(m[1], pitch);
    dc.setText(m[2], diameter ? "16mm" : "-");
    dc.setEnabled(m[2], diameter);
  }
}

void loadCaseRule(DesignConditions& dc, DesignWindow& w) {
  const bool seismic = dc.index("RadioGroup5") == 1;
  w.seismicPageVisible = seismic;
  setEditState(dc, seismic, seismic ? "0.12" : "0.0", "Edit61");
  setComboState(dc, seismic, seismic ? "0.12" : "0.0", "ComboBox5");
  setComboState(dc, seismic, "1.0", "ComboBox6");
  w.aidPagesEnabled = seismic;
  w.aidBackground = seismic ? clWindow : clSilver;
  if (!seismic) {
    w.zoneKeys.clear();
    w.municipalities.clear();
  }
  dc.setEnabled("RadioGroup9", seismic);
}

void backfillTabRule(DesignConditions& dc) {
  switch (dc.index("TabControl1")) {
    case 0:
      setComboState(dc, false, "-", "ComboBox1");
      setEditState(dc, false, "0.0", "Edit28");
      break;
    case 1:
      setComboState(dc, true, "1.0", "ComboBox1");
      setEditState(dc, false, "0.0", "Edit28");
      if (dc.index("RadioGroup8") == 0) dropSurcharge(dc);
      break;
    case 2:
      setComboState(dc, true, "1.0", "ComboBox1");
      setEditState(dc, true, "2000", "Edit28");
      break;
    default:
      break;
  }
}

}  // namespace

void runWindowRule(DesignConditions& dc, DesignWindow& w, const WindowRuleLinks& links,
                   const std::string& name) {
  if (name == "RadioGroup1") {
    static const char* const proposals[3][4] = {
        {"20", "35", "0.0", "900"}, {"19", "30", "0.0", "600"}, {"18", "25", "0.0", "300"}};
    const int soil = dc.index("RadioGroup1");
    if (soil < 0 || soil > 2) return;
    dc.setText("Edit15", proposals[soil][0]);
    dc.setText("Edit14", proposals[soil][1]);
    dc.setText("Edit21", proposals[soil][2]);
    dc.setText("Edit16", proposals[soil][3]);
  } else if (name == "PageControl2") {
    redraw(dc, w);
    layout(dc, links);
  } else if (name == "RadioGroup2") {
    layout(dc, links);
    w.keyRebarTabVisible = dc.index("RadioGroup2") == 1;
    redraw(dc, w);
    shearKeyRule(dc, w);
  } else if (name == "TabControl1") {
    redraw(dc, w);
    backfillTabRule(dc);
  } else if (name == "RadioGroup8") {
    if (dc.index("TabControl1") == 1 && dc.index("RadioGroup8") == 0) dropSurcharge(dc);
    redraw(dc, w);
  } else if (name == "RadioGroup4") {
    redraw(dc, w);
  } else if (name == "CheckBox1") {
    redraw(dc, w);
    fontColour(dc, name);
    const bool on = dc.checked(name);
    setEditState(dc, on, on ? "10.0" : "0.0", "Edit1");
  } else if (name == "CheckBox4") {
    redraw(dc, w);
    fontColour(dc, name);
    const bool on = dc.checked(name);
    setEditState(dc, on, on ? "1.0" : "0.0", "Edit43");
    setEditState(dc, on, on ? "0.35" : "0.0", "Edit13");
  } else if (name == "CheckBox9") {
    redraw(dc, w);
    fontColour(dc, name);
    const bool on = dc.checked(name);
    setEditState(dc, on, on ? "1.0" : "0.0", "Edit54");
    w.pictureLabels["仮想地盤面 ----"] = on;
    w.pictureLabels["Ho"] = on;
  } else if (name == "CheckBox3") {
    redraw(dc, w);
    fontColour(dc, name);
    const bool on = dc.checked(name);
    setEditState(dc, on, on ? "0.5" : "0.0", "Edit62");
    setComboState(dc, on, on ? "9.8" : "0.0", "ComboBox8");
    w.pictureLabels["H1"] = on;
    // Buoyancy in the slab design never stays on without water.
    dc.setChecked("CheckBox2", on);
    dc.setEnabled("CheckBox2", on);
  } else if (name == "CheckBox5") {
    redraw(dc, w);
    fontColour(dc, name);
    const bool on = dc.checked(name);
    setComboState(dc, on, on ? "1.0" : "0.0", "ComboBox3");
    setComboState(dc, on, on ? "1.0" : "0.0", "ComboBox2");
    w.pictureLabels["H2"] = on;
  } else if (name == "CheckBox6") {
    redraw(dc, w);
    fontColour(dc, name);
    const bool on = dc.checked(name);
    setComboState(dc, on, on ? "30" : "0.0", "ComboBox4");
    setComboState(dc, on, on ? "0.6" : "0.0", "ComboBox9");
    w.pictureLabels["H3"] = on;
  } else if (name == "RadioGroup5") {
    loadCaseRule(dc, w);
  } else if (name == "RadioGroup11") {
    const bool factors = dc.index("RadioGroup11") == 1;
    setEditState(dc, factors, factors ? "1.5" : "-", "LabeledEdit1");
    setEditState(dc, factors, factors ? "1.2" : "-", "LabeledEdit2");
  } else if (name == "RadioGroup12" || name == "RadioGroup13" || name == "RadioGroup14" ||
             name == "RadioGroup15") {
    reinforcementRule(dc, name);
  } else if (name.rfind("Form9.RadioGroup", 0) == 0) {
    if (links.allowableStresses) links.allowableStresses(dc);
  }
}

DesignConditions::RuleHook windowRulesHook(DesignWindow& window, WindowRuleLinks links) {
  DesignWindow* w = &window;
  return [w, links = std::move(links)](DesignConditions& dc, const std::string& name) {
    runWindowRule(dc, *w, links, name);
  };
}

std::string loadCombinationText(const DesignConditions& dc) {
  struct Line {
    const char* on;
    const char* off;
    bool state;
  };
  const Line lines[] = {{"1.[載荷重]   =有り", "1.[載荷重]   =無し", dc.checked("CheckBox1")},
                        {"2.[雪荷重]   =有り", "2.[雪荷重]   =無し", dc.checked("CheckBox4")},
                        {"3.[地震時]", "3.[常   時]", dc.index("RadioGroup5") == 1},
                        {"4.[受働土圧]=有り", "4.[受働土圧]=無し", dc.checked("CheckBox9")},
                        {"5.[水圧浮力]=有り", "5.[水圧浮力]=無し", dc.checked("CheckBox3")},
                        {"6.[風荷重   ]=有り", "6.[風荷重   ]=無し", dc.checked("CheckBox5")},
                        {"7.[衝突荷重]=有り", "7.[衝突荷重]=無し", dc.checked("CheckBox6")}};
  std::string text = "[荷重組合せ]は正しいですか。\r\r";
  for (size_t i = 0; i < std::size(lines); ++i) {
    if (i) text += "\r";
    text += lines[i].state ? lines[i].on : lines[i].off;
  }
  return text;
}

}  // namespace kovrel
