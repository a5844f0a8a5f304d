#include "app/start_up.h"

#include "app/wall_type_layout.h"
#include "conditions/allowable_stresses.h"
#include "conditions/window_rules.h"
#include "conditions/window_setup.h"

namespace kovrel {

WindowRuleLinks windowRuleLinks(Session* session) {
  WindowRuleLinks links;
  if (session) {
    links.wallTypeLayout = [session](const DesignConditions& dc) {
      applyWallTypeLayout(dc, session->reportMenu, session->results, session->designWindow);
    };
  }
  // A click in the allowable-stresses window recomputes its five values.
  links.allowableStresses = [](DesignConditions& dc) { recomputeAllowableStresses(dc); };
  return links;
}

void installWindowRules(Session& session) {
  session.conditions.setRuleHook(windowRulesHook(session.designWindow, windowRuleLinks(&session)));
}

void applySessionLayout(Session& session) {
  applyWallTypeLayout(session.conditions, session.reportMenu, session.results,
                      session.designWindow);
}

void startUp(Session& session) {
  session.currentFileName.clear();
  installWindowRules(session);
  session.designWindow.visible = true;
  setUpDesignWindow(session.conditions, session.designWindow);
  // The results window's note on the surcharge on the virtual back face.
  session.results.label("GroupBox11.Label2").visible = true;
  applySessionLayout(session);
}

}  // namespace kovrel
