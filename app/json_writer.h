#pragma once
// A small streaming JSON writer: strings escaped, numbers written locale-free
// in their shortest exact form, non-finite numbers as null.

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
  void string(std::string_view text);
  void number(double value);
  void integer(long long value);
  void boolean(bool value);

  const std::string& text() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool afterKey_ = false;
};

}  // namespace kovrel
