#pragma once
// One control of a design-conditions window as the program holds it: the value
// in the control's own form (text as typed, item index, check state), plus the
// enabled flag and colour that the window rules set and the file stores.

#include <string>
#include <vector>

#include "base/colour.h"

namespace kovrel {

enum class ControlKind { Edit, Combo, Radio, Check, TabSet, PageControl, Grid };

const char* controlKindName(ControlKind kind);

struct Control {
  std::string name;
  ControlKind kind = ControlKind::Edit;
  std::string label;  // caption, or the hint where the control has no caption
  std::string text;   // edit and combo
  int index = 0;      // radio item, tab or page
  bool checked = false;
  bool enabled = true;
  // Background of edits and combos; font colour of check boxes.
  Colour colour = clWindow;
  std::vector<std::string> items;  // radio items, combo items, tab captions
  // Grids: cells row-major, colCount x rowCount.
  int colCount = 0;
  int rowCount = 0;
  std::vector<std::string> cells;

  bool holdsIndex() const {
    return kind == ControlKind::Radio || kind == ControlKind::TabSet ||
           kind == ControlKind::PageControl;
  }
};

}  // namespace kovrel
