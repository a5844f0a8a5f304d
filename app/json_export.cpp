#include "app/json_export.h"

#include <array>
#include <type_traits>

#include "app/chart_json.h"
#include "app/json_writer.h"

namespace kovrel {
namespace {

void writeMessages(JsonWriter& j, const MessageLog& log) {
  j.beginArray();
  for (const Message& m : log) {
    j.beginObject();
    j.key("kind");
    j.string(messageKindName(m.kind));
    j.key("text");
    j.string(m.joined("\n"));
    j.endObject();
  }
  j.endArray();
}

void writeStability(JsonWriter& j, const TAntei* state) {
  j.beginObject();
  if (state) {
    visitStateFields(*state, [&](const char* name, const auto& value) {
      using T = std::decay_t<decltype(value)>;
      j.key(name);
      if constexpr (std::is_arithmetic_v<T>) {
        j.number(double(value));
      } else {
        j.beginArray();
        for (auto v : value) j.number(double(v));
        j.endArray();
      }
    });
  }
  j.endObject();
}

void writeResults(JsonWriter& j, const ResultsWindow& r) {
  j.key("listBoxes");
  j.beginObject();
  for (const auto& [name, box] : r.listBoxes()) {
    j.key(name);
    j.beginArray();
    for (const std::string& line : box.lines) j.string(line);
    j.endArray();
  }
  j.endObject();

  j.key("grids");
  j.beginObject();
  for (const auto& [name, grid] : r.grids()) {
    j.key(name);
    j.beginArray();
    for (int row = 0; row < grid.rowCount(); ++row) {
      j.beginArray();
      for (int col = 0; col < grid.colCount(); ++col) j.string(grid.cell(col, row));
      j.endArray();
    }
    j.endArray();
  }
  j.endObject();

  j.key("charts");
  j.beginObject();
  for (const auto& [name, chart] : r.charts()) {
    j.key(name);
    writeChartJson(j, chart);
  }
  j.endObject();

  j.key("groupBoxes");
  j.beginObject();
  for (const auto& [name, box] : r.groupBoxes()) {
    j.key(name);
    j.beginObject();
    j.key("caption");
    j.string(box.caption);
    j.key("color");
    j.string(colourToHex(box.colour));
    j.endObject();
  }
  j.endObject();
}

void writeConditions(JsonWriter& j, const DesignConditions& dc) {
  j.beginObject();
  for (const Control& c : dc.controls()) {
    j.key(c.name);
    switch (c.kind) {
      case ControlKind::Edit:
      case ControlKind::Combo:
        j.string(c.text);
        break;
      case ControlKind::Radio:
      case ControlKind::TabSet:
      case ControlKind::PageControl:
        j.integer(c.index);
        break;
      case ControlKind::Check:
        j.boolean(c.checked);
        break;
      case ControlKind::Grid:
        j.beginArray();
        for (int row = 0; row < c.rowCount; ++row) {
          j.beginArray();
          for (int col = 0; col < c.colCount; ++col)
            j.string(c.cells[size_t(row * c.colCount + col)]);
          j.endArray();
        }
        j.endArray();
        break;
    }
  }
  j.endObject();
}

}  // namespace

std::string resultsAsJson(const Session& session) {
  JsonWriter j;
  j.beginObject();
  j.key("messages");
  writeMessages(j, session.messages);
  j.key("stability");
  writeStability(j, session.stabilitySnapshot.get());
  writeResults(j, session.results);
  j.key("conditions");
  writeConditions(j, session.conditions);
  j.endObject();
  return j.text() + "\n";
}

}  // namespace kovrel
