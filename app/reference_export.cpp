#include "app/reference_export.h"

#include "app/json_writer.h"
#include "conditions/soil_constants.h"

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

}  // namespace

std::string referenceTablesAsJson(const DesignConditions& dc) {
  (void)dc;
  JsonWriter j;
  j.beginObject();
  j.key("soilConstants");
  writeSoilConstants(j);
  j.endObject();
  return j.text() + "\n";
}

}  // namespace kovrel
