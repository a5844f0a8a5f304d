#include "engine/stability_checks.h"

#include <algorithm>
#include <cmath>

#include "engine/bearing_factors.h"

namespace kovrel {

void computeGroundReaction(TAntei& s) {
  const double B = s.outlineX[9];
  const double vo = s.sumV;
  const bool normal = s.loadCase == 0;

  // 2. Required values by load case.
  s.bearingFsRequired = normal ? 3.0 : 2.0;
  s.qaAllow = s.qa0 * (normal ? 1.0 : 1.5);

  // 1. Resultant; a wall that presses nothing on the ground has none.
  if (!(vo > 0) || !(B > 0)) {
    s.resultantD = 0;
    s.eccentricity = B / 2;
    s.bearingState = 3;
    s.reactionToe = 0;
    s.reactionHeel = 0;
    s.effectiveWidth = 0;
    return;
  }
  const double d = (s.resistingMoment - s.overturningMoment) / vo;
  const double e = B / 2 - d;
  s.resultantD = d;
  s.eccentricity = e;

  // 3. Trapezoid, triangle from the toe or from the heel, or none.
  const double ae = std::fabs(e);
  s.reactionToe = 0;
  s.reactionHeel = 0;
  if (ae < B / 6) {
    s.bearingState = 0;
    s.reactionToe = vo / B * (1 + 6 * e / B);
    s.reactionHeel = vo / B * (1 - 6 * e / B);
  } else if (ae < B / 3) {
    if (e >= 0) {
      s.bearingState = 1;
      s.reactionToe = 2 * vo / (3 * d);
    } else {
      s.bearingState = 2;
      s.reactionHeel = 2 * vo / (3 * (B - d));
    }
  } else {
    s.bearingState = 3;
  }

  // 4. Effective width.
  s.effectiveWidth = e >= 0 ? B - 2 * e : B;
}

void computeUltimateBearing(TAntei& s, double blockLength) {
  const double be = s.effectiveWidth;
  const double vo = s.sumV;

  // 1-2. Shape factors from Be/L, limited to 1.
  s.blockLengthBearing = blockLength;
  double ratio = blockLength > 0 ? std::min(std::max(be, 0.0) / blockLength, 1.0) : 1.0;
  s.shapeAlpha = 1 + 0.3 * ratio;
  s.shapeBeta = 1 - 0.4 * ratio;

  // 3-5. Embedment effect, overburden and load inclination.
  s.depthFactor = be > 0 ? 1 + 0.3 * s.bearingEmbedDepth / be : 0.0;
  s.overburden = s.gamma2Eff * s.embedDepth;
  s.loadInclination = vo > 0 ? s.sumH / vo : 0.0;

  // 6-7. Scale effect.
  s.cStar = std::clamp(s.cohesionBase / 10, 1.0, 10.0);
  s.qStar = std::clamp(s.overburden / 10, 1.0, 10.0);
  s.bStar = std::max(be, 1.0);
  s.scaleC = std::pow(s.cStar, -1.0 / 3.0);
  s.scaleQ = std::pow(s.qStar, -1.0 / 3.0);
  s.scaleGamma = std::pow(s.bStar, -1.0 / 3.0);

  // 8. Factors of the supporting ground.
  s.factorNc = bearingFactorNc(s.loadInclination, s.phiBase);
  s.factorNq = bearingFactorNq(0, s.phiBase, s.loadInclination, s.overburden, s.cohesionBase).value;
  s.factorNgamma = bearingFactorNgamma(s.phiBaseDeg, s.loadInclination);

  // 9-10. Without an effective width there is no bearing to check.
  if (!(be > 0)) {
    s.ultimateBearing = 0;
    s.bearingPressure = 0;
    return;
  }
  s.ultimateBearing = s.shapeAlpha * s.depthFactor * s.cohesionBase * s.factorNc * s.scaleC +
                      s.depthFactor * s.overburden * s.factorNq * s.scaleQ +
                      0.5 * s.gamma1Eff * s.shapeBeta * be * s.factorNgamma * s.scaleGamma;
  s.bearingPressure = vo / be;
}

void computeReactionWidth(TAntei& s) {
  const double B = s.outlineX[9];
  switch (s.bearingState) {
    case 0:
      s.reactionWidth = B;
      break;
    case 1:
      s.reactionWidth = 3 * s.resultantD;
      break;
    case 2:
      s.reactionWidth = 3 * (B - s.resultantD);
      break;
    default:
      s.reactionWidth = 0;
      break;
  }
}

KeyForces computeSliding(TAntei& s, bool hasKey) {
  const double vo = s.sumV;
  const double ho = s.sumHcopy;
  const double be = s.effectiveWidth;
  const double pp = s.passiveForce;
  KeyForces key;

  if (!hasKey) {
    s.slidingFs = ho > 0 ? (s.muBase * vo + s.adhesionCb * be + 0.5 * pp) / ho : 999.9;
    return key;
  }

  // 1. Effective width split at the key: in front, under it, behind it.
  const double B = s.outlineX[9];
  const double xf = s.outlineX[13];
  const double xr = s.outlineX[10];
  const double w = xr - xf;
  double b1 = 0, b2 = 0, b3 = 0;
  if (s.eccentricity < 0) {
    b1 = xf;
    b2 = w;
    b3 = B - xr;
  } else if (xr <= be) {
    b1 = xf;
    b2 = w;
    b3 = be - xf - w;
  } else if (xf <= be) {
    b1 = xf;
    b2 = be - xf;
  } else {
    b1 = be;
  }
  s.keyB1 = b1;
  s.keyB2 = b2;
  s.keyB3 = b3;

  // 2. Vertical load on each part, in proportion to its width.
  auto share = [&](double b) { return be > 0 ? b / be * vo : 0.0; };
  s.keyV1 = share(b1);
  s.keyV2 = share(b2);
  s.keyV3 = share(b3);

  // 3-4. In front of the key the ground shears in itself; under and behind
  //      it the base slides on the ground.
  const double tanPhi = std::tan(s.phiBase);
  const double tanPhiB = std::tan(s.phiB);
  const double c = s.cohesionBase;
  s.shearResistance = tanPhi * s.keyV1 + c * b1 + tanPhiB * (s.keyV2 + s.keyV3) + 0.5 * pp;
  s.slidingFs = ho > 0 ? s.shearResistance / ho : 9999.9;

  // 5. The key's share of the horizontal load; a key without resistance to
  //    share carries nothing.
  if (s.slidingFs > 0 && s.shearResistance != 0) {
    key.ht = (c * b1 + s.keyV1 * (tanPhi - tanPhiB) + s.keyV2 * tanPhiB) * ho / s.shearResistance;
  }
  key.m = std::fabs(s.outlineY[12] - s.outlineY[13]) * key.ht / 2;
  return key;
}

}  // namespace kovrel
