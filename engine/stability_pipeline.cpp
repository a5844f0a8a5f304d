#include "engine/stability_pipeline.h"

#include "engine/design_loader.h"
#include "engine/self_weight.h"

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

  // 7. Slip-line lengths for the figures (not built yet: they come from the wedge).

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
  // 15. Member-design loads from the stability result (not built yet).

  // 16. Sliding: required safety factor, then the check (not built yet).
  s.slidingFsRequired = s.loadCase == 0 ? 1.5 : 1.2;

  // 17. Report pages and figures (not built yet).
}

}  // namespace kovrel
