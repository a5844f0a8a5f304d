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
  // (where it is -2d^3) to the first step where it turns positive.
  const double k = 6.0 * m * kModularRatio / sigmaSa / kWidth;
  double x = d;
  while (x > 0 && x * x * x - 3.0 * d * x * x - k * (x - d) <= 0) x -= 1.0;
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
