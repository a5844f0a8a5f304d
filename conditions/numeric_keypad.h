#pragma once
// The numeric keypad of the design-conditions window and of the
// allowable-stresses window's values: a click in an enabled edit opens it for
// that edit; its keys build a text that "転記" copies into
// the edit as typed, with no rule and no recomputation after it.

#include <string>

#include "conditions/design_conditions.h"

namespace kovrel {

class NumericKeypad {
 public:
  // Opens the keypad for an edit; returns false (and stays closed) for a
  // disabled edit, a non-edit and the edits the keypad does not serve.
  bool open(const DesignConditions& dc, const std::string& edit);
  // "0"-"9" and "." append their caption; "CLS" empties; "取消" empties and
  // closes; "転記" transfers, empties and closes. Other keys do nothing.
  void press(DesignConditions& dc, const std::string& key);

  bool isOpen() const { return open_; }
  const std::string& target() const { return target_; }
  const std::string& text() const { return text_; }

 private:
  bool open_ = false;
  std::string target_;
  std::string text_;
};

}  // namespace kovrel
