#include "engine/rebar_catalogue.h"

namespace kovrel {

void TTekkin::initialise() {
  for (std::size_t i = 0; i < pitches.size(); ++i) pitches[i] = 50 + 25 * std::int32_t(i);
  diameters = {6, 10, 13, 16, 19, 22, 25, 29, 32, 35, 38, 41, 51};
  areas = {0.3167, 0.7133, 1.267, 1.986, 2.865, 3.871, 5.067,
           6.424,  7.942,  9.566, 11.4,  13.4,  20.27};
}

double layoutArea(const TTekkin& bars, double pitch, int diameterIndex) {
  return 1000.0 / pitch * bars.areas[std::size_t(diameterIndex)] * 100.0;
}

bool areaOf(double pitch, double diameter, double& area) {
  if (!(pitch > 0)) return false;
  TTekkin bars;
  for (std::size_t k = 0; k < bars.diameters.size(); ++k) {
    if (double(bars.diameters[k]) == diameter) {
      area = layoutArea(bars, pitch, int(k));
      return true;
    }
  }
  return false;
}

}  // namespace kovrel
