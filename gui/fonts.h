#pragma once
// The window fonts the program names ("ＭＳ Ｐゴシック", "ＭＳ ゴシック",
// "ＭＳ 明朝") come from another platform; each is mapped to the Japanese
// fonts installed here, so every caption renders.

#include <QFont>

namespace kovrel::gui {

inline constexpr const char* kWindowFont = "ＭＳ Ｐゴシック";
inline constexpr const char* kFixedFont = "ＭＳ ゴシック";
inline constexpr const char* kReportFont = "ＭＳ 明朝";

// Registers the substitutions; the first call does it, later calls nothing.
void installFontSubstitutions();

// The windows' font: "ＭＳ Ｐゴシック" 9 pt.
QFont windowFont();

}  // namespace kovrel::gui
