#pragma once
// Colours by name, as the design-condition file writes them: the toolkit's
// identifier where the colour has one ("clSilver", "clWindow" ...), otherwise
// "$" and eight upper-case hexadecimal digits of the 0x00BBGGRR value.

#include <optional>
#include <string>
#include <string_view>

#include "base/colour.h"

namespace kovrel {

std::string colourName(Colour colour);

// Accepts every identifier colourName writes, the "$" form (one to eight hex
// digits, either case) and a decimal colour value; nothing else.
std::optional<Colour> parseColourName(std::string_view text);

}  // namespace kovrel
