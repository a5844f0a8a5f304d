#include "engine/trial_wedge.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/critical_slip_angle.h"
#include "engine/wall_friction.h"
#include "engine/water_pressure.h"

namespace kovrel {
namespace {

// An embankment without a slope is flat ground.
int searchShape(const TTeisu& s, int shape) {
  return shape == 3 && s.slopeAngle == 0 ? 1 : shape;
}

// Area of the work polygon by trapezoid strips, m2 (positive clockwise).
double workArea(const TShape& s) {
  double a = 0;
  for (int i = 0; i < s.workCount; ++i) {
    const double dx = s.workX[size_t(i) + 1] - s.workX[size_t(i)];
    const double dy = s.workY[size_t(i) + 1] - s.workY[size_t(i)];
    a += s.workY[size_t(i)] * dx + dy * dx / 2;
  }
  return a;
}

int wedgeCaseFor(const TPa& s, int shape, double omega) {
  int c;
  if (shape == 1) {
    c = 1;
  } else if (shape == 2) {
    c = 2;
  } else {
    c = s.wedgeCrestAngle >= omega ? 3 : 2;
    if (s.wedgeCrestAngle < 0) c = 3;
    if (s.wedgeEmbankAbove == 0) c = 1;
  }
  if (c == 1 && s.surchargeMode == 1) c = 0;
  return c;
}

// Wedge polygon, crack depth, slip length, widths and weights for the current
// wedgeCase. Returns false when the slip line never meets the ground surface
// (ω not above the horizontal or not steeper than the slope): the wedge is
// unbounded and carries nothing.
bool wedgeGeometry(TPa& s, const WedgeFace& f, double omega) {
  const double h = s.wedgeFaceHeight;
  const double b = s.wedgeEmbankAbove;
  const double beta = s.slopeAngle;
  const double tanA = f.tanAlpha;
  const double tanW = std::tan(omega);
  const double sinW = std::sin(omega);
  const int c = s.wedgeCase;
  const bool withoutSurcharge = s.seismicCombination == 1 || s.seismicCombination == 3;

  s.widthOnSlope = 0;
  s.widthOnFlat = 0;
  s.crackDepth = 0;
  s.slipLength = 0;
  s.waterUplift = 0;
  // A slip line not rising above the horizontal (a backfill with φ = 0 starts
  // the search there) never reaches the surface either.
  if (!(sinW > 1e-12)) return false;
  s.waterUplift = s.wedgeWaterForce / tanW;

  // Surcharge intensities that hold the crack closed, kN/m2.
  double p = 0;
  if (!withoutSurcharge) {
    if (c == 1 || c == 3) p = s.surcharge + s.snowOnFlat;
    if (c == 2) p = s.surcharge + s.snowOnSlope;
  }
  double zc = 0;
  if (s.gammaS > 0) {
    zc = f.crackFactor * 2 * s.cohesionBackfill / s.gammaS - p / s.gammaS;
    zc = std::min(h, std::max(0.0, zc));
  }

  double L;
  if (c == 2) {
    const double sinWB = std::sin(omega - beta);
    if (!(sinWB > 1e-12)) return false;
    L = (h * f.cosAlphaBeta / f.cosAlpha - zc * f.cosBeta) / sinWB;
  } else if (c == 3) {
    L = (h + b - zc) / sinW;
  } else {
    L = (h - zc) / sinW;
  }
  s.crackDepth = zc;
  s.slipLength = L;

  const double cosW = std::cos(omega);
  const double x3 = L * cosW;
  const double y4 = L * sinW;
  s.workCount = 5;
  s.workX[0] = 0;
  s.workY[0] = 0;
  s.workX[1] = -h * tanA;
  s.workY[1] = h;
  s.workX[2] = s.workX[1];
  s.workY[2] = s.workY[1];
  s.workX[3] = x3;
  s.workY[3] = y4 + zc;
  s.workX[4] = x3;
  s.workY[4] = y4;
  s.workX[5] = 0;
  s.workY[5] = 0;

  double extra = 0;  // surcharge and snow over the wedge, kN
  if (c == 3) {
    s.widthOnSlope = b / f.tanBeta;
    s.widthOnFlat = (h + b - zc) / tanW + h * tanA - s.widthOnSlope;
    s.workX[2] = x3 - s.widthOnFlat;
    s.workY[2] = h + b;
    if (!withoutSurcharge) {
      extra = (s.surchargeOnSlope + s.snowOnSlope) * s.widthOnSlope +
              (s.surcharge + s.snowOnFlat) * s.widthOnFlat;
    }
  } else if (!withoutSurcharge) {
    if (c == 0 || c == 1) {
      s.widthOnFlat = (tanA + 1 / tanW) * h - zc / tanW;
      if (c == 1) extra = (s.surcharge + s.snowOnFlat) * s.widthOnFlat;
    } else {
      s.widthOnSlope = h * tanA + L * cosW;
      extra = (s.surchargeOnSlope + s.snowOnSlope) * s.widthOnSlope;
    }
  }
  s.wedgeWeightTotal = workArea(s) * s.gammaS + extra;
  s.wedgeWeightNet = s.wedgeWeightTotal - s.waterUplift;
  return true;
}

}  // namespace

int setUpWedgeFace(TPa& s, int faceKind, int shape, double b, double h) {
  shape = searchShape(s, shape);
  double crest = 0;
  if (shape == 3) {
    const double t = b / std::tan(s.slopeAngle) - h * std::tan(faceAngle(s, faceKind));
    crest = t != 0 ? std::atan((h + b) / t) : 0.0;
  }
  s.wedgeEmbankAbove = b;
  s.wedgeFaceHeight = h;
  s.wedgeCrestAngle = crest;
  return shape;
}

double faceAngle(const TTeisu& s, int faceKind) {
  return faceKind == 1 ? 0.0 : s.wallFaceAngle;
}

VirtualBackFace virtualBackFace(const TTeisu& s) {
  VirtualBackFace f;
  f.h = s.outlineY[23];
  if (s.backfillShape == 3) {
    if (s.outlineX[9] - s.outlineX[5] >= s.slopeRun) {
      f.h = s.outlineY[5] + s.embankHeight;
    } else {
      f.b = s.outlineY[5] + s.embankHeight - s.outlineY[23];
    }
  }
  return f;
}

WedgeFace prepareWedgeFace(const TPa& s, const WedgeSettings& settings, int faceKind, int shape) {
  WedgeFace f;
  f.settings = &settings;
  f.faceKind = faceKind;
  f.shape = searchShape(s, shape);
  f.alpha = faceAngle(s, faceKind);
  const double beta = s.slopeAngle;
  f.tanAlpha = std::tan(f.alpha);
  f.cosAlpha = std::cos(f.alpha);
  f.cosAlphaBeta = std::cos(f.alpha - beta);
  f.cosBeta = std::cos(beta);
  f.tanBeta = std::tan(beta);
  f.crackFactor = std::tan(std::numbers::pi / 4 + s.phiBackfill / 2);
  f.cosTheta = std::cos(s.seismicAngle);
  f.cosPhi = std::cos(s.phiBackfill);
  // Only the embankment's friction follows the slip line (through the
  // equivalent slope angle); elsewhere it is worked out once.
  f.fixedDelta = f.shape != 3 || faceKind != 1;
  if (f.fixedDelta) {
    f.delta = wallFrictionAngle(s, settings, faceKind, f.shape, 0.0, s.wedgeEmbankAbove,
                                s.wedgeFaceHeight);
  }
  return f;
}

double wedgeForce(TPa& s, const WedgeFace& f, double omega) {
  s.wedgeCase = wedgeCaseFor(s, f.shape, omega);
  const double delta = f.fixedDelta ? f.delta
                                    : wallFrictionAngle(s, *f.settings, f.faceKind, f.shape, omega,
                                                        s.wedgeEmbankAbove, s.wedgeFaceHeight);
  if (!wedgeGeometry(s, f, omega)) {
    s.wedgeWeightTotal = 0;
    s.wedgeWeightNet = 0;
    return 0.0;
  }
  const double phi = s.phiBackfill;
  const double theta = s.seismicAngle;
  const double driving = s.wedgeWeightNet * std::sin(omega - phi + theta) / f.cosTheta -
                         s.cohesionBackfill * s.slipLength * f.cosPhi;
  const double den = std::cos(omega - phi - f.alpha - delta);
  // A wedge whose force would act along the face carries nothing onto it.
  if (!(den > 1e-12)) return 0.0;
  return std::max(0.0, driving) / den;
}

double wedgeForce(TPa& s, const WedgeSettings& settings, int faceKind, int shape, double omega) {
  return wedgeForce(s, prepareWedgeFace(s, settings, faceKind, shape), omega);
}

bool backfillSlopeUnstable(const TPa& s, int shape) {
  const bool seismicPressure = s.seismicCombination == 2 || s.seismicCombination == 4;
  const bool slope = shape == 2 || (shape == 3 && s.embankHeight > 0);
  return seismicPressure && slope && s.slopeAngle > 0 &&
         s.slopeAngle + s.seismicAngle >= s.phiBackfill;
}

void trialWedge(TPa& s, const WedgeSettings& settings, int faceKind, int shape, double b, double h,
                double top) {
  // 1-2. Face, shape and the angle from the face foot to the embankment crest.
  s.earthForce = 0;
  s.backfillUnstable = 0;
  const double alpha = faceAngle(s, faceKind);
  shape = setUpWedgeFace(s, faceKind, shape, b, h);

  // 3. Water pressure on the face, which also lifts the wedge.
  waterPressure(s, top, h);
  s.wedgeWaterForce = s.waterForce;

  // 4-6. The slip angle of the largest wedge force. A seismic backfill
  //      slope that cannot stand by itself is not searched: on a slope the
  //      force grows without bound as the slip line flattens towards it, and
  //      no wedge through the face foot says how the slope itself fails.
  const bool unstable = backfillSlopeUnstable(s, shape);
  const CriticalSlipAngle critical =
      unstable ? CriticalSlipAngle{} : findCriticalSlipAngle(s, settings, faceKind, shape);

  // No maximum below the vertical, or none worth a wedge: no earth pressure.
  if (!critical.found) {
    s.earthForce = s.earthForceH = s.earthForceV = 0;
    s.earthCoeff = s.earthCoeffH = s.earthCoeffV = 0;
    s.earthArmY = 0;
    s.wallFriction = 0;
    s.slipAngle = 0;
    s.widthOnSlope = s.widthOnFlat = 0;
    s.slipLength = 0;
    s.crackOffset = 0;
    if (unstable) {
      // Nothing was tried: no wedge of an earlier call may stand in the report.
      s.backfillUnstable = 1;
      s.crackDepth = 0;
      s.reportWeightNet = s.reportWeightTotal = s.reportUplift = 0;
    }
    return;
  }
  const double omega = critical.omega;
  s.slipAngle = omega;

  // 7. The critical wedge stays in the state.
  s.earthForce = wedgeForce(s, settings, faceKind, shape, omega);

  // 8. Shift of the pressure diagram by the crack.
  const double beta = s.slopeAngle;
  s.crackOffset = settings.shiftByCrack
                      ? std::cos(alpha) * std::cos(beta) / std::cos(alpha + beta) * s.crackDepth
                      : 0.0;

  // 9. Wall friction and the back-calculated coefficients. A face lying wholly
  //    within the crack depth takes no pressure.
  const double delta = wallFrictionAngle(s, settings, faceKind, shape, omega, b, h);
  s.wallFriction = delta;
  const double z = h - s.crackOffset;  // m, loaded height of the face
  const bool loaded = z > 0 && s.gammaS > 0;
  s.earthCoeff = loaded ? 2 * s.earthForce / (s.gammaS * z * z) : 0.0;
  s.earthCoeffH = s.earthCoeff * std::cos(alpha + delta);
  s.earthCoeffV = s.earthCoeff * std::sin(alpha + delta);

  // 10. Components; with the surcharge taken separately it adds a rectangle.
  if (s.wedgeCase == 0) {
    const double q = s.surcharge + s.snowOnFlat;
    const double soilH = z * z * s.earthCoeffH * s.gammaS / 2;
    s.earthForceH = soilH + q * s.earthCoeffH * z;
    s.earthForceV = z * z * s.earthCoeffV * s.gammaS / 2 + q * s.earthCoeffV * z;
    s.earthForce = std::hypot(s.earthForceH, s.earthForceV);
    s.earthArmY =
        s.earthForceH != 0 ? (soilH * z / 3 + z * z * q * s.earthCoeffH / 2) / s.earthForceH : 0.0;
  } else {
    s.earthForceH = z * z * s.earthCoeffH * s.gammaS / 2;
    s.earthForceV = z * z * s.earthCoeffV * s.gammaS / 2;
    s.earthArmY = loaded ? z / 3 : 0.0;
  }

  // 11. The critical wedge's weights for the report.
  s.reportWeightNet = s.wedgeWeightNet;
  s.reportWeightTotal = s.wedgeWeightTotal;
  s.reportUplift = s.waterUplift;
}

void coefficientPressure(TPa& s, double K, double x) {
  const double z = std::max(0.0, x - s.crackOffset);
  const double p1 = z * z * s.gammaS * K / 2;
  double p2 = 0;
  if (s.surchargeMode == 1) {
    if (s.backfillShape == 1) p2 = (s.surcharge + s.snowOnFlat) * K * z;
    if (s.backfillShape == 2) p2 = (s.surcharge + s.snowOnSlope) * K * z;
  }
  s.earthForceH = p1 + p2;
  s.earthArmY = p1 + p2 != 0 ? (z * p1 / 3 + z * p2 / 2) / (p1 + p2) : 0.0;
}

}  // namespace kovrel
