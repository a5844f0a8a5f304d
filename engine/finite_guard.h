#pragma once
// The checks a run passes before its results are published: every number of
// the stability state and of the results charts, and every member's ratio,
// must be finite. Each throws NonFiniteValue naming the first quantity that
// is not, so the run can stop with a message instead of a report of zeros.

#include <vector>

#include "engine/calculation_state.h"
#include "engine/member_judgement.h"
#include "results/results_window.h"

namespace kovrel {

// Names the field ("earthForceH", "outlineX[3]").
void requireFiniteState(const TAntei& state);

// Names the chart, its title and the series or axis.
void requireFiniteCharts(const ResultsWindow& results);

// Names the member.
void requireFiniteJudgements(const std::vector<MemberJudgement>& judgements);

}  // namespace kovrel
