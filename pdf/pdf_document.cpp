#include "pdf/pdf_document.h"

#include <charconv>
#include <ostream>

#include "pdf/pdf_error.h"

namespace kovrel {
namespace {

void appendPadded(std::string& out, long long value, int digits) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  for (int n = int(r.ptr - buf); n < digits; ++n) out += '0';
  out.append(buf, r.ptr);
}

}  // namespace

TRUDAdaze::~TRUDAdaze() = default;

void TRUDAdaze::freeObjects() {
  objects_.clear();
  fonts_.clear();
  contents_ = nullptr;
  catalog_ = nullptr;
  info_ = nullptr;
  owned_.clear();
}

void TRUDAdaze::requireOpen() const {
  if (!docOpen_) throw PdfError("BeginDocが呼び出されていません");
}

void TRUDAdaze::BeginDoc(std::ostream* stream) {
  if (stream == nullptr) throw PdfError("Invarid Stream");
  stream_ = stream;
  freeObjects();
  catalog_ = &create<TPDFCatalog>();
  catalog_->pages = &create<TPDFPages>();
  catalog_->pages->setWidth(pageWidth_);
  catalog_->pages->setHeight(pageHeight_);
  fontUsed_.fill(false);
  info_ = &create<TPDFInfo>();
  pageCount_ = 0;
  docOpen_ = true;
  NewPage();
}

void TRUDAdaze::NewPage() {
  requireOpen();
  TPDFPage& page = create<TPDFPage>();
  page.parent = catalog_->pages;
  page.contents = &create<TPDFContents>();
  catalog_->pages->kids.add(&page);
  contents_ = page.contents;
  ++pageCount_;
}

TPDFContents& TRUDAdaze::Contents() {
  if (!docOpen_ || contents_ == nullptr) throw PdfError("BeginDocが呼び出されていません");
  return *contents_;
}

TPDFFont& TRUDAdaze::FontFor(int type) {
  requireOpen();
  if (type >= 0 && type < kPdfFontTypeCount && fontUsed_[size_t(type)]) {
    for (int i = 0; i < fonts_.count(); ++i) {
      auto* font = static_cast<TPDFFont*>(fonts_.item(i));
      if (font->def().fontType == type) return *font;
    }
  }
  // The definition first, so an unknown type adds no object.
  std::unique_ptr<TPDFFontDef> def = createFontDef(type);
  TPDFFont& font = create<TPDFFont>(fonts_.count());
  fonts_.add(&font);
  font.setDef(std::move(def));
  fontUsed_[size_t(type)] = true;
  return font;
}

std::string TRUDAdaze::creationDateText() const {
  std::tm t{};
  if (creationTime) {
    t = *creationTime;
  } else {
    std::time_t now = std::time(nullptr);
    localtime_r(&now, &t);
  }
  std::string s = "D:";
  appendPadded(s, t.tm_year + 1900LL, 4);
  appendPadded(s, t.tm_mon + 1, 2);
  appendPadded(s, t.tm_mday, 2);
  appendPadded(s, t.tm_hour, 2);
  appendPadded(s, t.tm_min, 2);
  appendPadded(s, t.tm_sec, 2);
  return s;
}

void TRUDAdaze::EndDoc() {
  requireOpen();
  docOpen_ = false;
  // The file is built whole in memory, so every offset is the byte position
  // of its object in what reaches the stream.
  std::string file = "%PDF-1.2 \r\n";
  std::vector<size_t> offsets;
  offsets.reserve(size_t(objects_.count()));
  for (int i = 0; i < objects_.count(); ++i) {
    const TPDFObject* o = objects_.item(i);
    offsets.push_back(file.size());
    file += std::to_string(o->number()) + " 0 obj\r\n";
    file += o->writeBody();
    file += "endobj\r\n";
  }
  const size_t xref = file.size();
  file += "xref\r\n0 " + std::to_string(objects_.count() + 1) + "\r\n";
  file += "0000000000 65535 f\r\n";
  for (size_t offset : offsets) {
    appendPadded(file, static_cast<long long>(offset), 10);
    file += " 00000 n\r\n";
  }
  file += "trailer\r\n<<\r\n/Size " + std::to_string(objects_.count() + 1) + "\r\n/Root " +
          std::to_string(catalog_->number()) + " 0 R\r\n/Info " + std::to_string(info_->number()) +
          " 0 R\r\n>>\r\nstartxref\r\n" + std::to_string(xref) + "\r\n%%EOF\r\n";
  contents_ = nullptr;
  stream_->write(file.data(), static_cast<std::streamsize>(file.size()));
  stream_->flush();
  if (!*stream_) throw PdfError("the PDF file could not be written");
}

}  // namespace kovrel
