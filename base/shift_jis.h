#pragma once
// The Shift-JIS boundary. Text is UTF-8 everywhere inside the program; the
// files the program shares with its users' other tools (design-condition files,
// the text report, strings inside the PDF) are code page 932, converted here.

#include <stdexcept>
#include <string>
#include <string_view>

namespace kovrel {

class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 to code page 932. Throws EncodingError naming the first character that
// has no code in the page (or the byte offset of malformed UTF-8).
std::string toShiftJis(std::string_view utf8);

// Code page 932 to UTF-8. Throws EncodingError at the first byte sequence that
// is not valid code page 932.
std::string fromShiftJis(std::string_view sjis);

// Whether a byte of code page 932 text starts a two-byte character.
inline bool isShiftJisLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Width of a UTF-8 text in Shift-JIS bytes: ASCII and half-width katakana count
// one, every other character two. Computed from the text itself, so it never
// fails; a character outside the code page counts two, as the full-width
// replacement it would need.
int shiftJisWidth(std::string_view utf8);

}  // namespace kovrel
