#pragma once
// What the chart renderer draws on: polylines and one-line texts in design
// pixels. Each picture format (Windows metafile, SVG, the desktop window)
// implements this; the renderer knows no format.

#include <span>
#include <string_view>

#include "base/colour.h"

namespace kovrel {

// Design pixels in the chart's frame: origin at the top-left corner, x to the
// right, y downwards.
struct CanvasPoint {
  double x = 0;
  double y = 0;
};

enum class TextAlign { Left, Centre, Right };

struct TextStyle {
  double sizePx = 12;  // character height (em) in design pixels
  Colour colour = clBlack;
  TextAlign align = TextAlign::Left;  // horizontal, about the anchor
  bool bold = false;
};

class ChartCanvas {
 public:
  virtual ~ChartCanvas() = default;

  // Once, before anything is drawn: the picture's frame in design pixels.
  virtual void begin(int width, int height) = 0;
  // A solid line through the points; every coordinate is finite and inside
  // the frame (the renderer clips).
  virtual void polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) = 0;
  // One line of UTF-8 text whose baseline passes through `anchor`.
  virtual void text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) = 0;
  // Once, after the last drawing.
  virtual void end() = 0;
};

}  // namespace kovrel
