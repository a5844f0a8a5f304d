#pragma once
// The aids of the page "(4)設計震度": the design horizontal seismic
// coefficient kh = Cz · kh0 proposed in single precision, the standard-value
// table, the ground characteristic value Tg from up to five soil layers, and
// the regional zones that give Cz. Only Edit61 (kh) is read by the calculation.

#include <stdexcept>
#include <string>

#include "conditions/design_conditions.h"
#include "conditions/design_window.h"

namespace kovrel {

// A layer value that is a number but cannot be a layer (negative).
class SeismicAidError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Edit61 = float(float(kh0) · float(Cz)) as "0.00". Throws ConversionError for
// a kh0 (ComboBox5) or Cz (ComboBox6) that is no number, SeismicAidError for
// one or a product beyond single precision; Edit61 then stays.
void proposeKh(DesignConditions& dc);

// A click in the standard-value table: a data cell becomes kh0 and kh is proposed.
void clickStandardValue(DesignConditions& dc, const DesignWindow& w, int col, int row);

// Edit53 = "Tg=0.00" from the layers of StringGrid2, or empty without a layer.
// Throws ConversionError (thickness or N no number) or SeismicAidError
// (negative); Edit53 then stays empty.
void computeTg(DesignConditions& dc);

// A click in the soil-type column cycles "-"/"" -> "砂質土" <-> "粘性土".
void clickSoilTypeCell(DesignConditions& dc, int col, int row);

// A prefecture-initial button: ListBox1 gets the zone keys, ListBox2 empties.
void listZones(DesignWindow& w, const std::string& initial);

// A click on a zone key: ListBox2 gets its municipalities, ComboBox6 its
// factor and Edit61 the proposal. An unknown key does nothing. Throws
// ConversionError for a kh0 that is no number (SeismicAidError for one beyond
// single precision), before anything changes.
void applyZone(DesignConditions& dc, DesignWindow& w, const std::string& key);

// The standard-value and ground-type tables and the layer grid as start-up
// fills them.
void fillSeismicTables(DesignConditions& dc, DesignWindow& w);

}  // namespace kovrel
