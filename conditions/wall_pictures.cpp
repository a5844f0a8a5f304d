#include "conditions/wall_pictures.h"

namespace kovrel {

OutlineCase outlineCase(const DesignConditions& dc) {
  bool lType = dc.index("PageControl2") == 1;
  bool key = dc.index("RadioGroup2") == 1;
  if (lType) return key ? OutlineCase::LTypeWithKey : OutlineCase::LType;
  return key ? OutlineCase::InvertedTWithKey : OutlineCase::InvertedT;
}

TWaLLImage baseOutline(OutlineCase outline) {
  TWaLLImage image;
  const bool lType = outline == OutlineCase::LType || outline == OutlineCase::LTypeWithKey;
  const bool key = outline == OutlineCase::InvertedTWithKey || outline == OutlineCase::LTypeWithKey;
  image.x = {93, 93, 110, 117, 121, 130, 134, 140, 193, 193, 130, 130, 130, 130};
  image.y = {184, 175, 168, 168, 64, 64, 168, 168, 175, 184, 184, 184, 184, 184};
  // The L type has no toe: its first points collapse onto the stem's front foot.
  if (lType) image.x[0] = image.x[1] = image.x[2] = 117;
  if (key) {
    image.x[12] = image.x[13] = 119;
    image.y[11] = image.y[12] = 198;
  }
  return image;
}

int surchargeState(const DesignConditions& dc) {
  int state = 0;
  const int tab = dc.index("TabControl1");
  const bool flatOnly = dc.index("RadioGroup8") == 0;
  if (dc.checked("CheckBox1")) {
    if (tab == 1) {
      state = flatOnly ? 0 : 2;
    } else {
      state = flatOnly ? 1 : 2;
    }
    // Nothing on the virtual back face: the band stops short of the heel.
    if (dc.index("RadioGroup4") == 1 && !(tab == 1 && flatOnly)) state = 3;
  }
  if (dc.checked("CheckBox4") && state <= 2) state = 2;
  return state;
}

void redrawWallPictures(const DesignConditions& dc, WallPictures& p) {
  p.outline = outlineCase(dc);
  p.backfillTab = dc.index("TabControl1");
  p.surcharge = surchargeState(dc);
  const TWaLLImage base = baseOutline(p.outline);
  const bool key = dc.index("RadioGroup2") == 1;
  struct Placement {
    const char* name;
    int dx, dy;
  };
  const Placement placements[] = {{"Image1", 0, 0},   {"Image3", 0, 0},    {"Image6", -85, -135},
                                  {"Image8", -75, 0}, {"Image5", -40, 20}, {"Image4", 20, 0}};
  p.pictures.clear();
  for (const Placement& place : placements) {
    WallPicture pic;
    pic.name = place.name;
    pic.shiftX = place.dx;
    pic.shiftY = place.dy;
    pic.outline = base;
    for (int i = 0; i < 14; ++i) {
      pic.outline.x[size_t(i)] += place.dx;
      pic.outline.y[size_t(i)] += place.dy;
    }
    const std::string n = place.name;
    pic.dimensionGuides = n == "Image1" || n == "Image3";
    pic.keyGuides = n == "Image6" && key;
    if (n == "Image5") {
      pic.passive = dc.checked("CheckBox9");
      pic.water = dc.checked("CheckBox3");
      pic.wind = dc.checked("CheckBox5");
      pic.collision = dc.checked("CheckBox6");
    }
    pic.groundGuides = n == "Image4";
    p.pictures.push_back(pic);
  }
  ++p.redraws;
}

}  // namespace kovrel
