#pragma once
// The allowable-stresses window ("許容応力度", controls "Form9.*"): proposes
// σca, σcat, τa1, τo and σsa from the concrete strength, the bar grade and the
// load case, and copies them into the design conditions. Also the fixed table
// of balanced-design coefficients C1, C2, Po of the reference window.

#include <array>
#include <string>

namespace kovrel {

class DesignConditions;

// Recomputes Form9.Edit1..Edit5 from the selected Form9.RadioGroup1 (σck),
// Form9.RadioGroup3 (bar grade) and Form9.RadioGroup4 (normal / seismic), as a
// click on any of the window's radio groups does.
void recomputeAllowableStresses(DesignConditions& conditions);

// "設計条件に転記": σck to Edit50, and σca, σcat, τa1, σsa, τo to Edit23,
// Edit24, Edit25, Edit26, Edit27.
void transferAllowableStresses(DesignConditions& conditions);

// True for the controls whose click recomputes the proposal.
bool isAllowableStressRadio(const std::string& name);

// The C1, C2, Po table for σsa = 1600 kgf/cm2: row 0 the heads, rows 1 to 4
// σca = 70, 80, 90, 100 kgf/cm2; each row's cells left to right.
std::array<std::array<std::string, 4>, 5> balancedDesignTable();

}  // namespace kovrel
