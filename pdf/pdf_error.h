#pragma once
// The one error the PDF writer raises: a misuse of the writer (no stream, no
// open document, a font type or list index it does not have). The message is
// the writer's own text.

#include <stdexcept>

namespace kovrel {

class PdfError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace kovrel
