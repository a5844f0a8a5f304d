#include "base/messages.h"

namespace kovrel {

std::string Message::joined(const char* separator) const {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) out += separator;
    out += lines[i];
  }
  return out;
}

const char* messageKindName(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warn:
      return "warn";
    case MessageKind::Block:
      return "block";
    case MessageKind::Error:
      return "error";
    case MessageKind::Info:
      return "info";
  }
  return "info";
}

}  // namespace kovrel
