#include "base/shift_jis.h"

#include "base/utf8.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace kovrel {
namespace {

// One conversion through iconv. "CP932" is the code page the files use (it has
// the vendor characters such as ① and the half-width katakana), not plain
// SHIFT_JIS.
std::string convert(std::string_view in, const char* to, const char* from, const char* what) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw EncodingError(std::string("the C library has no ") + what + " converter");
  }
  std::unique_ptr<void, int (*)(iconv_t)> guard(cd, iconv_close);
  std::string out;
  out.resize(in.size() * 2 + 16);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  while (srcLeft > 0) {
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) {
      size_t used = out.size() - dstLeft;
      out.resize(out.size() * 2);
      dst = out.data() + used;
      dstLeft = out.size() - used;
      continue;
    }
    size_t offset = in.size() - srcLeft;
    // Name the character when the input is UTF-8, the bytes otherwise.
    std::string shown;
    if (std::string_view(from) == "UTF-8") {
      shown = "\"" + quotedForMessage(in.substr(offset, utf8SequenceLength(in, offset))) + "\"";
    } else {
      char buf[16];
      std::snprintf(buf, sizeof buf, "0x%02X", static_cast<unsigned char>(in[offset]));
      shown = buf;
    }
    throw EncodingError(std::string(errno == EILSEQ ? "no " : "incomplete ") + what + " code for " +
                        shown + " at byte " + std::to_string(offset));
  }
  out.resize(out.size() - dstLeft);
  return out;
}

}  // namespace

std::string toShiftJis(std::string_view utf8) {
  return convert(utf8, "CP932", "UTF-8", "Shift-JIS (code page 932)");
}

std::string fromShiftJis(std::string_view sjis) {
  return convert(sjis, "UTF-8", "CP932", "UTF-8");
}

int shiftJisWidth(std::string_view utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size();) {
    const size_t len = utf8SequenceLength(utf8, i);
    const char32_t cp = utf8CodePoint(utf8, i, len);
    // ASCII and the half-width katakana U+FF61..U+FF9F are single bytes in
    // code page 932.
    width += (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 1 : 2;
    i += len;
  }
  return width;
}

}  // namespace kovrel
