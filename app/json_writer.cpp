#include "app/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/non_finite.h"
#include "base/utf8.h"

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
  lastKey_ = name;
}

void JsonWriter::string(std::string_view text) {
  separate();
  out_ += '"';
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = utf8StrictLength(text, i);
    if (len == 0) {
      out_ += "\\ufffd";
      ++i;
      continue;
    }
    const char32_t cp = utf8CodePoint(text, i, len);
    switch (cp) {
      case U'"':
        out_ += "\\\"";
        break;
      case U'\\':
        out_ += "\\\\";
        break;
      case U'\n':
        out_ += "\\n";
        break;
      case U'\r':
        out_ += "\\r";
        break;
      case U'\t':
        out_ += "\\t";
        break;
      default:
        // C0, DEL and C1 controls, and the two line separators a JavaScript
        // reader would take for line ends.
        if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", unsigned(cp));
          out_ += buf;
        } else {
          out_.append(text.substr(i, len));
        }
    }
    i += len;
  }
  out_ += '"';
}

void JsonWriter::number(double value) {
  if (!std::isfinite(value)) throw NonFiniteValue(lastKey_.empty() ? "JSON" : lastKey_);
  separate();
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out_.append(buf, res.ptr);
}

void JsonWriter::null() {
  separate();
  out_ += "null";
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
