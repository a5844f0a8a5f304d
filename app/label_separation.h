#pragma once
// Keeps the point labels of a figure from printing over one another, for every
// picture format alike. Each label arrives, in drawing order, with its point
// and the box its own placement rule gives it. A label whose box meets no label
// placed before it stays exactly there. One that does moves to the nearest
// free row above or below (rows one label height plus a small gap apart,
// alternating sides, starting on its own side of the point), kept inside the
// frame, clear of the obstacles (a title, tick labels) and of the leader lines
// drawn so far, and with its own leader line crossing no other label. When no
// row is free the label takes the nearest row that overlaps no label (a
// leader may cross there), else the position that overlaps least.
//
// A moved label that has left its point's side gets a leader line from the
// point to the middle of the box's near side (or its nearest edge when the
// point lies under or over it); the caller draws it.
//
// The same text over the same box (two series numbering one corner) is one
// readable label and is left in place.
//
// Boxes are in the caller's units with y growing downwards; the separator
// keeps its storage between figures, so a renderer that reuses one allocates
// only for its first figure.

#include <string_view>
#include <vector>

namespace kovrel {

struct LabelBox {
  double left = 0, top = 0, right = 0, bottom = 0;

  double width() const { return right - left; }
  double height() const { return bottom - top; }
  LabelBox shifted(double dx, double dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
};

// Where a label ends up: its box moved by (dx, dy); `moved` when it left the
// place its rule gave it; a leader from its point to (leaderX, leaderY) when
// `leader`.
struct LabelShift {
  double dx = 0, dy = 0;
  bool moved = false;
  bool leader = false;
  double leaderX = 0, leaderY = 0;
};

class LabelSeparator {
 public:
  // Starts a figure: no label placed, moved labels stay inside `frame`.
  void begin(LabelBox frame);
  // A box moved labels keep clear of; labels that stay may still touch it.
  void addObstacle(LabelBox box);
  // Places the label of the point (x, y) whose rule gives it `box`; `text`
  // must outlive the figure (it marks duplicates). `belowFirst` tries the rows
  // under the label before those above it.
  LabelShift place(LabelBox box, std::string_view text, double x, double y, bool belowFirst);

 private:
  struct Placed {
    LabelBox box;
    std::string_view text;
  };
  struct Leader {
    double x0, y0, x1, y1;
  };
  double overlap(const LabelBox& box, std::string_view text, bool withObstacles) const;
  bool crossesLabel(const Leader& leader) const;
  bool inside(const LabelBox& box) const;

  LabelBox frame_;
  std::vector<Placed> placed_;
  std::vector<LabelBox> obstacles_;
  std::vector<Leader> leaders_;
};

}  // namespace kovrel
