#pragma once
// The program's document: the design conditions as the design-conditions
// window holds them, the results window, the messages shown to the user and
// the name of the design-condition file last loaded or saved. The desktop
// program and the command line each own one.

#include <memory>
#include <string>
#include <vector>

#include "base/messages.h"
#include "conditions/design_conditions.h"
#include "conditions/design_window.h"
#include "engine/calculation_state.h"
#include "engine/member_judgement.h"
#include "results/report_menu.h"
#include "results/results_window.h"

namespace kovrel {

struct Session {
  DesignConditions conditions;
  ResultsWindow results;
  MessageLog messages;
  // Name of the last loaded or saved file, without folder and extension.
  std::string currentFileName;
  // The calculation state right after the stability pipeline of the last run,
  // before the member design reuses its fields; empty before the first run.
  std::unique_ptr<TAntei> stabilitySnapshot;
  // Each designed member's judgement in the last run; empty when the member
  // design did not run.
  std::vector<MemberJudgement> memberJudgements;
  // What the design-conditions window shows beyond its stored controls, and
  // the main window's menu items that follow the wall type.
  DesignWindow designWindow;
  ReportMenu reportMenu;
};

}  // namespace kovrel
