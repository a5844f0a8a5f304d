// The chart renderer on a recording canvas: where series, labels, ticks and
// the title land, clipping, colours per point, and charts the engine may
// leave odd (empty, unset axes, non-finite points).

#include "app/chart_renderer.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iterator>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "app/svg_canvas.h"
#include "app/wmf_canvas.h"
#include "base/shift_jis.h"
#include "full_results.h"
#include "run/calculation.h"
#include "run/session.h"

namespace kovrel {
namespace {

struct Line {
  std::vector<CanvasPoint> points;
  Colour colour;
};
struct Text {
  CanvasPoint at;
  std::string text;
  TextStyle style;
};

class RecordingCanvas : public ChartCanvas {
 public:
  void begin(int w, int h) override {
    width = w;
    height = h;
    ++begins;
  }
  void polyline(std::span<const CanvasPoint> p, Colour c, double) override {
    lines.push_back({{p.begin(), p.end()}, c});
  }
  void text(CanvasPoint at, std::string_view t, const TextStyle& s) override {
    texts.push_back({at, std::string(t), s});
  }
  void end() override { ++ends; }

  // Lines drawn in a series colour (the grey frame and ticks left out).
  std::vector<Line> seriesLines() const {
    std::vector<Line> out;
    for (const Line& l : lines) {
      if (l.colour != rgb(128, 128, 128)) out.push_back(l);
    }
    return out;
  }
  const Text* find(const std::string& t) const {
    for (const Text& x : texts) {
      if (x.text == t) return &x;
    }
    return nullptr;
  }

  int width = 0, height = 0, begins = 0, ends = 0;
  std::vector<Line> lines;
  std::vector<Text> texts;
};

Chart twoSeriesChart() {
  Chart c;
  c.title = "地盤反力";
  c.width = 400;
  c.height = 300;
  c.left = {0, 10, ""};
  c.bottom = {0, 20, ""};
  c.series.resize(2);
  c.series[0].name = "A";
  c.series[0].colour = clBlue;
  c.series[1].name = "B";
  c.series[1].colour = clRed;
  return c;
}

void expectInsideFrame(const RecordingCanvas& canvas) {
  for (const Line& l : canvas.lines) {
    for (const CanvasPoint& p : l.points) {
      ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
      ASSERT_TRUE(p.x >= 0 && p.x <= canvas.width && p.y >= 0 && p.y <= canvas.height)
          << "(" << p.x << ", " << p.y << ") outside " << canvas.width << " x " << canvas.height;
    }
  }
  for (const Text& t : canvas.texts) {
    ASSERT_TRUE(std::isfinite(t.at.x) && std::isfinite(t.at.y)) << t.text;
    ASSERT_TRUE(std::isfinite(t.style.sizePx) && t.style.sizePx > 0) << t.text;
  }
}

// A number as the pictures write it, whatever the C locale says.
double number(const std::string& text) {
  double v = NAN;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// A text's box as the renderer lays it out: the estimated width by one em,
// the baseline 85 % down.
struct Box {
  double left, top, right, bottom;
};
Box boxOf(CanvasPoint at, const std::string& text, const TextStyle& style) {
  const double w = shiftJisWidth(text) * 0.5 * style.sizePx;
  const double left = style.align == TextAlign::Centre  ? at.x - w / 2
                      : style.align == TextAlign::Right ? at.x - w
                                                        : at.x;
  return {left, at.y - 0.85 * style.sizePx, left + w, at.y + 0.15 * style.sizePx};
}
bool overlap(const Box& a, const Box& b) {
  constexpr double kTolerance = 1e-6;
  return std::min(a.right, b.right) - std::max(a.left, b.left) > kTolerance &&
         std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > kTolerance;
}
std::string describe(const std::string& text, const Box& b) {
  return "\"" + text + "\" [" + std::to_string(b.left) + ", " + std::to_string(b.top) + " .. " +
         std::to_string(b.right) + ", " + std::to_string(b.bottom) + "]";
}

TEST(ChartRenderer, AxisCornersMapToThePlotBoxAndTheLineIsScaledLinearly) {
  Chart c = twoSeriesChart();
  for (auto [x, y] : {std::pair{0.0, 0.0}, {20.0, 10.0}, {5.0, 2.5}}) {
    testing::addPoint(c.series[0], x, y);
  }
  RecordingCanvas canvas;
  renderChart(c, canvas);
  EXPECT_EQ(canvas.begins, 1);
  EXPECT_EQ(canvas.ends, 1);
  EXPECT_EQ(canvas.width, 400);
  EXPECT_EQ(canvas.height, 300);
  std::vector<Line> lines = canvas.seriesLines();
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].points.size(), 3u);
  EXPECT_EQ(lines[0].colour, clBlue);
  CanvasPoint lo = lines[0].points[0], hi = lines[0].points[1], q = lines[0].points[2];
  // The axis box is the grey frame: its first polyline.
  const Line& frame = canvas.lines.front();
  EXPECT_DOUBLE_EQ(lo.x, frame.points[0].x);  // left
  EXPECT_DOUBLE_EQ(hi.y, frame.points[0].y);  // top
  EXPECT_DOUBLE_EQ(hi.x, frame.points[2].x);  // right
  EXPECT_DOUBLE_EQ(lo.y, frame.points[2].y);  // bottom
  EXPECT_NEAR(q.x, lo.x + 0.25 * (hi.x - lo.x), 1e-9);
  EXPECT_NEAR(q.y, lo.y + 0.25 * (hi.y - lo.y), 1e-9);
  // Margins leave room for the title above and the tick labels left and below.
  EXPECT_GT(hi.y, 6 + 13.3);
  EXPECT_GT(lo.x, 20);
  EXPECT_LT(lo.y, 300 - 15);
  expectInsideFrame(canvas);
}

TEST(ChartRenderer, TitleAndTicksAreCentredAndNumbered) {
  Chart c = twoSeriesChart();
  c.titleColour = clBlue;
  RecordingCanvas canvas;
  renderChart(c, canvas);
  const Text* title = canvas.find("地盤反力");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->style.align, TextAlign::Centre);
  EXPECT_DOUBLE_EQ(title->at.x, 200);
  EXPECT_TRUE(title->style.bold);
  EXPECT_EQ(title->style.colour, clBlue);
  // 0 .. 20 across about 340 px: ticks every 5; 0 .. 10 over about 250 px: every 2.
  for (const char* t : {"0", "5", "10", "15", "20", "2", "4", "6", "8"}) {
    EXPECT_NE(canvas.find(t), nullptr) << "tick label " << t;
  }
  EXPECT_EQ(canvas.find("1"), nullptr);
}

TEST(ChartRenderer, HiddenAxesDrawNoFrameOrTicks) {
  Chart c = twoSeriesChart();
  c.axesVisible = false;
  testing::addPoint(c.series[0], 0, 0);
  testing::addPoint(c.series[0], 20, 10, "端");
  RecordingCanvas canvas;
  renderChart(c, canvas);
  EXPECT_EQ(canvas.lines.size(), 1u) << "only the series";
  ASSERT_EQ(canvas.texts.size(), 2u) << "only the title and the label";
  EXPECT_EQ(canvas.lines[0].points[0].x, 6) << "the plot fills the frame less its padding";
  EXPECT_EQ(canvas.lines[0].points[0].y, 300 - 6);
}

TEST(ChartRenderer, LinesAreClippedToThePlotAndBrokenAtNonFinitePoints) {
  Chart c = twoSeriesChart();
  Series& s = c.series[0];
  testing::addPoint(s, 10, 5);
  testing::addPoint(s, 110, 5);  // far right: the surface line runs 100 m
  testing::addPoint(s, 110, 6);
  testing::addPoint(s, 10, 6);
  testing::addPoint(s, NAN, 6, "lost");
  testing::addPoint(s, 10, 7);
  testing::addPoint(s, 12, 8);
  testing::addPoint(s, 1e308, -1e308);
  RecordingCanvas canvas;
  renderChart(c, canvas);
  expectInsideFrame(canvas);
  std::vector<Line> lines = canvas.seriesLines();
  ASSERT_EQ(lines.size(), 3u);
  const Line& frame = canvas.lines.front();
  double right = frame.points[2].x, bottom = frame.points[2].y;
  // 10 -> 110 at y 5 stops at the right edge; the part outside is dropped;
  // it comes back in at y 6; the NaN breaks the line; the last segment goes
  // out through the bottom or the right edge.
  EXPECT_EQ(lines[0].points.size(), 2u);
  EXPECT_DOUBLE_EQ(lines[0].points[1].x, right);
  EXPECT_DOUBLE_EQ(lines[1].points[0].x, right);
  ASSERT_EQ(lines[2].points.size(), 3u);
  CanvasPoint exit = lines[2].points[2];
  EXPECT_TRUE(std::fabs(exit.x - right) < 1e-6 || std::fabs(exit.y - bottom) < 1e-6)
      << exit.x << ", " << exit.y;
  EXPECT_EQ(canvas.find("lost"), nullptr);
}

TEST(ChartRenderer, PointColourTakesTheSegmentLeadingToIt) {
  Chart c = twoSeriesChart();
  Series& s = c.series[1];
  testing::addPoint(s, 1, 1);
  testing::addPoint(s, 2, 2);
  s.points.push_back({3, 3, "Hc=0.60m", clBlue});
  testing::addPoint(s, 4, 4);
  RecordingCanvas canvas;
  renderChart(c, canvas);
  std::vector<Line> lines = canvas.seriesLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].colour, clRed);
  EXPECT_EQ(lines[0].points.size(), 2u);
  EXPECT_EQ(lines[1].colour, clBlue);
  EXPECT_EQ(lines[2].colour, clRed);
  const Text* label = canvas.find("Hc=0.60m");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->style.colour, clBlack) << "mark text keeps the series' label colour";
}

TEST(ChartRenderer, LabelsSitBesideTheirPointsAndStayInTheFrame) {
  Chart c = twoSeriesChart();
  Series& s = c.series[0];
  s.labelFontSize = 12;
  s.labelColour = clPurple;
  testing::addPoint(s, 5, 5, "Ph=98.70kN");
  testing::addPoint(s, 20, 10, "112.60kN/m2");  // top-right corner
  testing::addPoint(s, 6, 6, " ");              // a blank label shows nothing
  testing::addPoint(s, 30, 5, "off the axis");  // outside the plot: not drawn
  RecordingCanvas canvas;
  renderChart(c, canvas);
  const Text* mid = canvas.find("Ph=98.70kN");
  const Text* corner = canvas.find("112.60kN/m2");
  ASSERT_TRUE(mid && corner);
  EXPECT_EQ(mid->style.align, TextAlign::Left);
  EXPECT_DOUBLE_EQ(mid->style.sizePx, 16);  // 12 pt at 96 dpi
  EXPECT_EQ(mid->style.colour, clPurple);
  std::vector<Line> lines = canvas.seriesLines();
  ASSERT_FALSE(lines.empty());
  const Line& line = lines[0];
  EXPECT_DOUBLE_EQ(mid->at.x, line.points[0].x + 3);
  EXPECT_DOUBLE_EQ(mid->at.y, line.points[0].y - 3);
  EXPECT_EQ(corner->style.align, TextAlign::Right);
  EXPECT_LE(corner->at.x, 400);
  EXPECT_GE(corner->at.y - 16 * 0.85, 0);
  EXPECT_EQ(canvas.find(" "), nullptr);
  EXPECT_EQ(canvas.find("off the axis"), nullptr);

  // A mark offset sets the gap; a negative one puts the text below.
  for (int offset : {2, -4}) {
    s.markOffset = offset;
    RecordingCanvas again;
    renderChart(c, again);
    const Text* t = again.find("Ph=98.70kN");
    ASSERT_NE(t, nullptr);
    double expectedY = offset > 0 ? line.points[0].y - 2 : line.points[0].y + 4 + 16 * 0.85;
    EXPECT_NEAR(t->at.y, expectedY, 1e-9) << "offset " << offset;
  }
}

TEST(ChartRenderer, DimensionLengthIsCentredAboveItsLine) {
  Chart c = twoSeriesChart();
  Series& s = c.series[0];
  // A horizontal chain 0 .. 10 at y 2 with its length label half-way, then a
  // vertical one whose label is not on a horizontal run.
  testing::addPoint(s, 0, 2);
  testing::addPoint(s, 5, 2, "5,000");
  testing::addPoint(s, 10, 2);
  testing::addPoint(s, 15, 2);
  testing::addPoint(s, 15, 6, "4,000");
  testing::addPoint(s, 15, 10);
  RecordingCanvas canvas;
  renderChart(c, canvas);
  const Text* along = canvas.find("5,000");
  const Text* up = canvas.find("4,000");
  ASSERT_TRUE(along && up);
  std::vector<Line> lines = canvas.seriesLines();
  ASSERT_FALSE(lines.empty());
  const Line& line = lines[0];
  EXPECT_EQ(along->style.align, TextAlign::Centre);
  EXPECT_DOUBLE_EQ(along->at.x, line.points[1].x);
  EXPECT_DOUBLE_EQ(along->at.y, line.points[1].y - 3);
  EXPECT_EQ(up->style.align, TextAlign::Left);
}

// A depth axis: the chart's minimum at the top of the plot, a deeper point
// lower down, ticks numbered downwards; the same chart upright is its mirror.
TEST(ChartRenderer, InvertedAxisGrowsDownwards) {
  Chart c = twoSeriesChart();
  c.left = {-0.5, 8.5, "高さ(m)", true};
  testing::addPoint(c.series[0], 0, -0.5);
  testing::addPoint(c.series[0], 5, 1);
  testing::addPoint(c.series[0], 10, 6);
  testing::addPoint(c.series[0], 20, 8.5);
  RecordingCanvas inverted;
  renderChart(c, inverted);
  c.left.inverted = false;
  RecordingCanvas upright;
  renderChart(c, upright);
  const Line& frame = inverted.lines.front();
  const double top = frame.points[0].y, bottom = frame.points[2].y;
  const Line line = inverted.seriesLines().at(0);
  ASSERT_EQ(line.points.size(), 4u);
  EXPECT_DOUBLE_EQ(line.points[0].y, top) << "depth -0.5 at the top";
  EXPECT_DOUBLE_EQ(line.points[3].y, bottom) << "depth 8.5 at the bottom";
  EXPECT_LT(line.points[1].y, line.points[2].y) << "depth 6 below depth 1";
  const Line mirror = upright.seriesLines().at(0);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(line.points[i].y, top + bottom - mirror.points[i].y, 1e-9) << "point " << i;
    EXPECT_DOUBLE_EQ(line.points[i].x, mirror.points[i].x) << "point " << i;
  }
  // The left ticks are the right-aligned texts.
  double zeroY = NAN, eightY = NAN;
  for (const Text& t : inverted.texts) {
    if (t.style.align != TextAlign::Right) continue;
    if (t.text == "0") zeroY = t.at.y;
    if (t.text == "8") eightY = t.at.y;
  }
  EXPECT_LT(zeroY, eightY) << "tick 0 above tick 8";
  EXPECT_GT(inverted.find("高さ(m)")->at.y, 0);
}

// A factor chart: its logarithmic axis puts equal ratios at equal distances
// and ticks 1, 2, 5 per decade; a gap point splits a series into two curves
// and neither bends the line nor widens the range; values of 0 or less have
// no place and break the line. An axis' own picture numbers its ticks.
TEST(ChartRenderer, LogarithmicAxisGapPointsAndTickPictures) {
  Chart c = twoSeriesChart();
  c.left.minimum = 1;
  c.left.maximum = 1000;
  c.left.logarithmic = true;
  c.bottom.picture = "0.0°";
  Series& s = c.series[0];
  testing::addPoint(s, 0, 1);
  testing::addPoint(s, 5, 10, "φ0°");
  testing::addPoint(s, 10, 100);
  s.points.push_back({0, 0, "gap", kNullPointColour});
  testing::addPoint(s, 10, 1000);
  testing::addPoint(s, 15, 0);  // no place on the axis
  testing::addPoint(s, 20, 100);
  RecordingCanvas canvas;
  renderChart(c, canvas);
  const std::vector<Line> lines = canvas.seriesLines();
  ASSERT_EQ(lines.size(), 1u) << "only the first curve has two placeable points in a row";
  const Line& curve = lines[0];
  ASSERT_EQ(curve.points.size(), 3u);
  const double decade1 = curve.points[0].y - curve.points[1].y;
  const double decade2 = curve.points[1].y - curve.points[2].y;
  EXPECT_GT(decade1, 0);
  EXPECT_NEAR(decade1, decade2, 1e-9) << "1 to 10 and 10 to 100 are one decade each";
  const Line& frame = canvas.lines.front();
  EXPECT_NEAR(curve.points[0].y, frame.points[2].y, 1e-9) << "1 at the bottom of the plot";
  EXPECT_NEAR(frame.points[2].y - frame.points[0].y, 3 * decade1, 1e-9) << "three decades";
  EXPECT_EQ(canvas.find("gap"), nullptr);
  EXPECT_NE(canvas.find("φ0°"), nullptr);
  std::vector<std::string> left;
  for (const Text& t : canvas.texts) {
    if (t.style.align == TextAlign::Right) left.push_back(t.text);
  }
  EXPECT_EQ(left, (std::vector<std::string>{"1", "2", "5", "10", "20", "50", "100", "200", "500",
                                            "1000"}));
  EXPECT_NE(canvas.find("10.0°"), nullptr);

  // Without a range of its own the axis spans the placeable points only.
  c.left.minimum = c.left.maximum = 0;
  RecordingCanvas own;
  renderChart(c, own);
  EXPECT_NE(own.find("1000"), nullptr);
  EXPECT_EQ(own.find("0"), nullptr) << "the gap point at (0, 0) widened the range";
}

// Labels that meet: the first keeps its place; each later one moves to a free
// row (above first, below where the frame's top is near), inside the frame,
// joined to its point by a thin leader in its colour; no two boxes meet. The
// same text twice at one place is one readable label and stays.
TEST(ChartRenderer, CrowdedLabelsMoveToFreeRowsWithLeaders) {
  struct Case {
    const char* what;
    double y;  // of the crowded point, in chart units (0 .. 10)
    std::vector<std::string> labels;
    int moved;
  } cases[] = {
      {"three at one point", 5, {"L1=1.690m", "As/2=1,588mm2", "3,170mm2"}, 2},
      {"near the top", 9.9, {"142", "400", "258"}, 2},
      {"a duplicate", 5, {"0", "0", "6"}, 1},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    Chart c = twoSeriesChart();
    Series& s = c.series[1];
    s.labelColour = clPurple;
    testing::addPoint(s, 2, 1);
    for (const std::string& label : k.labels) testing::addPoint(s, 10, k.y, label);
    RecordingCanvas canvas;
    renderChart(c, canvas);
    const CanvasPoint point = canvas.seriesLines().at(0).points.back();
    std::vector<const Text*> labels;
    for (const Text& t : canvas.texts) {
      if (t.style.colour == clPurple) labels.push_back(&t);
    }
    ASSERT_EQ(labels.size(), k.labels.size());
    const CanvasPoint ruled = labels[0]->at;
    EXPECT_DOUBLE_EQ(ruled.x, point.x + 3) << "the first label keeps its place";
    std::vector<Box> boxes;
    int moved = 0;
    for (const Text* t : labels) {
      const Box b = boxOf(t->at, t->text, t->style);
      EXPECT_TRUE(b.left >= 0 && b.right <= 400 && b.top >= 0 && b.bottom <= 300)
          << describe(t->text, b);
      for (size_t i = 0; i < boxes.size(); ++i) {
        const bool sameText = labels[i]->text == t->text;
        EXPECT_TRUE(!overlap(b, boxes[i]) || sameText)
            << describe(t->text, b) << " meets " << describe(labels[i]->text, boxes[i]);
      }
      boxes.push_back(b);
      if (t->at.x == ruled.x && t->at.y == ruled.y) continue;
      ++moved;
      // A label moved off its point's side has a thin leader in its colour
      // from the point to its box.
      const double nearX = std::clamp(point.x, b.left, b.right);
      const double nearY = std::clamp(point.y, b.top, b.bottom);
      if (std::hypot(nearX - point.x, nearY - point.y) <= 0.5 * t->style.sizePx) continue;
      const bool led = std::any_of(canvas.lines.begin(), canvas.lines.end(), [&](const Line& l) {
        return l.colour == clPurple && l.points.size() == 2 && l.points[0].x == point.x &&
               l.points[0].y == point.y && l.points[1].x >= b.left - 1e-9 &&
               l.points[1].x <= b.right + 1e-9 && l.points[1].y >= b.top - 1e-9 &&
               l.points[1].y <= b.bottom + 1e-9;
      });
      EXPECT_TRUE(led) << "no leader to " << describe(t->text, b);
    }
    EXPECT_EQ(moved, k.moved);
    if (k.y > 9) {
      EXPECT_GT(labels[1]->at.y, point.y) << "no room above: moved below";
    }
  }
}

// The figures of the default wall, as their SVG files show them: no text box
// meets another (titles, ticks and labels alike). Before labels were moved
// apart the stem-top widths 142, 400 and 258 of the outline figure ran into
// one another.
TEST(ChartRenderer, DefaultWallFiguresHaveNoOverlappingTexts) {
  Session session;
  ASSERT_EQ(runCalculation(session), RunStatus::Finished);
  const std::regex text(
      R"re(<text x="([-0-9.]+)" y="([-0-9.]+)" font-size="([0-9.]+)" fill="[^"]*"( text-anchor="(middle|end)")?[^>]*>([^<]*)</text>)re");
  for (const auto& [name, chart] : session.results.charts()) {
    SCOPED_TRACE(name);
    const std::string svg = chartAsSvg(chart);
    std::vector<std::pair<std::string, Box>> boxes;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator();
         ++it) {
      const std::smatch& m = *it;
      TextStyle style{number(m[3]), clBlack, TextAlign::Left, false};
      if (m[5] == "middle") style.align = TextAlign::Centre;
      if (m[5] == "end") style.align = TextAlign::Right;
      const std::string t = m[6];
      const Box b = boxOf({number(m[1]), number(m[2])}, t, style);
      for (const auto& [other, ob] : boxes) {
        EXPECT_TRUE(!overlap(b, ob) || other == t)
            << describe(t, b) << " meets " << describe(other, ob);
      }
      boxes.emplace_back(t, b);
    }
    EXPECT_GT(boxes.size(), 3u);
    if (name == "Chart3") {
      for (const char* width : {"142", "400", "258"}) {
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](auto& b) {
          return b.first == width;
        })) << width;
      }
    }
  }
}

TEST(ChartRenderer, OddChartsStillGiveAFinitePicture) {
  struct Case {
    const char* what;
    Axis left, bottom;
    std::vector<ChartPoint> points;
    int width;
  } cases[] = {
      {"no axes set, no points", {}, {}, {}, 327},
      {"no axes set, one point", {}, {}, {{2, 3, "p", std::nullopt}}, 327},
      {"reversed axes",
       {10, 0, ""},
       {5, -5, ""},
       {{0, 0, "", std::nullopt}, {1, 1, "", std::nullopt}},
       327},
      {"non-finite axes",
       {NAN, INFINITY, ""},
       {-INFINITY, 1, ""},
       {{0, 0, "", std::nullopt}, {1, 2, "", std::nullopt}},
       327},
      {"huge range", {-1e308, 1e308, ""}, {0, 1e-300, ""}, {{0, 0, "a", std::nullopt}}, 327},
      {"no size", {0, 1, ""}, {0, 1, ""}, {}, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    Chart c = twoSeriesChart();
    c.width = k.width;
    c.left = k.left;
    c.bottom = k.bottom;
    c.series[0].points = k.points;
    RecordingCanvas canvas;
    renderChart(c, canvas);
    expectInsideFrame(canvas);
    EXPECT_GE(canvas.width, 16);
    for (const Text& t : canvas.texts) {
      EXPECT_EQ(t.text.find("nan"), std::string::npos) << t.text;
      EXPECT_EQ(t.text.find("inf"), std::string::npos) << t.text;
    }
  }
}

// Random charts with awkward numbers: every picture stays finite and inside
// its frame, and both file formats take it.
TEST(ChartRenderer, RandomAwkwardChartsStayInsideTheFrame) {
  std::mt19937 rng(20120);
  const double awkward[] = {0,        -0.0,      1e-300, -1e-300, 1e300, -1e300, NAN,
                            INFINITY, -INFINITY, 0.5,    -7.25,   100,   32767,  -32768};
  auto value = [&]() {
    std::uniform_int_distribution<int> pick(0, 3);
    if (pick(rng) == 0) {
      return awkward[std::uniform_int_distribution<size_t>(0, std::size(awkward) - 1)(rng)];
    }
    return std::uniform_real_distribution<double>(-20, 20)(rng);
  };
  for (int round = 0; round < 300; ++round) {
    Chart c = twoSeriesChart();
    c.axesVisible = round % 3 != 0;
    c.width = std::uniform_int_distribution<int>(-5, 700)(rng);
    c.height = std::uniform_int_distribution<int>(-5, 500)(rng);
    c.left = {value(), value(), ""};
    c.bottom = {value(), value(), round % 5 == 0 ? "x(m)" : ""};
    for (Series& s : c.series) {
      s.labelFontSize = std::uniform_int_distribution<int>(-3, 200)(rng);
      int n = std::uniform_int_distribution<int>(0, 12)(rng);
      for (int i = 0; i < n; ++i) testing::addPoint(s, value(), value(), i % 2 ? "点" : " ");
    }
    SCOPED_TRACE("round " + std::to_string(round));
    RecordingCanvas canvas;
    renderChart(c, canvas);
    expectInsideFrame(canvas);
    if (::testing::Test::HasFatalFailure()) return;
    std::string svg = chartAsSvg(c);
    ASSERT_EQ(svg.find("nan"), std::string::npos);
    ASSERT_EQ(svg.find("inf"), std::string::npos);
    ASSERT_NO_THROW(chartAsWmf(c));
  }
}

TEST(SvgCanvas, LoadDiagramIsAWellFormedPictureWithEscapedText) {
  ResultsWindow r = testing::fullResults();
  Chart& c = r.chart("Chart1");
  testing::addPoint(c.seriesNamed("Series16"), 0.5, 0.8, "a<b & \"c\"\x01\xFF");
  std::string svg = chartAsSvg(c);
  EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
  EXPECT_NE(svg.find("width=\"641\" height=\"480\" viewBox=\"0 0 641 480\""), std::string::npos);
  EXPECT_NE(svg.find(">荷重図(安定計算時)</text>"), std::string::npos);
  EXPECT_NE(svg.find(">145.20kN/m2</text>"), std::string::npos);
  EXPECT_NE(svg.find("stroke=\"#800080\""), std::string::npos) << "ground reaction in purple";
  EXPECT_NE(svg.find(">a&lt;b &amp; &quot;c&quot;\xEF\xBF\xBD\xEF\xBF\xBD</text>"),
            std::string::npos);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
  EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
  // As many opening as closing text elements: nothing cut in half.
  size_t open = 0, close = 0;
  for (size_t p = 0; (p = svg.find("<text ", p)) != std::string::npos; ++p) ++open;
  for (size_t p = 0; (p = svg.find("</text>", p)) != std::string::npos; ++p) ++close;
  EXPECT_EQ(open, close);
  EXPECT_GT(open, 10u);
}

// Far from zero a tick counter that adds 1 to a double stops moving; the
// ticks are counted instead, so such an axis still renders.
TEST(ChartRenderer, AxisFarFromZeroStillRenders) {
  Chart c = twoSeriesChart();
  c.left = {1e17, 1e17 + 100, ""};
  c.bottom = {-1e18, -1e18 + 64, ""};
  RecordingCanvas canvas;
  renderChart(c, canvas);
  expectInsideFrame(canvas);
  EXPECT_FALSE(chartAsSvg(c).empty());
}

}  // namespace
}  // namespace kovrel
