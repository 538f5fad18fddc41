#include "records/little_endian_reader.h"

#include <bit>

#include "records/decode_error.h"

namespace scenario::records {

void LittleEndianReader::require(std::size_t count, const std::string& item) const {
  if (count <= remaining())
    return;
  throw DecodeError(offset_, item + ": servono " + std::to_string(count) +
                                 " byte, il file ne ha ancora " + std::to_string(remaining()));
}

std::uint64_t LittleEndianReader::little_endian(std::size_t width) {
  // The message is formed only when it is needed: this runs for every field.
  if (width > remaining())
    require(width, "campo di " + std::to_string(width) + " byte");
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < width; ++i) {
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[offset_ + i])) << (8 * i);
  }
  offset_ += width;
  return value;
}

std::uint8_t LittleEndianReader::u8() {
  return static_cast<std::uint8_t>(little_endian(1));
}

std::uint16_t LittleEndianReader::u16() {
  return static_cast<std::uint16_t>(little_endian(2));
}

std::int32_t LittleEndianReader::i32() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(little_endian(4)));
}

std::uint32_t LittleEndianReader::u32() {
  return static_cast<std::uint32_t>(little_endian(4));
}

std::uint64_t LittleEndianReader::u64() {
  return little_endian(8);
}

double LittleEndianReader::f64() {
  return std::bit_cast<double>(little_endian(8));
}

std::string LittleEndianReader::bytes(std::size_t count) {
  require(count, "testo di " + std::to_string(count) + " byte");
  std::string text(bytes_.substr(offset_, count));
  offset_ += count;
  return text;
}

}  // namespace scenario::records
