#include "test_support.h"

#include <bit>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace scenario::testing {

std::string hex_bytes(std::string_view hex) {
  std::string bytes;
  int pending = -1;
  for (char c : hex) {
    if (c == ' ' || c == '\n' || c == '\t' || c == '\r')
      continue;
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      throw std::invalid_argument("hex_bytes: not a hex digit");
    }
    if (pending < 0) {
      pending = digit;
    } else {
      bytes.push_back(static_cast<char>(pending * 16 + digit));
      pending = -1;
    }
  }
  if (pending >= 0)
    throw std::invalid_argument("hex_bytes: odd number of digits");
  return bytes;
}

std::string read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return std::move(bytes).str();
}

void write_bytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw std::runtime_error("cannot write " + path);
}

std::string to_hex(std::string_view bytes) {
  std::ostringstream out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0)
      out << (i % 16 == 0 ? '\n' : ' ');
    out << std::hex << std::setw(2) << std::setfill('0')
        << static_cast<int>(static_cast<unsigned char>(bytes[i]));
  }
  return out.str();
}

std::string le16(std::int32_t value) {
  auto v = static_cast<std::uint16_t>(value);
  return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
}

std::string le32(std::int64_t value) {
  auto v = static_cast<std::uint32_t>(value);
  std::string bytes;
  for (int i = 0; i < 4; ++i)
    bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  return bytes;
}

std::string le64_double(double value) {
  auto v = std::bit_cast<std::uint64_t>(value);
  std::string bytes;
  for (int i = 0; i < 8; ++i)
    bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
  return bytes;
}

}  // namespace scenario::testing
