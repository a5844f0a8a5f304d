#include "app/chart_json.h"

namespace kovrel {

void writeChartJson(JsonWriter& j, const Chart& chart) {
  j.beginObject();
  j.key("title");
  j.string(chart.title);
  j.key("leftTitle");
  j.string(chart.left.title);
  j.key("left");
  j.beginArray();
  j.number(chart.left.minimum);
  j.number(chart.left.maximum);
  j.endArray();
  j.key("leftInverted");
  j.boolean(chart.left.inverted);
  j.key("bottom");
  j.beginArray();
  j.number(chart.bottom.minimum);
  j.number(chart.bottom.maximum);
  j.endArray();
  j.key("series");
  j.beginObject();
  for (const Series& s : chart.series) {
    j.key(s.name);
    j.beginObject();
    j.key("color");
    j.string(colourToHex(s.colour));
    j.key("points");
    j.beginArray();
    for (const ChartPoint& p : s.points) {
      if (p.colour == kNullPointColour) {
        j.null();
        continue;
      }
      j.beginArray();
      j.number(p.x);
      j.number(p.y);
      j.string(p.label);
      j.string(colourToHex(p.colour.value_or(s.colour)));
      j.endArray();
    }
    j.endArray();
    j.endObject();
  }
  j.endObject();
  j.endObject();
}

}  // namespace kovrel
