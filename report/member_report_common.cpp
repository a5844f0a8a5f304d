#include "report/member_report_common.h"

#include <string>

#include "engine/load_items.h"
#include "results/number_picture.h"

namespace kovrel {

void writeDesignSummary(StringGrid& g, const DesignSummary& d, std::string_view asPicture) {
  const std::string none = "---";
  g.setCell(1, 1, formatNumber("0.00kNm", d.m));
  g.setCell(1, 2, d.shearChecked ? formatNumber("0.00kN", d.s) : none);
  g.setCell(1, 3, formatNumber(asPicture, d.requiredAs));
  g.setCell(1, 4, formatNumber(asPicture, d.providedAs));
  g.setCell(1, 5, formatNumber("D0", d.diameter) + formatNumber("@0", d.pitch));
  g.setCell(1, 6, formatNumber("0.00N/mm2", d.sigmaC));
  g.setCell(1, 7, formatNumber("0.00N/mm2", d.sigmaS));
  g.setCell(1, 8, d.shearChecked ? formatNumber("0.00N/mm2", d.tauM) : none);
  g.setCell(1, 9, judgementWord(d.ok));
  g.setCell(2, 6, formatNumber("0.00N/mm2", d.sigmaCa));
  g.setCell(2, 7, formatNumber("0.00N/mm2", d.sigmaSa));
  g.setCell(2, 8, d.shearChecked ? formatNumber("0.00N/mm2", d.tauCa) : none);
}

void drawWallOutline(TAntei& s, Series& series) {
  ItemProperties wall = itemProperties(s, "W_A");
  for (int k = 0; k < wall.pointCount; ++k) {
    const ItemPoint& p = wall.points[std::size_t(k)];
    series.points.push_back({p.x, p.y, "", std::nullopt});
  }
}

Colour reactionColour(bool colourOutput) {
  return colourOutput ? clPurple : clBlack;
}

}  // namespace kovrel
