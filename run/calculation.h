#pragma once
// The calculation command: input checks, results window set-up, a fresh
// calculation state, the stability pipeline, the member-design gate.

#include <functional>

#include "run/session.h"

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

// Runs the body of a calculation (everything after the input checks) so that
// only a finite run reaches the outputs: when the body, or the check of the
// charts and member ratios after it, meets a value that is not finite, the
// results window, the stability snapshot and the member judgements are put
// back as they were and a blocking message names the quantity. A conversion
// error is reported as the run reports it and leaves what the body wrote.
RunStatus publishIfFinite(Session& session, const std::function<void()>& run);

// Shows the results window; its set-up runs when it was hidden.
void showResultsWindow(Session& session);

}  // namespace kovrel
