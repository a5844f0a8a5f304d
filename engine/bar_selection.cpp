#include "engine/bar_selection.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "conditions/design_conditions.h"
#include "engine/rebar_catalogue.h"

namespace kovrel {
namespace {

struct Candidate {
  double area = kNoBarArea;
  int pitch = kNoBar;
  int diameter = kNoBar;
};

// Smallest layout strictly above `required` among the given diameters at one
// pitch; catalogue order, replaced only by a strictly smaller area.
Candidate bestAtPitch(const TTekkin& bars, int pitch, std::initializer_list<int> diameters,
                      double required) {
  Candidate best;
  for (int dia : diameters) {
    for (std::size_t k = 0; k < bars.diameters.size(); ++k) {
      if (bars.diameters[k] != dia) continue;
      double a = layoutArea(bars, pitch, int(k));
      if (a > required && a < best.area) best = {a, pitch, dia};
    }
  }
  return best;
}

void take(BarSelection& sel, const Candidate& c) {
  sel.providedAs = c.area;
  sel.pitch = c.pitch;
  sel.diameter = c.diameter;
}

void automatic(const TTekkin& bars, BarSelection& sel) {
  Candidate a = bestAtPitch(bars, 125, {22, 25, 29, 32}, sel.requiredAs);
  Candidate b = bestAtPitch(bars, 250, {13, 16, 19, 22, 25, 29, 32}, sel.requiredAs);
  Candidate chosen = a.area >= b.area ? b : a;
  if (chosen.area >= kNoBarArea) {
    // Neither standard pitch carries it: every layout, pitch outer, diameter
    // inner; on equal areas the first found stays.
    chosen = Candidate{};
    for (int p : bars.pitches) {
      for (std::size_t k = 0; k < bars.diameters.size(); ++k) {
        double area = layoutArea(bars, p, int(k));
        if (area > sel.requiredAs && area < chosen.area) {
          chosen = {area, p, bars.diameters[k]};
        }
      }
    }
  }
  take(sel, chosen);
}

const char* const kSettingControls[4][3] = {{"RadioGroup12", "ComboBox10", "ComboBox11"},
                                            {"RadioGroup13", "ComboBox12", "ComboBox13"},
                                            {"RadioGroup14", "ComboBox14", "ComboBox15"},
                                            {"RadioGroup15", "ComboBox16", "ComboBox17"}};

int matchComboText(Control& combo) {
  for (std::size_t i = 0; i < combo.items.size(); ++i) {
    if (combo.items[i] == combo.text) {
      combo.index = int(i);
      break;
    }
  }
  return combo.index;
}

}  // namespace

BarSetting readBarSetting(DesignConditions& conditions, Member member) {
  const auto& names = kSettingControls[int(member)];
  BarSetting s;
  s.mode = conditions.index(names[0]);
  s.pitchIndex = matchComboText(conditions.control(names[1]));
  s.diameterIndex = matchComboText(conditions.control(names[2]));
  return s;
}

BarSelection selectBars(const BarSetting& setting, double sigmaSa, double m, double cover,
                        double thickness) {
  BarSelection sel;
  RequiredSteel req = requiredSteel(sigmaSa, m * 1e6, (thickness - cover) * 1000.0);
  sel.requiredAs = req.as;
  sel.x = req.x;
  chooseLayout(setting, sel);
  return sel;
}

void chooseLayout(const BarSetting& setting, BarSelection& sel) {
  TTekkin bars;
  // Combo index 0 ("-") stands for the first catalogue entry; an index beyond
  // the list (a file written by hand) for the last.
  const int pitchK = std::clamp(setting.pitchIndex - 1, 0, int(bars.pitches.size()) - 1);
  const int diaK = std::clamp(setting.diameterIndex - 1, 0, int(bars.diameters.size()) - 1);
  switch (setting.mode) {
    case 1: {
      // Pitch given: the thinnest bar at that pitch above the required area.
      Candidate best;
      const int p = bars.pitches[std::size_t(pitchK)];
      for (std::size_t k = 0; k < bars.diameters.size(); ++k) {
        double a = layoutArea(bars, p, int(k));
        if (a > sel.requiredAs && a < best.area) best = {a, p, bars.diameters[k]};
      }
      take(sel, best);
      break;
    }
    case 2: {
      // Diameter given: the widest pitch above the required area.
      Candidate best;
      for (int p : bars.pitches) {
        double a = layoutArea(bars, p, diaK);
        if (a > sel.requiredAs && a < best.area) best = {a, p, bars.diameters[std::size_t(diaK)]};
      }
      take(sel, best);
      break;
    }
    case 3:
      sel.pitch = bars.pitches[std::size_t(pitchK)];
      sel.diameter = bars.diameters[std::size_t(diaK)];
      sel.providedAs = layoutArea(bars, sel.pitch, diaK);
      break;
    default:
      automatic(bars, sel);
      break;
  }
}

}  // namespace kovrel
