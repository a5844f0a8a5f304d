#include "engine/member_judgement.h"

#include <algorithm>

namespace kovrel {

double governingRatio(std::initializer_list<std::pair<double, double>> pairs) {
  double worst = 0;
  for (const auto& [stress, allowed] : pairs) {
    if (allowed > 0) worst = std::max(worst, stress / allowed);
  }
  return worst;
}

}  // namespace kovrel
