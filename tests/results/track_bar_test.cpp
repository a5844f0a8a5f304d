// The font-size track bars: a move sets the label size of exactly their
// series, within the bar's range, and a later run keeps it.
#include <gtest/gtest.h>

#include "results/report_writer.h"
#include "results/results_window.h"

namespace kovrel {
namespace {

TEST(TrackBar, SetsItsSeriesLabelSizeWithinItsRange) {
  ResultsWindow r;
  const struct { int asked, kept; } moves[] = {{12, 12}, {4, 5}, {16, 15}, {9, 9}};
  for (const auto& m : moves) {
    moveTrackBar(r, "TrackBar1", m.asked);
    EXPECT_EQ(r.trackBar("TrackBar1").position, m.kept) << m.asked;
    for (const Series& s : r.chart("Chart1").series) {
      const bool own = s.name == "Series2" || s.name == "Series3" || s.name == "Series5" ||
                       s.name == "Series6" || s.name == "Series9" || s.name == "Series12" ||
                       s.name == "Series13";
      EXPECT_EQ(s.labelFontSize, own ? m.kept : 9) << s.name << " after " << m.asked;
    }
  }
  moveTrackBar(r, "TrackBar2", 7);
  for (const Series& s : r.chart("Chart3").series) {
    EXPECT_EQ(s.labelFontSize,
              s.name == "Series14" || s.name == "Series21" || s.name == "Series22" ? 9 : 7)
        << s.name;
  }
  clearChart(r.chart("Chart3"));
  EXPECT_EQ(r.chart("Chart3").seriesNamed("Series40").labelFontSize, 7);
  EXPECT_THROW(moveTrackBar(r, "TrackBar3", 9), std::out_of_range);
}

}  // namespace
}  // namespace kovrel
