#pragma once
// The program's start-up: the design conditions as the design-conditions
// window holds them once it is first shown, and no file name yet.

#include "conditions/window_rules.h"
#include "run/session.h"

namespace kovrel {

void startUp(Session& session);

// Installs the window rules on the session's conditions. Needed again after
// the conditions are replaced as a whole (a file load commits a copy).
void installWindowRules(Session& session);

// What the window rules reach beyond the conditions; without a session, only
// what touches the conditions themselves (a file load into a copy).
WindowRuleLinks windowRuleLinks(Session* session);

// Adapts menus, report headings and result pages to the session's wall type.
void applySessionLayout(Session& session);

}  // namespace kovrel
