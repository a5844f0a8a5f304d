#pragma once
// The two design conditions that decide which base-slab sections and figures
// an output carries: the wall type (shape page 0 inverted T, 1 L) and whether
// a shear key is present.

#include "conditions/design_conditions.h"

namespace kovrel {

struct WallChoice {
  bool lWall = false;     // PageControl2 on "Ｌ型": no toe slab
  bool shearKey = false;  // RadioGroup2 on "有り"
};

WallChoice wallChoiceOf(const DesignConditions& conditions);

}  // namespace kovrel
