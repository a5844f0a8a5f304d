#include "conditions/seismic_aids.h"

#include <cmath>

#include "base/utf8.h"
#include "conditions/zone_table.h"
#include "results/number_picture.h"

namespace kovrel {
namespace {

// The seismic aids work in single precision: kh0, Cz and their product are
// each rounded to 32-bit floats, which decides proposals like 0.15 · 0.70.
float singleProduct(float a, float b) {
  return a * b;
}

// The proposal as Edit61 shows it; a kh0 or Cz beyond single precision has
// no product to propose.
std::string khText(float kh) {
  if (!std::isfinite(kh)) {
    throw SeismicAidError(
        "ComboBox5 x ComboBox6: kh0 x Cz has no finite value in single precision");
  }
  return formatNumber("0.00", double(kh));
}

float readSingle(const DesignConditions& dc, const char* name) {
  const float value = static_cast<float>(dc.readDouble(name));
  if (!std::isfinite(value)) {
    throw SeismicAidError(std::string(name) + ": \"" + quotedForMessage(dc.text(name)) +
                          "\" is beyond single precision");
  }
  return value;
}

std::string cellName(int col, int row) {
  return "StringGrid2[" + std::to_string(col) + "," + std::to_string(row) + "]";
}

double readLayerValue(const DesignConditions& dc, int col, int row, const char* label) {
  const std::string& text = dc.cell("StringGrid2", col, row);
  double v = 0;
  if (!parseDecimal(text, v)) throw ConversionError(cellName(col, row), label, text);
  if (v < 0) {
    throw SeismicAidError(cellName(col, row) + " \"" + label + "\": \"" + quotedForMessage(text) +
                          "\" is negative; a layer needs a thickness and an N value of 0 or more");
  }
  return v;
}

}  // namespace

void proposeKh(DesignConditions& dc) {
  const float kh0 = readSingle(dc, "ComboBox5");
  const float cz = readSingle(dc, "ComboBox6");
  dc.setText("Edit61", khText(singleProduct(kh0, cz)));
}

void clickStandardValue(DesignConditions& dc, const DesignWindow& w, int col, int row) {
  const AidGrid& g = w.standardValues;
  if (col < 1 || row < 1 || col >= g.colCount || row >= g.rowCount) return;
  dc.setText("ComboBox5", g.cell(col, row));
  proposeKh(dc);
}

void computeTg(DesignConditions& dc) {
  dc.setText("Edit53", "");
  bool anyLayer = false;
  float sum = 0;
  for (int row = 1; row <= 5; ++row) {
    const std::string& thickness = dc.cell("StringGrid2", 1, row);
    const std::string& n = dc.cell("StringGrid2", 2, row);
    const std::string& soil = dc.cell("StringGrid2", 3, row);
    if (thickness.empty() || n.empty() || soil.empty()) break;
    if (thickness == "-" || n == "-" || soil == "-") continue;
    // Only the two soil names the cell offers make a layer; any other text
    // is treated like "-".
    double velocityFactor = 0;
    if (soil == "粘性土") {
      velocityFactor = 100;
    } else if (soil == "砂質土") {
      velocityFactor = 80;
    } else {
      continue;
    }
    const double h = readLayerValue(dc, 1, row, "層厚(m)");
    const double nValue = readLayerValue(dc, 2, row, "N値");
    anyLayer = true;
    if (nValue == 0) continue;
    // Shear-wave velocity Vs (m/s) = 100 N^(1/3) (cohesive) or 80 N^(1/3) (sandy).
    const double vs = velocityFactor * std::cbrt(nValue);
    sum = static_cast<float>(double(sum) + h / vs);
  }
  if (!anyLayer) return;
  const float tg = 4.0f * sum;
  if (!std::isfinite(tg)) {
    throw SeismicAidError("StringGrid2: the layers give no finite Tg");
  }
  dc.setText("Edit53", formatNumber("Tg=0.00", double(tg)));
}

void clickSoilTypeCell(DesignConditions& dc, int col, int row) {
  if (col != 3 || row < 1 || row > 5) return;
  const std::string& soil = dc.cell("StringGrid2", col, row);
  if (soil == "-" || soil.empty() || soil == "粘性土") {
    dc.setCell("StringGrid2", col, row, "砂質土");
  } else if (soil == "砂質土") {
    dc.setCell("StringGrid2", col, row, "粘性土");
  }
}

void listZones(DesignWindow& w, const std::string& initial) {
  w.zoneKeys.clear();
  w.municipalities.clear();
  for (const ZoneInitial& entry : zoneInitials()) {
    if (initial != entry.initial) continue;
    for (const char* key : entry.keys) w.zoneKeys.emplace_back(key);
  }
}

void applyZone(DesignConditions& dc, DesignWindow& w, const std::string& key) {
  if (key.empty()) return;
  for (const char* entry : zoneEntries()) {
    std::vector<std::string> pieces = zonePieces(entry);
    if (pieces.front() != key) continue;
    const float kh0 = readSingle(dc, "ComboBox5");
    w.municipalities.clear();
    for (size_t i = 1; i < pieces.size(); ++i) {
      if (pieces[i].find('.') != std::string::npos) {
        dc.setText("ComboBox6", pieces[i]);
        double factor = 0;
        parseDecimal(pieces[i], factor);
        dc.setText("Edit61", khText(singleProduct(kh0, static_cast<float>(factor))));
      } else {
        w.municipalities.push_back(pieces[i]);
      }
    }
    return;
  }
}

void fillSeismicTables(DesignConditions& dc, DesignWindow& w) {
  w.standardValues = {4,
                      3,
                      {"地震規模", "Ⅰ種", "Ⅱ種", "Ⅲ種",       //
                       "中規模地震", "0.12", "0.15", "0.18",  //
                       "大規模地震", "0.16", "0.20", "0.24"}};
  w.groundTypes = {2,
                   4,
                   {"地盤種別", "地盤特性値",  //
                    "Ⅰ種", "       Tg<0.2",    //
                    "Ⅱ種", "0.2≦Tg<0.6",       //
                    "Ⅲ種", "0.6≦Tg"}};
  const char* headings[4] = {"層No", "層厚(m)", "N値", "土質"};
  for (int col = 0; col < 4; ++col) dc.setCell("StringGrid2", col, 0, headings[col]);
  for (int row = 1; row <= 5; ++row) {
    dc.setCell("StringGrid2", 0, row, std::to_string(row));
    dc.setCell("StringGrid2", 1, row, "0");
    dc.setCell("StringGrid2", 2, row, "0");
    dc.setCell("StringGrid2", 3, row, "-");
  }
}

}  // namespace kovrel
