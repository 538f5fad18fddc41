#include "records/little_endian_writer.h"

#include <bit>
#include <stdexcept>

namespace scenario::records {
namespace {

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

LittleEndianWriter::LittleEndianWriter(const ByteConsumer& consumer) : consumer_(consumer) {
  buffer_.reserve(kChunk);
}

void LittleEndianWriter::reserve(std::size_t count) {
  if (buffer_.size() + count > kChunk) flush();
}

void LittleEndianWriter::u8(std::uint8_t value) {
  reserve(1);
  buffer_.push_back(value);
}

void LittleEndianWriter::u16(std::uint16_t value) {
  reserve(2);
  buffer_.push_back(static_cast<std::uint8_t>(value & 0xFF));
  buffer_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void LittleEndianWriter::i32(std::int32_t value) {
  reserve(4);
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) {
    buffer_.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
  }
}

void LittleEndianWriter::f64(double value) {
  reserve(8);
  const auto bits = std::bit_cast<std::uint64_t>(value);
  for (int shift = 0; shift < 64; shift += 8) {
    buffer_.push_back(static_cast<std::uint8_t>((bits >> shift) & 0xFF));
  }
}

void LittleEndianWriter::counted_text(std::string_view bytes) {
  if (bytes.size() > 0xFFFF) throw std::length_error("text longer than 65535 bytes");
  u16(static_cast<std::uint16_t>(bytes.size()));
  for (char c : bytes) u8(static_cast<std::uint8_t>(c));
}

void LittleEndianWriter::flush() {
  if (buffer_.empty()) return;
  consumer_(std::span<const std::uint8_t>(buffer_.data(), buffer_.size()));
  buffer_.clear();
}

std::string collect_bytes(const std::function<void(const ByteConsumer&)>& encode) {
  std::string bytes;
  encode([&](std::span<const std::uint8_t> chunk) {
    bytes.append(reinterpret_cast<const char*>(chunk.data()), chunk.size());
  });
  return bytes;
}

}  // namespace scenario::records
