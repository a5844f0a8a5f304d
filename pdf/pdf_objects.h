#pragma once
// The indirect objects of a PDF document. Each takes the next object number
// when the document creates it; the document owns them all and writes their
// bodies, in number order, when it ends.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/colour.h"
#include "pdf/pdf_fonts.h"

namespace kovrel {

class TRUDAdaze;

class TPDFObject {
 public:
  explicit TPDFObject(TRUDAdaze& maker) : maker_(&maker) {}
  virtual ~TPDFObject() = default;
  TPDFObject(const TPDFObject&) = delete;
  TPDFObject& operator=(const TPDFObject&) = delete;

  // The body between "n 0 obj" and "endobj"; each subclass writes its dictionary.
  virtual std::string writeBody() const { return {}; }

  int number() const { return number_; }
  TRUDAdaze& maker() const { return *maker_; }

 private:
  friend class TRUDAdaze;
  int number_ = 0;
  TRUDAdaze* maker_;
};

// An ordered list of objects that does not own them.
class TPDFObjectList {
 public:
  // Appends and returns the index; no object: nothing happens, -1.
  int add(TPDFObject* object);
  // Throws PdfError "Internel Error Invalid Index i" outside 0..count-1.
  TPDFObject* item(int index) const;
  int count() const { return int(items_.size()); }
  // "[" then "n 0 R " for each item, then "]".
  std::string refArray() const;
  void clear() { items_.clear(); }

 private:
  std::vector<TPDFObject*> items_;
};

class TPDFPages : public TPDFObject {
 public:
  using TPDFObject::TPDFObject;
  std::string writeBody() const override;

  TPDFObjectList kids;
  int width() const { return width_; }
  int height() const { return height_; }
  // A size of zero or less leaves the page size as it is.
  void setWidth(int w) {
    if (w > 0) width_ = w;
  }
  void setHeight(int h) {
    if (h > 0) height_ = h;
  }

 private:
  int height_ = 842;
  int width_ = 596;
};

class TPDFCatalog : public TPDFObject {
 public:
  using TPDFObject::TPDFObject;
  std::string writeBody() const override;
  TPDFPages* pages = nullptr;
};

class TPDFContents;

class TPDFPage : public TPDFObject {
 public:
  using TPDFObject::TPDFObject;
  std::string writeBody() const override;
  TPDFContents* contents = nullptr;
  TPDFPages* parent = nullptr;
};

class TPDFFontDescriptor : public TPDFObject {
 public:
  TPDFFontDescriptor(TRUDAdaze& maker, const TPDFFontDescriptorDef& def)
      : TPDFObject(maker), def_(&def) {}
  std::string writeBody() const override;

 private:
  const TPDFFontDescriptorDef* def_;  // owned by the font definition
};

class TPDFFont : public TPDFObject {
 public:
  TPDFFont(TRUDAdaze& maker, int resourceIndex)
      : TPDFObject(maker), resourceIndex_(resourceIndex) {}
  std::string writeBody() const override;

  // Keeps the definition; creates the descriptor object when it has a
  // descriptor and a descendant font (with its own descriptor) when it has one.
  void setDef(std::unique_ptr<TPDFFontDef> def);

  const TPDFFontDef& def() const { return *def_; }
  int resourceIndex() const { return resourceIndex_; }

 private:
  void attach(const TPDFFontDef& def);

  int resourceIndex_;
  std::unique_ptr<TPDFFontDef> owned_;  // a descendant reads its parent's
  const TPDFFontDef* def_ = nullptr;
  TPDFFontDescriptor* descriptor_ = nullptr;
  TPDFFont* descendant_ = nullptr;
};

class TPDFInfo : public TPDFObject {
 public:
  using TPDFObject::TPDFObject;
  std::string writeBody() const override;
};

// A text string of the information dictionary: "FEFF001B6A61001B" (byte-order
// mark and the escape for Japanese) and four upper-case hex digits per UTF-16
// unit of the UTF-8 text, at most 1024 units.
std::string infoHex(std::string_view utf8);

// One page's content stream and its drawing state. Coordinates in points,
// origin at the bottom left of the page; operator lines end with a single CR.
class TPDFContents : public TPDFObject {
 public:
  using TPDFObject::TPDFObject;
  std::string writeBody() const override;

  // UTF-8 text, written as Shift-JIS; a CR (or CR LF) starts a new line.
  void TextOut(double x, double y, std::string_view text);
  // Width in points of UTF-8 text in the current font, size and spacing.
  double TextWidth(std::string_view text);
  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  void DrawLine(double x1, double y1, double x2, double y2);
  // Stroked rectangle; with clip it also saves the state and clips what follows.
  void Rectangle(bool clip, double x1, double y1, double x2, double y2);
  void GSave();
  void GRestore();

  const std::string& data() const { return data_; }

  int fontType = 0;
  double fontSize = 10;
  double lineWidth = 1;
  int lineJoin = 0;
  int lineCap = 0;
  Colour fillColor = clBlack;
  Colour strokeColor = clBlack;
  double leading = 0;
  double charSpace = 0;
  double wordSpace = 0;

 private:
  void line(std::string_view text);
  void point(double x, double y, const char* op);

  std::string data_;
  bool saved_ = false;
};

// UTF-8 to the Shift-JIS bytes the page holds; a character outside the code
// page becomes "?" rather than failing the whole document.
std::string pdfShiftJis(std::string_view utf8);

}  // namespace kovrel
