#include "app/label_separation.h"

#include <algorithm>
#include <cmath>

namespace kovrel {
namespace {

// Rows are one label height apart plus this share of it, so that stacked
// numbers keep a visible gap whatever the font's exact ascent.
constexpr double kRowGap = 0.15;
// How many rows a label may move to either side before it settles for the
// least overlap.
constexpr int kRows = 8;
// Boxes that only touch, or overlap by rounding, do not count.
constexpr double kTouch = 1e-6;
// A row whose leader crosses a label, or that a leader crosses, is taken only
// when no row is clean: this small score puts it behind the clean ones and
// before any real overlap, the nearest first. (Fewest crossings first sends
// labels of a crowded corner far away on long leaders, which reads worse.)
constexpr double kCrossingScore = 1e-3;

double intersection(const LabelBox& a, const LabelBox& b) {
  const double w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const double h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > kTouch && h > kTouch ? w * h : 0;
}

bool sameBox(const LabelBox& a, const LabelBox& b) {
  constexpr double kSame = 0.5;
  return std::fabs(a.left - b.left) < kSame && std::fabs(a.top - b.top) < kSame &&
         std::fabs(a.right - b.right) < kSame && std::fabs(a.bottom - b.bottom) < kSame;
}

// Whether the segment runs through the box. The box is taken a tenth of its
// height smaller on every side, so that a leader ending on its own label's
// side, or grazing a neighbour's empty corner, does not count.
bool segmentCrosses(double x0, double y0, double x1, double y1, const LabelBox& b) {
  const double m = 0.1 * b.height();
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {x0 - (b.left + m), (b.right - m) - x0, y0 - (b.top + m), (b.bottom - m) - y0};
  double t0 = 0, t1 = 1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 >= t1) return false;
  }
  return true;
}

// The leader of a label whose box is `box` and whose point is (x, y): to the
// middle of the box's side facing the point, or straight up or down to its
// nearest edge when the point lies under or over the text. None when the
// label still sits at its point.
void leaderFor(const LabelBox& box, double x, double y, LabelShift& shift) {
  const double nearX = std::clamp(x, box.left, box.right);
  const double nearY = std::clamp(y, box.top, box.bottom);
  shift.leader = std::hypot(nearX - x, nearY - y) > 0.5 * box.height();
  shift.leaderX = nearX;
  shift.leaderY = x == nearX ? nearY : (box.top + box.bottom) / 2;
}

}  // namespace

void LabelSeparator::begin(LabelBox frame) {
  frame_ = frame;
  placed_.clear();
  obstacles_.clear();
  leaders_.clear();
}

void LabelSeparator::addObstacle(LabelBox box) {
  obstacles_.push_back(box);
}

double LabelSeparator::overlap(const LabelBox& box, std::string_view text,
                               bool withObstacles) const {
  double area = 0;
  for (const Placed& p : placed_) {
    if (p.text == text && sameBox(p.box, box)) continue;
    area += intersection(p.box, box);
  }
  if (withObstacles) {
    for (const LabelBox& o : obstacles_) area += intersection(o, box);
  }
  return area;
}

bool LabelSeparator::crossesLabel(const Leader& l) const {
  for (const Placed& p : placed_) {
    if (segmentCrosses(l.x0, l.y0, l.x1, l.y1, p.box)) return true;
  }
  return false;
}

bool LabelSeparator::inside(const LabelBox& box) const {
  return box.top >= frame_.top - kTouch && box.bottom <= frame_.bottom + kTouch &&
         box.left >= frame_.left - kTouch && box.right <= frame_.right + kTouch;
}

LabelShift LabelSeparator::place(LabelBox box, std::string_view text, double x, double y,
                                 bool belowFirst) {
  LabelShift best;
  if (!std::isfinite(box.left + box.top + box.right + box.bottom + x + y) ||
      overlap(box, text, false) == 0) {
    placed_.push_back({box, text});
    return best;
  }
  // A moved label comes back inside the frame sideways too.
  double dx = 0;
  if (box.right > frame_.right) dx = frame_.right - box.right;
  if (box.left + dx < frame_.left) dx = frame_.left - box.left;
  const double pitch = box.height() * (1 + kRowGap);
  double bestScore = overlap(box, text, true);
  const double first = belowFirst ? 1 : -1;
  for (int k = 1; k <= kRows && bestScore > 0; ++k) {
    for (double side : {first, -first}) {
      LabelShift candidate{dx, side * k * pitch, true};
      const LabelBox moved = box.shifted(candidate.dx, candidate.dy);
      if (!inside(moved)) continue;
      leaderFor(moved, x, y, candidate);
      bool crossing =
          candidate.leader && crossesLabel({x, y, candidate.leaderX, candidate.leaderY});
      for (const Leader& l : leaders_) {
        crossing = crossing || segmentCrosses(l.x0, l.y0, l.x1, l.y1, moved);
      }
      const double score = overlap(moved, text, true) + (crossing ? kCrossingScore : 0);
      if (score < bestScore) {
        best = candidate;
        bestScore = score;
        if (score == 0) break;
      }
    }
  }
  if (best.leader) leaders_.push_back({x, y, best.leaderX, best.leaderY});
  placed_.push_back({box.shifted(best.dx, best.dy), text});
  return best;
}

}  // namespace kovrel
