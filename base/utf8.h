#pragma once
// Stepping through UTF-8 text one character at a time, for the places that
// measure or re-encode text piece by piece (widths, PDF strings, metadata).

#include <cstddef>
#include <string_view>

namespace kovrel {

// Length of the UTF-8 character that starts at text[i]: 1 to 4 for a
// well-formed character; 1 for a byte that starts none, so a caller steps over
// a broken byte on its own.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i);

// The code point of the character at text[i] of the given length (from
// utf8SequenceLength); U+FFFD for a byte that starts no well-formed character.
char32_t utf8CodePoint(std::string_view text, std::size_t i, std::size_t length);

}  // namespace kovrel
