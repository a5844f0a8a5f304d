#pragma once
// A number that is infinite or not a number where a result is written: the
// calculation has left the range where its formulas mean anything. Nothing
// prints or stores such a number; whoever meets one throws this, naming the
// quantity, and the run turns it into a message instead of a report.

#include <stdexcept>
#include <string>
#include <utility>

namespace kovrel {

class NonFiniteValue : public std::runtime_error {
 public:
  explicit NonFiniteValue(std::string quantity)
      : std::runtime_error("no finite value for " + quantity), quantity_(std::move(quantity)) {}
  // What the number stood for: a state field, a report line's picture, a chart.
  const std::string& quantity() const { return quantity_; }

 private:
  std::string quantity_;
};

}  // namespace kovrel
