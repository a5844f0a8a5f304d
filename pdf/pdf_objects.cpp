#include "pdf/pdf_objects.h"

#include "base/utf8.h"
#include "pdf/pdf_document.h"
#include "pdf/pdf_error.h"

namespace kovrel {
namespace {

std::string ref(int number) {
  return std::to_string(number) + " 0 R";
}

}  // namespace

int TPDFObjectList::add(TPDFObject* object) {
  if (object == nullptr) return -1;
  items_.push_back(object);
  return int(items_.size()) - 1;
}

TPDFObject* TPDFObjectList::item(int index) const {
  if (index < 0 || index >= count()) {
    throw PdfError("Internel Error Invalid Index " + std::to_string(index));
  }
  return items_[size_t(index)];
}

std::string TPDFObjectList::refArray() const {
  std::string s = "[";
  for (const TPDFObject* o : items_) s += std::to_string(o->number()) + " 0 R ";
  s += "]";
  return s;
}

std::string TPDFCatalog::writeBody() const {
  return "<<\r\n/Type /Catalog\r\n/Pages " + ref(pages ? pages->number() : 0) + "\r\n>>\r\n";
}

std::string TPDFPages::writeBody() const {
  return "<<\r\n/Kids " + kids.refArray() + "\r\n/Count " + std::to_string(kids.count()) +
         "\r\n/Type /Pages\r\n/MediaBox [ 0 0 " + std::to_string(width_) + " " +
         std::to_string(height_) + " ]\r\n>>\r\n";
}

std::string TPDFPage::writeBody() const {
  // Resources are written at the end of the document, so every page lists
  // every font used anywhere in it.
  std::string s = "<<\r\n/Type /Page\r\n/Parent " + ref(parent ? parent->number() : 0) +
                  "\r\n/Resources <<\r\n/Font <<\r\n";
  const TPDFObjectList& fonts = maker().fonts();
  for (int k = 0; k < fonts.count(); ++k) {
    s += "/F" + std::to_string(k) + " " + ref(fonts.item(k)->number()) + "\r\n";
  }
  s += ">>\r\n/ProcSet [ /PDF /Text ]\r\n>>\r\n/Contents " +
       ref(contents ? contents->number() : 0) + "\r\n>>\r\n";
  return s;
}

std::string TPDFFontDescriptor::writeBody() const {
  const TPDFFontDescriptorDef& d = *def_;
  return "<<\r\n/Type /FontDescriptor\r\n/FontName /" + d.fontName + "\r\n/Flags " +
         std::to_string(d.flags) + "\r\n/FontBBox [ " + std::to_string(d.fontBBox[0]) + " " +
         std::to_string(d.fontBBox[1]) + " " + std::to_string(d.fontBBox[2]) + " " +
         std::to_string(d.fontBBox[3]) + " ]\r\n/StemV " + std::to_string(d.stemV) +
         "\r\n/Ascent " + std::to_string(d.ascent) + "\r\n/CapHeight " +
         std::to_string(d.capHeight) + "\r\n/Descent " + std::to_string(d.descent) +
         "\r\n/ItalicAngle " + std::to_string(d.italicAngle) + "\r\n>>\r\n";
}

void TPDFFont::setDef(std::unique_ptr<TPDFFontDef> def) {
  owned_ = std::move(def);
  attach(*owned_);
}

void TPDFFont::attach(const TPDFFontDef& def) {
  def_ = &def;
  if (def.descriptorDef) descriptor_ = &maker().create<TPDFFontDescriptor>(*def.descriptorDef);
  if (def.descendantDef) {
    // The descendant is no page resource: it carries the name /F0.
    descendant_ = &maker().create<TPDFFont>(0);
    descendant_->attach(*def.descendantDef);
  }
}

std::string TPDFFont::writeBody() const {
  const TPDFFontDef& d = def();
  std::string s =
      "<<\r\n/Type /Font\r\n/Name /F" + std::to_string(resourceIndex_) + "\r\n" + d.writeEntries();
  if (descriptor_) s += "/FontDescriptor " + ref(descriptor_->number()) + "\r\n";
  if (descendant_) s += "/DescendantFonts [" + ref(descendant_->number()) + "]\r\n";
  s += ">>\r\n";
  return s;
}

std::string TPDFInfo::writeBody() const {
  const TRUDAdaze& doc = maker();
  return "<<\r\n/CreationDate (" + doc.creationDateText() + ")\r\n/Creator <" +
         infoHex(doc.creator) + ">\r\n/Producer (RUDAdaze0.4)\r\n/Author <" + infoHex(doc.author) +
         ">\r\n/Title <" + infoHex(doc.title) + ">\r\n/Subject <" + infoHex(doc.subject) +
         ">\r\n>>\r\n";
}

std::string infoHex(std::string_view utf8) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "FEFF001B6A61001B";
  int units = 0;
  auto unit = [&](unsigned u) {
    if (units >= 1024) return;
    ++units;
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(u >> shift) & 0xF];
  };
  for (size_t i = 0; i < utf8.size() && units < 1024;) {
    const size_t len = utf8SequenceLength(utf8, i);
    const char32_t cp = utf8CodePoint(utf8, i, len);
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      unit(unsigned(0xD800 + ((cp - 0x10000) >> 10)));
      unit(unsigned(0xDC00 + ((cp - 0x10000) & 0x3FF)));
    } else {
      unit(unsigned(cp));
    }
    i += len;
  }
  return out;
}

}  // namespace kovrel
