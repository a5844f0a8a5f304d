#include "app/wall_type_layout.h"

namespace kovrel {

void applyWallTypeLayout(const DesignConditions& dc, ReportMenu& menus, ResultsWindow& results,
                         DesignWindow& window) {
  const bool lType = dc.index("PageControl2") == 1;
  const bool key = dc.index("RadioGroup2") == 1;

  // The L type has no toe slab: its heel and key pages move up one number.
  MenuItem& toe = menus.menuItems["N16"];
  MenuItem& heel = menus.menuItems["N28"];
  MenuItem& keyItem = menus.menuItems["N34"];
  toe.visible = !lType;
  toe.caption = "1．つま先版";
  heel.visible = true;
  heel.caption = lType ? "1．かかと版" : "2．かかと版";
  keyItem.visible = key;
  keyItem.caption = lType ? "2．突起" : "3．突起";

  // The base-slab pages are numbered in print order, as the contents count
  // them (1 to 4, or 1 to 3 without a toe slab): the heel's stresses page
  // follows its forces page and the key's page comes last, so no two printed
  // headings share a number.
  if (lType) {
    results.reportPage("Form14") = {"-", "-"};
    results.reportPage("Form15") = {"Ⅳ-2-1．構造計算：底版(かかと版)", "11"};
    results.reportPage("Form26") = {"Ⅳ-2-2．構造計算：底版(かかと版)(鉄筋量及び応力度)", "12"};
    results.reportPage("Form18") = {"Ⅳ-2-3．構造計算：底版(突起)", "13"};
  } else {
    results.reportPage("Form14") = {"Ⅳ-2-1．構造計算：底版(つま先版)", "11"};
    results.reportPage("Form15") = {"Ⅳ-2-2．構造計算：底版(かかと版)", "12"};
    results.reportPage("Form26") = {"Ⅳ-2-3．構造計算：底版(かかと版)(鉄筋量及び応力度)", "13"};
    results.reportPage("Form18") = {"Ⅳ-2-4．構造計算：底版(突起)", "14"};
  }

  results.tabSheet("TabSheet11").visible = !lType;
  results.tabSheet("TabSheet12").visible = true;
  results.tabSheet("TabSheet13").visible = key;
  window.keyRebarTabVisible = key;
}

}  // namespace kovrel
