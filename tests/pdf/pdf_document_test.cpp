#include "pdf/pdf_document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

#include "pdf/pdf_error.h"
#include "pdf/pdf_numbers.h"

namespace kovrel {
namespace {

std::tm fixedTime() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 10;
  t.tm_hour = 9;
  t.tm_min = 5;
  t.tm_sec = 7;
  return t;
}

// A document with a fixed date; `draw` fills its first page.
template <class Draw>
std::string document(Draw draw) {
  std::ostringstream out;
  TRUDAdaze doc;
  doc.creationTime = fixedTime();
  doc.BeginDoc(&out);
  draw(doc);
  doc.EndDoc();
  return out.str();
}

template <class F>
std::string errorOf(F f) {
  try {
    f();
  } catch (const PdfError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(PdfDocument, OneEmptyPageHasFiveObjectsAndAnEmptyStream) {
  const std::string file = document([](TRUDAdaze&) {});
  EXPECT_EQ(file.rfind("%PDF-1.2 \r\n", 0), 0u);
  EXPECT_NE(file.find("xref\r\n0 6\r\n0000000000 65535 f\r\n"), std::string::npos);
  EXPECT_NE(file.find("trailer\r\n<<\r\n/Size 6\r\n/Root 1 0 R\r\n/Info 3 0 R\r\n>>\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("5 0 obj\r\n<<\r\n/Length 0\r\n>>\r\nstream\r\n\nendstream\r\nendobj\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("1 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages 2 0 R\r\n>>\r\nendobj\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("2 0 obj\r\n<<\r\n/Kids [4 0 R ]\r\n/Count 1\r\n/Type /Pages\r\n"
                      "/MediaBox [ 0 0 596 842 ]\r\n>>\r\nendobj\r\n"),
            std::string::npos);
  EXPECT_NE(file.find("4 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 2 0 R\r\n/Resources <<\r\n"
                      "/Font <<\r\n>>\r\n/ProcSet [ /PDF /Text ]\r\n>>\r\n/Contents 5 0 R\r\n"
                      ">>\r\nendobj\r\n"),
            std::string::npos);
  EXPECT_EQ(file.substr(file.size() - 7), "%%EOF\r\n");
}

TEST(PdfDocument, CrossReferenceOffsetsAreTheObjectsBytePositions) {
  const std::string file = document([](TRUDAdaze& doc) {
    doc.Contents().fontType = 6;
    doc.Contents().TextOut(10, 20, "擁壁(1)");
    doc.NewPage();
    doc.Contents().DrawLine(0, 0, 100, 100);
  });
  const size_t xref = file.find("\r\nxref\r\n") + 2;
  ASSERT_NE(xref, std::string::npos + 2);
  const std::string start = "startxref\r\n" + std::to_string(xref) + "\r\n%%EOF\r\n";
  EXPECT_EQ(file.substr(file.size() - start.size()), start);

  std::istringstream table(file.substr(xref));
  std::string line;
  std::getline(table, line);  // xref
  int first = 0, count = 0;
  table >> first >> count;
  ASSERT_EQ(count, 11);  // entry 0, 7 objects of the document and two pages, 3 of the font
  std::getline(table, line);
  std::getline(table, line);
  EXPECT_EQ(line, "0000000000 65535 f\r");
  for (int n = 1; n < count; ++n) {
    std::getline(table, line);
    ASSERT_EQ(line.size(), 19u) << "entry " << n;  // 20 bytes with the LF
    const size_t offset = std::stoul(line.substr(0, 10));
    const std::string head = std::to_string(n) + " 0 obj\r\n";
    EXPECT_EQ(file.compare(offset, head.size(), head), 0)
        << "object " << n << " at " << offset << " finds \"" << file.substr(offset, 12) << "\"";
  }
  // The font took 6 to 8 when first used, so the second page is 9.
  EXPECT_NE(file.find("/Kids [4 0 R 9 0 R ]\r\n/Count 2"), std::string::npos);
}

TEST(PdfDocument, InformationEntriesAreUtf16WithTheJapaneseEscape) {
  const std::string file = document([](TRUDAdaze& doc) {
    doc.title = "擁壁";
    doc.author = "KVR";
    doc.creator = "";
    doc.subject = "A";
  });
  EXPECT_NE(file.find("3 0 obj\r\n<<\r\n/CreationDate (D:20261210090507)\r\n"
                      "/Creator <FEFF001B6A61001B>\r\n/Producer (RUDAdaze0.4)\r\n"
                      "/Author <FEFF001B6A61001B004B00560052>\r\n"
                      "/Title <FEFF001B6A61001B64C158C1>\r\n"
                      "/Subject <FEFF001B6A61001B0041>\r\n>>\r\nendobj"),
            std::string::npos);
  // At most 1024 units; a character beyond the basic plane takes two.
  EXPECT_EQ(infoHex(std::string(2000, 'x')).size(), 16u + 4 * 1024);
  EXPECT_EQ(infoHex("\xF0\x9F\x98\x80"), "FEFF001B6A61001BD83DDE00");
  EXPECT_EQ(infoHex("\xFF"), "FEFF001B6A61001BFFFD");
}

TEST(PdfContents, TextOutWritesItsStateLinesWithCrEnds) {
  std::string data;
  document([&](TRUDAdaze& doc) {
    TPDFContents& c = doc.Contents();
    c.fontSize = 12;
    c.fillColor = clRed;
    c.TextOut(50, 40.5, "ab");
    data = c.data();
  });
  EXPECT_EQ(data, "BT\r/F0 12 Tf\r1 0 0 rg \r0 TL\r0 Tc\r0 Tw\r50 40.5 Td\r(ab) Tj\rET\r");
}

TEST(PdfContents, TextPiecesSplitAtCrAndEscapeOrHex) {
  struct Case {
    const char* text;
    const char* pieces;
  };
  const Case cases[] = {
      {"ab\r\ncd", "(ab) Tj\rT*\r(cd) Tj\r"},
      {"ab\rcd", "(ab) Tj\rT*\r(cd) Tj\r"},
      {"ab\r", "(ab) Tj\r"},
      {"ab\r\n", "(ab) Tj\r"},
      {"a(b)\\c", "(a\\(b\\)\\\\c) Tj\r"},
      // "表" ends in the byte of "\": Japanese pieces go in hex, never escaped.
      {"表(", "<955C28> Tj\r"},
      {"x\r\n表", "(x) Tj\rT*\r<955C> Tj\r"},
      {"ｱ", "(\xB1) Tj\r"},  // half-width katakana are single bytes
      // Neither malformed UTF-8 nor a character outside the code page stops a page.
      {"a\xFF\xFE"
       "b",
       "(a??b) Tj\r"},
      {"x\xF0\x9F\x98\x80y", "(x?y) Tj\r"},
      {"", "() Tj\r"},
  };
  for (const Case& k : cases) {
    std::string data;
    document([&](TRUDAdaze& doc) {
      doc.Contents().TextOut(0, 0, k.text);
      data = doc.Contents().data();
    });
    const std::string head = "0 0 Td\r";
    const size_t at = data.find(head) + head.size();
    EXPECT_EQ(data.substr(at, data.size() - at - 3), k.pieces) << "text \"" << k.text << "\"";
  }
}

TEST(PdfContents, LinesRectanglesAndOneSaveLevel) {
  document([](TRUDAdaze& doc) {
    TPDFContents& c = doc.Contents();
    c.lineWidth = 0.75;
    c.strokeColor = clBlue;
    c.DrawLine(45, 797, 571, 797);
    EXPECT_EQ(c.data(), "45 797 m\r0 J\r0 0 1 RG \r0.75 w\r571 797 l\rS\rn\r");

    TRUDAdaze other;
    std::ostringstream sink;
    other.BeginDoc(&sink);
    TPDFContents& r = other.Contents();
    r.Rectangle(true, 10, 20, 30, 5);
    r.GSave();  // already saved by the clip: no second q
    r.GRestore();
    r.GRestore();  // nothing saved: nothing written
    EXPECT_EQ(r.data(), "10 20 m\r1 w\r0 j\r0 0 0 RG \r10 5 l\r30 5 l\r30 20 l\rq\rW\rs\rQ\r");
  });
}

TEST(PdfDocument, MisuseRaisesTheWritersMessages) {
  TRUDAdaze doc;
  EXPECT_EQ(errorOf([&] { doc.BeginDoc(nullptr); }), "Invarid Stream");
  EXPECT_EQ(errorOf([&] { doc.Contents(); }), "BeginDocが呼び出されていません");
  EXPECT_EQ(errorOf([&] { doc.EndDoc(); }), "BeginDocが呼び出されていません");
  EXPECT_EQ(errorOf([&] { doc.objects().item(0); }), "Internel Error Invalid Index 0");

  std::ostringstream out;
  doc.BeginDoc(&out);
  TPDFContents& page = doc.Contents();
  EXPECT_EQ(errorOf([&] { doc.objects().item(5); }), "Internel Error Invalid Index 5");
  EXPECT_EQ(errorOf([&] { doc.objects().item(-1); }), "Internel Error Invalid Index -1");
  EXPECT_EQ(errorOf([&] { doc.FontFor(8); }), "このフォントは現在サポートされていません (8)");
  EXPECT_EQ(doc.objects().count(), 5) << "an unknown font type adds no object";
  doc.EndDoc();
  EXPECT_EQ(errorOf([&] { doc.Contents(); }), "BeginDocが呼び出されていません");
  EXPECT_EQ(errorOf([&] { page.MoveTo(1, 1); }), "BeginDocが呼び出されていません");

  // A new document starts from object 1 again.
  std::ostringstream again;
  doc.BeginDoc(&again);
  EXPECT_EQ(doc.objects().count(), 5);
  EXPECT_EQ(doc.pageCount(), 1);
  EXPECT_EQ(doc.fonts().count(), 0);
}

TEST(PdfDocument, AFailingStreamIsReported) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  TRUDAdaze doc;
  doc.BeginDoc(&out);
  EXPECT_THROW(doc.EndDoc(), PdfError);
}

TEST(PdfNumbers, RealsAreTruncatedCentsInShortestForm) {
  const std::pair<double, const char*> cases[] = {
      {817, "817"},      {0.75, "0.75"},           {12.5, "12.5"},      {0.2, "0.2"},
      {1.0 / 3, "0.33"}, {2.675, "2.68"},          {-1.234, "-1.22"},   {-0.004, "0"},
      {0, "0"},          {1e300, "1000000000000"}, {std::nan(""), "0"}, {HUGE_VAL, "0"},
  };
  for (const auto& [v, text] : cases) EXPECT_EQ(pdfReal(v), text) << "value " << v;
  EXPECT_EQ(pdfColour(clRed), "1 0 0");
  EXPECT_EQ(pdfColour(rgb(128, 0, 255)), "0.5 0 1");
  EXPECT_EQ(pdfColour(clWindow), "1 1 1");
}

}  // namespace
}  // namespace kovrel
