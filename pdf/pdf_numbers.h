#pragma once
// Numbers and colours as the PDF writer spells them: locale-free, two decimals
// at most, never "nan", "inf" or "-0".

#include <string>

#include "base/colour.h"

namespace kovrel {

// trunc(v x 100 + 0.5) / 100 in its shortest form: 817, 0.75, 12.5, -1.22.
// A value that is not finite is written as 0 so a file never carries one.
std::string pdfReal(double v);
void appendPdfReal(std::string& out, double v);

// The red, green and blue bytes each divided by 255, separated by spaces
// ("1 0 0" for red). System colours stand for the white of a window.
std::string pdfColour(Colour c);

}  // namespace kovrel
