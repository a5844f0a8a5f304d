#pragma once
// A strict JSON reader for the tests and the fuzzers: grammar, escapes and
// UTF-8 as RFC 8259 asks, so a text it accepts is one any JSON reader takes.

#include <cctype>
#include <string>
#include <string_view>

namespace kovrel::testing {

// A strict check that a text is one JSON value (RFC 8259 grammar), so the
// tests read the output the way any JSON reader would.
class JsonChecker {
 public:
  explicit JsonChecker(const std::string& text) : s_(text) {}
  // How many null values the text held (after valid()).
  int nulls() const { return nulls_; }
  bool valid() {
    ws();
    if (!value()) return false;
    ws();
    return i_ == s_.size();
  }

 private:
  bool value() {
    ws();
    if (i_ >= s_.size()) return false;
    char c = s_[i_];
    if (c == '{') return object();
    if (c == '[') return array();
    if (c == '"') return string();
    if (literal("null")) return ++nulls_, true;
    if (literal("true") || literal("false")) return true;
    return number();
  }
  bool object() {
    ++i_;
    ws();
    if (peek('}')) return ++i_, true;
    for (;;) {
      ws();
      if (!string()) return false;
      ws();
      if (!peek(':')) return false;
      ++i_;
      if (!value()) return false;
      ws();
      if (peek('}')) return ++i_, true;
      if (!peek(',')) return false;
      ++i_;
    }
  }
  bool array() {
    ++i_;
    ws();
    if (peek(']')) return ++i_, true;
    for (;;) {
      if (!value()) return false;
      ws();
      if (peek(']')) return ++i_, true;
      if (!peek(',')) return false;
      ++i_;
    }
  }
  bool string() {
    if (!peek('"')) return false;
    for (++i_; i_ < s_.size();) {
      unsigned char c = static_cast<unsigned char>(s_[i_]);
      if (c == '"') return ++i_, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        if (!escape()) return false;
      } else if (c >= 0x80) {
        if (!utf8Character()) return false;
      } else {
        ++i_;
      }
    }
    return false;
  }
  bool escape() {
    if (i_ + 1 >= s_.size()) return false;
    const char e = s_[i_ + 1];
    i_ += 2;
    if (std::string_view("\"\\/bfnrt").find(e) != std::string_view::npos) return true;
    if (e != 'u' || i_ + 4 > s_.size()) return false;
    for (int k = 0; k < 4; ++k) {
      if (!isxdigit(static_cast<unsigned char>(s_[i_++]))) return false;
    }
    return true;
  }
  // One well-formed UTF-8 character of two to four bytes (RFC 3629): a JSON
  // text that is not UTF-8 is no JSON text to a strict reader.
  bool utf8Character() {
    const unsigned char lead = static_cast<unsigned char>(s_[i_]);
    size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      len = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      len = 3;
      lo = lead == 0xE0 ? 0xA0 : 0x80;
      hi = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      len = 4;
      lo = lead == 0xF0 ? 0x90 : 0x80;
      hi = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
      return false;
    }
    if (i_ + len > s_.size()) return false;
    for (size_t k = 1; k < len; ++k) {
      const unsigned char b = static_cast<unsigned char>(s_[i_ + k]);
      if (k == 1 ? (b < lo || b > hi) : (b & 0xC0) != 0x80) return false;
    }
    i_ += len;
    return true;
  }
  bool number() {
    size_t start = i_;
    if (peek('-')) ++i_;
    while (i_ < s_.size() && (isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' ||
                              s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-')) {
      ++i_;
    }
    return i_ > start;
  }
  bool literal(const char* word) {
    std::string w(word);
    if (s_.compare(i_, w.size(), w) != 0) return false;
    i_ += w.size();
    return true;
  }
  bool peek(char c) const { return i_ < s_.size() && s_[i_] == c; }
  void ws() {
    while (i_ < s_.size() &&
           (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t')) {
      ++i_;
    }
  }
  const std::string& s_;
  size_t i_ = 0;
  int nulls_ = 0;
};

}  // namespace kovrel::testing
