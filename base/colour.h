#pragma once
// Colours as the window toolkit numbers them: 0x00BBGGRR, red in the low byte.
// The design-conditions file stores these numbers, so they are kept as they are
// and only turned into "#RRGGBB" at the edge (JSON, SVG).

#include <cstdint>
#include <string>

namespace kovrel {

using Colour = std::int32_t;

constexpr Colour rgb(int r, int g, int b) {
  return Colour(r | (g << 8) | (b << 16));
}

inline constexpr Colour clBlack = rgb(0, 0, 0);
inline constexpr Colour clMaroon = rgb(128, 0, 0);
inline constexpr Colour clGreen = rgb(0, 128, 0);
inline constexpr Colour clOlive = rgb(128, 128, 0);
inline constexpr Colour clNavy = rgb(0, 0, 128);
inline constexpr Colour clPurple = rgb(128, 0, 128);
inline constexpr Colour clTeal = rgb(0, 128, 128);
inline constexpr Colour clGray = rgb(128, 128, 128);
inline constexpr Colour clSilver = rgb(192, 192, 192);  // 12632256
inline constexpr Colour clRed = rgb(255, 0, 0);
inline constexpr Colour clLime = rgb(0, 255, 0);
inline constexpr Colour clYellow = rgb(255, 255, 0);
inline constexpr Colour clBlue = rgb(0, 0, 255);
inline constexpr Colour clFuchsia = rgb(255, 0, 255);
inline constexpr Colour clAqua = rgb(0, 255, 255);
inline constexpr Colour clWhite = rgb(255, 255, 255);
// The system colour of an input field's background. The toolkit numbers system
// colours with the top byte set; the file stores the name "clWindow".
inline constexpr Colour clWindow = Colour(0xFF000005u);

// "#RRGGBB"; a system colour is shown as the white it stands for.
std::string colourToHex(Colour c);

}  // namespace kovrel
