#include "app/wmf_canvas.h"

#include <algorithm>
#include <cmath>

#include "app/chart_renderer.h"
#include "base/shift_jis.h"
#include "base/utf8.h"

namespace kovrel {
namespace {

// Record functions of the 16-bit metafile format.
constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kPolyline = 0x0325;
constexpr std::uint16_t kTextOut = 0x0521;

constexpr std::uint16_t kTransparent = 1;
constexpr std::uint16_t kAnisotropic = 8;
constexpr int kTaBaseline = 24, kTaCenter = 6, kTaRight = 2;
constexpr int kMaxPolylinePoints = 8000;  // keeps a record well under 64 K words

std::uint32_t colorRef(Colour c) {
  // System colours (top byte set) have no meaning outside the window toolkit;
  // the only one a chart meets is the window background, white.
  if (std::uint32_t(c) >> 24) return 0x00FFFFFFu;
  return std::uint32_t(c) & 0x00FFFFFFu;
}

std::uint16_t coord(double v) {
  double r = std::round(std::clamp(v, -32768.0, 32767.0));
  if (!std::isfinite(r)) r = 0;
  return std::uint16_t(std::int16_t(r));
}

void put16(std::string& out, std::uint16_t w) {
  out += char(w & 0xFF);
  out += char(w >> 8);
}

void put32(std::string& out, std::uint32_t d) {
  put16(out, std::uint16_t(d & 0xFFFF));
  put16(out, std::uint16_t(d >> 16));
}

}  // namespace

void WmfCanvas::word(std::uint16_t w) {
  put16(records_, w);
}

void WmfCanvas::beginRecord(std::uint16_t function) {
  recordStart_ = records_.size();
  put32(records_, 0);  // size in words, filled in by endRecord
  word(function);
}

void WmfCanvas::endRecord() {
  if ((records_.size() - recordStart_) % 2) records_ += '\0';
  std::uint32_t words = std::uint32_t((records_.size() - recordStart_) / 2);
  for (int i = 0; i < 4; ++i) records_[recordStart_ + i] = char((words >> (8 * i)) & 0xFF);
  maxRecordWords_ = std::max(maxRecordWords_, words);
}

void WmfCanvas::record(std::uint16_t function, std::initializer_list<std::uint16_t> params) {
  beginRecord(function);
  for (std::uint16_t p : params) word(p);
  endRecord();
}

void WmfCanvas::begin(int width, int height) {
  width_ = width;
  height_ = height;
  records_.clear();
  records_.reserve(1 << 14);
  maxRecordWords_ = 0;
  slots_.clear();
  penSlot_ = fontSlot_ = -1;
  pen_ = {-1, -1};
  font_ = {0, false};
  textAlign_ = -1;
  textColour_ = -1;
  file_.clear();
  // Parameters run in reverse: y before x.
  record(kSetMapMode, {kAnisotropic});
  record(kSetWindowOrg, {0, 0});
  record(kSetWindowExt, {coord(height), coord(width)});
  record(kSetBkMode, {kTransparent});
}

// The player puts each new object into the lowest free slot of its table;
// the writer mirrors that to know the index to select.
int WmfCanvas::allocateSlot() {
  auto it = std::find(slots_.begin(), slots_.end(), false);
  int slot = int(it - slots_.begin());
  if (it == slots_.end()) {
    slots_.push_back(true);
  } else {
    *it = true;
  }
  return slot;
}

void WmfCanvas::selectNew(int& currentSlot) {
  int slot = allocateSlot();
  record(kSelectObject, {std::uint16_t(slot)});
  // The old object is no longer selected, so it may go.
  if (currentSlot >= 0) {
    record(kDeleteObject, {std::uint16_t(currentSlot)});
    slots_[size_t(currentSlot)] = false;
  }
  currentSlot = slot;
}

void WmfCanvas::usePen(PenKey pen) {
  if (pen == pen_ && penSlot_ >= 0) return;
  std::uint32_t ref = colorRef(pen.colour);
  // PS_SOLID, width as a point (x = width, y unused), colour.
  record(kCreatePenIndirect,
         {0, std::uint16_t(pen.width), 0, std::uint16_t(ref & 0xFFFF), std::uint16_t(ref >> 16)});
  selectNew(penSlot_);
  pen_ = pen;
}

void WmfCanvas::useFont(FontKey font) {
  if (font == font_ && fontSlot_ >= 0) return;
  beginRecord(kCreateFontIndirect);
  word(std::uint16_t(std::int16_t(-font.height)));  // negative: character height
  word(0);                                          // width: the font's own
  word(0);                                          // escapement
  word(0);                                          // orientation
  word(font.bold ? 700 : 400);
  records_ += '\0';  // italic
  records_ += '\0';  // underline
  records_ += '\0';  // strike-out
  records_ += char(kShiftJisCharset);
  records_ += '\0';  // output precision: default
  records_ += '\0';  // clip precision: default
  records_ += '\0';  // quality: default
  records_ += '\0';  // pitch and family: default
  static constexpr char kFace[] = "MS Gothic";
  records_.append(kFace, sizeof kFace);  // with its terminating zero
  endRecord();
  selectNew(fontSlot_);
  font_ = font;
}

void WmfCanvas::polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) {
  if (points.size() < 2) return;
  usePen({colour, std::max(1, int(std::lround(widthPx)))});
  // Long lines go in pieces that share their end points.
  for (size_t start = 0; start + 1 < points.size(); start += kMaxPolylinePoints - 1) {
    size_t count = std::min(points.size() - start, size_t(kMaxPolylinePoints));
    beginRecord(kPolyline);
    word(std::uint16_t(count));
    for (size_t i = start; i < start + count; ++i) {
      word(coord(points[i].x));
      word(coord(points[i].y));
    }
    endRecord();
  }
}

void WmfCanvas::text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) {
  try {
    encoded_ = toShiftJis(utf8);
  } catch (const EncodingError& e) {
    throw EncodingError("text \"" + quotedForMessage(utf8) + "\": " + e.what());
  }
  if (encoded_.empty()) return;
  // A record holds at most 32,000 bytes of text; a longer one is cut at a
  // character boundary (a lead byte of code page 932 starts a 2-byte pair).
  if (encoded_.size() > 32000) {
    size_t keep = 0;
    while (keep < encoded_.size()) {
      size_t len = isShiftJisLeadByte(static_cast<unsigned char>(encoded_[keep])) ? 2 : 1;
      if (keep + len > 32000) break;
      keep += len;
    }
    encoded_.resize(keep);
  }
  useFont({std::max(1, int(std::lround(style.sizePx))), style.bold});
  int align = kTaBaseline | (style.align == TextAlign::Centre  ? kTaCenter
                             : style.align == TextAlign::Right ? kTaRight
                                                               : 0);
  if (align != textAlign_) {
    record(kSetTextAlign, {std::uint16_t(align)});
    textAlign_ = align;
  }
  if (style.colour != textColour_) {
    std::uint32_t ref = colorRef(style.colour);
    record(kSetTextColor, {std::uint16_t(ref & 0xFFFF), std::uint16_t(ref >> 16)});
    textColour_ = style.colour;
  }
  beginRecord(kTextOut);
  word(std::uint16_t(encoded_.size()));
  records_ += encoded_;
  if (encoded_.size() % 2) records_ += '\0';
  word(coord(anchor.y));
  word(coord(anchor.x));
  endRecord();
}

void WmfCanvas::end() {
  if (penSlot_ >= 0) record(kDeleteObject, {std::uint16_t(penSlot_)});
  if (fontSlot_ >= 0) record(kDeleteObject, {std::uint16_t(fontSlot_)});
  record(kEof, {});

  file_.clear();
  file_.reserve(22 + 18 + records_.size());
  // Placeable header; the checksum is the XOR of its first ten words.
  std::string placeable;
  put32(placeable, kPlaceableKey);
  put16(placeable, 0);  // handle, always 0 in a file
  put16(placeable, 0);  // frame left, top, right, bottom
  put16(placeable, 0);
  put16(placeable, coord(width_));
  put16(placeable, coord(height_));
  put16(placeable, kWmfUnitsPerInch);
  put32(placeable, 0);
  std::uint16_t checksum = 0;
  for (size_t i = 0; i < 20; i += 2) {
    checksum ^= std::uint16_t(std::uint8_t(placeable[i]) | (std::uint8_t(placeable[i + 1]) << 8));
  }
  put16(placeable, checksum);
  file_ += placeable;

  // Metafile header: in memory, 9 words, version 3.0, sizes in words.
  put16(file_, 1);
  put16(file_, 9);
  put16(file_, 0x0300);
  put32(file_, std::uint32_t(9 + records_.size() / 2));
  put16(file_, std::uint16_t(slots_.size()));
  put32(file_, maxRecordWords_);
  put16(file_, 0);
  file_ += records_;
}

std::string chartAsWmf(const Chart& chart) {
  WmfCanvas canvas;
  renderChart(chart, canvas);
  return canvas.bytes();
}

}  // namespace kovrel
