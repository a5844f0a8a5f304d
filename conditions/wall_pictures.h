#pragma once
// The schematic wall pictures of the design-conditions window as data: which
// outline (wall type, shear key), backfill shape, surcharge band and extra
// loads each picture shows, in fixed pixel coordinates (y grows downwards).
// A GUI draws from this; the pictures never show dimensions to scale.

#include <array>
#include <string>
#include <vector>

#include "conditions/design_conditions.h"

namespace kovrel {

// One picture outline: points 0-9 round the wall from the toe bottom corner to
// the heel bottom corner, 10-13 the shear key (on the base line without key).
struct TWaLLImage {
  std::array<int, 14> x{};
  std::array<int, 14> y{};
};

enum class OutlineCase { InvertedT, InvertedTWithKey, LType, LTypeWithKey };

// 0 no band, 1 on the flat part, 2 on the whole surface, 3 on the whole
// surface except above the heel.
int surchargeState(const DesignConditions& dc);

OutlineCase outlineCase(const DesignConditions& dc);
TWaLLImage baseOutline(OutlineCase outline);

struct WallPicture {
  std::string name;  // Image1, Image3, Image6, Image8, Image5, Image4
  int shiftX = 0;    // pixels applied to the base outline
  int shiftY = 0;
  TWaLLImage outline;            // already shifted
  bool dimensionGuides = false;  // Image1 / Image3: guide lines of the dimension edits
  bool keyGuides = false;        // Image6 with a key
  bool passive = false, water = false, wind = false, collision = false;  // Image5
  bool groundGuides = false;  // Image4: supporting ground, Df, Df'
};

struct WallPictures {
  OutlineCase outline = OutlineCase::InvertedT;
  int backfillTab = 0;  // 0 flat, 1 slope, 2 embankment
  int surcharge = 0;    // surchargeState
  std::vector<WallPicture> pictures;
  int redraws = 0;  // how often the pictures were redrawn
};

// Recomputes every picture from the switches of the conditions.
void redrawWallPictures(const DesignConditions& dc, WallPictures& pictures);

}  // namespace kovrel
