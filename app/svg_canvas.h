#pragma once
// A chart canvas that writes an SVG 1.1 picture: the frame in design pixels,
// a white background, polylines and texts (UTF-8, in a Japanese sans-serif).

#include <string>

#include "app/chart_canvas.h"
#include "results/results_window.h"

namespace kovrel {

class SvgCanvas : public ChartCanvas {
 public:
  void begin(int width, int height) override;
  void polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) override;
  void text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) override;
  void end() override;

  // The whole document once end() has run.
  const std::string& document() const { return out_; }

 private:
  std::string out_;
};

// The chart as an SVG document.
std::string chartAsSvg(const Chart& chart);

}  // namespace kovrel
