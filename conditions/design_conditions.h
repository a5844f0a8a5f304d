#pragma once
// The design conditions: every control of the design-conditions window (and of
// the allowable-stresses window, under "Form9."), by name, in window order.
// There is no separate input structure; the calculation, the checks, the file
// and the reports all read these controls and convert when they read.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "conditions/control.h"

namespace kovrel {

// A control text that is not a number where a number is read.
class ConversionError : public std::runtime_error {
 public:
  ConversionError(std::string control, std::string label, std::string text);
  const std::string& control() const { return control_; }
  const std::string& label() const { return label_; }
  const std::string& text() const { return text_; }

 private:
  std::string control_, label_, text_;
};

// The message the user sees for a ConversionError: the control, its label
// and the text that is no number.
std::string conversionMessage(const ConversionError& e);

// A control name the program does not know: a caller's mistake.
class UnknownControl : public std::out_of_range {
 public:
  explicit UnknownControl(const std::string& name)
      : std::out_of_range("no control named \"" + name + "\"") {}
};

class DesignConditions {
 public:
  // Called after a radio group, tab set, page control or check box took a new
  // value the way a click would: the window rules hook in here.
  using RuleHook = std::function<void(DesignConditions&, const std::string& name)>;

  // Every control at its initial value (before the start-up rules).
  DesignConditions();

  bool has(std::string_view name) const;
  const Control& control(std::string_view name) const;
  Control& control(std::string_view name);
  const std::vector<Control>& controls() const { return controls_; }

  const std::string& text(std::string_view name) const { return control(name).text; }
  void setText(std::string_view name, std::string text) { control(name).text = std::move(text); }
  int index(std::string_view name) const { return control(name).index; }
  bool checked(std::string_view name) const { return control(name).checked; }

  // As the program sets them: a radio group's new item and a check box's new
  // state run its rule; a tab or page index never does. Setting the value it
  // already has runs nothing.
  void setIndex(std::string_view name, int index);
  void setChecked(std::string_view name, bool checked);
  // As the user's click or tab change: runs the rule for every kind when the
  // value changes.
  void clickIndex(std::string_view name, int index);

  void setEnabled(std::string_view name, bool enabled) { control(name).enabled = enabled; }
  void setColour(std::string_view name, Colour colour) { control(name).colour = colour; }

  const std::string& cell(std::string_view grid, int col, int row) const;
  void setCell(std::string_view grid, int col, int row, std::string text);

  // Typed readers: convert the text at the moment of reading, or throw
  // ConversionError naming the control, its label and the text.
  double readDouble(std::string_view name) const;
  int readInt(std::string_view name) const;

  void setRuleHook(RuleHook hook) { hook_ = std::move(hook); }

 private:
  void notify(const std::string& name);

  std::vector<Control> controls_;
  std::unordered_map<std::string, size_t> byName_;
  RuleHook hook_;
};

// The decimal reading of a control text: optional blanks around, an optional
// sign, digits with one ".", an optional exponent. Locale-free. Returns false
// for anything else (empty, "-", "abc", "1,5", "inf").
bool parseDecimal(std::string_view text, double& value);
// The whole-number reading: optional blanks and sign, digits only.
bool parseWhole(std::string_view text, int& value);

}  // namespace kovrel
