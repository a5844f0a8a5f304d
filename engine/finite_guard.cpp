#include "engine/finite_guard.h"

#include <cmath>
#include <string>
#include <type_traits>

#include "base/non_finite.h"

namespace kovrel {
namespace {

std::string chartName(const Chart& chart) {
  return chart.title.empty() ? chart.name : chart.name + "「" + chart.title + "」";
}

void requireFiniteAxis(const Chart& chart, const Axis& axis, const char* which) {
  if (!std::isfinite(axis.minimum) || !std::isfinite(axis.maximum)) {
    throw NonFiniteValue(chartName(chart) + " " + which);
  }
}

}  // namespace

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

void requireFiniteCharts(const ResultsWindow& results) {
  for (const auto& [name, chart] : results.charts()) {
    requireFiniteAxis(chart, chart.left, "縦軸");
    requireFiniteAxis(chart, chart.bottom, "横軸");
    for (const Series& series : chart.series) {
      for (const ChartPoint& p : series.points) {
        // A separator point only breaks the line; it has no position.
        if (p.colour == kNullPointColour) continue;
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
          throw NonFiniteValue(chartName(chart) + " " + series.name);
        }
      }
    }
  }
}

void requireFiniteJudgements(const std::vector<MemberJudgement>& judgements) {
  for (const MemberJudgement& j : judgements) {
    if (!std::isfinite(j.ratio)) throw NonFiniteValue(j.member + " 応力度比");
  }
}

}  // namespace kovrel
