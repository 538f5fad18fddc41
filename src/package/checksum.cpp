#include "package/checksum.h"

#include <array>

namespace scenario::package {
namespace {

constexpr std::array<std::uint32_t, 256> make_table() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    std::uint32_t value = byte;
    for (int bit = 0; bit < 8; ++bit)
      value = (value & 1) != 0 ? (value >> 1) ^ 0xEDB88320u : value >> 1;
    table[byte] = value;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kTable = make_table();

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
  std::uint32_t value = 0xFFFFFFFFu;
  for (const char c : bytes)
    value = kTable[(value ^ static_cast<unsigned char>(c)) & 0xFFu] ^ (value >> 8);
  return value ^ 0xFFFFFFFFu;
}

}  // namespace scenario::package
