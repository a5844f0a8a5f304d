#include "engine/finite_guard.h"

#include <cmath>
#include <string>
#include <type_traits>

#include "base/non_finite.h"

namespace kovrel {

void requireFiniteState(const TAntei& state) {
  visitStateFields(state, [](const char* name, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_arithmetic_v<T>) {
      if (!std::isfinite(double(value))) throw NonFiniteValue(name);
    } else {
      for (std::size_t i = 0; i < std::size(value); ++i) {
        if (!std::isfinite(double(value[i]))) {
          throw NonFiniteValue(std::string(name) + "[" + std::to_string(i) + "]");
        }
      }
    }
  });
}

void requireFiniteJudgements(const std::vector<MemberJudgement>& judgements) {
  for (const MemberJudgement& j : judgements) {
    if (!std::isfinite(j.ratio)) throw NonFiniteValue(j.member + " 応力度比");
  }
}

}  // namespace kovrel
