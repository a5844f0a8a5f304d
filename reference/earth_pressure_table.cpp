#include "reference/earth_pressure_table.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "base/utf8.h"
#include "conditions/condition_ranges.h"
#include "engine/trial_wedge.h"
#include "engine/wedge_settings.h"
#include "results/number_picture.h"

namespace kovrel {

const char* const kInvertedTCoefficientMessage =
    "H24擁壁工指針では,βの計算にかかと版の幅\r\rが必要になったで計算出来ません。";

namespace {

constexpr double kDegree = 0.017453292519943295;  // rad per degree
constexpr double kSlopes[4] = {1.5, 1.8, 2.0, 3.0};
const char* const kSlopeNames[4] = {"1:1.5", "1:1.8", "1:2.0", "1:3.0"};

double readWindowNumber(const std::string& text, const char* control, const char* label) {
  double v = 0;
  if (!parseDecimal(text, v)) throw ConversionError(std::string("Form3.") + control, label, text);
  return v;
}

// A number the wedge cannot work with: no unit weight, an angle of 90° or
// more, a negative cohesion or a seismic coefficient of 1 or more.
void requireRange(bool ok, const char* control, const char* label, const std::string& text,
                  const char* range) {
  if (!ok) {
    throw std::invalid_argument(std::string("Form3.") + control + " \"" + label + "\": \"" +
                                quotedForMessage(text) + "\" must be " + range);
  }
}

// The window's soil numbers share the plausible ranges of the design
// conditions they stand for, so the wedge never sees what a run would refuse.
void requireConditionRange(double value, const char* control, const char* label,
                           const std::string& text, const char* condition) {
  for (const ConditionRange& r : conditionRanges()) {
    if (std::string_view(r.control) != condition) continue;
    if (value < r.lower || value > r.upper) {
      const std::string range = "from " + boundText(r.lower) + " to " + boundText(r.upper) +
                                (*r.unit ? std::string(" ") + r.unit : std::string());
      throw std::invalid_argument(std::string("Form3.") + control + " \"" + label + "\": \"" +
                                  quotedForMessage(text) + "\" must be " + range);
    }
    return;
  }
}

std::string coefficientText(double value) {
  return std::isfinite(value) ? formatNumber("0.000", value) : "---";
}

}  // namespace

void EarthPressureWindow::chooseSoil(int item) {
  static const char* const values[3][2] = {{"20", "35"}, {"19", "30"}, {"18", "25"}};
  if (item < 0 || item > 2) return;
  soil = item;
  gamma = values[item][0];
  phi = values[item][1];
}

void EarthPressureWindow::chooseSeismic(int item) {
  if (item < 0 || item > 1) return;
  seismic = item;
  kh = item == 1 ? "0.1" : "0.0";
  khEnabled = item == 1;
}

EarthPressureTable::EarthPressureTable() {
  // Room for the slopes, the coefficient names and three decimals.
  grid.colWidths = {44, 36};
  grid.colWidths.resize(13, 44);
  grid.setCell(0, 0, "勾配");
  grid.setCell(1, 0, "係数");
  const char* coefficients[3] = {"Ka", "Kah", "Kav"};
  for (int row = 1; row <= 12; ++row) {
    grid.setCell(0, row, kSlopeNames[(row - 1) / 3]);
    grid.setCell(1, row, coefficients[(row - 1) % 3]);
  }
  chart.name = "Chart1";
  chart.title = "H1/H～土圧係数";
  chart.width = 420;
  chart.height = 330;
  chart.left.title = "土圧係数（Kh Kv）";
  chart.left.picture = "#,##0.00";
  chart.bottom.maximum = 1.0;
  for (const char* slope : {"1:1.5", "1:1.8", "1:2.0", "1:3.0"}) {
    for (const char* part : {"Kh ", "Kv "}) {
      Series s;
      s.name = std::string(part) + slope;
      s.title = s.name;
      s.colour = clBlue;
      chart.series.push_back(s);
    }
  }
}

std::string computeEarthPressureTable(const EarthPressureWindow& w, const DesignConditions& dc,
                                      EarthPressureTable& table) {
  if (w.wallTab == 3) return kInvertedTCoefficientMessage;

  TKeisu state;  // zero: no surcharge, snow, water or separate surcharge handling
  state.gammaS = readWindowNumber(w.gamma, "ComboBox2", "γ=");
  state.cohesionBackfill = readWindowNumber(w.cohesion, "ComboBox4", "C=");
  state.phiBackfill = readWindowNumber(w.phi, "ComboBox3", "φ=") * kDegree;
  state.gammaW = 10.0;
  requireRange(state.gammaS > 0, "ComboBox2", "γ=", w.gamma, "greater than 0");
  requireRange(state.phiBackfill >= 0 && state.phiBackfill < 90 * kDegree, "ComboBox3", "φ=", w.phi,
               "from 0 to less than 90 degrees");
  requireRange(state.cohesionBackfill >= 0, "ComboBox4", "C=", w.cohesion, "0 or more");
  requireConditionRange(state.gammaS, "ComboBox2", "γ=", w.gamma, "Edit15");
  requireConditionRange(state.phiBackfill / kDegree, "ComboBox3", "φ=", w.phi, "Edit14");
  requireConditionRange(state.cohesionBackfill, "ComboBox4", "C=", w.cohesion, "Edit21");
  if (w.seismic == 1) {
    state.seismicCombination = 2;
    state.kh = readWindowNumber(w.kh, "ComboBox1", "kh=");
    requireRange(state.kh >= 0 && state.kh < 1, "ComboBox1", "kh=", w.kh, "from 0 to less than 1");
    requireConditionRange(state.kh, "ComboBox1", "kh=", w.kh, "Edit61");
    state.seismicAngle = std::atan(state.kh);
  }
  // A back batter is a ratio of run to rise; beyond 1:10 either way there is
  // no wall of these types.
  if (w.wallTab == 1) {
    const double batter = readWindowNumber(w.batterGravity, "ComboBox6", "重力式２");
    requireRange(std::fabs(batter) <= 10, "ComboBox6", "重力式２", w.batterGravity,
                 "from -10 to 10");
    state.wallFaceAngle = std::atan(batter);
  } else if (w.wallTab == 2) {
    const double batter = readWindowNumber(w.batterLeaning, "ComboBox7", "もたれ式");
    requireRange(std::fabs(batter) <= 10, "ComboBox7", "もたれ式", w.batterLeaning,
                 "from -10 to 10");
    state.wallFaceAngle = std::atan(batter);
  }
  const WedgeSettings settings = wedgeSettingsFrom(dc);

  table.chart.clear();
  for (int column = 0; column <= 10; ++column) {
    // Embankment ratio H1/H on a wall 1 m high: the embankment is r metres.
    const double r = column / 10.0;
    table.grid.setCell(column + 2, 0, formatNumber("0.00", r));
    for (int slope = 0; slope < 4; ++slope) {
      state.backfillShape = 3;
      state.slopeN = kSlopes[slope];
      state.slopeAngle = std::atan(1.0 / kSlopes[slope]);
      state.embankHeight = r;
      trialWedge(state, settings, 0, 3, r, 1.0, 1.0);
      // A slope that cannot stand in the earthquake (β + θ ≥ φ) has no
      // coefficient: its cells show "---" and its curves leave the point out.
      const double none = std::numeric_limits<double>::quiet_NaN();
      const bool unstable = state.backfillUnstable != 0;
      const double values[3] = {unstable ? none : state.earthCoeff,
                                unstable ? none : state.earthCoeffH,
                                unstable ? none : state.earthCoeffV};
      for (int k = 0; k < 3; ++k) {
        table.grid.setCell(column + 2, 1 + slope * 3 + k, coefficientText(values[k]));
      }
      if (!std::isfinite(values[1]) || !std::isfinite(values[2])) continue;
      const std::string label = formatNumber("0.0", r);
      table.chart.series[size_t(slope * 2)].points.push_back({r, values[1], label, clBlue});
      table.chart.series[size_t(slope * 2 + 1)].points.push_back({r, values[2], label, clBlue});
    }
  }
  return {};
}

std::string showEarthPressureWindow(EarthPressureWindow& window, const DesignConditions& dc,
                                    EarthPressureTable& table) {
  window.wallTab = 0;
  table = EarthPressureTable();
  return computeEarthPressureTable(window, dc, table);
}

}  // namespace kovrel
