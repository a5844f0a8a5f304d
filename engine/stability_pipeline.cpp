#include "engine/stability_pipeline.h"

#include <cmath>

#include "engine/design_loader.h"
#include "engine/member_loads.h"
#include "engine/self_weight.h"
#include "results/design_conditions_report.h"
#include "results/self_weight_report.h"

namespace kovrel {

// The steps in their order. A step whose part of the engine is not built yet
// is named here and does nothing, so its report pages keep what they held.
void runStabilityPipeline(TAntei& s, Session& session) {
  ResultsWindow& results = session.results;
  const DesignConditions& dc = session.conditions;

  // 1. Design constants and outline points.
  loadDesignConditions(s, dc, results);

  // 2. Wall body weight, inertia, centroid and moments from item W_A.
  computeWallWeight(s);

  // 3. No earth pressure until the wedge has run.
  s.earthForceH = 0;
  s.earthForceV = 0;
  s.earthArmY = 0;
  s.earthForceVX = 0;

  // 4. Earth pressure on the virtual back face by the trial wedge (not built yet).

  // 5. Lever arms of the earth pressure components.
  s.earthForceVX = s.outlineX[9];
  s.earthForceHY = s.earthArmY;

  // 6. Backfill block and surcharge on the heel.
  computeHeelBackfill(s, dc.index("RadioGroup4") == 0);

  // 7. Slip-line lengths for the figures, m: from the crest (dSlip) and from
  //    the toe end (xSlipTop = slipRun + B, for the load diagram, not built
  //    yet) to the top of the slip line.
  const double slipRun = std::cos(s.slipAngle) * s.slipLength;
  const double dSlip = slipRun + (s.outlineX[9] - s.outlineX[5]);

  // 8. Lever arms of the backfill and the surcharge in the load list.
  s.backfillXcopy = s.backfillX;
  s.backfillYcopy = s.backfillY;
  s.surchargeX = s.surchargeLoad != 0 ? s.surchargeArm + s.outlineX[6] : 0.0;

  // 9. Passive earth pressure, water pressure (not built yet).
  // 10. Buoyancy of wall and backfill block (not built yet).
  // 11. Wind and collision loads (not built yet).
  // 12. Sums and moments (not built yet).
  // 13. Resultant, eccentricity and ground reaction (not built yet).
  // 14. Ultimate bearing capacity (not built yet).
  // 15. Member-design loads from the stability result.
  computeMemberLoads(s);

  // 16. Sliding: required safety factor, then the check (not built yet).
  s.slidingFsRequired = s.loadCase == 0 ? 1.5 : 1.2;

  // 17. Report pages and figures: design conditions and contents, self
  //     weight II-1 and II-2 (the later sections are not built yet).
  writeDesignConditionsReport(s, dc, results, session.currentFileName, dSlip);
  writeSelfWeightReports(s, dc, results);
}

}  // namespace kovrel
