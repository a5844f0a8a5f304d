#include "results/number_picture.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "base/non_finite.h"

namespace kovrel {
namespace {

bool isPlace(char c) {
  return c == '0' || c == '#';
}

// The digits of |value| rounded half away from zero to `decimals` places,
// as integer digits (no leading zeros; empty for zero) and exactly `decimals`
// fraction digits. The value is first written with 15 significant digits, the
// precision a double carries, so 2.675 rounds to 2.68 as an engineer reading
// the input expects, not to the 2.67 of its binary neighbour.
void roundedDigits(double value, int decimals, std::string& intDigits, std::string& fracDigits) {
  double a = std::fabs(value);
  intDigits.clear();
  fracDigits.assign(size_t(decimals), '0');
  if (!std::isfinite(a) || a == 0) return;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
  std::string_view sci(buf, size_t(res.ptr - buf));  // d.ddddddddddddddde±xx
  size_t e = sci.find('e');
  int exponent = std::stoi(std::string(sci.substr(e + 1)));
  std::string mant;
  for (char c : sci.substr(0, e)) {
    if (c != '.') mant += c;
  }
  // mant holds 15 digits; the decimal point sits after digit (exponent + 1).
  int pointPos = exponent + 1;
  // Build a plain digit string with enough zeros on both sides.
  int lead = pointPos < 0 ? -pointPos : 0;
  std::string digits = std::string(size_t(lead), '0') + mant;
  pointPos += lead;
  int needed = pointPos + decimals + 1;
  if (int(digits.size()) < needed) digits.append(size_t(needed - int(digits.size())), '0');
  // Round at position pointPos + decimals.
  int cut = pointPos + decimals;
  bool roundUp = digits[size_t(cut)] >= '5';
  digits.resize(size_t(cut));
  if (roundUp) {
    int i = cut - 1;
    while (i >= 0 && digits[size_t(i)] == '9') digits[size_t(i--)] = '0';
    if (i >= 0) {
      ++digits[size_t(i)];
    } else {
      digits.insert(digits.begin(), '1');
      ++pointPos;
    }
  }
  intDigits = digits.substr(0, size_t(pointPos));
  fracDigits = digits.substr(size_t(pointPos));
  size_t nz = intDigits.find_first_not_of('0');
  intDigits = nz == std::string::npos ? std::string() : intDigits.substr(nz);
}

}  // namespace

std::string formatNumber(std::string_view picture, double value) {
  // An infinite or undefined value has no digits: printing "0.00" for it
  // would pass a failed calculation off as a result.
  if (!std::isfinite(value)) {
    std::string_view name = picture;
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    throw NonFiniteValue(std::string(name));
  }
  std::string_view section = picture;
  bool useSecond = false;
  size_t semi = picture.find(';');
  if (semi != std::string_view::npos) {
    section = picture.substr(0, semi);
    std::string_view second = picture.substr(semi + 1);
    size_t semi2 = second.find(';');
    if (semi2 != std::string_view::npos) second = second.substr(0, semi2);
    if (value < 0 && !second.empty()) {
      section = second;
      useSecond = true;
    }
  }

  // Digit places before and after the first point, and grouping.
  size_t point = section.find('.');
  int intPlaces = 0, fracPlaces = 0;
  bool grouping = false;
  for (size_t i = 0; i < section.size(); ++i) {
    if (section[i] == ',') grouping = true;
    if (!isPlace(section[i])) continue;
    if (point == std::string_view::npos || i < point) {
      ++intPlaces;
    } else {
      ++fracPlaces;
    }
  }

  std::string intDigits, fracDigits;
  roundedDigits(value, fracPlaces, intDigits, fracDigits);

  // Trailing fraction digits that are zero on "#" places are not printed; the
  // point goes with them when nothing is left.
  int fracShown = fracPlaces;
  {
    std::string placeKinds;
    for (size_t i = point == std::string_view::npos ? section.size() : point + 1;
         i < section.size(); ++i) {
      if (isPlace(section[i])) placeKinds += section[i];
    }
    while (fracShown > 0 && placeKinds[size_t(fracShown - 1)] == '#' &&
           fracDigits[size_t(fracShown - 1)] == '0') {
      --fracShown;
    }
  }

  std::string out;
  if (value < 0 && !useSecond) out += '-';
  const int n = int(intDigits.size());
  auto emitDigit = [&](char d, int k) {
    out += d;
    if (grouping && k > 0 && k % 3 == 0) out += ',';
  };
  int intSeen = 0, fracSeen = 0;
  bool pointSeen = false;
  for (size_t i = 0; i < section.size(); ++i) {
    char c = section[i];
    if (isPlace(c) && !pointSeen) {
      int k = intPlaces - 1 - intSeen;  // position from the right
      if (intSeen == 0) {
        for (int extra = n - 1; extra > k; --extra)
          emitDigit(intDigits[size_t(n - 1 - extra)], extra);
      }
      if (k < n) {
        emitDigit(intDigits[size_t(n - 1 - k)], k);
      } else if (c == '0') {
        emitDigit('0', k);
      }
      ++intSeen;
    } else if (c == '.' && !pointSeen) {
      pointSeen = true;
      // With no integer places the integer digits go before the point.
      if (intPlaces == 0) {
        for (int k = n - 1; k >= 0; --k) emitDigit(intDigits[size_t(n - 1 - k)], k);
      }
      if (fracShown > 0) out += '.';
    } else if (c == '.' || c == ',') {
      // Later points and the grouping flag print nothing.
    } else if (isPlace(c)) {
      if (fracSeen < fracShown) out += fracDigits[size_t(fracSeen)];
      ++fracSeen;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace kovrel
