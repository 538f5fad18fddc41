#include "tools/json_writer.h"

#include <charconv>
#include <cmath>

#include "text/utf8.h"

namespace scenario::tools {

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
        } else if (const auto sequence = text::utf8_sequence(utf8, i)) {
          out_ << utf8.substr(i, sequence->length);
          i += sequence->length - 1;
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
