#include "run/calculation.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "base/non_finite.h"
#include "engine/finite_guard.h"
#include "engine/input_checks.h"
#include "results/finite_charts.h"
#include "results/report_writer.h"
#include "results/results_window_setup.h"
#include "run/member_design.h"
#include "run/stability_pipeline.h"

namespace kovrel {
namespace {

void addConversionError(Session& session, const ConversionError& e) {
  session.messages.push_back({MessageKind::Error, {conversionMessage(e)}});
}

void addNonFiniteError(Session& session, const NonFiniteValue& e) {
  session.messages.push_back(
      {MessageKind::Block,
       {"計算結果に有限でない値(無限大または非数)が生じました。", "[" + e.quantity() + "]", "",
        "この計算の結果は出力しません。", "設計条件を確認して、訂正して下さい。"}});
}

// Without a ground reaction the member pages would show an earlier run's
// results: clear them explicitly, the anchorage notes (ListBox22) included.
void clearMemberPages(ResultsWindow& r) {
  const char* targets[] = {"ListBox8",  "ListBox19", "ListBox14", "Chart10",  "ListBox18",
                           "ListBox22", "Chart6",    "Chart9",    "ListBox9", "ListBox15",
                           "Chart2",    "ListBox11", "ListBox16", "Chart7",   "ListBox13",
                           "ListBox17", "Chart8"};
  for (const char* name : targets) {
    std::string_view n(name);
    if (n.rfind("Chart", 0) == 0) {
      clearChart(r.chart(n));
    } else {
      r.listBox(n).lines.clear();
    }
  }
}

}  // namespace

void showResultsWindow(Session& session) {
  if (session.results.visible) return;
  session.results.visible = true;
  setUpResultsWindow(session.results, session.results.slabTablesBuoyancy.value_or(
                                          session.conditions.checked("CheckBox2")));
}

RunStatus publishIfFinite(Session& session, const std::function<void()>& run) {
  // What the outputs showed before the run, put back when a result turns out
  // not finite: a report must never mix a failed run with an earlier one.
  ResultsWindow resultsBefore = session.results;
  std::unique_ptr<TAntei> snapshotBefore = std::move(session.stabilitySnapshot);
  std::vector<MemberJudgement> judgementsBefore = session.memberJudgements;
  try {
    run();
    requireFiniteCharts(session.results);
    requireFiniteJudgements(session.memberJudgements);
    return RunStatus::Finished;
  } catch (const ConversionError& e) {
    addConversionError(session, e);
    return RunStatus::ConversionFailed;
  } catch (const NonFiniteValue& e) {
    session.results = std::move(resultsBefore);
    session.stabilitySnapshot = std::move(snapshotBefore);
    session.memberJudgements = std::move(judgementsBefore);
    addNonFiniteError(session, e);
    return RunStatus::NotFinite;
  }
}

RunStatus runCalculation(Session& session) {
  ResultsWindow& results = session.results;
  // 1. Input checks; a blocking finding ends the command before anything changes.
  try {
    if (checkDesignConditions(session.conditions, session.messages)) return RunStatus::Blocked;
  } catch (const ConversionError& e) {
    addConversionError(session, e);
    return RunStatus::ConversionFailed;
  }

  return publishIfFinite(session, [&] {
    // 2. Results window on its first load page; the slab load tables follow
    //    the buoyancy switch as it is now, also when the window was showing.
    results.slabTablesBuoyancy = session.conditions.checked("CheckBox2");
    if (results.visible) setUpSlabLoadTables(results, *results.slabTablesBuoyancy);
    showResultsWindow(session);
    results.pageControl("PageControl1").active = "TabSheet1";

    // 3. Every result grid back to "---".
    for (const char* name : {"StringGrid10", "StringGrid6", "StringGrid1", "StringGrid4",
                             "StringGrid8", "StringGrid13", "StringGrid3", "StringGrid9",
                             "StringGrid14", "StringGrid11", "StringGrid7"}) {
      clearGrid(results.grid(name));
    }

    // 4. A fresh state, every field zero.
    auto state = std::make_unique<TAntei>();

    // 5. Stability pipeline, and the snapshot the command line reports.
    session.stabilitySnapshot.reset();
    runStabilityPipeline(*state, session);
    session.stabilitySnapshot = std::make_unique<TAntei>(*state);

    // 6. Member-design gate: with the resultant at or beyond B/3 there is no
    //    ground reaction to design the members for, and without an earth
    //    pressure (a backfill slope unstable in the earthquake) no load.
    session.memberJudgements.clear();
    if (state->bearingState == 3 || state->backfillUnstable) {
      clearMemberPages(results);
    } else {
      designMembers(*state, session);
    }

    // 7-8. The state goes with this scope; the run ends on the first load page.
    results.pageControl("PageControl1").active = "TabSheet3";
    results.pageControl("PageControl1").active = "TabSheet1";
  });
}

}  // namespace kovrel
