#pragma once
// The earth-pressure coefficient window: Ka, Kah, Kav of sloped embankment
// backfills (1:1.5, 1:1.8, 1:2.0, 1:3.0) against the embankment ratio
// H1/H = 0.0 to 1.0, computed by the calculation's own trial wedge on a
// state of its own (TKeisu), tabulated and plotted.

#include <string>

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "results/results_window.h"

namespace kovrel {

// A calculation state used only to run the trial wedge for this table.
struct TKeisu : TPa {};

// The window's own controls.
struct EarthPressureWindow {
  int wallTab = 0;           // 0 "重力式１", 1 "重力式２", 2 "もたれ式", 3 "逆Ｔ型"
  int soil = 0;              // "礫質土", "砂質土", "粘性土"
  std::string gamma = "20";  // ComboBox2, kN/m3
  std::string phi = "35";    // ComboBox3, degrees
  std::string cohesion = "0";  // ComboBox4, kN/m2
  int seismic = 0;             // "常時", "地震時"
  std::string kh = "0.00";     // ComboBox1
  bool khEnabled = false;
  std::string batterGravity = "0.3";   // ComboBox6, back batter of "重力式２"
  std::string batterLeaning = "-0.3";  // ComboBox7, back batter of "もたれ式"

  // The soil group proposes γ and φ; the seismic group kh and its state.
  void chooseSoil(int item);
  void chooseSeismic(int item);
};

struct EarthPressureTable {
  StringGrid grid{13, 13};
  Chart chart;
  EarthPressureTable();
};

// The message of the tab "逆Ｔ型", where nothing is computed.
extern const char* const kInvertedTCoefficientMessage;

// Fills the table ("表示"). Returns the message to show instead when the tab
// is "逆Ｔ型" (the table then stays as it was), else empty. A text that is no
// number throws ConversionError, a number out of range (γ, φ and c outside
// the plausible ranges of the backfill's, kh outside 0 to less than 1, a back
// batter beyond ±10) std::invalid_argument, each naming the window's control;
// the table keeps what it held. δ and the crack shift follow RadioGroup16 and
// CheckBox7 of the design conditions, as in the calculation.
std::string computeEarthPressureTable(const EarthPressureWindow& window, const DesignConditions& dc,
                                      EarthPressureTable& table);

// Showing the window: the first wall-type tab becomes active and the table
// is computed for the window's current soil and load case.
std::string showEarthPressureWindow(EarthPressureWindow& window, const DesignConditions& dc,
                                    EarthPressureTable& table);

}  // namespace kovrel
