#pragma once
// A calculation state loaded from design conditions the test adjusts, and an
// independent polygon routine (the shoelace form) for checking areas.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "conditions/design_conditions.h"
#include "engine/calculation_state.h"
#include "engine/design_loader.h"

namespace kovrel::test {

// The state of the design conditions `dc` right after loading.
inline TAntei loadedState(const DesignConditions& dc) {
  TAntei s;
  loadDesignConditions(s, dc);
  return s;
}

inline DesignConditions lWallConditions() {
  DesignConditions dc;
  dc.setIndex("PageControl2", 1);
  return dc;
}

inline DesignConditions withWater(DesignConditions dc, const char* depth) {
  dc.setChecked("CheckBox3", true);
  dc.setText("Edit62", depth);
  dc.setText("ComboBox8", "9.8");
  return dc;
}

struct Shoelace {
  double area = 0, x = 0, y = 0;
};

// Area and centroid of a closed polygon (last point = first) by the shoelace
// sums, signed so that clockwise gives a positive area.
inline Shoelace shoelace(const std::vector<std::pair<double, double>>& p) {
  double a2 = 0, cx = 0, cy = 0;
  for (size_t i = 0; i + 1 < p.size(); ++i) {
    const double cross = p[i + 1].first * p[i].second - p[i].first * p[i + 1].second;
    a2 += cross;
    cx += (p[i].first + p[i + 1].first) * cross;
    cy += (p[i].second + p[i + 1].second) * cross;
  }
  Shoelace r;
  r.area = a2 / 2;
  if (r.area != 0) {
    r.x = cx / (3 * a2);
    r.y = cy / (3 * a2);
  }
  return r;
}

inline std::vector<std::pair<double, double>> outlinePolygon(const TTeisu& s,
                                                             std::initializer_list<int> ids) {
  std::vector<std::pair<double, double>> p;
  for (int i : ids) p.emplace_back(s.outlineX[i], s.outlineY[i]);
  return p;
}

inline void expectAllFinite(const TAntei& s) {
  visitStateFields(s, [](const char* name, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
      EXPECT_TRUE(std::isfinite(value)) << name << " = " << value;
    } else if constexpr (!std::is_same_v<std::decay_t<decltype(value)>, int>) {
      for (size_t i = 0; i < value.size(); ++i) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value[i])>, double>) {
          EXPECT_TRUE(std::isfinite(value[i])) << name << "[" << i << "] = " << value[i];
        }
      }
    }
  });
}

}  // namespace kovrel::test
