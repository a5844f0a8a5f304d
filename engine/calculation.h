#pragma once
// The calculation command: input checks, results window set-up, a fresh
// calculation state, the stability pipeline, the member-design gate.

#include "engine/session.h"

namespace kovrel {

enum class RunStatus {
  Finished,          // the run went through (NO judgements are results)
  Blocked,           // an input check blocked it; nothing was shown or cleared
  ConversionFailed,  // a control text was not a number; the run stopped there
  NotFinite,         // a result came out infinite or undefined; the results
                     // are as they were before the run
};

// Findings and failures are added to session.messages. A conversion failure
// leaves the results window as far as the run had written it; a result that
// is not finite leaves nothing of the run in the results.
RunStatus runCalculation(Session& session);

// Shows the results window; its set-up runs when it was hidden.
void showResultsWindow(Session& session);

}  // namespace kovrel
