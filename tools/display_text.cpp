#include "tools/display_text.h"

namespace scenario::tools {
namespace {

std::string two_digits(std::int64_t value) {
  return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

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
