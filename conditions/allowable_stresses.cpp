#include "conditions/allowable_stresses.h"

#include <cmath>

#include "conditions/design_conditions.h"
#include "results/number_picture.h"

namespace kovrel {

void recomputeAllowableStresses(DesignConditions& dc) {
  const Control& strength = dc.control("Form9.RadioGroup1");
  const int item = strength.index;
  if (item < 0 || std::size_t(item) >= strength.items.size()) return;
  // The window works in single precision; its roundings are what it shows.
  const float sigmaCk = float(std::stoi(strength.items[std::size_t(item)]));
  const bool seismic = dc.index("Form9.RadioGroup4") == 1;
  const bool sd345 = dc.index("Form9.RadioGroup3") == 1;

  float sigmaCa = sigmaCk / 3.0f;
  float sigmaCat = 0.0f;
  // σck 18 takes the plain-concrete values (τa1 = σck/100 + 0.15, no bond
  // stress); the reinforced grades follow σck/300 + 0.15 and the bond table.
  float tauA1 = sigmaCk <= 18.0f ? sigmaCk / 100.0f + 0.15f : sigmaCk / 300.0f + 0.15f;
  float tauO = 0.0f;
  if (sigmaCk == 21.0f) tauO = 1.4f;
  if (sigmaCk == 24.0f) tauO = 1.6f;
  if (sigmaCk == 27.0f) tauO = 1.7f;
  if (sigmaCk == 30.0f) tauO = 1.8f;
  float sigmaSa = 160.0f;
  if (seismic) {
    sigmaCa *= 1.5f;
    sigmaCat *= 1.5f;
    tauA1 *= 1.5f;
    tauO *= 1.5f;
    sigmaSa = sd345 ? 300.0f : 270.0f;
  }
  dc.setText("Form9.Edit1", formatNumber("0", double(sigmaCa)));
  dc.setText("Form9.Edit2", formatNumber("0", double(sigmaCat)));
  dc.setText("Form9.Edit3", formatNumber("0.00", double(tauA1)));
  dc.setText("Form9.Edit4", formatNumber("0", double(sigmaSa)));
  dc.setText("Form9.Edit5", formatNumber("0.0", double(tauO)));
}

void transferAllowableStresses(DesignConditions& dc) {
  const Control& strength = dc.control("Form9.RadioGroup1");
  if (strength.index >= 0 && std::size_t(strength.index) < strength.items.size()) {
    dc.setText("Edit50", strength.items[std::size_t(strength.index)]);
  }
  dc.setText("Edit23", dc.text("Form9.Edit1"));
  dc.setText("Edit24", dc.text("Form9.Edit2"));
  dc.setText("Edit25", dc.text("Form9.Edit3"));
  dc.setText("Edit26", dc.text("Form9.Edit4"));
  dc.setText("Edit27", dc.text("Form9.Edit5"));
}

bool isAllowableStressRadio(const std::string& name) {
  return name == "Form9.RadioGroup1" || name == "Form9.RadioGroup2" ||
         name == "Form9.RadioGroup3" || name == "Form9.RadioGroup4";
}

std::array<std::array<std::string, 4>, 5> balancedDesignTable() {
  std::array<std::array<std::string, 4>, 5> t;
  t[0] = {"許容応力σca", "C1", "C2", "Po"};
  const double sigmaSa = 1600;
  const char* captions[4] = {" 70(kgf/cm2)", " 80(kgf/cm2)", " 90(kgf/cm2)", "100(kgf/cm2)"};
  for (int i = 0; i < 4; ++i) {
    const double ca = 70.0 + 10.0 * i;
    const double k = 15 * ca / (15 * ca + sigmaSa);
    const double c1 = std::sqrt(6 / (ca * k * (3 - k)));
    const double c2 = (ca / sigmaSa) * std::sqrt(45 / (2 * (30 * ca + 3 * sigmaSa)));
    const double po = k * ca / (2 * sigmaSa);
    t[std::size_t(i + 1)] = {captions[i], formatNumber("0.00000", c1), formatNumber("0.00000", c2),
                             formatNumber("0.00000", po)};
  }
  return t;
}

}  // namespace kovrel
