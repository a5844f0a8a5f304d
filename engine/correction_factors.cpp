#include "engine/correction_factors.h"

#include <array>

namespace kovrel {
namespace {

using Table = std::array<double, 5>;

double interpolate(const Table& xs, const Table& ys, double v) {
  if (v <= xs.front()) return ys.front();
  if (v >= xs.back()) return ys.back();
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    if (xs[i] <= v && v < xs[i + 1]) {
      return ys[i] + (v - xs[i]) / (xs[i + 1] - xs[i]) * (ys[i + 1] - ys[i]);
    }
  }
  // Only a NaN gets here; the most cautious end of the table stands in for it.
  return ys.front() < ys.back() ? ys.front() : ys.back();
}

}  // namespace

double ceFactor(double d) {
  static const Table xs{300, 1000, 3000, 5000, 10000}, ys{1.4, 1.0, 0.7, 0.6, 0.5};
  return interpolate(xs, ys, d);
}

double cptFactor(double pt) {
  static const Table xs{0.1, 0.2, 0.3, 0.5, 1.0}, ys{0.7, 0.9, 1.0, 1.2, 1.5};
  return interpolate(xs, ys, pt);
}

double cdcFactor(double aOverD) {
  static const Table xs{0.5, 1.0, 1.5, 2.0, 2.5}, ys{6.4, 4.0, 2.5, 1.6, 1.0};
  return interpolate(xs, ys, aOverD);
}

}  // namespace kovrel
