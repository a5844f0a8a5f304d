#pragma once
// Keeps the blocks of a fixed report page inside its frame and off one
// another, for the printed pages and the PDF alike. A page's blocks stand at
// fixed places, but their contents vary with the wall: a list that grows
// with the loads, a table with more rows. The rule:
//
//   - A figure that would cross the frame moves up (or left) just enough; a
//     table that would cross its right edge moves left (its columns keep
//     their widths).
//   - A text box or table that would cross the frame, or run into another
//     block, is set smaller, its type and its line pitch together, to the
//     largest scale (in steps of 1 %) at which it fits; every line stays.
//   - Below `smallest` it no longer tries to clear other blocks, only the
//     frame, which nothing ever crosses.
//
// Units are the page's own (mm on the printed sheet, points in the PDF), y
// growing downwards.

#include <functional>
#include <vector>

namespace kovrel {

struct PageRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// Whether two rectangles share more than an edge.
bool overlaps(const PageRect& a, const PageRect& b);

enum class FitKind {
  Fixed,       // stays where it is (a label)
  Movable,     // keeps its size, may move (a figure)
  Shrinkable,  // keeps its top-left corner, may be set smaller (a text box, a table)
};

struct FitBlock {
  FitKind kind = FitKind::Fixed;
  // The rectangles the block's ink covers at a scale (1: as laid out), e.g.
  // one per line of a text box.
  std::function<std::vector<PageRect>(double scale)> boxes;
  // A shrinkable block whose width does not shrink with it (a table): moved
  // left rather than set smaller when it runs past the frame's right edge.
  bool fixedWidth = false;
};

struct FitPlacement {
  double scale = 1;
  double dx = 0, dy = 0;  // the move of a figure
};

struct FitRules {
  PageRect room;          // the frame's inside, less any clearance
  double smallest = 0.6;  // the scale below which other blocks are no longer cleared
};

// One placement per block, in order.
std::vector<FitPlacement> fitPageBlocks(const std::vector<FitBlock>& blocks, const FitRules& rules);

}  // namespace kovrel
