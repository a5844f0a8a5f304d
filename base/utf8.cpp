#include "base/utf8.h"

#include <cstdio>

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

std::size_t utf8StrictLength(std::string_view text, std::size_t i) {
  if (i >= text.size()) return 0;
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return 1;
  // The allowed range of the second byte narrows after E0, ED, F0 and F4;
  // that is what rules out overlong forms, surrogates and code points past
  // U+10FFFF.
  std::size_t len = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    len = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    len = 3;
    if (lead == 0xE0) lo = 0xA0;
    if (lead == 0xED) hi = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    len = 4;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (i + len > text.size()) return 0;
  const unsigned char second = static_cast<unsigned char>(text[i + 1]);
  if (second < lo || second > hi) return 0;
  for (std::size_t k = 2; k < len; ++k) {
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  }
  return len;
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = utf8StrictLength(text, i);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string quotedForMessage(std::string_view text, std::size_t maxBytes) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size() && i < maxBytes) {
    const std::size_t len = utf8StrictLength(text, i);
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (len == 0 || (len == 1 && (c < 0x20 || c == 0x7F))) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
      ++i;
    } else if (i + len > maxBytes) {
      break;  // a character cut by the limit goes with the rest
    } else {
      out.append(text.substr(i, len));
      i += len;
    }
  }
  if (i < text.size()) out += "...";
  return out;
}

}  // namespace kovrel
