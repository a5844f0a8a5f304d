#include "conditions/numeric_keypad.h"

namespace kovrel {

bool NumericKeypad::open(const DesignConditions& dc, const std::string& edit) {
  // The allowable-stresses window's five values are read-only and keyed in
  // only here; none of its other controls is an edit.
  if (!dc.has(edit)) return false;
  const Control& c = dc.control(edit);
  // The kh result, the Tg result and the safety factors are not keyed in here.
  if (c.kind != ControlKind::Edit || !c.enabled || edit == "Edit61" || edit == "Edit53" ||
      edit == "LabeledEdit1" || edit == "LabeledEdit2") {
    return false;
  }
  open_ = true;
  target_ = edit;
  return true;
}

void NumericKeypad::press(DesignConditions& dc, const std::string& key) {
  if (!open_) return;
  if (key.size() == 1 && ((key[0] >= '0' && key[0] <= '9') || key[0] == '.')) {
    text_ += key;
  } else if (key == "CLS") {
    text_.clear();
  } else if (key == "取消") {
    text_.clear();
    open_ = false;
  } else if (key == "転記") {
    dc.setText(target_, text_);
    text_.clear();
    open_ = false;
  }
}

}  // namespace kovrel
