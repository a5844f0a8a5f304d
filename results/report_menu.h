#pragma once
// The report menu's base-slab items: like the report pages they list, their
// visibility and captions follow the wall type and the shear key. Held here,
// beside the report pages, so the document carries them without the engine
// reaching up into the application layer.

#include <map>
#include <string>

namespace kovrel {

struct MenuItem {
  std::string caption;
  bool visible = true;
};

struct ReportMenu {
  // "Ⅳ-2．構造計算(底版)": the toe-slab item N16, the heel-slab submenu N28,
  // the shear-key item N34.
  std::map<std::string, MenuItem, std::less<>> menuItems = {
      {"N16", {"1．つま先版", true}}, {"N28", {"2．かかと版", true}}, {"N34", {"3．突起", false}}};
};

}  // namespace kovrel
