#include "report/earth_pressure_curve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/critical_slip_angle.h"
#include "engine/trial_wedge.h"
#include "engine/wall_friction.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

constexpr double kCurveStep = 0.05;  // rad
// Points no curve exceeds: the angles span less than π whatever φ and θ are.
constexpr int kMaxCurvePoints = int(std::numbers::pi / kCurveStep) + 2;

}  // namespace

void drawEarthPressureCurve(TPa& s, const WedgeSettings& settings, int shape, Chart& chart5) {
  // 1. The search results stay as the stability calculation left them.
  const TPa saved = s;

  // 2. The virtual back face as the stability search set it up.
  const VirtualBackFace face = virtualBackFace(s);
  const int searched = setUpWedgeFace(s, 1, shape, face.b, face.h);

  // 3. Empty curve and marker.
  Series& curve = chart5.seriesNamed("Series8");
  Series& marker = chart5.seriesNamed("Series56");
  curve.points.clear();
  marker.points.clear();

  // A backfill slope that cannot stand in the earthquake has no curve to show.
  if (saved.backfillUnstable) {
    s = saved;
    return;
  }

  // 4-5. One point per 0.05 rad over the angles the search tries, labelled
  //      in whole degrees: from φ upwards, and below φ down to φ − θ in the
  //      seismic case, where the curve starts from zero.
  const double h = face.h;
  const WedgeFace wedge = prepareWedgeFace(s, settings, 1, searched);
  auto addPoint = [&](double omega) {
    double p = wedgeForce(s, wedge, omega);
    if (s.wedgeCase == 0 && s.gammaS > 0 && h > 0) {
      // With the surcharge taken separately the curve shows the resultant of
      // soil and surcharge pressure over the whole face.
      const double delta = wallFrictionAngle(s, settings, 1, searched, omega, face.b, h);
      const double k = 2 * p / (s.gammaS * h * h);
      const double q = s.surcharge + s.snowOnFlat;
      const double ph = h * h * k * std::cos(delta) * s.gammaS / 2 + q * k * std::cos(delta) * h;
      const double pv = h * h * k * std::sin(delta) * s.gammaS / 2 + q * k * std::sin(delta) * h;
      p = std::hypot(ph, pv);
    }
    curve.points.push_back({omega, p, formatNumber("0", omega * kDegreesPerRadian), clBlue});
  };
  const SlipAngleRange range = slipAngleRange(s);
  if (range.usable) {
    const double phi = s.phiBackfill;
    if (range.lowest < phi) {
      const double span = std::floor((phi - range.lowest) / kCurveStep);
      const int below = int(std::min(span, double(kMaxCurvePoints)));
      if (phi - below * kCurveStep > range.lowest) addPoint(range.lowest);
      for (int j = below; j >= 1; --j) addPoint(phi - j * kCurveStep);
    }
    double omega = phi;
    for (int k = 0; k < kMaxCurvePoints && omega < kSlipAngleLimit; ++k) {
      addPoint(omega);
      omega += kCurveStep;
    }
  }

  // 6. Marker at the maximum.
  const double w = saved.slipAngle;
  marker.points.push_back({w, 0, formatNumber("0.00度", w * kDegreesPerRadian), clBlue});
  marker.points.push_back({w, saved.earthForce, formatNumber("0.00kN", saved.earthForce), clBlue});

  s = saved;
}

}  // namespace kovrel
