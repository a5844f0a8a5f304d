#include "conditions/condition_ranges.h"

#include "base/utf8.h"
#include "results/number_picture.h"

namespace kovrel {
namespace {

using A = RangeApplies;

constexpr double kMaxDimensionMm = 100000;  // 100 m: any wall, its key and embankment
constexpr double kMaxDepthM = 100;          // depths and heights entered in m
constexpr double kMaxCohesion = 1000;       // kN/m2
constexpr double kMaxSurfaceLoad = 1000;    // kN/m2

std::vector<ConditionRange> buildRanges() {
  return {
      // Backfill.
      {"Edit15", 1, 100, "kN/m3", A::Always},
      {"Edit14", 0, 60, "度", A::Always},
      {"Edit21", 0, kMaxCohesion, "kN/m2", A::Always},
      // Embedment ground.
      {"LabeledEdit4", 1, 100, "kN/m3", A::Always},
      {"LabeledEdit7", 0, 60, "度", A::Always},
      {"LabeledEdit8", 0, kMaxCohesion, "kN/m2", A::Always},
      {"LabeledEdit3", 0, kMaxDepthM, "m", A::Always},
      // Supporting ground.
      {"LabeledEdit5", 1, 100, "kN/m3", A::Always},
      {"Edit42", 0, 60, "度", A::Always},
      {"Edit39", 0, kMaxCohesion, "kN/m2", A::Always},
      {"LabeledEdit6", 0, kMaxDepthM, "m", A::Always},
      {"Edit16", 0, 10000, "kN/m2", A::Always},
      {"Edit17", 0, 2, "", A::Always},
      {"Edit18", 0, kMaxCohesion, "kN/m2", A::Always},
      // Self weight and block length.
      {"ComboBox7", 1, 100, "kN/m3", A::Always},
      {"ComboBox18", 0, 1000, "m", A::Always},
      // Inverted-T wall, mm.
      {"Edit3", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit5", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit7", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit8", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit9", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit10", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit11", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit12", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit29", 0, kMaxDimensionMm, "mm", A::InvertedT},
      {"Edit4", 0, kMaxDimensionMm, "mm", A::InvertedT},
      // L wall, mm.
      {"Edit46", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit45", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit48", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit47", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit6", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit22", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit44", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit32", 0, kMaxDimensionMm, "mm", A::LWall},
      {"Edit49", 0, kMaxDimensionMm, "mm", A::LWall},
      // Shear key, mm.
      {"Edit35", 0, kMaxDimensionMm, "mm", A::ShearKey},
      {"Edit40", 0, kMaxDimensionMm, "mm", A::ShearKey},
      {"Edit41", 0, kMaxDimensionMm, "mm", A::ShearKey},
      // Backfill surface, surcharge and snow.
      {"ComboBox1", 0, 100, "", A::SlopeOrEmbankment},
      {"Edit28", 0, kMaxDimensionMm, "mm", A::Embankment},
      {"Edit1", 0, kMaxSurfaceLoad, "kN/m2", A::Always},
      {"Edit43", 0, kMaxSurfaceLoad, "kN/m2", A::Always},
      {"Edit13", 0, kMaxSurfaceLoad, "kN/m2", A::Always},
      // Seismic coefficient.
      {"Edit61", 0, 1, "", A::Seismic},
      // Other loads.
      {"Edit54", 0, kMaxDepthM, "m", A::Always},
      {"Edit62", 0, kMaxDepthM, "m", A::WaterOn},
      {"ComboBox8", 1, 100, "kN/m3", A::WaterOn},
      {"ComboBox8", 0, 100, "kN/m3", A::WaterOff},
      {"ComboBox3", 0, kMaxDepthM, "m", A::Always},
      {"ComboBox2", 0, 100, "kN/m2", A::Always},
      {"ComboBox9", 0, kMaxDepthM, "m", A::Always},
      {"ComboBox4", 0, 10000, "kN", A::Always},
      // Allowable stresses and covers.
      {"Edit50", 1, 100, "N/mm2", A::Always},
      {"Edit23", 0, 100, "N/mm2", A::Always},
      {"Edit24", 0, 100, "N/mm2", A::Always},
      {"Edit25", 0, 100, "N/mm2", A::Always},
      {"Edit27", 0, 100, "N/mm2", A::Always},
      {"Edit26", 0, 1000, "N/mm2", A::Always},
      {"Edit19", 0, 1000, "mm", A::Always},
      {"Edit20", 0, 1000, "mm", A::Always},
      // Required safety factor against overturning.
      {"LabeledEdit1", 0, 10, "", A::SafetyFactorNormal},
      {"LabeledEdit2", 0, 10, "", A::SafetyFactorSeismic},
  };
}

}  // namespace

const std::vector<ConditionRange>& conditionRanges() {
  static const std::vector<ConditionRange> ranges = buildRanges();
  return ranges;
}

bool rangeApplies(const ConditionRange& range, const DesignConditions& dc) {
  const bool safetyFactor = dc.index("RadioGroup11") == 1;
  const bool seismic = dc.index("RadioGroup5") == 1;
  switch (range.applies) {
    case A::Always:
      return true;
    case A::InvertedT:
      return dc.index("PageControl2") == 0;
    case A::LWall:
      return dc.index("PageControl2") == 1;
    case A::ShearKey:
      return dc.index("RadioGroup2") == 1;
    case A::SlopeOrEmbankment:
      return dc.index("TabControl1") >= 1;
    case A::Embankment:
      return dc.index("TabControl1") == 2;
    case A::Seismic:
      return seismic;
    case A::WaterOn:
      return dc.checked("CheckBox3");
    case A::WaterOff:
      return !dc.checked("CheckBox3");
    case A::SafetyFactorNormal:
      return safetyFactor && !seismic;
    case A::SafetyFactorSeismic:
      return safetyFactor && seismic;
  }
  return true;
}

std::string boundText(double bound) {
  return formatNumber("#,0.###", bound);
}

std::vector<std::string> outOfRangeMessage(const Control& control, const ConditionRange& range) {
  std::string unit = range.unit;
  if (!unit.empty()) unit = " " + unit;
  return {control.name + "「" + control.label + "」の値 \"" + quotedForMessage(control.text) +
              "\" は範囲外です。",
          "範囲は " + boundText(range.lower) + " ～ " + boundText(range.upper) + unit + " です。",
          "確認して、訂正して下さい。"};
}

}  // namespace kovrel
