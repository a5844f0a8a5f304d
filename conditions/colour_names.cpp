#include "conditions/colour_names.h"

#include <charconv>
#include <cstdint>

namespace kovrel {
namespace {

struct NamedColour {
  const char* name;
  std::uint32_t value;
};

// The toolkit's colour identifiers: the sixteen standard colours, four extras
// and the system colours (top byte set, low byte the system colour number).
constexpr NamedColour kNames[] = {{"clBlack", 0x000000},
                                  {"clMaroon", 0x000080},
                                  {"clGreen", 0x008000},
                                  {"clOlive", 0x008080},
                                  {"clNavy", 0x800000},
                                  {"clPurple", 0x800080},
                                  {"clTeal", 0x808000},
                                  {"clGray", 0x808080},
                                  {"clSilver", 0xC0C0C0},
                                  {"clRed", 0x0000FF},
                                  {"clLime", 0x00FF00},
                                  {"clYellow", 0x00FFFF},
                                  {"clBlue", 0xFF0000},
                                  {"clFuchsia", 0xFF00FF},
                                  {"clAqua", 0xFFFF00},
                                  {"clWhite", 0xFFFFFF},
                                  {"clMoneyGreen", 0xC0DCC0},
                                  {"clSkyBlue", 0xF0CAA6},
                                  {"clCream", 0xF0FBFF},
                                  {"clMedGray", 0xA4A0A0},
                                  {"clScrollBar", 0xFF000000},
                                  {"clBackground", 0xFF000001},
                                  {"clActiveCaption", 0xFF000002},
                                  {"clInactiveCaption", 0xFF000003},
                                  {"clMenu", 0xFF000004},
                                  {"clWindow", 0xFF000005},
                                  {"clWindowFrame", 0xFF000006},
                                  {"clMenuText", 0xFF000007},
                                  {"clWindowText", 0xFF000008},
                                  {"clCaptionText", 0xFF000009},
                                  {"clActiveBorder", 0xFF00000A},
                                  {"clInactiveBorder", 0xFF00000B},
                                  {"clAppWorkSpace", 0xFF00000C},
                                  {"clHighlight", 0xFF00000D},
                                  {"clHighlightText", 0xFF00000E},
                                  {"clBtnFace", 0xFF00000F},
                                  {"clBtnShadow", 0xFF000010},
                                  {"clGrayText", 0xFF000011},
                                  {"clBtnText", 0xFF000012},
                                  {"clInactiveCaptionText", 0xFF000013},
                                  {"clBtnHighlight", 0xFF000014},
                                  {"cl3DDkShadow", 0xFF000015},
                                  {"cl3DLight", 0xFF000016},
                                  {"clInfoText", 0xFF000017},
                                  {"clInfoBk", 0xFF000018},
                                  {"clNone", 0x1FFFFFFF},
                                  {"clDefault", 0x20000000}};

}  // namespace

std::string colourName(Colour colour) {
  const auto value = static_cast<std::uint32_t>(colour);
  for (const NamedColour& n : kNames) {
    if (n.value == value) return n.name;
  }
  static const char digits[] = "0123456789ABCDEF";
  std::string text = "$";
  for (int shift = 28; shift >= 0; shift -= 4) text += digits[(value >> shift) & 0xF];
  return text;
}

std::optional<Colour> parseColourName(std::string_view text) {
  for (const NamedColour& n : kNames) {
    if (text == n.name) return static_cast<Colour>(n.value);
  }
  std::string_view digits = text;
  int base = 10;
  bool negative = false;
  if (!digits.empty() && digits.front() == '$') {
    digits.remove_prefix(1);
    base = 16;
    if (digits.size() > 8) return std::nullopt;
  } else if (!digits.empty() && digits.front() == '-') {
    digits.remove_prefix(1);
    negative = true;
  }
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  if (negative) {
    if (value > 0x80000000ull) return std::nullopt;
    return static_cast<Colour>(-static_cast<std::int64_t>(value));
  }
  if (value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<Colour>(static_cast<std::uint32_t>(value));
}

}  // namespace kovrel
