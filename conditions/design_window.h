#pragma once
// What the design-conditions window shows beyond the stored controls: its
// caption, which pages and tabs are visible or active, the picture labels the
// load switches show, the seismic aid tables and lists, and the pictures.
// None of this is stored in a design-condition file or read by the
// calculation; the window rules keep it in step with the controls.

#include <map>
#include <string>
#include <vector>

#include "base/colour.h"
#include "conditions/wall_pictures.h"

namespace kovrel {

// A display-only grid of the window: cells row-major.
struct AidGrid {
  int colCount = 0;
  int rowCount = 0;
  std::vector<std::string> cells;
  const std::string& cell(int col, int row) const { return cells[size_t(row * colCount + col)]; }
};

struct DesignWindow {
  std::string caption = "設計条件";
  bool visible = false;

  // Load pages "(1)自重", "(2)背面土形状、載荷重、土圧", "(3)その他の荷重",
  // "(4)設計震度": the active one, and whether the seismic page shows.
  int loadPage = 0;
  bool seismicPageVisible = false;
  // The two aid pages of the seismic page: enabled only in the seismic case.
  bool aidPagesEnabled = false;
  int aidPage = 0;
  // Background of StringGrid1, StringGrid2 and ListBox1.
  Colour aidBackground = clSilver;

  // Reinforcement tabs "たて壁", "つま先", "踵", "突起".
  int rebarTab = 0;
  bool heelRebarTabVisible = true;
  bool keyRebarTabVisible = false;  // design window TabSheet12 "突起"
  bool wallTypeTabsVisible = true;
  bool radioGroup4Visible = true;

  // Labels over the pictures, by caption: "仮想地盤面 ----", "Ho", "H1",
  // "H2", "H3", "(1)", "(2)", "(3)".
  std::map<std::string, bool> pictureLabels = {{"仮想地盤面 ----", false},
                                               {"Ho", false},
                                               {"H1", false},
                                               {"H2", false},
                                               {"H3", false},
                                               {"(1)", false},
                                               {"(2)", false},
                                               {"(3)", false}};

  // Seismic aids: the standard-value table, the ground-type table, the zone
  // keys of the chosen initial and the municipalities of the chosen zone.
  AidGrid standardValues;                   // StringGrid1, 4 x 3
  AidGrid groundTypes;                      // StringGrid3, 2 x 4
  std::vector<std::string> zoneKeys;        // ListBox1
  std::vector<std::string> municipalities;  // ListBox2

  WallPictures pictures;
};

}  // namespace kovrel
