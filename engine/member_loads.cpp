#include "engine/member_loads.h"

#include <algorithm>

#include "engine/load_items.h"

namespace kovrel {
namespace {

// Resultant (kN) of a trapezoidal reaction qa..qb (kN/m2) over L (m).
double trapezoidArea(double length, double qa, double qb) {
  return (qa + qb) / 2 * length;
}

// Distance (m) of that resultant from the qa end. Without any load the
// centroid is taken as the middle, the limit of a vanishing uniform load, so
// that no arm is ever 0/0.
double trapezoidArm(double length, double qa, double qb) {
  if (qa + qb == 0) return length / 2;
  return (2 * qb + qa) * length / (3 * (qb + qa));
}

// Length (m) of the base in compression, from the toe (states 0 and 1) or
// from the heel end (state 2).
double loadedLength(const TAntei& s) {
  const double B = s.outlineX[9], d = s.resultantD;
  switch (s.bearingState) {
    case 0:
      return B;
    case 1:
      return 3 * d;
    case 2:
      return 3 * (B - d);
    default:
      return 0;
  }
}

struct Part {
  double weight, arm;
};

// Weight (area x unit weight) of an item and its arm from the stem face:
// towards the toe tip (towardsToe) or towards the heel end.
Part itemLoad(TAntei& s, const char* item, double unitWeight, bool towardsToe) {
  const ItemProperties p = itemProperties(s, item);
  const double arm = towardsToe ? s.outlineX[3] - p.x : p.x - s.outlineX[6];
  return {p.area * unitWeight, std::max(0.0, arm)};
}

}  // namespace

double groundReactionAt(const TAntei& s, double x) {
  const double q1 = s.reactionToe, q2 = s.reactionHeel, B = s.outlineX[9];
  const double lq = loadedLength(s);
  // A loaded length of nothing (resultant at an end) carries no reaction.
  if (lq <= 0) return 0;
  if (s.bearingState == 0 || s.bearingState == 1) {
    if (x >= lq) return 0;
    return std::max(0.0, q2 + (q1 - q2) * (lq - x) / lq);
  }
  if (s.bearingState == 2) {
    if (B - x >= lq) return 0;
    return std::max(0.0, (lq - (B - x)) * q2 / lq);
  }
  return 0;
}

void computeMemberLoads(TAntei& s) {
  const double xT = s.outlineX[14], x3 = s.outlineX[3], x6 = s.outlineX[6];
  const double xK = s.outlineX[33], B = s.outlineX[9];
  const double c = s.outlineY[6] / 2;  // half the slab thickness at the stem, m
  s.toeSectionX = xT;
  s.toeSectionY = s.outlineY[14];

  // Self weights (γc), buoyancy of the slabs (γw) and of the backfill (9).
  struct ItemLoad {
    const char* item;
    double unitWeight;  // kN/m3
    bool towardsToe;
    double& weight;
    double& arm;
  };
  const ItemLoad loads[] = {
      {"T_S", s.gammaC, true, s.toeWeightS, s.toeWeightSArm},
      {"T_M", s.gammaC, true, s.toeWeightM, s.toeWeightMArm},
      {"K_M", s.gammaC, false, s.heelWeightM, s.heelWeightMArm},
      {"K_S", s.gammaC, false, s.heelWeightS, s.heelWeightSArm},
      {"T_FS", s.gammaW, true, s.toeBuoyancyS, s.toeBuoyancySArm},
      {"T_FM", s.gammaW, true, s.toeBuoyancyM, s.toeBuoyancyMArm},
      {"K_FM", s.gammaW, false, s.heelBuoyancyM, s.heelBuoyancyMArm},
      {"K_FS", s.gammaW, false, s.heelBuoyancyS, s.heelBuoyancySArm},
      {"KS_FM", kSoilWaterWeight, false, s.backfillBuoyancyM, s.backfillBuoyancyMArm},
      {"KS_FS", kSoilWaterWeight, false, s.backfillBuoyancyS, s.backfillBuoyancySArm},
  };
  for (const ItemLoad& l : loads) {
    const Part p = itemLoad(s, l.item, l.unitWeight, l.towardsToe);
    l.weight = p.weight;
    l.arm = p.arm;
  }

  // Ground reaction at the design sections.
  s.reactionAtToeSection = groundReactionAt(s, xT);
  s.reactionAtStemFront = groundReactionAt(s, x3);
  s.reactionAtStemRear = groundReactionAt(s, x6);
  s.reactionAtKeyFront = groundReactionAt(s, s.outlineX[13]);
  s.reactionAtKeyRear = groundReactionAt(s, s.outlineX[10]);
  s.reactionAtHeelSection = groundReactionAt(s, xK);

  // Reaction resultants on the slab parts and their arms from the stem faces.
  const double q1 = s.reactionToe, q2 = s.reactionHeel, lq = loadedLength(s);
  const double qT = s.reactionAtToeSection, q3 = s.reactionAtStemFront;
  const double q6 = s.reactionAtStemRear, qK = s.reactionAtHeelSection;
  double toeS = 0, toeSArm = 0, toeM = 0, toeMArm = 0;
  double heelM = 0, heelMArm = 0, heelS = 0, heelSArm = 0;
  switch (s.bearingState) {
    case 0:
      toeS = trapezoidArea(xT, qT, q1);
      toeSArm = trapezoidArm(xT, qT, q1) + c;
      toeM = trapezoidArea(x3, q3, q1);
      toeMArm = trapezoidArm(x3, q3, q1);
      heelM = trapezoidArea(B - x6, q6, q2);
      heelMArm = trapezoidArm(B - x6, q6, q2);
      heelS = trapezoidArea(B - xK, qK, q2);
      heelSArm = c + trapezoidArm(B - xK, qK, q2);
      break;
    case 1:  // triangle from the toe over lq = 3d
      if (lq <= xT) {
        toeS = trapezoidArea(lq, 0, q1);
        toeSArm = x3 - lq / 3;
      } else {
        toeS = trapezoidArea(xT, qT, q1);
        toeSArm = c + trapezoidArm(xT, qT, q1);
      }
      if (lq <= x3) {
        toeM = trapezoidArea(lq, 0, q1);
        toeMArm = x3 - lq / 3;
      } else {
        toeM = trapezoidArea(x3, q3, q1);
        toeMArm = trapezoidArm(x3, q3, q1);
      }
      if (lq > x6) {
        heelM = trapezoidArea(lq - x6, 0, q6);
        heelMArm = (lq - x6) / 3;
      }
      if (lq > xK) {
        heelS = trapezoidArea(lq - xK, 0, qK);
        heelSArm = c + (lq - xK) / 3;
      }
      break;
    case 2:  // triangle from the heel end over lq = 3(B - d)
      if (lq > B - xT) {
        toeS = trapezoidArea(lq - (B - xT), 0, qT);
        toeSArm = c + (lq - (B - xT)) / 3;
      }
      if (lq > B - x3) {
        toeM = trapezoidArea(lq - (B - x3), 0, q3);
        toeMArm = (lq - (B - x3)) / 3;
      }
      if (lq <= B - x6) {
        heelM = trapezoidArea(lq, 0, q2);
        heelMArm = (B - x6) - lq / 3;
      } else {
        heelM = trapezoidArea(B - x6, q6, q2);
        heelMArm = trapezoidArm(B - x6, q6, q2);
      }
      if (lq <= B - xK) {
        heelS = trapezoidArea(lq, 0, q2);
        heelSArm = c + (B - xK) - lq / 3;
      } else {
        heelS = trapezoidArea(B - xK, qK, q2);
        heelSArm = c + trapezoidArm(B - xK, qK, q2);
      }
      break;
    default:  // no ground reaction
      break;
  }
  s.toeReactionS = toeS;
  s.toeReactionSArm = toeSArm;
  s.toeReactionM = toeM;
  s.toeReactionMArm = toeMArm;
  s.heelReactionM = heelM;
  s.heelReactionMArm = heelMArm;
  s.heelReactionS = heelS;
  s.heelReactionSArm = heelSArm;
}

}  // namespace kovrel
