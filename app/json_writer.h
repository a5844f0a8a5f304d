#pragma once
// A small streaming JSON writer: strings escaped and always well-formed UTF-8,
// numbers written locale-free in their shortest exact form.

#include <string>
#include <string_view>
#include <vector>

namespace kovrel {

class JsonWriter {
 public:
  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  void key(std::string_view name);
  // Every control character is escaped; a byte that starts no well-formed
  // UTF-8 character is written as U+FFFD, so the output always parses.
  void string(std::string_view text);
  // Throws NonFiniteValue (naming the last key) for an infinite or NaN value:
  // JSON has no such number, and null would hide a failed result.
  void number(double value);
  void integer(long long value);
  void boolean(bool value);
  void null();

  const std::string& text() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool afterKey_ = false;
  std::string lastKey_;
};

}  // namespace kovrel
