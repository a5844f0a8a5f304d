#include "app/reference_export.h"

#include "app/chart_json.h"
#include "app/json_writer.h"

#include <limits>
#include "base/colour.h"
#include "conditions/soil_constants.h"
#include "reference/bearing_factor_tables.h"
#include "reference/earth_pressure_table.h"

namespace kovrel {
namespace {

void stringArray(JsonWriter& j, const std::vector<std::string>& items) {
  j.beginArray();
  for (const std::string& s : items) j.string(s);
  j.endArray();
}

void writeSoilConstants(JsonWriter& j) {
  j.beginObject();
  for (const ReferenceGrid& g : soilConstantGrids()) {
    j.key(g.name);
    j.beginObject();
    j.key("group");
    j.string(g.group);
    j.key("captions");
    stringArray(j, g.captions);
    j.key("hint");
    j.string(g.hint);
    j.key("notes");
    stringArray(j, g.notes);
    j.key("rows");
    j.beginArray();
    for (const auto& row : g.rows) stringArray(j, row);
    j.endArray();
    j.endObject();
  }
  j.endObject();
}

void writeGrid(JsonWriter& j, const StringGrid& grid) {
  j.beginArray();
  for (int row = 0; row < grid.rowCount(); ++row) {
    j.beginArray();
    for (int col = 0; col < grid.colCount(); ++col) j.string(grid.cell(col, row));
    j.endArray();
  }
  j.endArray();
}

// The coefficient window as it opens (重力式１, 礫質土, normal case), with δ
// and the crack shift of the design conditions.
void writeEarthPressure(JsonWriter& j, const DesignConditions& dc) {
  EarthPressureWindow window;
  EarthPressureTable table;
  std::string message;
  try {
    message = showEarthPressureWindow(window, dc, table);
  } catch (const std::exception& e) {
    message = e.what();
  }
  j.beginObject();
  j.key("message");
  j.string(message);
  j.key("grid");
  writeGrid(j, table.grid);
  j.key("chart");
  writeChartJson(j, table.chart);
  j.endObject();
}

void writeBearingFactors(JsonWriter& j) {
  j.beginObject();
  const char* keys[3] = {"Nc", "Nq", "Ngamma"};
  std::vector<BearingFactorPage> pages = bearingFactorPages();
  for (size_t i = 0; i < pages.size(); ++i) {
    j.key(keys[i]);
    j.beginObject();
    j.key("caption");
    j.string(pages[i].caption);
    j.key("logarithmic");
    j.boolean(pages[i].chart.left.logarithmic);
    j.key("grid");
    writeGrid(j, pages[i].grid);
    j.key("chart");
    writeChartJson(j, pages[i].chart);
    j.endObject();
  }
  j.endObject();
}

}  // namespace

std::string referenceTablesAsJson(const DesignConditions& dc) {
  JsonWriter j;
  j.beginObject();
  j.key("soilConstants");
  writeSoilConstants(j);
  j.key("earthPressure");
  writeEarthPressure(j, dc);
  j.key("bearingFactors");
  writeBearingFactors(j);
  j.endObject();
  return j.text() + "\n";
}

}  // namespace kovrel
