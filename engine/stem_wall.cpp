#include "engine/stem_wall.h"

#include <algorithm>
#include <cmath>

#include "engine/correction_factors.h"
#include "engine/rebar_catalogue.h"
#include "engine/trial_wedge.h"

namespace kovrel {
namespace {

constexpr int kStemFaceKind = 0;

// Area and centroid height of a quadrilateral by the coordinate method.
void quadrilateral(const double (&px)[4], const double (&py)[4], double& area, double& cy) {
  double a = 0, my = 0;
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    const double cross = px[i] * py[j] - px[j] * py[i];
    a += cross;
    my += (py[i] + py[j]) * cross;
  }
  area = std::abs(a / 2);
  cy = a != 0 ? my / (3 * a) : 0.0;
}

}  // namespace

double StemGeometry::thickness(double x) const {
  const double along = height > 0 ? x / height : 0.0;
  return topWidth + (frontBatter + rearBatter) * along;
}

StemGeometry stemGeometry(const TTeisu& s) {
  StemGeometry g;
  g.height = s.outlineY[4] - s.outlineY[3];
  g.frontBatter = s.outlineX[4] - s.outlineX[3];
  g.topWidth = s.outlineX[5] - s.outlineX[4];
  g.rearBatter = s.outlineX[6] - s.outlineX[5];
  g.topY = s.outlineY[4];
  g.tanBeta = g.height > 0 ? g.frontBatter / g.height : 0.0;
  g.tanGamma = g.height > 0 ? g.rearBatter / g.height : 0.0;
  g.cover = s.stemCover;
  return g;
}

StemForces stemSectionForces(TAntei& s, const StemGeometry& g, const StemPressure& p, int kind,
                             double x) {
  StemForces f;
  f.depth = x;
  // 1. Earth pressure on the rear face down to the section.
  if (kind == 0 || p.method == 0) {
    trialWedge(s, p.wedge, kStemFaceKind, s.backfillShape, s.embankHeight, x, g.topY);
  } else {
    s.crackOffset = p.fixedEndHc;
    coefficientPressure(s, p.fixedEndKh, x);
  }
  f.earthH = s.earthForceH;
  f.earthArm = s.earthArmY;
  // 2. Its moment about the section.
  s.earthMomentH = s.earthForceH * s.earthArmY;
  f.earthMoment = s.earthMomentH;
  // 3. Stem weight above the section and its inertia, in a local frame whose
  //    y is the height above the section.
  const double along = g.height > 0 ? x / g.height : 0.0;
  const double px[4] = {0, g.frontBatter * along, g.frontBatter * along + g.topWidth,
                        g.frontBatter * along + g.topWidth + g.rearBatter * along};
  const double py[4] = {0, x, x, 0};
  double area = 0, cy = 0;
  quadrilateral(px, py, area, cy);
  s.wallWeight = area * s.gammaC;
  s.wallInertia = s.wallWeight * s.khInertia;
  s.wallMomentH = s.wallInertia * cy;
  f.weight = s.wallWeight;
  f.inertia = s.wallInertia;
  f.inertiaArm = cy;
  f.inertiaMoment = s.wallMomentH;
  // 4. Water standing above the section.
  const double hw = s.waterOn ? std::max(0.0, s.waterDepth - (g.topY - x)) : 0.0;
  s.waterForce = s.gammaW * hw * hw / 2;
  s.waterArm = hw / 3;
  s.waterMoment = s.waterForce * s.waterArm;
  f.waterDepth = hw;
  f.waterH = s.waterForce;
  f.waterArm = s.waterArm;
  f.waterMoment = s.waterMoment;
  // 5. Totals.
  s.overturningMoment = s.earthMomentH + s.wallMomentH + s.waterMoment;
  s.sumH = s.earthForceH + s.wallInertia + s.waterForce;
  f.moment = s.overturningMoment;
  f.shear = s.sumH;
  // 6. Shear corrected for the varying depth.
  f.thickness = g.thickness(x);
  f.shearSh = stemShearStress(g, f.thickness - g.cover, f.shear, f.moment).sh;
  return f;
}

ShearStress stemShearStress(const StemGeometry& g, double d, double s, double m) {
  ShearStress r;
  if (!(d > 0)) {
    // No effective depth: the correction has no lever and the stress no area.
    r.sh = s;
    r.tau = s == 0 ? 0.0 : kUnreinforceable;
    return r;
  }
  r.sh = s - m / d * (g.tanBeta + g.tanGamma);
  r.tau = r.sh / (d * 1000.0);
  return r;
}

StemAnchorage searchAnchorage(TAntei& s, const StemGeometry& g, const StemPressure& p, double as0,
                              int diameter) {
  StemAnchorage a;
  const double sa = s.allowableSteelTension;
  bool found1 = false, found2 = false;
  // The depth goes up the stem in whole 0.01 m steps counted from the fixed
  // end, so a stem too tall for 0.01 to change its height still moves on; the
  // count is bounded (10 km of stem) so no typed height can stall the run.
  constexpr long kMaxSteps = 1'000'000;
  for (long step = 0; step < kMaxSteps; ++step) {
    const double w = g.height - 0.01 * double(step);
    if (!(w > 0.1)) break;
    StemForces f = stemSectionForces(s, g, p, 1, w);
    const double d = g.effectiveDepth(w) * 1000.0;
    const double ar = requiredSteel(sa, f.moment * 1e6, d).as;
    if (!found1 && as0 / 2 > ar) {
      a.l1 = g.height - w;
      found1 = true;
    }
    const double sigmaS = sectionStresses(as0 / 2, f.shear, f.moment, d).sigmaS;
    if (!found2 && sa / 2 > sigmaS) {
      a.l2 = g.height - w;
      found2 = true;
    }
    if (found1 && found2) break;
  }
  a.lo = std::max(a.l1 + 35.0 * diameter / 1000.0, a.l2);
  return a;
}

StemDesign designStem(TAntei& s, const StemPressure& pressure, const BarSetting& setting) {
  StemDesign r;
  r.geometry = stemGeometry(s);
  r.pressure = pressure;
  const StemGeometry& g = r.geometry;
  const double H = g.height;
  const double sa = s.allowableSteelTension;

  // Fixed end: forces by the trial wedge, whose Kh and hc the back-calculated
  // method keeps for the other depths.
  stemSectionForces(s, g, r.pressure, 0, H);
  r.pressure.fixedEndKh = s.earthCoeffH;
  r.pressure.fixedEndHc = s.crackOffset;
  r.bars = selectBars(setting, sa, s.overturningMoment, g.cover, g.thickness(H));
  const double d = g.effectiveDepth(H);
  r.ce = ceFactor(d * 1000.0);
  r.pt = d > 0 ? r.bars.providedAs / (d * 1000.0 * 1000.0) : 0.0;
  r.cpt = cptFactor(r.pt * 100.0);
  r.tauA = s.allowableShearBase * r.ce * r.cpt;
  s.stemCe = r.ce;
  s.stemCpt = r.cpt;
  s.stemAllowableShear = r.tauA;

  r.anchorage = searchAnchorage(s, g, r.pressure, r.bars.providedAs, r.bars.diameter);

  // The fixed end again, leaving its wedge in the state for the report.
  r.fixedEnd = stemSectionForces(s, g, r.pressure, 0, H);
  r.stresses = sectionStresses(r.bars.providedAs, r.fixedEnd.shear, r.fixedEnd.moment, d * 1000.0);
  r.shear = stemShearStress(g, d, r.fixedEnd.shear, r.fixedEnd.moment);
  s.concreteStress = r.stresses.sigmaC;
  s.steelStress = r.stresses.sigmaS;
  s.meanShearStress = r.stresses.tau;
  r.wedgePa = s.earthForce;
  r.wedgePv = s.earthForceV;
  r.wedgeKh = s.earthCoeffH;
  r.wedgeKv = s.earthCoeffV;
  r.wedgeW = s.reportWeightNet;
  r.wedgeOmega = s.slipAngle;
  r.wedgeDelta = s.wallFriction;
  r.wedgeL = s.slipLength;
  r.wedgeZc = s.crackDepth;
  r.wedgeHc = s.crackOffset;
  return r;
}

// The four sections: the fixed end, then 3H/4, H/2 and H/4 below the top;
// above the cut-off level every second bar has ended.
void checkStemSections(TAntei& s, StemDesign& r) {
  const StemGeometry& g = r.geometry;
  const double H = g.height;
  for (int i = 0; i < 4; ++i) {
    StemColumn& c = r.columns[std::size_t(i)];
    const double x = H - H / 4 * i;
    c.forces = stemSectionForces(s, g, r.pressure, i == 0 ? 0 : 1, x);
    const double d = g.effectiveDepth(x);
    c.requiredAs = requiredSteel(s.allowableSteelTension, c.forces.moment * 1e6, d * 1000.0).as;
    c.pitch = H - r.anchorage.lo > x ? 2 * r.bars.pitch : r.bars.pitch;
    c.providedAs = r.bars.providedAs;
    areaOf(c.pitch, r.bars.diameter, c.providedAs);
    c.stresses = sectionStresses(c.providedAs, c.forces.shear, c.forces.moment, d * 1000.0);
    c.shear = stemShearStress(g, d, c.forces.shear, c.forces.moment);
    c.ce = ceFactor(d * 1000.0);
    c.pt = d > 0 ? c.providedAs / (d * 1000.0 * 1000.0) : 0.0;
    c.cpt = cptFactor(c.pt * 100.0);
    c.tauA = s.allowableShearBase * c.ce * c.cpt;
    c.ok = !(c.stresses.sigmaC > s.allowableCompression ||
             c.stresses.sigmaS > s.allowableSteelTension || c.shear.tau > c.tauA);
  }
}

}  // namespace kovrel
