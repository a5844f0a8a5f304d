#pragma once
// One member's verdict for the summary: its judgement and the largest of its
// stress ratios (σc/σca, σs/σsa, τm/τa), so 1.0 is the limit.

#include <initializer_list>
#include <string>
#include <utility>

namespace kovrel {

struct MemberJudgement {
  std::string member;  // "たて壁", "つま先版", "かかと版", "突起"
  bool ok = true;
  double ratio = 0;
};

// The largest ratio of a stress to its allowable value; ratios with an
// allowable value that is not positive are left out.
double governingRatio(std::initializer_list<std::pair<double, double>> stressAndAllowable);

}  // namespace kovrel
