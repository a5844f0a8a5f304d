#include "conditions/window_setup.h"

#include "conditions/seismic_aids.h"
#include "conditions/window_rules.h"

namespace kovrel {

void setUpDesignWindow(DesignConditions& dc, DesignWindow& w) {
  w.caption = "設計条件";
  // Reinforcement: first tab, automatic layout, combos at "-" and disabled.
  w.rebarTab = 0;
  for (const char* group : {"RadioGroup12", "RadioGroup13", "RadioGroup14", "RadioGroup15"}) {
    dc.setIndex(group, 0);
  }
  for (const char* combo : {"ComboBox10", "ComboBox11", "ComboBox12", "ComboBox13", "ComboBox14",
                            "ComboBox15", "ComboBox16", "ComboBox17"}) {
    dc.setText(combo, "-");
    dc.setEnabled(combo, false);
  }
  // Shear key pages follow the key.
  w.keyRebarTabVisible = dc.index("RadioGroup2") == 1;
  // Wall type: both tabs, the heel tab, the inverted T active; no passive pressure.
  w.wallTypeTabsVisible = true;
  w.heelRebarTabVisible = true;
  dc.setIndex("PageControl2", 0);
  dc.setChecked("CheckBox9", false);
  dc.setEnabled("CheckBox9", true);
  dc.setColour("Edit54", clSilver);
  dc.setText("Edit54", "0.0");
  w.radioGroup4Visible = true;
  // Load case: normal, the seismic page hidden, the first pages active.
  dc.setIndex("RadioGroup5", 0);
  dc.setEnabled("RadioGroup9", false);
  w.seismicPageVisible = false;
  w.loadPage = 0;
  w.aidPage = 0;
  // Overturning by the allowable eccentricity.
  dc.setIndex("RadioGroup11", 0);
  setEditState(dc, false, "-", "LabeledEdit1");
  setEditState(dc, false, "-", "LabeledEdit2");
  // Flat backfill.
  dc.setIndex("TabControl1", 0);
  setComboState(dc, false, "-", "ComboBox1");
  setEditState(dc, false, "0.0", "Edit28");
  redrawWallPictures(dc, w.pictures);
  fillSeismicTables(dc, w);
}

}  // namespace kovrel
