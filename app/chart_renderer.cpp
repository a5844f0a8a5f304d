#include "app/chart_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/label_separation.h"
#include "base/shift_jis.h"
#include "results/number_picture.h"

namespace kovrel {
namespace {

constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kPadding = 6;        // frame to plot area, px
constexpr double kTickLength = 4;     // px outside the plot frame
constexpr double kTickGap = 3;        // tick to its label, px
constexpr double kLabelOffset = 3;    // point to its label, px
constexpr double kLeaderWidth = 0.5;  // px, thinner than any series line
constexpr double kAscent = 0.85;      // of the em above the baseline
constexpr double kTitlePx = 10 * kPixelsPerPoint;
constexpr double kTickPx = 8 * kPixelsPerPoint;
constexpr Colour kFrameColour = rgb(128, 128, 128);

struct Rect {
  double left, top, right, bottom;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
};

struct Range {
  double min, max;
  double span() const { return max - min; }
};

// The box a one-line text takes about its anchor: the estimated width, one
// em high with the baseline at 85 % of it.
LabelBox textBox(CanvasPoint anchor, std::string_view text, const TextStyle& style) {
  const double w = estimatedTextWidth(text, style.sizePx);
  const double left = style.align == TextAlign::Centre  ? anchor.x - w / 2
                      : style.align == TextAlign::Right ? anchor.x - w
                                                        : anchor.x;
  return {left, anchor.y - kAscent * style.sizePx, left + w,
          anchor.y + (1 - kAscent) * style.sizePx};
}

bool isBlank(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

bool isGap(const ChartPoint& p) {
  return p.colour == kNullPointColour;
}

// A value as the axis places it: its decimal logarithm on a logarithmic axis
// (NaN for 0 and below, which such an axis cannot show), else itself.
double onAxis(const Axis& axis, double v) {
  if (!axis.logarithmic) return v;
  return v > 0 ? std::log10(v) : NAN;
}

// The axis range to draw, in axis units (decades on a logarithmic axis): the
// chart's own when it is usable, else the data's.
Range axisRange(const Axis& axis, const Chart& chart, bool horizontal) {
  const double ownMin = onAxis(axis, axis.minimum), ownMax = onAxis(axis, axis.maximum);
  if (std::isfinite(ownMin) && std::isfinite(ownMax) && ownMin != ownMax &&
      std::isfinite(ownMax - ownMin)) {
    return {std::min(ownMin, ownMax), std::max(ownMin, ownMax)};
  }
  double lo = INFINITY, hi = -INFINITY;
  for (const Series& s : chart.series) {
    for (const ChartPoint& p : s.points) {
      if (isGap(p) || !std::isfinite(p.x) || !std::isfinite(p.y)) continue;
      double v = onAxis(axis, horizontal ? p.x : p.y);
      if (!std::isfinite(v)) continue;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
  }
  if (!std::isfinite(lo)) return {0, 1};
  if (lo == hi || !std::isfinite(hi - lo)) {
    double pad = std::max(0.5, std::fabs(lo) * 1e-6);
    if (!std::isfinite(lo - pad) || !std::isfinite(hi + pad)) return {0, 1};
    return {lo - pad, hi + pad};
  }
  return {lo, hi};
}

// A tick step of 1, 2 or 5 x 10^k giving about `wanted` intervals.
double tickStep(Range r, double wanted) {
  double raw = r.span() / std::max(1.0, wanted);
  double decade = std::pow(10.0, std::floor(std::log10(raw)));
  double m = raw / decade;
  double step = m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10;
  return step * decade;
}

// Picture with the decimals a step needs: 0.5 gives "0.0", 20 gives "0".
std::string tickPicture(double step) {
  int decimals = std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 10);
  return decimals == 0 ? std::string("0") : "0." + std::string(size_t(decimals), '0');
}

// Ticks of a logarithmic axis, as values: 1, 2 and 5 in each decade when the
// axis spans few decades, the powers of ten alone when it spans many.
template <class Fn>
void forEachLogTick(Range decades, const Fn& fn) {
  const double first = std::floor(decades.min + 1e-9), last = std::ceil(decades.max - 1e-9);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first > 200) return;
  const bool fine = decades.span() <= 4;
  for (int k = int(first); k <= int(last); ++k) {
    for (double m : {1.0, 2.0, 5.0}) {
      if (m != 1 && !fine) continue;
      const double v = m * std::pow(10.0, k);
      const double at = std::log10(v);
      if (at < decades.min - 1e-9 || at > decades.max + 1e-9) continue;
      fn(v, at);
    }
  }
}

// A logarithmic axis' tick label: as many decimals as the value needs.
std::string logTickPicture(double v) {
  const int decimals = std::clamp(int(-std::floor(std::log10(v) + 1e-9)), 0, 10);
  return decimals == 0 ? std::string("0") : "0." + std::string(size_t(decimals), '0');
}

template <class Fn>
void forEachTick(Range r, double step, const Fn& fn) {
  if (!(step > 0) || !std::isfinite(step)) return;
  double first = std::ceil(r.min / step - 1e-9);
  double last = std::floor(r.max / step + 1e-9);
  if (!std::isfinite(first) || !std::isfinite(last) || last - first > 200) return;
  // Counted in whole steps: near 1e16 adding 1 to k would no longer move it.
  const int count = int(last - first);
  for (int i = 0; i <= count; ++i) {
    double v = (first + i) * step;
    if (std::fabs(v) < step * 1e-9) v = 0;  // no "-0.0" from rounding
    fn(v);
  }
}

class Renderer {
 public:
  Renderer(const Chart& chart, ChartCanvas& canvas) : chart_(chart), canvas_(canvas) {}

  void run() {
    const PictureSize size = pictureSize(chart_);
    width_ = size.width;
    height_ = size.height;
    x_ = axisRange(chart_.bottom, chart_, true);
    y_ = axisRange(chart_.left, chart_, false);
    canvas_.begin(width_, height_);
    labels_.begin({0, 0, double(width_), double(height_)});
    layOut();
    drawTitle();
    if (drawAxes_) drawAxes();
    for (const Series& s : chart_.series) drawLines(s);
    for (const Series& s : chart_.series) drawLabels(s);
    canvas_.end();
  }

 private:
  void layOut() {
    double top = kPadding;
    if (!chart_.title.empty()) top += kTitlePx + 6;
    Rect plot{kPadding, top, width_ - kPadding, height_ - kPadding};
    drawAxes_ = chart_.axesVisible;
    if (drawAxes_) {
      xStep_ = tickStep(x_, (width_ - 60) / 50.0);
      yStep_ = tickStep(y_, (height_ - 40) / 40.0);
      xPicture_ = chart_.bottom.picture.empty() ? tickPicture(xStep_) : chart_.bottom.picture;
      yPicture_ = chart_.left.picture.empty() ? tickPicture(yStep_) : chart_.left.picture;
      double widest = 0;
      forEachAxisTick(false, [&](double, const std::string& text) {
        widest = std::max(widest, estimatedTextWidth(text, kTickPx));
      });
      plot.left += widest + kTickLength + kTickGap;
      plot.bottom -= kTickPx + kTickLength + kTickGap;
      if (!chart_.left.title.empty()) plot.top += kTickPx + 4;
      if (!chart_.bottom.title.empty()) plot.bottom -= kTickPx + 4;
      // Half a tick label stays free on the right for the last x label.
      plot.right -= kTickPx;
    }
    // A frame too small for the axes' margins shows the series alone, and
    // the plot area always stays inside the frame.
    if (drawAxes_ && (plot.width() < 20 || plot.height() < 20)) {
      drawAxes_ = false;
      plot = Rect{kPadding, top, width_ - kPadding, height_ - kPadding};
    }
    plot.left = std::clamp(plot.left, 0.0, width_ - 1.0);
    plot.right = std::clamp(plot.right, plot.left + 1, double(width_));
    plot.top = std::clamp(plot.top, 0.0, height_ - 1.0);
    plot.bottom = std::clamp(plot.bottom, plot.top + 1, double(height_));
    plot_ = plot;
  }

  // Every tick of an axis: its place in axis units and its label.
  template <class Fn>
  void forEachAxisTick(bool horizontal, const Fn& fn) const {
    const Axis& axis = horizontal ? chart_.bottom : chart_.left;
    const Range& range = horizontal ? x_ : y_;
    const std::string& picture = horizontal ? xPicture_ : yPicture_;
    if (axis.logarithmic) {
      forEachLogTick(range, [&](double v, double at) {
        fn(at, formatNumber(axis.picture.empty() ? logTickPicture(v) : axis.picture, v));
      });
      return;
    }
    forEachTick(range, horizontal ? xStep_ : yStep_,
                [&](double v) { fn(v, formatNumber(picture, v)); });
  }

  // Chart values to axis units (decades on a logarithmic axis).
  double axisX(double x) const { return onAxis(chart_.bottom, x); }
  double axisY(double y) const { return onAxis(chart_.left, y); }

  // From axis units to the canvas.
  CanvasPoint toCanvas(double x, double y) const {
    const double up = (y - y_.min) / y_.span() * plot_.height();
    return {plot_.left + (x - x_.min) / x_.span() * plot_.width(),
            chart_.left.inverted ? plot_.top + up : plot_.bottom - up};
  }

  // A text that is not a point label: drawn where its rule puts it, and kept
  // clear by any label that has to move.
  void fixedText(CanvasPoint anchor, std::string_view text, const TextStyle& style) {
    canvas_.text(anchor, text, style);
    labels_.addObstacle(textBox(anchor, text, style));
  }

  // A clipped end lies on the axis box in exact arithmetic; rounding can put
  // it a hair outside, which a very narrow axis range would magnify.
  CanvasPoint toPlot(double x, double y) const {
    CanvasPoint p = toCanvas(x, y);
    return {std::clamp(p.x, plot_.left, plot_.right), std::clamp(p.y, plot_.top, plot_.bottom)};
  }

  void drawTitle() {
    if (chart_.title.empty()) return;
    TextStyle style{kTitlePx, chart_.titleColour, TextAlign::Centre, true};
    fixedText({width_ / 2.0, kPadding + kTitlePx * kAscent}, chart_.title, style);
  }

  void drawAxes() {
    const CanvasPoint box[] = {{plot_.left, plot_.top},
                               {plot_.right, plot_.top},
                               {plot_.right, plot_.bottom},
                               {plot_.left, plot_.bottom},
                               {plot_.left, plot_.top}};
    canvas_.polyline(box, kFrameColour, 1);
    TextStyle tick{kTickPx, clBlack, TextAlign::Centre, false};
    forEachAxisTick(true, [&](double v, const std::string& text) {
      double px = toCanvas(v, y_.min).x;
      const CanvasPoint line[] = {{px, plot_.bottom}, {px, plot_.bottom + kTickLength}};
      canvas_.polyline(line, kFrameColour, 1);
      fixedText({px, plot_.bottom + kTickLength + kTickGap + kTickPx * kAscent}, text, tick);
    });
    tick.align = TextAlign::Right;
    forEachAxisTick(false, [&](double v, const std::string& text) {
      double py = toCanvas(x_.min, v).y;
      const CanvasPoint line[] = {{plot_.left - kTickLength, py}, {plot_.left, py}};
      canvas_.polyline(line, kFrameColour, 1);
      fixedText({plot_.left - kTickLength - kTickGap, py + kTickPx * 0.35}, text, tick);
    });
    if (!chart_.left.title.empty()) {
      TextStyle t{kTickPx, clBlack, TextAlign::Left, false};
      fixedText({plot_.left, plot_.top - 4}, chart_.left.title, t);
    }
    if (!chart_.bottom.title.empty()) {
      TextStyle t{kTickPx, clBlack, TextAlign::Centre, false};
      fixedText({(plot_.left + plot_.right) / 2,
                 plot_.bottom + kTickLength + kTickGap + kTickPx * 1.85 + 4},
                chart_.bottom.title, t);
    }
  }

  // Liang-Barsky in chart units against the axis box, so that far-away points
  // never turn into huge pixel numbers. False when nothing of it is inside.
  bool clip(double& x0, double& y0, double& x1, double& y1) const {
    double dx = x1 - x0, dy = y1 - y0;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
    double t0 = 0, t1 = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x0 - x_.min, x_.max - x0, y0 - y_.min, y_.max - y0};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0) {
        if (q[i] < 0) return false;
        continue;
      }
      double t = q[i] / p[i];
      if (p[i] < 0) {
        t0 = std::max(t0, t);
      } else {
        t1 = std::min(t1, t);
      }
      if (t0 > t1) return false;
    }
    double ax = x0 + t0 * dx, ay = y0 + t0 * dy;
    double bx = x0 + t1 * dx, by = y0 + t1 * dy;
    x0 = ax;
    y0 = ay;
    x1 = bx;
    y1 = by;
    return true;
  }

  void flush(Colour colour) {
    if (run_.size() >= 2) canvas_.polyline(run_, colour, 1);
    run_.clear();
  }

  void drawLines(const Series& s) {
    run_.clear();
    Colour runColour = s.colour;
    for (size_t i = 1; i < s.points.size(); ++i) {
      const ChartPoint& a = s.points[i - 1];
      const ChartPoint& b = s.points[i];
      const double ax = axisX(a.x), ay = axisY(a.y), bx = axisX(b.x), by = axisY(b.y);
      if (isGap(a) || isGap(b) || !std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) ||
          !std::isfinite(by)) {
        flush(runColour);
        continue;
      }
      double x0 = ax, y0 = ay, x1 = bx, y1 = by;
      if (!clip(x0, y0, x1, y1)) {
        flush(runColour);
        continue;
      }
      bool whole = x0 == ax && y0 == ay;
      Colour colour = b.colour.value_or(s.colour);
      // A segment continues the current polyline when it starts where the
      // last one ended (its start was not clipped) and keeps its colour.
      if (run_.empty() || !whole || colour != runColour) {
        flush(runColour);
        run_.push_back(toPlot(x0, y0));
        runColour = colour;
      }
      run_.push_back(toPlot(x1, y1));
      if (x1 != bx || y1 != by) flush(runColour);  // the line leaves the plot
    }
    flush(runColour);
  }

  // A point between two neighbours at its own height carries the label of a
  // horizontal line (a dimension chain's length): centred above it.
  static bool onHorizontalRun(const Series& s, size_t i) {
    if (i == 0 || i + 1 >= s.points.size()) return false;
    return s.points[i - 1].y == s.points[i].y && s.points[i + 1].y == s.points[i].y &&
           s.points[i - 1].x != s.points[i].x && s.points[i + 1].x != s.points[i].x;
  }

  void drawLabels(const Series& s) {
    double sizePx = std::clamp(s.labelFontSize, 4, 72) * kPixelsPerPoint;
    for (size_t i = 0; i < s.points.size(); ++i) {
      const ChartPoint& p = s.points[i];
      const double px = axisX(p.x), py = axisY(p.y);
      if (isGap(p) || isBlank(p.label) || !std::isfinite(px) || !std::isfinite(py)) continue;
      if (px < x_.min || px > x_.max || py < y_.min || py > y_.max) continue;
      CanvasPoint at = toCanvas(px, py);
      TextStyle style{sizePx, s.labelColour, TextAlign::Left, false};
      // The series' mark offset is the gap to the text, a negative one
      // putting the text below the point; none set means 3 px above.
      const double gap = s.markOffset == 0 ? kLabelOffset : std::abs(s.markOffset);
      const bool below = s.markOffset < 0;
      CanvasPoint anchor{at.x + kLabelOffset, below ? at.y + gap + sizePx * kAscent : at.y - gap};
      double w = estimatedTextWidth(p.label, sizePx);
      if (onHorizontalRun(s, i)) {
        style.align = TextAlign::Centre;
        anchor.x = std::clamp(at.x, w / 2, std::max(w / 2, width_ - w / 2));
      } else if (anchor.x + w > width_) {
        style.align = TextAlign::Right;
        anchor.x = at.x - kLabelOffset;
      }
      if (anchor.y - sizePx * kAscent < 0) anchor.y = at.y + gap + sizePx * kAscent;
      if (anchor.y > height_) anchor.y = at.y - gap;
      // A label that would print over one drawn before it moves to a free
      // row, joined to its point by a leader.
      const LabelBox box = textBox(anchor, p.label, style);
      const LabelShift shift = labels_.place(box, p.label, at.x, at.y, anchor.y > at.y);
      anchor.x += shift.dx;
      anchor.y += shift.dy;
      if (shift.leader) {
        const CanvasPoint leader[] = {at, {shift.leaderX, shift.leaderY}};
        canvas_.polyline(leader, s.labelColour, kLeaderWidth);
      }
      canvas_.text(anchor, p.label, style);
    }
  }

  const Chart& chart_;
  ChartCanvas& canvas_;
  int width_ = 0, height_ = 0;
  Range x_{0, 1}, y_{0, 1};
  Rect plot_{0, 0, 1, 1};
  bool drawAxes_ = true;
  double xStep_ = 1, yStep_ = 1;
  std::string xPicture_, yPicture_;
  std::vector<CanvasPoint> run_;  // the polyline being collected, reused
  LabelSeparator labels_;
};

}  // namespace

void renderChart(const Chart& chart, ChartCanvas& canvas) {
  Renderer(chart, canvas).run();
}

double estimatedTextWidth(std::string_view utf8, double sizePx) {
  return shiftJisWidth(utf8) * 0.5 * sizePx;
}

PictureSize pictureSize(const Chart& chart) {
  return {std::clamp(chart.width, 16, 16000), std::clamp(chart.height, 16, 16000)};
}

}  // namespace kovrel
