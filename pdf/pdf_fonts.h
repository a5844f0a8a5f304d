#pragma once
// The eight fonts the PDF writer offers, by font type 0 to 7: six Latin
// TrueType fonts referenced by name and two Japanese Type0 fonts over a
// CID-keyed TrueType descendant with the "90msp-RKSJ-H" CMap, so Shift-JIS
// bytes go into the page as they are. Nothing is embedded; the definitions
// carry the names, descriptor values and the glyph widths used to measure text.

#include <array>
#include <memory>
#include <string>

namespace kovrel {

inline constexpr int kPdfFontTypeCount = 8;

// Values of one font descriptor. Lengths in thousandths of the font size.
struct TPDFFontDescriptorDef {
  int ascent = 0;
  int capHeight = 0;
  int descent = 0;
  int flags = 0;
  std::array<int, 4> fontBBox{};
  std::string fontName;
  int italicAngle = 0;
  int stemV = 0;
};

class TPDFFontDef {
 public:
  virtual ~TPDFFontDef() = default;

  // The lines of the font dictionary that depend on its subtype, each ending CR LF.
  virtual std::string writeEntries() const { return {}; }

  std::string subtype;
  std::string baseFont;  // a PDF name without the slash
  std::unique_ptr<TPDFFontDescriptorDef> descriptorDef;
  std::unique_ptr<TPDFFontDef> descendantDef;
  int fontType = 0;
  // Advance widths by character code, thousandths of the font size; 0 where
  // the font gives none.
  std::array<int, 256> widths{};

 protected:
  TPDFFontDef() = default;
  // Every concrete definition calls both from its constructor, in this order.
  virtual void define() = 0;
  virtual void loadWidths() {}
};

class TPDFTrueTypeFontDef : public TPDFFontDef {
 public:
  std::string writeEntries() const override;

  int firstChar = 31;
  int lastChar = 255;
  std::string widthsText;
  std::string encoding;

 protected:
  void loadWidths() override;
  // Fills the fields every Latin font shares; widths for codes 31 to 255.
  void defineLatin(int type, const char* baseFont, const std::array<int, 225>& widthTable,
                   int flags, std::array<int, 4> bbox, int stemV);
};

class TPDFType0FontDef : public TPDFFontDef {
 public:
  std::string writeEntries() const override;
  std::string encoding;
};

class TPDFCID2FontDef : public TPDFFontDef {
 public:
  std::string writeEntries() const override;

  int winCharSet = 128;
  std::string cidSystemInfo;
  int defaultWidth = 1000;
  std::string widthsText;

 protected:
  void loadWidths() override;
  void defineJapanese(const char* baseFont, int flags);
};

#define KOVREL_PDF_FONT_CLASS(Name, Base) \
  class Name : public Base {              \
   public:                                \
    Name();                               \
                                          \
   protected:                             \
    void define() override;               \
  };
KOVREL_PDF_FONT_CLASS(TCenturyFontDef, TPDFTrueTypeFontDef)
KOVREL_PDF_FONT_CLASS(TCenturyBoldFontDef, TPDFTrueTypeFontDef)
KOVREL_PDF_FONT_CLASS(TArialFontDef, TPDFTrueTypeFontDef)
KOVREL_PDF_FONT_CLASS(TArialBoldFontDef, TPDFTrueTypeFontDef)
KOVREL_PDF_FONT_CLASS(TCourierFontDef, TPDFTrueTypeFontDef)
KOVREL_PDF_FONT_CLASS(TCourierBoldFontDef, TPDFTrueTypeFontDef)
KOVREL_PDF_FONT_CLASS(TMSMincyoFontDef, TPDFType0FontDef)
KOVREL_PDF_FONT_CLASS(TMSGothicFontDef, TPDFType0FontDef)
KOVREL_PDF_FONT_CLASS(TMSMincyoDFontDef, TPDFCID2FontDef)
KOVREL_PDF_FONT_CLASS(TMSGothicDFontDef, TPDFCID2FontDef)
#undef KOVREL_PDF_FONT_CLASS

// The definition of a font type; any other type throws PdfError
// "このフォントは現在サポートされていません (type)".
std::unique_ptr<TPDFFontDef> createFontDef(int type);

// Width of a single-byte code in thousandths: the descendant's table when the
// font has one (a Type0 font has none of its own), else the font's own.
int width(const TPDFFontDef& def, unsigned char code);

// The widths text of a Latin font: "[ ", sixteen values a line each followed by
// a space, lines joined by CR LF, the last value followed by " ]".
std::string latinWidthsText(const std::array<int, 225>& widths);

}  // namespace kovrel
