#pragma once
// Stepping through UTF-8 text one character at a time, for the places that
// measure or re-encode text piece by piece (widths, PDF strings, metadata),
// and the strict check at the program's borders (command line, JSON).

#include <cstddef>
#include <string>
#include <string_view>

namespace kovrel {

// Length of the UTF-8 character that starts at text[i]: 1 to 4 for a
// well-formed character; 1 for a byte that starts none, so a caller steps over
// a broken byte on its own.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// The code point of the character at text[i] of the given length (from
// utf8SequenceLength); U+FFFD for a byte that starts no well-formed character.
char32_t utf8CodePoint(std::string_view text, std::size_t i, std::size_t length);

// Length of the well-formed character at text[i] by the strict rules of
// RFC 3629 (no overlong forms, no surrogates, nothing beyond U+10FFFF); 0 when
// the bytes there start none.
std::size_t utf8StrictLength(std::string_view text, std::size_t i);

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// The text as a message may quote it: well-formed characters as they are,
// every other byte and every control character as \xNN, cut after
// `maxBytes` bytes of the original with "..." so a message never carries a
// flood of bad text.
std::string quotedForMessage(std::string_view text, std::size_t maxBytes = 200);

}  // namespace kovrel
