#include "pdf/pdf_numbers.h"

#include <charconv>
#include <cmath>

namespace kovrel {

void appendPdfReal(std::string& out, double v) {
  if (!std::isfinite(v)) v = 0;
  // Far beyond any page; keeps the cents inside a 64-bit integer.
  if (v > 1e12) v = 1e12;
  if (v < -1e12) v = -1e12;
  long long cents = static_cast<long long>(std::trunc(v * 100 + 0.5));
  if (cents < 0) {
    out += '-';
    cents = -cents;
  }
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, cents / 100);
  out.append(buf, r.ptr);
  int frac = int(cents % 100);
  if (frac != 0) {
    out += '.';
    out += char('0' + frac / 10);
    if (frac % 10 != 0) out += char('0' + frac % 10);
  }
}

std::string pdfReal(double v) {
  std::string s;
  appendPdfReal(s, v);
  return s;
}

std::string pdfColour(Colour c) {
  if (static_cast<std::uint32_t>(c) >> 24 != 0) c = clWhite;
  std::string s;
  appendPdfReal(s, (c & 0xFF) / 255.0);
  s += ' ';
  appendPdfReal(s, ((c >> 8) & 0xFF) / 255.0);
  s += ' ';
  appendPdfReal(s, ((c >> 16) & 0xFF) / 255.0);
  return s;
}

}  // namespace kovrel
