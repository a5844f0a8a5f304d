#pragma once
// The rules of the design-conditions window: a switch enables the values that
// belong to it and proposes defaults for them, and greys out and zeroes them
// when it is turned off; the wall pictures follow every switch. The rules run
// on a user's click and whenever the program sets a radio group to another
// item or changes a check box (a file load relies on this).

#include <functional>
#include <string>

#include "conditions/design_conditions.h"
#include "conditions/design_window.h"

namespace kovrel {

// Enabling gives the control the window background, disabling silver; then
// the text is set.
void setEditState(DesignConditions& dc, bool enabled, std::string text, const std::string& name);
void setComboState(DesignConditions& dc, bool enabled, std::string text, const std::string& name);

// What the rules reach beyond the design-conditions window.
struct WindowRuleLinks {
  // Adapts menus, report headings and result pages to the wall type and key.
  std::function<void(const DesignConditions&)> wallTypeLayout;
  // Recomputes the allowable-stresses window after one of its groups changed.
  std::function<void(DesignConditions&)> allowableStresses;
};

// Runs the rule of one control, as its click or change event would.
void runWindowRule(DesignConditions& dc, DesignWindow& window, const WindowRuleLinks& links,
                   const std::string& name);

// The hook to install with DesignConditions::setRuleHook. The window must
// outlive the conditions the hook is installed on.
DesignConditions::RuleHook windowRulesHook(DesignWindow& window, WindowRuleLinks links);

// The confirmation shown by "計算開始": the load combination, one line per switch.
std::string loadCombinationText(const DesignConditions& dc);

// The message of the button "δ説明".
extern const char* const kDeltaExplanation;

}  // namespace kovrel
