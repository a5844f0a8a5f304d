#include "pdf/pdf_fonts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "pdf/pdf_document.h"

namespace kovrel {
namespace {

std::string body(const TPDFObjectList& objects, int number) {
  return objects.item(number - 1)->writeBody();
}

TEST(PdfFonts, FirstUseOfTheMinchoFontAddsThreeObjects) {
  std::ostringstream out;
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  TPDFFont& font = doc.FontFor(6);
  ASSERT_EQ(doc.objects().count(), 8);
  EXPECT_EQ(font.number(), 6);
  EXPECT_EQ(&doc.FontFor(6), &font) << "a second use returns the same font";
  EXPECT_EQ(doc.objects().count(), 8) << "a second use adds nothing";

  EXPECT_EQ(body(doc.objects(), 6),
            "<<\r\n/Type /Font\r\n/Name /F0\r\n/Subtype /Type0\r\n"
            "/BaseFont /#82#6C#82#72#20#96#BE#92#A9\r\n/Encoding /90msp-RKSJ-H\r\n"
            "/DescendantFonts [7 0 R]\r\n>>\r\n");
  std::string widths = "[\r\n1 [ ";
  for (int i = 1; i <= 94; ++i) {
    widths += "479";
    widths += i == 94 ? "]" : " ";
    if (i % 16 == 0) widths += "\r\n";
  }
  widths += "\r\n326 [ 958 ";
  for (int i = 2; i <= 64; ++i) {
    widths += "479 ";
    if (i % 16 == 0) widths += "\r\n";
  }
  widths += "]\r\n631 631 479\r\n]\r\n";
  EXPECT_EQ(body(doc.objects(), 7),
            "<<\r\n/Type /Font\r\n/Name /F0\r\n/Subtype /CIDFontType2\r\n"
            "/BaseFont /#82#6C#82#72#20#96#BE#92#A9\r\n/WinCharSet /128\r\n"
            "/CIDSystemInfo <<\r\n/Registry(Adobe)\r\n/Ordering(Japan1)\r\n/Supplement 2\r\n"
            ">>\r\n/DW 1000\r\n/W " +
                widths + "\r\n/FontDescriptor 8 0 R\r\n>>\r\n");
  EXPECT_EQ(body(doc.objects(), 8),
            "<<\r\n/Type /FontDescriptor\r\n/FontName /#82#6C#82#72#20#96#BE#92#A9\r\n"
            "/Flags 6\r\n/FontBBox [ -143 -143 1015 872 ]\r\n/StemV 78\r\n/Ascent 872\r\n"
            "/CapHeight 872\r\n/Descent -143\r\n/ItalicAngle 0\r\n>>\r\n");

  // A Latin font takes two numbers and the next resource index.
  TPDFFont& century = doc.FontFor(0);
  EXPECT_EQ(century.resourceIndex(), 1);
  EXPECT_EQ(doc.objects().count(), 10);
  EXPECT_NE(body(doc.objects(), 9).find("/FontDescriptor 10 0 R\r\n"), std::string::npos);
  doc.EndDoc();
  EXPECT_NE(out.str().find("/Font <<\r\n/F0 6 0 R\r\n/F1 9 0 R\r\n>>"), std::string::npos);
}

TEST(PdfFonts, TextWidthOfFullWidthAndSingleByteText) {
  std::ostringstream out;
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  TPDFContents& c = doc.Contents();
  c.fontType = 6;
  c.fontSize = 10;
  EXPECT_NEAR(c.TextWidth("ＡB"), 14.79, 1e-9);
  EXPECT_EQ(doc.objects().count(), 8) << "measuring brings the font into the document";
  EXPECT_NEAR(c.TextWidth("ｱ"), 4.79, 1e-9);
  // Character spacing before every character but the first, word spacing per space.
  c.charSpace = 1;
  c.wordSpace = 2;
  EXPECT_NEAR(c.TextWidth("ＡB C"), 10 + (1 + 4.79) + (1 + 4.79 + 2) + (1 + 4.79), 1e-9);
  EXPECT_NEAR(c.TextWidth("Ａ"), 10, 1e-9);
  EXPECT_NEAR(c.TextWidth("bＡ"), 4.79 + 1 + 10, 1e-9);
  c.charSpace = 0;
  c.wordSpace = 0;
  c.fontType = 4;
  EXPECT_NEAR(c.TextWidth("abc"), 3 * 5.75, 1e-9);
}

TEST(PdfFonts, LatinWidthTablesKeepTheTellingRows) {
  struct Row {
    int type;
    unsigned char code;
    int expected;
  };
  const Row rows[] = {
      {0, 31, 719},  {0, ' ', 266}, {0, '0', 533}, {0, '9', 533}, {0, 'A', 692}, {0, 'a', 533},
      {1, ' ', 267}, {1, 'A', 693}, {2, ' ', 266}, {2, '5', 533}, {2, 'A', 639}, {3, ' ', 266},
      {3, 'A', 692}, {4, 31, 575},  {4, 'W', 575}, {5, 255, 575},
  };
  for (const Row& r : rows) {
    auto def = createFontDef(r.type);
    EXPECT_EQ(width(*def, r.code), r.expected) << "type " << r.type << " code " << int(r.code);
  }
  auto century = createFontDef(0);
  const auto& tt = static_cast<const TPDFTrueTypeFontDef&>(*century);
  EXPECT_EQ(tt.widthsText.rfind("[ 719 266 ", 0), 0u);
  EXPECT_EQ(tt.widthsText.substr(tt.widthsText.size() - 2), " ]");
  int lines = 1;
  for (size_t p = 0; (p = tt.widthsText.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
  EXPECT_EQ(lines, 15);  // 14 full lines of 16 and the last value
  for (int c = 31; c <= 255; ++c) EXPECT_GT(century->widths[size_t(c)], 0) << "code " << c;
  EXPECT_NE(century->writeEntries().find("/FirstChar 31\r\n/LastChar 255\r\n/Widths [ 719"),
            std::string::npos);
}

TEST(PdfFonts, JapaneseWidthTableFromTheWArray) {
  for (int type : {6, 7}) {
    auto def = createFontDef(type);
    EXPECT_EQ(def->fontType, type);
    ASSERT_TRUE(def->descendantDef);
    const auto& d = *def->descendantDef;
    EXPECT_EQ(d.widths[0], 1000);
    EXPECT_EQ(d.widths[31], 0);
    for (int c = 32; c <= 125; ++c) EXPECT_EQ(d.widths[size_t(c)], 479) << "code " << c;
    EXPECT_EQ(d.widths[126], 0);
    EXPECT_EQ(d.widths[160], 958);
    for (int c = 161; c <= 223; ++c) EXPECT_EQ(d.widths[size_t(c)], 479) << "code " << c;
    EXPECT_EQ(d.widths[224], 0);
    EXPECT_EQ(d.descriptorDef->flags, type == 6 ? 6 : 4);
  }
  EXPECT_EQ(createFontDef(7)->baseFont, "#82#6C#82#72#20#83#53#83#56#83#62#83#4E");
}

}  // namespace
}  // namespace kovrel

namespace kovrel {
namespace {

// Every font type in one document, read back by the standard tools.
TEST(PdfFonts, AllEightFontsPassQpdfAndPdffonts) {
  if (std::system("command -v qpdf >/dev/null 2>&1 && command -v pdffonts >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "qpdf or pdffonts is not installed";
  }
  std::ostringstream out;
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  for (int type = 0; type < kPdfFontTypeCount; ++type) {
    doc.Contents().fontType = type;
    doc.Contents().TextOut(50, 800 - 20 * type, type >= 6 ? "擁壁 Wall" : "Wall (a\\b)");
  }
  doc.EndDoc();
  const std::string path = testing::TempDir() + "kovrel_fonts.pdf";
  std::ofstream(path, std::ios::binary) << out.str();
  EXPECT_EQ(std::system(("qpdf --check '" + path + "' >/dev/null 2>&1").c_str()), 0);
  FILE* p = ::popen(("pdffonts '" + path + "' 2>&1").c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string listing;
  char buf[512];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) listing.append(buf, n);
  ::pclose(p);
  for (const char* name : {"Century ", "Century,Bold", "Arial ", "Arial,Bold", "Courier ",
                           "Courier,Bold", "WinAnsi", "90msp-RKSJ-H"}) {
    EXPECT_NE(listing.find(name), std::string::npos) << name << "\n" << listing;
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace kovrel
