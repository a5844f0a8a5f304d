#pragma once
// The checks a run passes before its results are published: every number of
// the stability state and every member's ratio must be finite (the charts'
// check is results/finite_charts.h). Each throws NonFiniteValue naming the first quantity that
// is not, so the run can stop with a message instead of a report of zeros.

#include <vector>

#include "engine/calculation_state.h"
#include "engine/member_judgement.h"

namespace kovrel {

// Names the field ("earthForceH", "outlineX[3]").
void requireFiniteState(const TAntei& state);

// Names the member.
void requireFiniteJudgements(const std::vector<MemberJudgement>& judgements);

}  // namespace kovrel
