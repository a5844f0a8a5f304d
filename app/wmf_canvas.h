#pragma once
// A chart canvas that writes a placeable Windows metafile (the 16-bit format,
// not an enhanced metafile): the 22-byte placeable header, whose frame is the
// chart's design size with one logical unit per pixel at 96 units per inch,
// then the standard metafile header and the drawing records. Texts are
// Shift-JIS in a font with the Japanese character set, as a Japanese system
// writes them.

#include <cstdint>
#include <string>
#include <vector>

#include "app/chart_canvas.h"
#include "results/results_window.h"

namespace kovrel {

inline constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
inline constexpr int kShiftJisCharset = 128;
inline constexpr int kWmfUnitsPerInch = 96;

class WmfCanvas : public ChartCanvas {
 public:
  void begin(int width, int height) override;
  void polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) override;
  // Throws EncodingError when the text has a character code page 932 lacks.
  void text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) override;
  void end() override;

  // The whole file once end() has run.
  const std::string& bytes() const { return file_; }

 private:
  struct PenKey {
    Colour colour;
    int width;
    bool operator==(const PenKey&) const = default;
  };
  struct FontKey {
    int height;
    bool bold;
    bool operator==(const FontKey&) const = default;
  };

  void record(std::uint16_t function, std::initializer_list<std::uint16_t> params);
  void beginRecord(std::uint16_t function);
  void endRecord();
  void word(std::uint16_t w);
  int allocateSlot();
  void selectNew(int& currentSlot);  // selects the object just created, frees the old
  void usePen(PenKey pen);
  void useFont(FontKey font);

  int width_ = 0, height_ = 0;
  std::string records_;  // after the metafile header
  size_t recordStart_ = 0;
  std::uint32_t maxRecordWords_ = 0;
  std::vector<bool> slots_;  // the player's object table: true when taken
  int penSlot_ = -1, fontSlot_ = -1;
  PenKey pen_{-1, -1};
  FontKey font_{0, false};
  int textAlign_ = -1;
  Colour textColour_ = -1;
  std::string encoded_;  // reused for each text's Shift-JIS bytes
  std::string file_;
};

// The chart as a placeable metafile. Throws EncodingError as WmfCanvas::text.
std::string chartAsWmf(const Chart& chart);

}  // namespace kovrel
