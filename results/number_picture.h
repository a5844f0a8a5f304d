#pragma once
// Number pictures: how every number of the report becomes text. A picture has
// one or two sections split by ";" (the second for negative values); "0" and
// "#" are digit places, the first "." is the decimal point, a "," anywhere
// groups the integer digits by three, and every other character (labels,
// units, "=", Japanese text) is copied where it stands.

#include <string>
#include <string_view>

namespace kovrel {

// Throws NonFiniteValue, naming the picture, for an infinite or NaN value.
std::string formatNumber(std::string_view picture, double value);

}  // namespace kovrel
