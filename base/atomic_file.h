#pragma once
// Writing a whole file so that a failure never leaves a half-written file
// under the final name: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over the target.

#include <stdexcept>
#include <string>
#include <string_view>

namespace kovrel {

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws FileError naming the path and the reason.
void writeFileAtomically(const std::string& path, std::string_view bytes);

// Throws FileError naming the path and the reason (missing, a folder, unreadable).
std::string readWholeFile(const std::string& path);

}  // namespace kovrel
