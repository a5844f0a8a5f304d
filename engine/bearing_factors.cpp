#include "engine/bearing_factors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kovrel {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kZero = 1e-5;                            // zero tolerance of φ, T and c
constexpr double kBracketStep = 0.034906585039886591538;  // rad, 2°
constexpr double kBisectionTolerance = 1e-6;              // rad
constexpr double kNcVertical = 5.14;                      // Nc for φ = 0 under a vertical load

// The closed forms of the factors as functions of the angle ω at which they
// are taken; s = sin φ, t = tan φ.
struct Factors {
  double phi, s, t, k;

  explicit Factors(double phiIn)
      : phi(phiIn), s(std::sin(phiIn)), t(std::tan(phiIn)), k(1.0 / std::tan(phiIn)) {}

  double omega0() const { return kPi / 4 + phi / 2; }
  double e(double w) const { return std::exp(2.0 * (3.0 * kPi / 4 + phi / 2 - w) * t); }
  double nq(double w) const { return (1.0 + s * std::sin(2.0 * w - phi)) / (1.0 - s) * e(w); }
  double nc(double w) const { return (nq(w) - 1.0) * k; }
  double q(double w) const { return s * std::cos(2.0 * w - phi) / (1.0 - s) * e(w); }
  double nqVertical() const { return std::exp(kPi * t) * (1.0 + s) / (1.0 - s); }
};

}  // namespace

double bearingFactorNc(double tanTheta, double phi) {
  const double T = std::fabs(tanTheta);
  if (phi < kZero) return T < kZero ? kNcVertical : kBearingFactorOutOfRange;
  // φ of 90° or more has no factor (nor has an angle the sines cannot tell
  // from another).
  if (!(phi < kPi / 2)) return kBearingFactorOutOfRange;
  const Factors f(phi);
  if (T < kZero) {
    // φ of 90° or more has no factor: out of range rather than infinite.
    const double nc = (f.nqVertical() - 1.0) / f.t;
    return std::isfinite(nc) ? nc : kBearingFactorOutOfRange;
  }

  // The root of g lies between ω0 and the first 2° step where g turns
  // negative. For steep inclinations g never turns: the bracket is bounded
  // 2° past φ + π/2, beyond which the factor is out of range anyway. From ω0
  // that is (π/4 + φ/2) / 2° + 1 steps, at most 91 for φ below 180°; the step
  // count is bounded too, so an angle no step can move on ends the search.
  auto g = [&](double w) { return T - std::fabs(f.q(w) * f.k / f.nc(w)); };
  const double limit = phi + kPi / 2;
  constexpr int kMaxBracketSteps = 200;
  double a = f.omega0();
  double b = a;
  for (int step = 0;; ++step) {
    b += kBracketStep;
    if (b > limit + kBracketStep || step >= kMaxBracketSteps) return kBearingFactorOutOfRange;
    if (g(b) < 0) break;
  }

  // Bisection; the angle is the mean of the last two midpoints.
  double ga = g(a);
  double prev = b;
  double m = b;
  for (int i = 0; i < 200; ++i) {
    m = (a + b) / 2;
    const double gm = g(m);
    if (std::fabs(m - prev) <= kBisectionTolerance) break;
    prev = m;
    if (ga * gm >= 0) {
      a = m;
      ga = gm;
    } else {
      b = m;
    }
  }
  const double omega = (m + prev) / 2;
  if (omega > limit) return kBearingFactorOutOfRange;
  const double nc = f.nc(omega);
  return std::isfinite(nc) ? nc : kBearingFactorOutOfRange;
}

namespace {

NqResult nqUnchecked(int mode, double phi, double tanTheta, double q, double c2) {
  const double T = std::fabs(tanTheta);
  const double theta = std::atan(T);
  if (phi < kZero && T < kZero) return {1.0, kPi / 4};
  const Factors f(phi);
  if (T < kZero) return {f.nqVertical(), f.omega0()};
  if (c2 < kZero || T <= f.t + kZero) {
    // φ = 0 under an inclined load without cohesion has no angle to take the
    // factor at (the asin would divide by sin φ = 0): out of range.
    if (phi < kZero) return {kBearingFactorOutOfRange, f.omega0()};
    const double w = f.omega0() + (std::asin(std::min(1.0, std::sin(theta) / f.s)) + theta) / 2;
    return {f.nq(w), w};
  }
  if (mode == 1 || phi < kZero) return {kBearingFactorOutOfRange, f.omega0()};
  const double w = phi + kPi / 2;
  const double F = q / c2;
  const double R = std::fabs((F * f.q(w) + f.q(w) / f.t) / (F * f.nq(w) + (f.nq(w) - 1.0) / f.t));
  return {T < R ? f.nq(w) : kBearingFactorOutOfRange, w};
}

}  // namespace

NqResult bearingFactorNq(int mode, double phi, double tanTheta, double q, double c2) {
  NqResult r = nqUnchecked(mode, phi, tanTheta, q, c2);
  if (!std::isfinite(r.value)) r.value = kBearingFactorOutOfRange;
  return r;
}

double bearingFactorNgamma(int phiDegrees, double tanTheta) {
  const double phi = phiDegrees * kPi / 180.0;
  const double th = std::atan(tanTheta) * 180.0 / kPi;  // degrees, signed
  const double T = std::fabs(tanTheta);
  if (phi < kZero) return 0.0;

  // The tabulated curves for every 5°, valid up to θ = φ.
  if (phiDegrees % 5 == 0 && phiDegrees >= 5 && phiDegrees <= 40) {
    if (th > phiDegrees) return 0.0;
    const double t2 = th * th, t3 = t2 * th, t4 = t3 * th, t5 = t4 * th, t6 = t5 * th;
    switch (phiDegrees) {
      case 5:
        return -0.016 * th + 0.17;
      case 10:
        return -0.0006 * t2 - 0.033 * th + 0.56;
      case 15:
        return -5.33333e-5 * t3 + 0.0016 * t2 - 0.0886667 * th + 1.4;
      case 20:
        return -1.73333e-5 * t4 + 6.93333e-4 * t3 - 0.00636667 * t2 - 0.153333 * th + 3.16;
      case 25:
        return 2.66667e-8 * t5 - 7.33333e-6 * t4 + 2.56667e-4 * t3 + 0.00338333 * t2 -
               0.402433 * th + 6.92;
      case 30:
        return -1.66667e-4 * t3 + 0.0202667 * t2 - 0.954976 * th + 15.3262;
      case 35:
        return 2.02667e-7 * t6 - 2.34769e-5 * t5 + 0.00104456 * t4 - 0.0225236 * t3 +
               0.270397 * t2 - 3.06442 * th + 35.1881;
      default:  // 40
        return -2.62564e-7 * t5 + 2.52587e-5 * t4 - 0.00183524 * t3 + 0.137808 * t2 - 5.66993 * th +
               86.4625;
    }
  }

  const double t = std::tan(phi);
  if (T + kZero >= t) return 0.0;
  const double w = bearingFactorNq(0, phi, tanTheta, 0, 0).omega;
  const double A = 3 * kPi / 4 + phi / 2 - w;
  const double B = kPi / 4 - phi / 2;
  const double C = kPi / 4 + phi / 2;
  const double D = 3 * kPi / 4 + phi / 2;
  const double G = w - phi;
  const double F = 9 * t * t + 1;
  const double sB = std::sin(B), cB = std::cos(B), tC = std::tan(C);
  const double K1 = std::exp(3 * A * t) * (sB * sB * sB * tC * tC + sB * cB * cB -
                                           (3 * t * std::cos(D) + std::sin(D)) / F);
  const double K2 = (3 * t * std::cos(w) + std::sin(w) + 1 - std::exp(3 * (kPi / 2 - w) * t)) / F;
  const double cosPhi = std::cos(phi);
  const double result = std::cos(G) / (2 * cosPhi * (1 + T * std::tan(w))) *
                        (std::cos(G) / (std::cos(w) * cosPhi) * (K1 + K2) - std::sin(w));
  return std::isfinite(result) ? result : 0.0;
}

}  // namespace kovrel
