#include "text/cp1252.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>

#include "text/utf8.h"

namespace scenario::text {
namespace {

// Unicode code points of the bytes 0x80 to 0x9F; 0 where the code page
// leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned char to_byte(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<unsigned char>(code_point);
  }
  for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
    if (kHighControlRange[i] != 0 && kHighControlRange[i] == code_point) {
      return static_cast<unsigned char>(0x80 + i);
    }
  }
  throw std::invalid_argument("il carattere " + code_point_name(code_point) +
                              " non ha forma in Windows-1252");
}

}  // namespace

std::string code_point_name(char32_t code_point) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "U+%04X", static_cast<unsigned>(code_point));
  return digits;
}

std::string cp1252_to_utf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t code_point = byte;
    if (byte >= 0x80 && byte < 0xA0 && kHighControlRange[byte - 0x80] != 0)
      code_point = kHighControlRange[byte - 0x80];
    append_utf8(utf8, code_point);
  }
  return utf8;
}

std::string utf8_to_cp1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<Utf8Sequence> sequence = utf8_sequence(utf8, i);
    if (!sequence)
      throw std::invalid_argument("testo UTF-8 non valido");
    bytes.push_back(static_cast<char>(to_byte(sequence->code_point)));
    i += sequence->length;
  }
  return bytes;
}

bool cp1252_defines(unsigned char byte) {
  return byte < 0x80 || byte >= 0xA0 || kHighControlRange[byte - 0x80] != 0;
}

unsigned char cp1252_lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z')
    return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
    return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A:  // Š
    case 0x8C:  // Œ
    case 0x8E:  // Ž
      return static_cast<unsigned char>(c + 0x10);
    case 0x9F:  // Ÿ
      return 0xFF;
    default:
      return c;
  }
}

std::string cp1252_lower(std::string_view bytes) {
  std::string lower(bytes);
  for (char& c : lower)
    c = static_cast<char>(cp1252_lower(static_cast<unsigned char>(c)));
  return lower;
}

unsigned char cp1252_upper(unsigned char c) {
  if (c >= 'a' && c <= 'z')
    return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
    return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A:  // š
    case 0x9C:  // œ
    case 0x9E:  // ž
      return static_cast<unsigned char>(c - 0x10);
    case 0xFF:  // ÿ
      return 0x9F;
    default:
      return c;
  }
}

std::string cp1252_upper(std::string_view bytes) {
  std::string upper(bytes);
  for (char& c : upper)
    c = static_cast<char>(cp1252_upper(static_cast<unsigned char>(c)));
  return upper;
}

}  // namespace scenario::text
