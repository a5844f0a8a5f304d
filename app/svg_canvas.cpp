#include "app/svg_canvas.h"

#include <charconv>
#include <cmath>

#include "app/chart_renderer.h"

namespace kovrel {
namespace {

// Two decimals of a pixel, written without the locale.
void number(std::string& out, double v) {
  if (!std::isfinite(v)) v = 0;
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  std::string_view s(buf, size_t(res.ptr - buf));
  // Trailing zeros only make the file longer.
  if (s.find('.') != std::string_view::npos) {
    while (s.back() == '0') s.remove_suffix(1);
    if (s.back() == '.') s.remove_suffix(1);
  }
  if (s == "-0") s = "0";
  out += s;
}

// Length of a valid UTF-8 sequence starting at i, or 0.
size_t utf8Length(std::string_view s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (len == 0 || i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return 0;
  }
  return len;
}

// XML text: markup characters escaped; control characters (not allowed in
// XML 1.0) and bytes that are not UTF-8 shown as U+FFFD, so a stray byte in a
// label can never make the whole picture unreadable.
void escaped(std::string& out, std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    size_t len = utf8Length(text, i);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    char c = text[i];
    if (len == 1) {
      switch (c) {
        case '&':
          out += "&amp;";
          break;
        case '<':
          out += "&lt;";
          break;
        case '>':
          out += "&gt;";
          break;
        case '"':
          out += "&quot;";
          break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            out += "\xEF\xBF\xBD";
          } else {
            out += c;
          }
      }
    } else {
      out.append(text.substr(i, len));
    }
    i += len;
  }
}

}  // namespace

void SvgCanvas::begin(int width, int height) {
  out_.clear();
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  out_ += std::to_string(width);
  out_ += "\" height=\"";
  out_ += std::to_string(height);
  out_ += "\" viewBox=\"0 0 ";
  out_ += std::to_string(width) + " " + std::to_string(height);
  out_ += "\" font-family=\"'IPAGothic','IPAexGothic','MS Gothic',sans-serif\">\n";
  out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
}

void SvgCanvas::polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) {
  out_ += "<polyline fill=\"none\" stroke-linejoin=\"round\" stroke=\"";
  out_ += colourToHex(colour);
  out_ += "\" stroke-width=\"";
  number(out_, widthPx);
  out_ += "\" points=\"";
  bool first = true;
  for (const CanvasPoint& p : points) {
    if (!first) out_ += ' ';
    first = false;
    number(out_, p.x);
    out_ += ',';
    number(out_, p.y);
  }
  out_ += "\"/>\n";
}

void SvgCanvas::text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) {
  out_ += "<text x=\"";
  number(out_, anchor.x);
  out_ += "\" y=\"";
  number(out_, anchor.y);
  out_ += "\" font-size=\"";
  number(out_, style.sizePx);
  out_ += "\" fill=\"";
  out_ += colourToHex(style.colour);
  out_ += '"';
  if (style.align == TextAlign::Centre) out_ += " text-anchor=\"middle\"";
  if (style.align == TextAlign::Right) out_ += " text-anchor=\"end\"";
  if (style.bold) out_ += " font-weight=\"bold\"";
  out_ += " xml:space=\"preserve\">";
  escaped(out_, utf8);
  out_ += "</text>\n";
}

void SvgCanvas::end() {
  out_ += "</svg>\n";
}

std::string chartAsSvg(const Chart& chart) {
  SvgCanvas canvas;
  renderChart(chart, canvas);
  return canvas.document();
}

}  // namespace kovrel
