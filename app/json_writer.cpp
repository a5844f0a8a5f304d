#include "app/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kovrel {

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

void JsonWriter::beginObject() {
  separate();
  out_ += '{';
  first_.push_back(true);
}

void JsonWriter::endObject() {
  first_.pop_back();
  out_ += '}';
}

void JsonWriter::beginArray() {
  separate();
  out_ += '[';
  first_.push_back(true);
}

void JsonWriter::endArray() {
  first_.pop_back();
  out_ += ']';
}

void JsonWriter::key(std::string_view name) {
  string(name);
  out_ += ':';
  afterKey_ = true;
}

void JsonWriter::string(std::string_view text) {
  separate();
  out_ += '"';
  for (char ch : text) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ += buf;
        } else {
          out_ += ch;
        }
    }
  }
  out_ += '"';
}

void JsonWriter::number(double value) {
  separate();
  if (!std::isfinite(value)) {
    out_ += "null";
    return;
  }
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out_.append(buf, res.ptr);
}

void JsonWriter::integer(long long value) {
  separate();
  out_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
  separate();
  out_ += value ? "true" : "false";
}

}  // namespace kovrel
