#include "report/dimension_chain.h"

#include <algorithm>

#include "results/number_picture.h"

namespace kovrel {
namespace {

constexpr double kTick = 0.3;    // m either side of the line
constexpr double kArrow = 0.03;  // m, arrowhead wing

enum class Mark { Start, Middle, End };

void add(Series& s, double x, double y, const char* label = " ") {
  s.points.push_back({x, y, label, std::nullopt});
}

// The tick across the line at (X, Y), then the arrowheads pointing away from
// the segment on either side; every wing returns to the point so that the
// series stays one polyline.
void mark(Series& s, ChainDirection dir, double X, double Y, Mark kind) {
  const double a = kArrow;
  if (dir == ChainDirection::AlongX) {
    add(s, X, Y);
    add(s, X, Y + kTick);
    add(s, X, Y - kTick);
    add(s, X, Y);
    auto startPair = [&] {
      add(s, X + a, Y + a);
      add(s, X, Y);
      add(s, X + a, Y - a);
      add(s, X, Y);
    };
    auto endPair = [&] {
      add(s, X - a, Y + a);
      add(s, X, Y);
      add(s, X - a, Y - a);
      add(s, X, Y);
    };
    if (kind == Mark::Start) startPair();
    if (kind == Mark::End) endPair();
    if (kind == Mark::Middle) {
      endPair();
      startPair();
    }
  } else {
    add(s, X, Y);
    add(s, X - kTick, Y);
    add(s, X + kTick, Y);
    add(s, X, Y);
    auto startPair = [&] {
      add(s, X - a, Y + a);
      add(s, X, Y);
      add(s, X + a, Y + a);
      add(s, X, Y);
    };
    auto endPair = [&] {
      add(s, X + a, Y - a);
      add(s, X, Y);
      add(s, X - a, Y - a);
      add(s, X, Y);
    };
    if (kind == Mark::Start) startPair();
    if (kind == Mark::End) endPair();
    if (kind == Mark::Middle) {
      startPair();
      endPair();
    }
  }
}

}  // namespace

void drawDimensionChain(Series& series, ChainDirection direction, std::span<const double> lengths,
                        double x0, double y0, double divisor, int count) {
  series.points.clear();
  series.colour = clBlack;
  count = std::clamp(count, 0, static_cast<int>(lengths.size()));
  if (count == 0 || (count == 1 && lengths[0] == 0)) return;
  // A divisor of 0 or less would put the label at infinity: the middle then.
  if (!(divisor > 0)) divisor = 2;
  const bool alongX = direction == ChainDirection::AlongX;
  series.markOffset = alongX ? 2 : -4;

  mark(series, direction, x0, y0, Mark::Start);
  double run = alongX ? x0 : y0;
  for (int i = 0; i < count; ++i) {
    const double L = lengths[static_cast<size_t>(i)];
    const bool last = i == count - 1;
    const double at = run + L / divisor;
    const std::string label = (L != 0 || last) ? formatNumber("0,0", L * 1000) : std::string(" ");
    series.points.push_back({alongX ? at : x0, alongX ? y0 : at, label, std::nullopt});
    run += L;
    mark(series, direction, alongX ? run : x0, alongX ? y0 : run, last ? Mark::End : Mark::Middle);
  }
}

}  // namespace kovrel
