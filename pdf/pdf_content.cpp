#include <algorithm>
#include <cstdint>

#include "base/shift_jis.h"
#include "base/utf8.h"
#include "pdf/pdf_document.h"
#include "pdf/pdf_error.h"
#include "pdf/pdf_numbers.h"
#include "pdf/pdf_objects.h"

namespace kovrel {
namespace {

// Whether a Shift-JIS piece holds a double-byte character.
bool hasDoubleByte(std::string_view sjis) {
  for (size_t i = 0; i < sjis.size(); ++i) {
    if (isShiftJisLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size()) return true;
  }
  return false;
}

// One piece as a PDF string: literal with escapes for single-byte text, hex
// for text with Japanese characters (their bytes may look like "(" or "\").
std::string pdfString(std::string_view sjis) {
  std::string s;
  if (hasDoubleByte(sjis)) {
    static const char kHex[] = "0123456789ABCDEF";
    s += '<';
    for (char ch : sjis) {
      unsigned char b = static_cast<unsigned char>(ch);
      s += kHex[b >> 4];
      s += kHex[b & 0xF];
    }
    s += '>';
    return s;
  }
  s += '(';
  for (char ch : sjis) {
    if (ch == '(' || ch == ')' || ch == '\\') s += '\\';
    s += ch;
  }
  s += ')';
  return s;
}

}  // namespace

std::string pdfShiftJis(std::string_view utf8) {
  try {
    return toShiftJis(utf8);
  } catch (const EncodingError&) {
    // Character by character, so one unmappable character costs only itself.
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
      const size_t len = utf8SequenceLength(utf8, i);
      try {
        out += toShiftJis(utf8.substr(i, len));
      } catch (const EncodingError&) {
        out += '?';
      }
      i += len;
    }
    return out;
  }
}

void TPDFContents::line(std::string_view text) {
  if (!maker().docOpen()) throw PdfError("BeginDocが呼び出されていません");
  data_ += text;
  data_ += '\r';
}

void TPDFContents::point(double x, double y, const char* op) {
  std::string s;
  appendPdfReal(s, x);
  s += ' ';
  appendPdfReal(s, y);
  s += ' ';
  s += op;
  line(s);
}

void TPDFContents::MoveTo(double x, double y) {
  point(x, y, "m");
}
void TPDFContents::LineTo(double x, double y) {
  point(x, y, "l");
}

void TPDFContents::DrawLine(double x1, double y1, double x2, double y2) {
  MoveTo(x1, y1);
  line(std::to_string(lineCap) + " J");
  line(pdfColour(strokeColor) + " RG ");
  line(pdfReal(lineWidth) + " w");
  LineTo(x2, y2);
  line("S");
  line("n");
}

void TPDFContents::Rectangle(bool clip, double x1, double y1, double x2, double y2) {
  MoveTo(x1, y1);
  line(pdfReal(lineWidth) + " w");
  line(std::to_string(lineJoin) + " j");
  line(pdfColour(strokeColor) + " RG ");
  LineTo(x1, y2);
  LineTo(x2, y2);
  LineTo(x2, y1);
  if (clip) {
    GSave();
    line("W");
  }
  line("s");
}

void TPDFContents::GSave() {
  if (saved_) return;
  line("q");
  saved_ = true;
}

void TPDFContents::GRestore() {
  if (!saved_) return;
  line("Q");
  saved_ = false;
}

void TPDFContents::TextOut(double x, double y, std::string_view text) {
  const TPDFFont& font = maker().FontFor(fontType);
  line("BT");
  line("/F" + std::to_string(font.resourceIndex()) + " " + pdfReal(fontSize) + " Tf");
  line(pdfColour(fillColor) + " rg ");
  line(pdfReal(leading) + " TL");
  line(pdfReal(charSpace) + " Tc");
  line(pdfReal(wordSpace) + " Tw");
  std::string td;
  appendPdfReal(td, x);
  td += ' ';
  appendPdfReal(td, y);
  td += " Td";
  line(td);
  // One Tj line per piece between CRs (CR LF is one break); a break at the
  // very end starts no new line.
  const std::string sjis = pdfShiftJis(text);
  std::string_view rest = sjis;
  for (;;) {
    size_t cr = rest.find('\r');
    line(pdfString(rest.substr(0, cr)) + " Tj");
    if (cr == std::string_view::npos) break;
    size_t next = cr + 1;
    if (next < rest.size() && rest[next] == '\n') ++next;
    if (next >= rest.size()) break;
    line("T*");
    rest = rest.substr(next);
  }
  line("ET");
}

double TPDFContents::TextWidth(std::string_view text) {
  const TPDFFontDef& def = maker().FontFor(fontType).def();
  const std::string sjis = pdfShiftJis(text);
  const double half = width(def, 0) / 2.0 * fontSize / 1000.0;
  double w = 0;
  for (size_t i = 0; i < sjis.size();) {
    unsigned char b = static_cast<unsigned char>(sjis[i]);
    const size_t k = i + 1;  // byte position from 1
    if (isShiftJisLeadByte(b) && i + 1 < sjis.size()) {
      w += half;  // lead byte
      w += half;  // trail byte
      if (k + 1 > 2) w += charSpace;
      i += 2;
      continue;
    }
    if (k != 1) w += charSpace;
    w += width(def, b) * fontSize / 1000.0;
    if (b == 32) w += wordSpace;
    i += 1;
  }
  return w;
}

std::string TPDFContents::writeBody() const {
  return "<<\r\n/Length " + std::to_string(data_.size()) + "\r\n>>\r\nstream\r\n" + data_ +
         "\nendstream\r\n";
}

}  // namespace kovrel
