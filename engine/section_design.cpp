#include "engine/section_design.h"

#include <cmath>

namespace kovrel {
namespace {

constexpr double kWidth = 1000.0;  // mm
constexpr double kModularRatio = 15.0;

}  // namespace

RequiredSteel requiredSteel(double sigmaSa, double m, double d) {
  RequiredSteel r;
  // No effective depth (thickness not above the cover) or no allowable
  // stress: nothing can carry a moment; a zero moment needs no steel.
  if (!(d > 0) || !(sigmaSa > 0)) {
    r.x = 0;
    r.as = m == 0 ? 0.0 : kUnreinforceable;
    return r;
  }
  // f(x) = x^3 - 3d·x^2 - 6·M·15·(x - d)/σsa/b, scanned down from x = d
  // (where it is -2d^3) in 1 mm steps to the first step where it turns
  // positive. On (0, d] f is negative throughout when M <= 0, and strictly
  // decreasing with one root r when M > 0; the scan therefore starts a few
  // steps above r instead of at d. The points d - k are the ones the full
  // scan visits (each subtraction of 1 is exact), so the result is the same,
  // and a very deep section cannot stall the run.
  const double k = 6.0 * m * kModularRatio / sigmaSa / kWidth;
  auto f = [&](double x) { return x * x * x - 3.0 * d * x * x - k * (x - d); };
  double x = d;
  if (k > 0) {
    double lo = 0, hi = d;  // f(lo) > 0 >= f(hi)
    for (int i = 0; i < 200 && hi - lo > 0.5; ++i) {
      const double mid = (lo + hi) / 2;
      (f(mid) > 0 ? lo : hi) = mid;
    }
    const double skip = std::floor(d - hi) - 2.0;
    if (skip > 0) x = d - skip;
    // After the bisection the root lies a few steps below x; the step count
    // is bounded all the same, and a depth beyond double precision's whole
    // millimetres cannot step on.
    constexpr int kMaxScanSteps = 1'000'000;
    for (int step = 0; step < kMaxScanSteps && x > 0 && f(x) <= 0 && x - 1.0 != x; ++step) {
      x -= 1.0;
    }
  } else {
    x = d - std::ceil(d);
  }
  r.x = x;
  r.as = m / sigmaSa / (d - x / 3.0);
  return r;
}

SectionStresses sectionStresses(double as, double s, double m, double d) {
  SectionStresses r;
  if (!(d > 0) || !(as > 0)) {
    // A section without depth or steel: report the sentinel where a load acts.
    r.sigmaC = m == 0 ? 0.0 : kUnreinforceable;
    r.sigmaS = r.sigmaC;
    r.tau = s == 0 ? 0.0 : (d > 0 ? s * 1000.0 / (kWidth * d) : kUnreinforceable);
    return r;
  }
  const double n = kModularRatio;
  r.x = (n * as / kWidth) * (std::sqrt(1.0 + 2.0 * kWidth * d / (n * as)) - 1.0);
  r.sigmaC = 2.0 * m * 1e6 / (kWidth * r.x * (d - r.x / 3.0));
  r.sigmaS = n * r.sigmaC * (d - r.x) / r.x;
  r.tau = s * 1000.0 / (kWidth * d);
  return r;
}

}  // namespace kovrel
