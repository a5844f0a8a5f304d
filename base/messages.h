#pragma once
// Messages the program shows the user: input-check findings, completion notes,
// failures. The desktop program shows each in a box; the command line lists
// them. A message is kept as its lines; the box joins them with CR.

#include <string>
#include <vector>

namespace kovrel {

enum class MessageKind { Warn, Block, Error, Info };

struct Message {
  MessageKind kind;
  std::vector<std::string> lines;

  std::string joined(const char* separator) const;
};

const char* messageKindName(MessageKind kind);

using MessageLog = std::vector<Message>;

}  // namespace kovrel
