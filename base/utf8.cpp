#include "base/utf8.h"

namespace kovrel {

std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  const std::size_t len = lead < 0x80                    ? 1
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 1;
  if (i + len > text.size()) return 1;
  for (std::size_t k = 1; k < len; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
  }
  return len;
}

char32_t utf8CodePoint(std::string_view text, std::size_t i, std::size_t length) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  if (length == 1) return lead < 0x80 ? char32_t(lead) : char32_t(0xFFFD);
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  }
  // Surrogates and code points beyond Unicode are no characters.
  if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) return 0xFFFD;
  return cp;
}

}  // namespace kovrel
