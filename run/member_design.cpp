#include "run/member_design.h"

#include <algorithm>
#include <string>

#include "base/non_finite.h"
#include "engine/bar_selection.h"
#include "engine/member_loads.h"
#include "engine/stem_wall.h"
#include "engine/trial_wedge.h"
#include "report/heel_slab_report.h"
#include "report/shear_key_report.h"
#include "report/stem_report.h"
#include "report/toe_slab_report.h"

namespace kovrel {

namespace {

// The members in turn; `member` names the one being designed, for a message.
void designEachMember(TAntei& s, Session& session, const char*& member) {
  DesignConditions& dc = session.conditions;
  ResultsWindow& results = session.results;
  const bool colour = dc.index("RadioGroup10") == 0;
  const bool buoyancy = dc.checked("CheckBox2");
  const WedgeSettings wedge = wedgeSettingsFrom(dc);
  std::vector<MemberJudgement>& judgements = session.memberJudgements;
  judgements.clear();

  member = "たて壁";
  // Stem: fixed end, anchorage, report, four sections, figures.
  StemPressure pressure{wedge, dc.index("RadioGroup7"), 0, 0};
  StemDesign stem = designStem(s, pressure, readBarSetting(dc, Member::Stem));
  writeStemReport(results, s, stem);
  writeAnchorageReport(results, s, stem);
  checkStemSections(s, stem);
  writeStemTables(results, stem);
  drawAnchorageFigures(results, s, stem, colour);
  {
    MemberJudgement j{"たて壁", true, 0};
    for (const StemColumn& c : stem.columns) {
      j.ok = j.ok && c.ok;
      j.ratio = std::max(j.ratio, governingRatio({{c.stresses.sigmaC, s.allowableCompression},
                                                  {c.stresses.sigmaS, s.allowableSteelTension},
                                                  {c.shear.tau, c.tauA}}));
    }
    judgements.push_back(j);
  }

  // The whole-wall wedge again (its vertical component loads the heel), then
  // the slab loads from the ground reaction.
  const VirtualBackFace face = virtualBackFace(s);
  for (int run = 0; run < 2; ++run) {
    trialWedge(s, wedge, 1, s.backfillShape, face.b, face.h, face.h);
  }
  computeMemberLoads(s);

  const double ms = stem.fixedEnd.moment;
  member = "つま先版";
  ToeDesign toe = designToeSlab(s, ms, buoyancy, readBarSetting(dc, Member::Toe));
  writeToeReport(results, s, toe, colour);
  if (s.wallType == 0) {
    const bool shear = !toe.tooShort;
    judgements.push_back({"つま先版", toe.ok,
                          governingRatio({{toe.stresses.sigmaC, s.allowableCompression},
                                          {toe.stresses.sigmaS, s.allowableSteelTension},
                                          {shear ? toe.tauM : 0.0, toe.tauCa}})});
  }

  member = "かかと版";
  HeelDesign heel = designHeelSlab(s, ms, buoyancy, readBarSetting(dc, Member::Heel));
  writeHeelReport(results, s, heel, colour);
  judgements.push_back({"かかと版", heel.ok,
                        governingRatio({{heel.stresses.sigmaC, s.allowableCompression},
                                        {heel.stresses.sigmaS, s.allowableSteelTension},
                                        {heel.tauM, heel.tauCa}})});

  const bool hasKey = dc.index("RadioGroup2") == 1;
  member = "突起";
  KeyDesign key = designShearKey(s, hasKey, readBarSetting(dc, Member::Key));
  writeKeyReport(results, s, key, colour);
  if (hasKey) {
    judgements.push_back({"突起", key.ok,
                          governingRatio({{key.stresses.sigmaC, s.allowableCompression},
                                          {key.stresses.sigmaS, s.allowableSteelTension},
                                          {key.stresses.tau, key.tauCa}})});
  }

  member = "たて壁";
  drawStemBarFigure(results, s);
}

}  // namespace

void designMembers(TAntei& s, Session& session) {
  const char* member = "たて壁";
  try {
    designEachMember(s, session, member);
  } catch (const NonFiniteValue& e) {
    throw NonFiniteValue(std::string(member) + ": " + e.quantity());
  }
}

}  // namespace kovrel
