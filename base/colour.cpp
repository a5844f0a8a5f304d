#include "base/colour.h"

#include <cstdio>

namespace kovrel {

std::string colourToHex(Colour c) {
  if (c == clWindow) c = clWhite;
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return buf;
}

}  // namespace kovrel
