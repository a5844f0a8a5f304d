#pragma once
// One --set NAME=VALUE of the command line, applied as the user would type or
// click it: edit and combo texts as typed (no rule runs), item, tab and page
// indexes and check states as a click (their window rule runs when the value
// changes), grid cells as NAME[c,r].

#include <stdexcept>
#include <string>

#include "conditions/design_conditions.h"

namespace kovrel {

// An unknown name, a malformed value, or text that is not UTF-8.
class SetOptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void applySetOption(DesignConditions& dc, const std::string& name, const std::string& value);

}  // namespace kovrel
