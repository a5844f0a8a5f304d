#include "report/reaction_diagram.h"

#include <string>

#include "results/number_picture.h"

namespace kovrel {
namespace {

constexpr const char* kBlank = " ";
constexpr const char* kPressure = "0.00kN/m2";

// Reactions in kN/m2 are drawn below the base, 1 m per 100 kN/m2.
double down(double p) {
  return -p / 100;
}

void add(Series& s, double x, double y, std::string label) {
  s.points.push_back({x, y, std::move(label), std::nullopt});
}

// A vertical from the base to the diagram with the label at the diagram end.
void ordinateEnd(Series& s, const std::string& label, double p, double x) {
  add(s, x, down(p), kBlank);
  add(s, x, 0, kBlank);
  add(s, x, down(p), label);
}

// The same with the label at half height, so that two close ordinates do not
// print over each other.
void ordinateMid(Series& s, const std::string& label, double p, double x) {
  add(s, x, down(p), kBlank);
  add(s, x, 0, kBlank);
  add(s, x, -p / 200, label);
  add(s, x, down(p), kBlank);
}

struct Ordinate {
  bool mid;  // label at half height
  double x;  // m from the toe end
  double p;  // kN/m2
  std::string label;
};

}  // namespace

void drawReactionDiagram(const TAntei& s, Series& series, ReactionVariant variant) {
  series.points.clear();
  const int state = s.bearingState;
  if (state < 0 || state > 2) return;
  const double q1 = s.reactionToe, q2 = s.reactionHeel, d = s.resultantD;
  const double B = s.outlineX[9];

  std::string toeLabel = formatNumber(kPressure, q1);
  std::string heelLabel = formatNumber(kPressure, q2);
  Ordinate ordinates[2];
  int count = 0;
  switch (variant) {
    case ReactionVariant::Plain:
      break;
    case ReactionVariant::ToeSlab:
      toeLabel = formatNumber("0.00", q1);
      heelLabel = kBlank;
      ordinates[count++] = {false, s.outlineX[3], s.reactionAtStemFront,
                            formatNumber(kPressure, s.reactionAtStemFront)};
      break;
    case ReactionVariant::HeelSlab:
      toeLabel = kBlank;
      ordinates[count++] = {
          false, s.outlineX[6], s.reactionAtStemRear,
          state == 1 ? std::string(kBlank) : formatNumber(kPressure, s.reactionAtStemRear)};
      if (state == 0) {
        ordinates[count++] = {true, s.outlineX[34], s.reactionAtHeelSection,
                              formatNumber(kPressure, s.reactionAtHeelSection)};
      }
      break;
    case ReactionVariant::ShearKey:
      ordinates[count++] = {true, s.outlineX[13], s.reactionAtKeyFront,
                            formatNumber("0.00", s.reactionAtKeyFront)};
      ordinates[count++] = {false, s.outlineX[10], s.reactionAtKeyRear,
                            formatNumber("0.00", s.reactionAtKeyRear)};
      break;
  }

  // In the triangle states only the ordinates inside the loaded length show.
  const double toeEnd = 3 * d;               // state 1: loaded from the toe
  const double heelStart = B - 3 * (B - d);  // state 2: loaded up to the heel end
  auto drawOrdinates = [&] {
    for (int i = 0; i < count; ++i) {
      const Ordinate& o = ordinates[i];
      if (state == 1 && !(o.x < toeEnd)) continue;
      if (state == 2 && !(o.x > heelStart)) continue;
      if (o.mid) {
        ordinateMid(series, o.label, o.p, o.x);
      } else {
        ordinateEnd(series, o.label, o.p, o.x);
      }
    }
  };

  if (state == 0 || state == 1) {
    add(series, 0, 0, kBlank);
    add(series, 0, down(q1), toeLabel);
    drawOrdinates();
    if (state == 1) {
      add(series, toeEnd, 0, "0.0kN/m2");
      return;
    }
  } else {
    add(series, heelStart, 0, variant == ReactionVariant::Plain ? "0.0kN/m2" : kBlank);
    drawOrdinates();
  }
  add(series, B, down(q2), heelLabel);
  add(series, B, 0, kBlank);
}

}  // namespace kovrel
