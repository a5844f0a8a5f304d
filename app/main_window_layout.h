#pragma once
// The main window's menu items whose visibility and captions follow the wall
// type and the shear key, as a GUI would show them.

#include <map>
#include <string>

namespace kovrel {

struct MenuItem {
  std::string caption;
  bool visible = true;
};

struct MainWindowLayout {
  // "Ⅳ-2．構造計算(底版)": the toe-slab item N16, the heel-slab submenu N28,
  // the shear-key item N34.
  std::map<std::string, MenuItem, std::less<>> menuItems = {
      {"N16", {"1．つま先版", true}}, {"N28", {"2．かかと版", true}}, {"N34", {"3．突起", false}}};
};

}  // namespace kovrel
