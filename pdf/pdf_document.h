#pragma once
// The PDF document writer: builds a PDF 1.2 document of text and straight
// lines in memory, page by page, and writes the whole file with its
// cross-reference table when the document ends. Japanese text goes in as
// Shift-JIS through the fonts of pdf/pdf_fonts.h; nothing is compressed or
// embedded.

#include <array>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pdf/pdf_objects.h"

namespace kovrel {

class TRUDAdaze {
 public:
  TRUDAdaze() = default;
  TRUDAdaze(const TRUDAdaze&) = delete;
  TRUDAdaze& operator=(const TRUDAdaze&) = delete;
  ~TRUDAdaze();

  // Starts a document on the stream (nothing is written before EndDoc); the
  // objects of an earlier document are dropped. No stream: PdfError
  // "Invarid Stream".
  void BeginDoc(std::ostream* stream);
  void NewPage();
  // The current page's contents; outside a document PdfError
  // "BeginDocが呼び出されていません".
  TPDFContents& Contents();
  // The font of a type, created with its object numbers on first use.
  TPDFFont& FontFor(int type);
  // Writes the whole file to the stream and ends the document. A stream that
  // fails while being written raises PdfError.
  void EndDoc();

  // Information entries, UTF-8; set before EndDoc.
  std::string author, title, creator, subject;
  // The creation date written into the information dictionary; the local time
  // at EndDoc when not set (tests fix it for repeatable bytes).
  std::optional<std::tm> creationTime;

  bool docOpen() const { return docOpen_; }
  int pageCount() const { return pageCount_; }
  int pageWidth() const { return pageWidth_; }
  int pageHeight() const { return pageHeight_; }
  const TPDFObjectList& objects() const { return objects_; }
  const TPDFObjectList& fonts() const { return fonts_; }
  // The "D:yyyymmddhhnnss" date as it will be written.
  std::string creationDateText() const;

  // Creates an object of the document with the next number.
  template <class T, class... Args>
  T& create(Args&&... args) {
    auto object = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *object;
    owned_.push_back(std::move(object));
    ref.number_ = objects_.add(&ref) + 1;
    return ref;
  }

 private:
  void requireOpen() const;
  void freeObjects();

  std::ostream* stream_ = nullptr;
  TPDFCatalog* catalog_ = nullptr;
  TPDFObjectList objects_;
  TPDFObjectList fonts_;
  TPDFContents* contents_ = nullptr;
  TPDFInfo* info_ = nullptr;
  std::array<bool, kPdfFontTypeCount> fontUsed_{};
  bool docOpen_ = false;
  int pageCount_ = 0;
  int pageWidth_ = 596;
  int pageHeight_ = 842;
  std::vector<std::unique_ptr<TPDFObject>> owned_;
};

}  // namespace kovrel
