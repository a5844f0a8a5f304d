#include "conditions/design_conditions.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "base/utf8.h"
#include "conditions/control_catalogue.h"

namespace kovrel {

const char* controlKindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Combo:
      return "combo";
    case ControlKind::Radio:
      return "radio";
    case ControlKind::Check:
      return "check";
    case ControlKind::TabSet:
      return "tab";
    case ControlKind::PageControl:
      return "page";
    case ControlKind::Grid:
      return "grid";
  }
  return "edit";
}

ConversionError::ConversionError(std::string control, std::string label, std::string text)
    : std::runtime_error("\"" + quotedForMessage(text) + "\" is not a valid number (" + control +
                         (label.empty() ? std::string() : " \"" + label + "\"") + ")"),
      control_(std::move(control)),
      label_(std::move(label)),
      text_(std::move(text)) {}

std::string conversionMessage(const ConversionError& e) {
  std::string line = e.control();
  if (!e.label().empty()) line += "「" + e.label() + "」";
  line += "の \"" + quotedForMessage(e.text()) + "\" は数値ではありません。";
  return line;
}

DesignConditions::DesignConditions() : controls_(initialControls()) {
  for (size_t i = 0; i < controls_.size(); ++i) byName_.emplace(controls_[i].name, i);
}

bool DesignConditions::has(std::string_view name) const {
  return byName_.count(std::string(name)) != 0;
}

const Control& DesignConditions::control(std::string_view name) const {
  auto it = byName_.find(std::string(name));
  if (it == byName_.end()) throw UnknownControl(std::string(name));
  return controls_[it->second];
}

Control& DesignConditions::control(std::string_view name) {
  return const_cast<Control&>(std::as_const(*this).control(name));
}

void DesignConditions::notify(const std::string& name) {
  if (hook_) hook_(*this, name);
}

void DesignConditions::setIndex(std::string_view name, int index) {
  Control& c = control(name);
  if (c.index == index) return;
  c.index = index;
  if (c.kind == ControlKind::Radio) notify(c.name);
}

void DesignConditions::clickIndex(std::string_view name, int index) {
  Control& c = control(name);
  if (c.index == index) return;
  c.index = index;
  notify(c.name);
}

void DesignConditions::setChecked(std::string_view name, bool checked) {
  Control& c = control(name);
  if (c.checked == checked) return;
  c.checked = checked;
  notify(c.name);
}

const std::string& DesignConditions::cell(std::string_view grid, int col, int row) const {
  const Control& c = control(grid);
  if (col < 0 || row < 0 || col >= c.colCount || row >= c.rowCount) {
    throw std::out_of_range(c.name + " has no cell [" + std::to_string(col) + "," +
                            std::to_string(row) + "]");
  }
  return c.cells[size_t(row) * size_t(c.colCount) + size_t(col)];
}

void DesignConditions::setCell(std::string_view grid, int col, int row, std::string text) {
  const_cast<std::string&>(cell(grid, col, row)) = std::move(text);
}

namespace {
std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}
}  // namespace

bool parseDecimal(std::string_view text, double& value) {
  std::string_view s = trimBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  // Only digits, one point and an exponent: from_chars alone would also take
  // "inf" and "nan", which no control may hold.
  if (s.empty() || !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.')) {
    return false;
  }
  double v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) return false;
  value = negative ? -v : v;
  return true;
}

bool parseWhole(std::string_view text, int& value) {
  std::string_view s = trimBlanks(text);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || !std::isdigit(static_cast<unsigned char>(s.front()))) return false;
  long long v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = int(v);
  return true;
}

double DesignConditions::readDouble(std::string_view name) const {
  const Control& c = control(name);
  double v = 0;
  if (!parseDecimal(c.text, v)) throw ConversionError(c.name, c.label, c.text);
  return v;
}

int DesignConditions::readInt(std::string_view name) const {
  const Control& c = control(name);
  int v = 0;
  if (!parseWhole(c.text, v)) throw ConversionError(c.name, c.label, c.text);
  return v;
}

}  // namespace kovrel
