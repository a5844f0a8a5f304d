#include "engine/design_loader.h"

#include <cmath>
#include <numbers>

#include "engine/wall_outline.h"

namespace kovrel {
namespace {
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kMetresPerMillimetre = 0.001;
}  // namespace

void loadDesignConditions(TAntei& s, const DesignConditions& dc) {
  // 1. Wall type.
  s.wallType = dc.index("PageControl2");

  // 2. Backfill, unit weights, bearing, cohesions, friction; then the two
  //    ground friction angles, each as a whole number and as radians.
  s.gammaS = dc.readDouble("Edit15");
  s.phiBackfill = dc.readDouble("Edit14") * kRadiansPerDegree;
  s.cohesionBackfill = dc.readDouble("Edit21");
  s.gammaC = dc.readDouble("ComboBox7");
  s.gammaW = dc.readDouble("ComboBox8");
  s.qa0 = dc.readDouble("Edit16");
  s.cohesionEmbed = dc.readDouble("LabeledEdit8");
  s.cohesionBase = dc.readDouble("Edit39");
  s.adhesionCb = dc.readDouble("Edit18");
  s.muBase = dc.readDouble("Edit17");
  s.phiEmbedDeg = dc.readInt("LabeledEdit7");
  s.phiEmbed = dc.readDouble("LabeledEdit7") * kRadiansPerDegree;
  s.phiBaseDeg = dc.readInt("Edit42");
  s.phiBase = dc.readDouble("Edit42") * kRadiansPerDegree;

  // 3. Base friction angle by the kind of wall body; ground unit weights and
  //    embedment depths.
  s.phiB = dc.index("RadioGroup3") == 0 ? s.phiBase : 2.0 / 3.0 * s.phiBase;
  s.gamma1 = dc.readDouble("LabeledEdit5");
  s.gamma2 = dc.readDouble("LabeledEdit4");
  s.embedDepth = dc.readDouble("LabeledEdit3");
  s.bearingEmbedDepth = dc.readDouble("LabeledEdit6");

  // 4. Surcharge and snow.
  s.surchargeMode = dc.index("RadioGroup6");
  s.surcharge = dc.readDouble("Edit1");
  s.snowOnSlope = dc.readDouble("Edit13");
  s.snowOnFlat = dc.readDouble("Edit43");
  s.surchargeOnSlope = dc.index("RadioGroup8") == 1 ? s.surcharge : 0.0;

  // 5. Water, and the submerged unit weights of the two grounds.
  s.waterOn = dc.checked("CheckBox3") ? 1 : 0;
  s.waterDepth = s.waterOn ? dc.readDouble("Edit62") : 0.0;
  s.gamma1Eff = s.gamma1;
  s.gamma2Eff = s.gamma2;
  if (s.waterOn) {
    const double df = s.embedDepth, h1 = s.waterDepth;
    // Only the part of the overburden below the water table is submerged.
    s.gamma2Eff = df > h1 ? ((df - h1) * s.gamma2 + h1 * (s.gamma2 - kSoilWaterWeight)) / df
                          : s.gamma2 - kSoilWaterWeight;
    s.gamma1Eff = s.gamma1 - kSoilWaterWeight;
  }

  // 6. Wind, collision and the block length that spreads the collision load.
  s.windPressure = dc.readDouble("ComboBox2");
  s.windHeight = dc.readDouble("ComboBox3");
  s.collisionArm = dc.readDouble("ComboBox9");
  s.collisionLoad = dc.readDouble("ComboBox4");
  s.blockLength = dc.checked("CheckBox6") ? dc.readDouble("ComboBox18") : 0.0;

  // 7. Allowable stresses and covers.
  s.designStrength = dc.readDouble("Edit50");
  s.allowableCompression = dc.readDouble("Edit23");
  s.allowableConcreteTension = dc.readDouble("Edit24");
  s.allowableShearBase = dc.readDouble("Edit25");
  s.allowableBond = dc.readDouble("Edit27");
  s.allowableSteelTension = dc.readDouble("Edit26");
  s.stemCover = dc.readDouble("Edit19") * kMetresPerMillimetre;
  s.slabCover = dc.readDouble("Edit20") * kMetresPerMillimetre;

  // 8. Load case. The combination items 0, 1, 2 stand for 1, 2 and 4; 3 is
  //    the coefficient window's own.
  s.loadCase = dc.index("RadioGroup5");
  if (s.loadCase == 0) {
    s.seismicCombination = 0;
    s.kh = 0;
    s.khInertia = 0;
    s.seismicAngle = 0;
  } else {
    s.kh = dc.readDouble("Edit61");
    static constexpr int kCombination[] = {1, 2, 4};
    int item = dc.index("RadioGroup9");
    s.seismicCombination = item >= 0 && item < 3 ? kCombination[item] : 0;
    s.khInertia = (s.seismicCombination == 1 || s.seismicCombination == 2) ? s.kh : 0.0;
    s.seismicAngle =
        (s.seismicCombination == 2 || s.seismicCombination == 4) ? std::atan2(s.kh, 1.0) : 0.0;
  }

  // 9. Backfill surface.
  s.backfillShape = dc.index("TabControl1") + 1;
  s.slopeN = s.backfillShape >= 2 ? dc.readDouble("ComboBox1") : 0.0;
  s.embankHeight = s.backfillShape == 3 ? dc.readDouble("Edit28") * kMetresPerMillimetre : 0.0;
  s.slopeRun = s.embankHeight * s.slopeN;
  s.slopeAngle = s.slopeN != 0 ? std::atan(1.0 / s.slopeN) : 0.0;

  // 10. Angle of the stem's rear face to the vertical, from the entered rear
  //     batter and stem height (both mm; the ratio has no unit). atan2 keeps a
  //     zero stem height finite.
  if (s.wallType == 0) {
    s.wallFaceAngle = std::atan2(dc.readDouble("Edit29"), dc.readDouble("Edit12"));
  } else {
    s.wallFaceAngle = std::atan2(dc.readDouble("Edit32"), dc.readDouble("Edit44"));
  }

  // 11. Wall dimensions, shear key, Ho and the outline points.
  buildWallOutline(s, dc);
}

}  // namespace kovrel
