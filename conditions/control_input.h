#pragma once
// One value entered at the design-conditions window, by control name, the way
// the user enters it: an edit's or combo's text as typed, a radio item, tab or
// page index clicked, a check box ticked, a grid cell ("StringGrid2[c,r]")
// typed. The command line's --set and the desktop program's widgets both come
// through here, so a click runs exactly the rule a --set runs.

#include <stdexcept>
#include <string>

#include "conditions/design_conditions.h"

namespace kovrel {

// A name or value no control takes; nothing was changed.
class ControlInputError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// Applies one value: edits, combos and cells take the text and run no rule;
// radio groups, tab sets and page controls take an index ("0", "1" ...) and
// run their rule when it changes; check boxes take "1"/"0" or "TRUE"/"FALSE"
// and run their rule when the state changes. Throws ControlInputError.
void applyControlInput(DesignConditions& dc, const std::string& name, const std::string& value);

}  // namespace kovrel
