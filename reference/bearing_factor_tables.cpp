#include "reference/bearing_factor_tables.h"

#include <cmath>

#include "engine/bearing_factors.h"
#include "results/number_picture.h"

namespace kovrel {
namespace {

constexpr double kDegree = 0.017453292519943295;  // rad per degree
// The overburden and cohesion arguments of the Nq chart, kN/m2.
constexpr double kChartOverburden = 22.8;
constexpr double kChartCohesion = 20.0;

enum class Factor { Nc, Nq, Ngamma };

double factorAt(Factor f, int phiDegrees, double tanTheta) {
  const double phi = phiDegrees * kDegree;
  switch (f) {
    case Factor::Nc:
      return bearingFactorNc(tanTheta, phi);
    case Factor::Nq:
      return bearingFactorNq(1, phi, tanTheta, kChartOverburden, kChartCohesion).value;
    case Factor::Ngamma:
      return bearingFactorNgamma(phiDegrees, tanTheta);
  }
  return kBearingFactorOutOfRange;
}

// Outside its range Nc and Nq are -9 and Nγ is 0; none of these can stand on
// a logarithmic axis, so each ends the curve.
bool inRange(Factor f, double value) {
  if (!std::isfinite(value)) return false;
  return f == Factor::Ngamma ? value > 0 : value != kBearingFactorOutOfRange;
}

BearingFactorPage page(Factor f, const char* caption, const char* chartName, double yMin,
                       double yMax) {
  BearingFactorPage p;
  p.caption = caption;
  p.chart.name = chartName;
  p.chart.width = 420;
  p.chart.height = 330;
  p.chart.left.minimum = yMin;
  p.chart.left.maximum = yMax;
  p.chart.left.logarithmic = true;
  p.chart.bottom.minimum = 0;
  p.chart.bottom.maximum = 50;
  // Room for the heads ("θ50.0", "φ45.0") and the factors' picture "##0.00"
  // (three digits before the point).
  p.grid.colWidths.assign(11, 48);
  p.chart.series.resize(2);
  p.chart.series[0].name = "Series1";
  p.chart.series[0].colour = clBlue;
  p.chart.series[1].name = "Series2";
  p.chart.series[1].colour = clRed;
  for (int col = 1; col <= 10; ++col) {
    p.grid.setCell(col, 0, formatNumber("φ#0.0", (col - 1) * 5.0));
  }
  for (int row = 1; row <= 11; ++row) {
    p.grid.setCell(0, row, formatNumber("θ##0.0", (row - 1) * 5.0));
  }
  Series& curves = p.chart.series[0];
  Series& ends = p.chart.series[1];
  for (int col = 1; col <= 10; ++col) {
    const int phi = (col - 1) * 5;
    if (!curves.points.empty() && curves.points.back().colour != kNullPointColour) {
      curves.points.push_back({0, 0, "", kNullPointColour});
    }
    const ChartPoint* last = nullptr;
    for (int theta = 0; theta <= 50; ++theta) {
      const double value = factorAt(f, phi, std::tan(theta * kDegree));
      if (!inRange(f, value)) {
        if (theta >= 5 && last) ends.points.push_back(*last);
        break;
      }
      const std::string label = theta == phi / 2 ? "φ" + std::to_string(phi) + "°" : " ";
      curves.points.push_back({double(theta), value, label, std::nullopt});
      last = &curves.points.back();
      if (theta % 5 == 0) p.grid.setCell(col, theta / 5 + 1, formatNumber("##0.00", value));
    }
  }
  return p;
}

}  // namespace

std::vector<BearingFactorPage> bearingFactorPages() {
  std::vector<BearingFactorPage> pages;
  pages.push_back(page(Factor::Nc, "支持力係数　Nc", "ChartNc", 1, 200));
  pages.push_back(page(Factor::Nq, "支持力係数　Nq", "ChartNq", 0.5, 200));
  pages.push_back(page(Factor::Ngamma, "支持力係数　Nγ", "ChartNgamma", 0.1, 300));
  return pages;
}

}  // namespace kovrel
