#include "tools/json_writer.h"

#include <charconv>
#include <cmath>

namespace scenario::tools {
namespace {

// The length of the well-formed UTF-8 sequence at `at`, 0 for none.
std::size_t utf8_sequence_length(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  }
  if (length == 0 || at + length > text.size())
    return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
      return 0;
  }
  return length;
}

}  // namespace

std::string shortest_decimal(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

void JsonWriter::before_value() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!has_values_.empty()) {
    if (has_values_.back())
      out_ << ',';
    has_values_.back() = true;
  }
}

void JsonWriter::begin_object() {
  before_value();
  out_ << '{';
  has_values_.push_back(false);
}

void JsonWriter::end_object() {
  has_values_.pop_back();
  out_ << '}';
}

void JsonWriter::begin_array() {
  before_value();
  out_ << '[';
  has_values_.push_back(false);
}

void JsonWriter::end_array() {
  has_values_.pop_back();
  out_ << ']';
}

void JsonWriter::key(std::string_view name) {
  before_value();
  quoted(name);
  out_ << ':';
  after_key_ = true;
}

void JsonWriter::string(std::string_view utf8) {
  before_value();
  quoted(utf8);
}

void JsonWriter::quoted(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  out_ << '"';
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out_ << "\\\"";
        break;
      case '\\':
        out_ << "\\\\";
        break;
      case '\n':
        out_ << "\\n";
        break;
      case '\r':
        out_ << "\\r";
        break;
      case '\t':
        out_ << "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          out_ << "\\u00" << kHex[byte >> 4] << kHex[byte & 0xF];
        } else if (byte < 0x80) {
          out_ << c;
        } else if (const std::size_t length = utf8_sequence_length(utf8, i); length > 0) {
          out_ << utf8.substr(i, length);
          i += length - 1;
        } else {
          // Not UTF-8 (a file name of other bytes): the replacement
          // character, so that the output stays valid JSON.
          out_ << "\\ufffd";
        }
    }
  }
  out_ << '"';
}

void JsonWriter::number(std::int64_t value) {
  before_value();
  out_ << value;
}

void JsonWriter::number(double value) {
  before_value();
  if (!std::isfinite(value)) {
    out_ << "null";
    return;
  }
  out_ << shortest_decimal(value);
}

void JsonWriter::boolean(bool value) {
  before_value();
  out_ << (value ? "true" : "false");
}

void JsonWriter::null() {
  before_value();
  out_ << "null";
}

}  // namespace scenario::tools
