#include "gui/fonts.h"

#include <QStringList>

namespace kovrel::gui {

void installFontSubstitutions() {
  // Once is enough; a chart painted before any window exists calls this too.
  if (!QFont::substitutes(kFixedFont).isEmpty()) return;
  // IPA fonts first: their metrics match the proportional and fixed-pitch
  // Windows fonts most closely; Noto CJK where they are missing.
  QFont::insertSubstitutions(kWindowFont, {"IPAPGothic", "IPA Pゴシック", "Noto Sans CJK JP",
                                           "IPAGothic", "Noto Sans JP"});
  QFont::insertSubstitutions(kFixedFont, {"IPAGothic", "IPAゴシック", "IPAexGothic",
                                          "Noto Sans Mono CJK JP", "Noto Sans CJK JP"});
  QFont::insertSubstitutions(
      kReportFont, {"IPAMincho", "IPA明朝", "Noto Serif CJK JP", "IPAPMincho", "Noto Sans CJK JP"});
}

QFont windowFont() {
  QFont font(kWindowFont);
  font.setPointSize(9);
  return font;
}

}  // namespace kovrel::gui
