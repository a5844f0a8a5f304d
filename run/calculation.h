#pragma once
// The calculation command: input checks, results window set-up, a fresh
// calculation state, the stability pipeline, the member-design gate.

#include "run/session.h"

namespace kovrel {

enum class RunStatus {
  Finished,          // the run went through (NO judgements are results)
  Blocked,           // an input check blocked it; nothing was shown or cleared
  ConversionFailed,  // a control text was not a number; the run stopped there
};

// Findings and failures are added to session.messages. A conversion failure
// leaves the results window as far as the run had written it.
RunStatus runCalculation(Session& session);

// Shows the results window; its set-up runs when it was hidden.
void showResultsWindow(Session& session);

}  // namespace kovrel
