#include "pdf/pdf_fonts.h"

#include <string_view>

#include "pdf/pdf_error.h"

namespace kovrel {
namespace {

// Advance widths of the Latin fonts for the Windows ANSI code page, codes 31 to
// 255, in thousandths of the font size as the fonts report them to the
// program; codes the page leaves undefined carry the fonts' missing-glyph width.
const std::array<int, 225> kCenturyWidths = {
    719, 266, 284, 373, 533, 533, 798, 781, 195, 319, 319, 479, 581, 266, 319, 266, 266, 533, 533,
    533, 533, 533, 533, 533, 533, 533, 533, 266, 266, 581, 581, 581, 425, 706, 692, 692, 692, 745,
    692, 639, 745, 798, 390, 533, 745, 639, 904, 781, 745, 639, 745, 692, 604, 639, 781, 692, 940,
    674, 674, 585, 319, 581, 319, 581, 479, 319, 533, 533, 425, 550, 479, 319, 514, 585, 302, 284,
    568, 302, 852, 585, 479, 550, 533, 425, 444, 373, 585, 514, 745, 514, 514, 461, 319, 581, 319,
    581, 719, 533, 719, 195, 533, 373, 958, 479, 479, 319, 958, 604, 248, 958, 719, 585, 719, 719,
    195, 195, 373, 373, 581, 533, 958, 319, 958, 444, 248, 798, 719, 461, 674, 266, 284, 533, 533,
    533, 533, 581, 479, 319, 706, 320, 408, 581, 319, 706, 319, 383, 581, 319, 319, 319, 585, 581,
    266, 319, 319, 287, 408, 799, 799, 799, 425, 692, 692, 692, 692, 692, 692, 958, 692, 692, 692,
    692, 692, 390, 390, 390, 390, 745, 781, 745, 745, 745, 745, 745, 581, 745, 781, 781, 781, 781,
    674, 639, 550, 533, 533, 533, 533, 533, 533, 763, 425, 479, 479, 479, 479, 302, 302, 302, 302,
    479, 585, 479, 479, 479, 479, 479, 581, 479, 585, 585, 585, 585, 514, 550, 514,
};
const std::array<int, 225> kArialBoldWidths = {
    719, 266, 319, 454, 533, 533, 852, 692, 228, 319, 319, 373, 559, 266, 319, 266, 266, 533, 533,
    533, 533, 533, 533, 533, 533, 533, 533, 319, 319, 559, 559, 559, 585, 934, 692, 692, 692, 692,
    639, 585, 745, 692, 266, 533, 692, 585, 798, 692, 745, 639, 745, 692, 639, 585, 692, 639, 904,
    639, 639, 585, 319, 266, 319, 559, 533, 319, 533, 585, 533, 585, 533, 319, 585, 585, 266, 266,
    533, 266, 852, 585, 585, 585, 585, 373, 533, 319, 585, 533, 745, 533, 533, 479, 373, 268, 373,
    559, 719, 533, 719, 266, 533, 479, 958, 533, 533, 319, 958, 639, 319, 958, 719, 585, 719, 719,
    266, 266, 479, 479, 335, 533, 958, 319, 958, 533, 319, 904, 719, 479, 639, 266, 319, 533, 533,
    533, 533, 268, 533, 319, 706, 354, 533, 559, 319, 706, 319, 383, 559, 319, 319, 319, 585, 533,
    266, 319, 319, 350, 533, 799, 799, 799, 585, 692, 692, 692, 692, 692, 692, 958, 692, 639, 639,
    639, 639, 266, 266, 266, 266, 692, 692, 745, 745, 745, 745, 745, 559, 745, 692, 692, 692, 692,
    639, 639, 585, 533, 533, 533, 533, 533, 533, 852, 533, 533, 533, 533, 533, 266, 266, 266, 266,
    585, 585, 585, 585, 585, 585, 585, 559, 585, 585, 585, 585, 585, 533, 585, 533,
};
const std::array<int, 225> kArialWidths = {
    719, 266, 266, 340, 533, 533, 852, 639, 183, 319, 319, 373, 559, 266, 319, 266, 266, 533, 533,
    533, 533, 533, 533, 533, 533, 533, 533, 266, 266, 559, 559, 559, 533, 972, 639, 639, 692, 692,
    639, 585, 745, 692, 266, 479, 639, 533, 798, 692, 745, 639, 745, 692, 639, 585, 692, 639, 904,
    639, 639, 585, 266, 266, 266, 449, 533, 319, 533, 533, 479, 533, 533, 266, 533, 533, 213, 213,
    479, 213, 798, 533, 533, 533, 533, 319, 479, 266, 533, 479, 692, 479, 479, 479, 320, 249, 320,
    559, 719, 533, 719, 213, 533, 319, 958, 533, 533, 319, 958, 639, 319, 958, 719, 585, 719, 719,
    213, 213, 319, 319, 335, 533, 958, 319, 958, 479, 319, 904, 719, 479, 639, 266, 319, 533, 533,
    533, 533, 249, 533, 319, 706, 354, 533, 559, 319, 706, 319, 383, 559, 319, 319, 319, 554, 514,
    266, 319, 319, 350, 533, 799, 799, 799, 585, 639, 639, 639, 639, 639, 639, 958, 692, 639, 639,
    639, 639, 266, 266, 266, 266, 692, 692, 745, 745, 745, 745, 745, 559, 745, 692, 692, 692, 692,
    639, 639, 585, 533, 533, 533, 533, 533, 533, 852, 479, 533, 533, 533, 533, 266, 266, 266, 266,
    533, 533, 533, 533, 533, 533, 533, 559, 585, 533, 533, 533, 533, 479, 533, 479,
};

// Bold Century is the regular face thickened by one unit per glyph.
std::array<int, 225> boldCentury() {
  std::array<int, 225> w = kCenturyWidths;
  for (int& v : w) v += 1;
  return w;
}

std::array<int, 225> fixedPitch(int value) {
  std::array<int, 225> w{};
  w.fill(value);
  return w;
}

void appendInt(std::string& out, long v) {
  out += std::to_string(v);
}

// Every maximal run of decimal digits in text[from, to) in turn, as values.
template <class Sink>
void forEachDigitRun(std::string_view text, Sink sink) {
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] < '0' || text[i] > '9') {
      ++i;
      continue;
    }
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + (text[i] - '0');
      ++i;
    }
    sink(value);
  }
}

// The lines of a width run, sixteen values a line, each value followed by a
// space; `lastTail` replaces the space after the final value.
void appendValueLines(std::string& out, std::string_view head, const int* values, int count,
                      std::string_view lastTail) {
  out += head;
  for (int i = 0; i < count; ++i) {
    if (i > 0 && i % 16 == 0) out += "\r\n";
    appendInt(out, values[i]);
    out += (i == count - 1) ? lastTail : std::string_view(" ");
  }
}

std::string cidWidthsText() {
  int first[94];
  for (int& v : first) v = 479;
  int second[64];
  second[0] = 958;
  for (int i = 1; i < 64; ++i) second[i] = 479;
  std::string t = "[\r\n";
  appendValueLines(t, "1 [ ", first, 94, "]");
  t += "\r\n";
  appendValueLines(t, "326 [ ", second, 64, " ");
  t += "\r\n]\r\n631 631 479\r\n]\r\n";
  return t;
}

}  // namespace

std::string latinWidthsText(const std::array<int, 225>& widths) {
  std::string t;
  appendValueLines(t, "[ ", widths.data(), int(widths.size()), " ]");
  return t;
}

std::string TPDFTrueTypeFontDef::writeEntries() const {
  std::string s = "/Subtype /" + subtype + "\r\n/BaseFont /" + baseFont + "\r\n/FirstChar " +
                  std::to_string(firstChar) + "\r\n/LastChar " + std::to_string(lastChar) +
                  "\r\n/Widths " + widthsText + "\r\n/Encoding /" + encoding + "\r\n";
  return s;
}

void TPDFTrueTypeFontDef::loadWidths() {
  int code = firstChar;
  forEachDigitRun(widthsText, [&](int value) {
    if (code <= 255) widths[size_t(code)] = value;
    ++code;
  });
}

void TPDFTrueTypeFontDef::defineLatin(int type, const char* name,
                                      const std::array<int, 225>& widthTable, int flags,
                                      std::array<int, 4> bbox, int stemV) {
  fontType = type;
  subtype = "TrueType";
  baseFont = name;
  encoding = "WinAnsiEncoding";
  firstChar = 31;
  lastChar = 255;
  widthsText = latinWidthsText(widthTable);
  descriptorDef = std::make_unique<TPDFFontDescriptorDef>();
  descriptorDef->flags = flags;
  descriptorDef->fontBBox = bbox;
  descriptorDef->ascent = bbox[3];
  descriptorDef->capHeight = bbox[3];
  descriptorDef->descent = bbox[0];
  descriptorDef->stemV = stemV;
  descriptorDef->italicAngle = 0;
  descriptorDef->fontName = name;
}

std::string TPDFType0FontDef::writeEntries() const {
  return "/Subtype /" + subtype + "\r\n/BaseFont /" + baseFont + "\r\n/Encoding /" + encoding +
         "\r\n";
}

std::string TPDFCID2FontDef::writeEntries() const {
  return "/Subtype /" + subtype + "\r\n/BaseFont /" + baseFont + "\r\n/WinCharSet /" +
         std::to_string(winCharSet) + "\r\n/CIDSystemInfo <<\r\n" + cidSystemInfo + ">>\r\n/DW " +
         std::to_string(defaultWidth) + "\r\n/W " + widthsText + "\r\n";
}

void TPDFCID2FontDef::loadWidths() {
  // The proportional runs of the W array give the single-byte widths: CIDs 1
  // to 94 are codes 32 to 125, CIDs 326 onwards the half-width katakana from 160.
  auto load = [&](std::string_view key, int firstCode) {
    size_t at = widthsText.find(key);
    if (at == std::string::npos) return;
    at += key.size();
    size_t end = widthsText.find(']', at);
    if (end == std::string::npos) end = widthsText.size();
    int code = firstCode;
    forEachDigitRun(std::string_view(widthsText).substr(at, end - at), [&](int value) {
      if (code <= 255) widths[size_t(code)] = value;
      ++code;
    });
  };
  load("1 [", 32);
  load("326 [", 160);
  widths[0] = defaultWidth;
}

void TPDFCID2FontDef::defineJapanese(const char* name, int flags) {
  subtype = "CIDFontType2";
  baseFont = name;
  winCharSet = 128;
  cidSystemInfo = "/Registry(Adobe)\r\n/Ordering(Japan1)\r\n/Supplement 2\r\n";
  defaultWidth = 1000;
  widthsText = cidWidthsText();
  descriptorDef = std::make_unique<TPDFFontDescriptorDef>();
  descriptorDef->flags = flags;
  descriptorDef->fontBBox = {-143, -143, 1015, 872};
  descriptorDef->ascent = 872;
  descriptorDef->capHeight = 872;
  descriptorDef->descent = -143;
  descriptorDef->stemV = 78;
  descriptorDef->italicAngle = 0;
  descriptorDef->fontName = name;
}

namespace {
// "ＭＳ 明朝" and "ＭＳ ゴシック" in Shift-JIS, written as PDF names.
constexpr const char* kMinchoName = "#82#6C#82#72#20#96#BE#92#A9";
constexpr const char* kGothicName = "#82#6C#82#72#20#83#53#83#56#83#62#83#4E";
}  // namespace

TCenturyFontDef::TCenturyFontDef() {
  define();
  loadWidths();
}
void TCenturyFontDef::define() {
  defineLatin(0, "Century", kCenturyWidths, 34, {-219, -219, 1188, 1001}, 78);
}
TCenturyBoldFontDef::TCenturyBoldFontDef() {
  define();
  loadWidths();
}
void TCenturyBoldFontDef::define() {
  defineLatin(1, "Century,Bold", boldCentury(), 16416, {-219, -219, 1189, 1001}, 156);
}
TArialFontDef::TArialFontDef() {
  define();
  loadWidths();
}
void TArialFontDef::define() {
  defineLatin(2, "Arial", kArialWidths, 32, {-215, -215, 1313, 919}, 78);
}
TArialBoldFontDef::TArialBoldFontDef() {
  define();
  loadWidths();
}
void TArialBoldFontDef::define() {
  defineLatin(3, "Arial,Bold", kArialBoldWidths, 16416, {-215, -215, 1261, 919}, 78);
}
TCourierFontDef::TCourierFontDef() {
  define();
  loadWidths();
}
void TCourierFontDef::define() {
  defineLatin(4, "Courier", fixedPitch(575), 32, {-305, -305, 669, 845}, 78);
}
TCourierBoldFontDef::TCourierBoldFontDef() {
  define();
  loadWidths();
}
void TCourierBoldFontDef::define() {
  defineLatin(5, "Courier,Bold", fixedPitch(575), 16416, {-305, -305, 759, 845}, 78);
}

TMSMincyoDFontDef::TMSMincyoDFontDef() {
  define();
  loadWidths();
}
void TMSMincyoDFontDef::define() {
  defineJapanese(kMinchoName, 6);
}
TMSGothicDFontDef::TMSGothicDFontDef() {
  define();
  loadWidths();
}
void TMSGothicDFontDef::define() {
  defineJapanese(kGothicName, 4);
}

TMSMincyoFontDef::TMSMincyoFontDef() {
  define();
  loadWidths();
}
void TMSMincyoFontDef::define() {
  fontType = 6;
  subtype = "Type0";
  baseFont = kMinchoName;
  encoding = "90msp-RKSJ-H";
  descendantDef = std::make_unique<TMSMincyoDFontDef>();
  descendantDef->fontType = 6;
}
TMSGothicFontDef::TMSGothicFontDef() {
  define();
  loadWidths();
}
void TMSGothicFontDef::define() {
  fontType = 7;
  subtype = "Type0";
  baseFont = kGothicName;
  encoding = "90msp-RKSJ-H";
  descendantDef = std::make_unique<TMSGothicDFontDef>();
  descendantDef->fontType = 7;
}

std::unique_ptr<TPDFFontDef> createFontDef(int type) {
  switch (type) {
    case 0:
      return std::make_unique<TCenturyFontDef>();
    case 1:
      return std::make_unique<TCenturyBoldFontDef>();
    case 2:
      return std::make_unique<TArialFontDef>();
    case 3:
      return std::make_unique<TArialBoldFontDef>();
    case 4:
      return std::make_unique<TCourierFontDef>();
    case 5:
      return std::make_unique<TCourierBoldFontDef>();
    case 6:
      return std::make_unique<TMSMincyoFontDef>();
    case 7:
      return std::make_unique<TMSGothicFontDef>();
    default:
      throw PdfError("このフォントは現在サポートされていません (" + std::to_string(type) + ")");
  }
}

int width(const TPDFFontDef& def, unsigned char code) {
  if (def.descendantDef) return def.descendantDef->widths[code];
  return def.widths[code];
}

}  // namespace kovrel
