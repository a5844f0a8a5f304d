#include "results/finite_charts.h"

#include <cmath>
#include <string>

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

}  // namespace kovrel
