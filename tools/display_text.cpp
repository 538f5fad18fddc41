#include "tools/display_text.h"

#include "text/cp1252.h"

namespace scenario::tools {
namespace {

bool undefined_or_control(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
         byte == 0x90 || byte == 0x9D;
}

std::string two_digits(std::int64_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string quoted_text(std::string_view cp1252) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown = "\"";
  for (char c : cp1252) {
    const auto byte = static_cast<unsigned char>(c);
    if (undefined_or_control(byte)) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    } else if (c == '"' || c == '\\') {
      shown += '\\';
      shown += c;
    } else {
      shown += text::cp1252_to_utf8(std::string_view(&c, 1));
    }
  }
  return shown + "\"";
}

std::string time_of_day(std::int64_t seconds) {
  const bool negative = seconds < 0;
  const std::int64_t magnitude = negative ? -seconds : seconds;
  return (negative ? "-" : "") + two_digits(magnitude / 3600) + ":" +
         two_digits(magnitude / 60 % 60) + ":" + two_digits(magnitude % 60);
}

std::string padded(std::string_view text, std::size_t width) {
  std::size_t letters = 0;
  for (char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
      ++letters;
  }
  std::string result(text);
  if (letters < width)
    result.append(width - letters, ' ');
  return result;
}

}  // namespace scenario::tools
